#include "view/piecewindow.h"

#include "view/boardpainter.h"

#include <QPainter>
#include <QRegion>

namespace tavolux {

PieceWindow::PieceWindow(QWidget* board, QColor colour, int rx, int ry)
    : QWidget(board), colour_(colour), rx_(rx), ry_(ry)
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
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::black); // the mask's stepped edge reads as outline
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(colour_);
    // Inset by the pen so that the outline shows whole inside the mask.
    drawPiece(painter, QPointF(rx_, ry_), rx_ - 1, ry_ - 1);
}

} // namespace tavolux
