#pragma once
// One animated 60-degree step of the board in the window: the star turns
// inside the ellipse of the board area while the rest of the window stays
// as it is, then settles exactly on the new view, which the record keeps.

namespace tavolux {

struct BoardView;
struct GameState;
class WindowCanvas;

void rotateBoardOneStep(WindowCanvas& canvas, BoardView& view, GameState& state, bool clockwise);

} // namespace tavolux
