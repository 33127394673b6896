#include "view/boardflash.h"

#include "view/windowcanvas.h"

namespace tavolux {

BoardFlash::BoardFlash(QObject* parent) : QObject(parent), clock_([this] {
                                                               end();
                                                               Q_EMIT finished();
                                                           })
{
}

BoardFlash::~BoardFlash()
{
    stop();
}

void BoardFlash::start(WindowCanvas& board, Marks marks, std::chrono::milliseconds length, const QRect& area)
{
    stop();
    board_ = &board;
    showing_ = true;
    board.holdPicture(false);
    board.repaintChanged();
    // The marks stay while the window paints from its picture as it is.
    board.holdPicture(true, marks);
    board.drawFrame(marks, area);
    clock_.callAt(clock_.now() + length);
}

void BoardFlash::stop()
{
    if (showing_)
        end();
}

void BoardFlash::end()
{
    showing_ = false;
    clock_.cancel();
    if (!board_)
        return;
    board_->holdPicture(false);
    board_->refresh();
}

} // namespace tavolux
