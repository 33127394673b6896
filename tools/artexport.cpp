// Writes the program's drawn artwork to image files: the application icon in
// every size the desktop looks for, or a contact sheet of all pictures for
// whoever works on them.
//
//   tavolux-artexport icons <folder>         <folder>/<N>x<N>/apps/<id>.png
//   tavolux-artexport sheet <file.png> [zoom]
#include "resources/artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

namespace {

using namespace tavolux;

const char* const AppId = "io.github.tavolux.Tavolux";

int writeIcons(const QString& folder)
{
    for (int size : art::AppIconSizes) {
        QString dir = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        QDir().mkpath(dir);
        QString file = dir + QLatin1Char('/') + QLatin1String(AppId) + QStringLiteral(".png");
        if (!art::appIconPixmap(size).save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}

// Lays pictures out left to right in rows, with a gap between them.
class Sheet {
public:
    explicit Sheet(QPainter& p) : p_(p) {}
    void put(const QPixmap& picture) { put(picture.deviceIndependentSize().toSize(), [&](QRect r) { p_.drawPixmap(r, picture); }); }
    template <class Paint> void put(QSize size, Paint paint)
    {
        paint(QRect(QPoint(x_, y_), size));
        x_ += size.width() + Gap;
        rowHeight_ = std::max(rowHeight_, size.height());
    }
    void newRow()
    {
        x_ = Gap;
        y_ += rowHeight_ + Gap;
        rowHeight_ = 0;
    }

private:
    static constexpr int Gap = 12;
    QPainter& p_;
    int x_ = Gap, y_ = Gap, rowHeight_ = 0;
};

void paintSheet(QPainter& p)
{
    Sheet sheet(p);
    for (int i = 0; i < 7; ++i)
        sheet.put(art::playerPicture(i));
    sheet.newRow();
    for (int i = 0; i < 3; ++i) {
        sheet.put(QSize(216, 150), [&](QRect r) {
            p.drawTiledPixmap(r, art::wallpaper(i));
            p.drawPixmap(QRect(r.topLeft() + QPoint(0, 40), QSize(art::TitleWidth, art::TitleHeight)), art::titlePicture());
        });
    }
    sheet.newRow();
    sheet.put(QSize(art::SplashWidth, art::SplashHeight), [&](QRect r) {
        p.drawPixmap(r.topLeft(), art::splashPicture());
        p.setFont(QFont(QStringLiteral("Terminal"), -1, QFont::Bold));
        QFont font = p.font();
        font.setPixelSize(16);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(r.topLeft() + QPoint(8, 5 + 13), QStringLiteral("Tavolux"));
        p.drawText(r.topLeft() + QPoint(8, 22 + 13), QStringLiteral("Chinese Checkers"));
    });
    sheet.newRow();
    for (bool clockwise : {true, false})
        for (bool pressed : {false, true})
            sheet.put(art::rotateButtonFace(clockwise, pressed));
    for (int i = 0; i < 3; ++i)
        sheet.put(art::playerIcon(i));
    for (const QCursor& cursor : {art::ownPieceCursor(), art::otherPieceCursor()}) {
        sheet.put(QSize(40, 40), [&](QRect r) {
            p.fillRect(r, QColor(255, 255, 0));
            p.drawPixmap(r.topLeft() + QPoint(4, 4), cursor.pixmap());
            p.setPen(Qt::blue);
            p.drawPoint(r.topLeft() + QPoint(4, 4) + cursor.hotSpot());
        });
    }
    sheet.newRow();
    for (int size : art::AppIconSizes)
        sheet.put(art::appIconPixmap(size));
}

int writeSheet(const QString& file, qreal zoom)
{
    QImage image(QSize(1000, 940) * zoom, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(150, 150, 150));
    QPainter p(&image);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(zoom, zoom);
    paintSheet(p);
    p.end();
    return image.save(file) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments();
    if (args.size() >= 3 && args[1] == QLatin1String("icons"))
        return writeIcons(args[2]);
    if (args.size() >= 3 && args[1] == QLatin1String("sheet"))
        return writeSheet(args[2], args.size() >= 4 ? args[3].toDouble() : 1.0);
    std::fprintf(stderr, "usage: %s icons <folder> | sheet <file.png> [zoom]\n", argv[0]);
    return 2;
}
