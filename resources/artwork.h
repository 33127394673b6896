#pragma once
// The program's pictures, icons and cursors, all drawn by code the first time
// they are asked for and kept from then on (a QGuiApplication must exist).
// Sizes are logical pixels; pixmaps carry a device pixel ratio of 2 so they
// stay crisp on high-density screens (read their size with
// deviceIndependentSize()). The application icon's pixmaps and the cursors
// have a ratio of 1. An index out of range gives a null pixmap.

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace tavolux::art {

constexpr int PlayerPictureSize = 96;   // player pictures are 96 x 96
constexpr int ButtonFaceSize = 32;      // rotate-button faces are 32 x 32
constexpr int TitleWidth = 216, TitleHeight = 71;
constexpr int SplashWidth = 623, SplashHeight = 312;

// Player picture 0..6: "Computer", "Guy", "Lady", "Boy", "Girl", "Baby", "Bear".
QPixmap playerPicture(int index);
// Wallpaper 0 (100 x 80) and wallpapers 1 and 2 (16 x 16), tiled.
constexpr int WallpaperCount = 3;
QPixmap wallpaper(int index);
// The title picture; black pixels are meant to be left out when drawn. Its
// background is transparent black, so plain drawing leaves it out as well.
QPixmap titlePicture();
// The welcome picture shown while the program starts.
QPixmap splashPicture();
// The same drawn for a screen of the given pixel density (the picture at
// density 2 costs four times the drawing of one at density 1).
QPixmap splashPicture(qreal density);
// Faces of the rotate buttons, released or pressed.
QPixmap rotateButtonFace(bool clockwise, bool pressed);
// The program's icon, in every usual size, and one size of it on its own.
constexpr int AppIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
QIcon appIcon();
QPixmap appIconPixmap(int size);
// The icon of player 0..2 (32 x 32), in the player's colour.
QPixmap playerIcon(int player);
// Cursors shown over a piece of the player to move, and over another's.
QCursor ownPieceCursor();
QCursor otherPieceCursor();

} // namespace tavolux::art
