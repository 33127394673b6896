#include "view/mainlayout.h"

namespace tavolux {

namespace {
int part(double fraction, int size)
{
    return static_cast<int>(fraction * size);
}
}

MainLayout computeMainLayout(int w, int h)
{
    MainLayout m;
    m.clientWidth = w;
    m.clientHeight = h;

    m.boardLeft = part(0.025, w);
    m.boardTop = part(0.025, h);
    m.boardWidth = part(0.6, w);
    m.boardHeight = part(0.95, h);

    m.buttonWidth = part(0.05, w);
    m.buttonHeight = part(0.06, h);
    m.clockwiseButtonX = part(0.03, w);
    m.counterClockwiseButtonX = m.clockwiseButtonX + part(0.055, w);
    m.buttonTop = part(0.91, h);

    m.logoLeft = part(0.65, w);
    m.logoTop = part(0.025, h);
    m.logoWidth = part(0.325, w);
    m.logoHeight = part(0.15, h);

    m.panelLeft = part(0.65, w);
    m.panelTop = part(0.39, h);
    m.pictureWidth = part(0.12, w);
    m.pictureHeight = part(0.18, h);
    m.marginX = part(0.015, w);
    m.marginY = part(0.05, h);
    m.rowPitch = part(0.2, h);
    return m;
}

PanelRow panelRow(const MainLayout& m, int row, bool bigTable)
{
    if (!bigTable)
        return {m.panelLeft, m.panelTop + row * m.rowPitch, m.pictureWidth, m.pictureHeight};
    const int w = m.clientWidth, h = m.clientHeight;
    return {m.panelLeft, part(0.19, h) + row * part(0.13, h), part(0.073, w), part(0.11, h)};
}

WindowSize minimumWindowSize(int screenWidth, int screenHeight, int menuBarHeight)
{
    return {part(0.5, screenWidth), static_cast<int>(0.5 * screenHeight + menuBarHeight)};
}

int refereeLeft(int px, int refereeWidth, int workAreaRight)
{
    const int overflow = px + refereeWidth - workAreaRight;
    return overflow > 0 ? px - overflow : px;
}

} // namespace tavolux
