#pragma once
// Composition of the main window's client area: tiled wallpaper, the title
// with its black left out, the board, and the side panel with the players'
// pictures and names. Also the small picture operations the dialogs share.

#include "model/gamestate.h"
#include "view/boardgeometry.h"
#include "view/lastmoves.h"
#include "view/mainlayout.h"

#include <QPixmap>

class QPainter;
class QRect;

namespace tavolux {

// Everything one paint of the main window reads; the pointers are borrowed.
struct WindowScene {
    const MainLayout* layout = nullptr;
    const BoardView* view = nullptr;
    const GameState* state = nullptr;
    const QPixmap* wallpaper = nullptr;
    const QPixmap* title = nullptr;    // black already made transparent
    const QPixmap* pictures = nullptr; // PictureCount player pictures
    const LastMoves* lastMoves = nullptr; // none: not shown
    // A piece (index into the piece table) left out of the board, its hole
    // drawn empty, while a glide shows it elsewhere; -1 for none.
    int hiddenPiece = -1;
    // Each piece carries its seat's symbol.
    bool pieceSymbols = false;
    // The move a review of earlier moves shows, drawn as the last moves are
    // and in their place; empty for none.
    std::vector<PlayedMove> reviewedMoves{};
};

// The last moves the scene shows on its board (the reviewed move, if any).
std::vector<PlayedMove> shownLastMoves(const WindowScene& scene);

// Paints the whole client area (the rectangle `client`) of the main window.
void paintMainWindow(QPainter& painter, const QRect& client, const WindowScene& scene);

// Names of the active players beside their pictures, the player to move
// highlighted in its colour; under a name, the place of a player who has
// finished and the strength of a computer that is not Standard. Nothing
// before the first game.
void drawPlayerNames(QPainter& painter, const WindowScene& scene);

// Fills `area` with whole tiles laid from the painter's origin.
void tileWallpaper(QPainter& painter, const QRect& area, const QPixmap& tile);

// A copy of the picture in which pure black pixels are transparent.
QPixmap blackAsTransparent(const QPixmap& picture);

// A picture inside white bands of `fraction` of the box size on each side.
void drawFramedPicture(QPainter& painter, const QRect& box, const QPixmap& picture, double fraction);

} // namespace tavolux
