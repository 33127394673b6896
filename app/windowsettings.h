#pragma once
// The main window's remembered settings: read once when it opens, written
// once when it closes, and the default layout that "Default Settings"
// brings back.

namespace tavolux {

class MainWindow;

void applyRememberedSettings(MainWindow& window);
void saveWindowSettings(MainWindow& window);
// The default size and place of the window (restored first when it is
// maximised); the board back to its first view.
void applyDefaultLayout(MainWindow& window);
// Default Settings: wallpaper, layout and the referee shown beside it; the
// New Game sheet's first players.
void restoreDefaultSettings(MainWindow& window);

} // namespace tavolux
