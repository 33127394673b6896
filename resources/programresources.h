#pragma once
// The pictures, icons and cursors the program draws with. They are made
// once at start-up, while the welcome picture is up, and released when the
// program ends; the windows borrow them.

#include "model/gamestate.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace tavolux {

constexpr int WallpaperCount = 3;

struct ProgramResources {
    QCursor ownPieceCursor;
    QCursor otherPieceCursor;
    QPixmap playerIcons[PlayerCount];
    QPixmap rotateFaces[2][2]; // [clockwise][pressed]
    QPixmap title;             // black already transparent
    QPixmap wallpapers[WallpaperCount];
    QPixmap pictures[PictureCount];
    QIcon appIcon;

    static ProgramResources load();

    // Wallpaper by index; an index outside 0..2 selects wallpaper 0.
    const QPixmap& wallpaper(int index) const;
};

} // namespace tavolux
