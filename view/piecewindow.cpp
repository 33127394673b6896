#include "view/piecewindow.h"

#include "view/boardpainter.h"
#include "view/colours.h"
#include "view/piecesymbols.h"
#include "view/windowcanvas.h"

#include <QPainter>
#include <QRegion>

namespace tavolux {

PieceWindow::PieceWindow(WindowCanvas& board, int seat, int rx, int ry)
    : QWidget(&board), board_(board), seat_(seat), rx_(rx), ry_(ry)
{
    setObjectName(QStringLiteral("pieceWindow"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    resize(2 * rx, 2 * ry);
    setMask(QRegion(rect(), QRegion::Ellipse));
    hide();
}

void PieceWindow::centreAt(int x, int y)
{
    move(x - rx_, y - ry_);
}

void PieceWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPixmap& picture = board_.picture();
    const qreal ratio = picture.devicePixelRatio();
    painter.drawPixmap(rect(), picture, QRectF(QPointF(pos()) * ratio, QSizeF(size()) * ratio));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(colours::player(seat_));
    // Inset by the pen so that the outline shows whole inside the mask.
    drawPiece(painter, QPointF(rx_, ry_), rx_ - 1, ry_ - 1, board_.scene().pieceSymbols ? seat_ : NoSymbol);
}

} // namespace tavolux
