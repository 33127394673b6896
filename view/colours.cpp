#include "view/colours.h"

#include "model/board.h"

namespace tavolux::colours {

QColor starPoint(int p)
{
    static const QColor points[PlayerCount] = {{192, 192, 0}, {0, 192, 192}, {192, 0, 0}};
    return points[p];
}

QColor player(int p)
{
    static const QColor pieces[PlayerCount] = {{255, 255, 0}, {0, 255, 255}, {255, 0, 0}};
    return pieces[p];
}

QColor owner(uint32_t mark)
{
    const int seat = seatOf(mark);
    return seat >= 0 ? player(seat) : QColor();
}

int seatOf(uint32_t mark)
{
    for (int p = 0; p < PlayerCount; ++p)
        if (mark & OwnerMark[p])
            return p;
    return -1;
}

} // namespace tavolux::colours
