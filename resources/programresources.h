#pragma once
// The pictures, icons and cursors the program draws with. They are made
// once at start-up and released when the program ends; the windows borrow
// them. Start-up may make them in two goes: what the main window's first
// picture needs while the welcome picture is up, the rest (the players'
// pictures and icons, the program's icon) once that picture is shown.

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

    // Everything.
    static ProgramResources load();
    // Only the cursors, the rotate buttons' faces, the title and the
    // wallpapers: enough for the main window before the first game.
    static ProgramResources loadForFirstPicture();
    // Makes what loadForFirstPicture() left out (nothing when it is there).
    void loadRest();

    // Wallpaper by index; an index outside 0..2 selects wallpaper 0.
    const QPixmap& wallpaper(int index) const;
};

} // namespace tavolux
