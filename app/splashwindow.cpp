#include "app/splashwindow.h"

#include "resources/artwork.h"

#include <QFontMetrics>
#include <QPainter>
#include <QScreen>

namespace tavolux {

SplashWindow::SplashWindow(const QPixmap& picture)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), picture_(picture)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(art::SplashWidth, art::SplashHeight);
    const QRect work = screen()->availableGeometry();
    move(work.left() + (work.width() - width()) / 2, work.top() + (work.height() - height()) / 2);
}

void SplashWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawPixmap(rect(), picture_);

    QFont font(QStringLiteral("Terminal"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(14); // a 16-pixel line
    font.setWeight(QFont::Bold);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int ascent = QFontMetrics(font).ascent();
    painter.drawText(8, 5 + ascent, tr("Tavolux"));
    painter.drawText(8, 22 + ascent, tr("Chinese Checkers"));
}

} // namespace tavolux
