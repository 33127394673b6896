#include "view/colours.h"

#include "model/board.h"

namespace tavolux::colours {

QColor starPoint(int p)
{
    static const QColor points[DesignSeatCount] = {{192, 192, 0}, {0, 192, 192}, {192, 0, 0}};
    return points[p % DesignSeatCount];
}

QColor player(int p)
{
    // The classic three, then a blue across from the yellow, a green across
    // from the cyan and an orange across from the red: far apart in hue for
    // the usual eye, and told apart by their symbols for every other.
    static const QColor pieces[PlayerCount] = {{255, 255, 0}, {0, 255, 255},  {255, 0, 0},
                                               {40, 90, 255}, {20, 190, 40}, {255, 140, 0}};
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
