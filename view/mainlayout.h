#pragma once
// The main window scales all its content with its size: every position in
// it is a fixed fraction of the client area. MainLayout holds those values,
// recomputed on every resize; the window-level size rules live here too.

namespace tavolux {

struct MainLayout {
    int clientWidth = 0;  // W
    int clientHeight = 0; // H, the client height without the status bar

    int boardLeft = 0, boardTop = 0, boardWidth = 0, boardHeight = 0;

    // The two rotate buttons side by side at the bottom left.
    int buttonWidth = 0, buttonHeight = 0;
    int clockwiseButtonX = 0, counterClockwiseButtonX = 0, buttonTop = 0;

    int logoLeft = 0, logoTop = 0, logoWidth = 0, logoHeight = 0;

    // Player rows: picture box, name beside it, one row per slot.
    int panelLeft = 0, panelTop = 0;
    int pictureWidth = 0, pictureHeight = 0;
    int marginX = 0, marginY = 0;
    int rowPitch = 0;
    friend bool operator==(const MainLayout&, const MainLayout&) = default;
};

// W x H as above; every value is truncate(fraction * W or H).
MainLayout computeMainLayout(int clientWidth, int clientHeight);

// One player's row of the side panel: the picture box, the name beside it.
struct PanelRow {
    int left = 0, top = 0;
    int pictureWidth = 0, pictureHeight = 0;
};

// Row `row` of the panel. The classic table's three rows are the layout's;
// a bigger table's up to six rows start under the logo and are smaller, the
// pictures keeping their shape, so that the sixth still ends above the
// window's bottom edge.
PanelRow panelRow(const MainLayout& m, int row, bool bigTable);

struct WindowSize {
    int width = 0;
    int height = 0;
};

// The smallest size the user may drag the window to.
WindowSize minimumWindowSize(int screenWidth, int screenHeight, int menuBarHeight);

// The referee sits with its left edge at px, pushed left just far enough for
// its right edge to stay inside the work area; returns its left edge.
int refereeLeft(int px, int refereeWidth, int workAreaRight);

} // namespace tavolux
