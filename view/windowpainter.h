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
class QRegion;

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

// What a paint of a scene shows, kept to find what the next paint must
// draw again. Everything paintMainWindow draws from a scene belongs here.
struct SceneShown {
    MainLayout layout;
    BoardView view;
    qint64 wallpaper = 0, title = 0, pictures[PictureCount] = {};
    int32_t noGameStarted = 0;
    uint16_t playerToMove = 0;
    bool pieceSymbols = false;
    // The places of those finished, as the side panel notes them.
    std::vector<uint16_t> finished;
    struct Slot {
        std::string name;
        int32_t active = 0, strength = 0;
        uint16_t picture = 0;
        friend bool operator==(const Slot&, const Slot&) = default;
    } slots[PlayerCount];
    // What one move changes.
    Position pieces{};
    int hiddenPiece = -1;
    std::vector<PlayedMove> lastMoves;
    friend bool operator==(const SceneShown&, const SceneShown&) = default;
};
SceneShown sceneShown(const WindowScene& scene);
// The pixels a piece on `hole` covers, with its outline (client coordinates).
QRect pieceArea(const BoardView& v, int hole);
// The part of the client area that differs between the two: the holes of
// the pieces that moved, appeared or went, the last moves of either, or
// everything when anything else differs.
QRegion sceneChanges(const SceneShown& before, const SceneShown& after);

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
