#pragma once
// A computer's move shown on the board: the piece leaves its hole in a
// floating piece window and glides in a straight line to each hole of its
// path in turn, resting briefly on every hole it reaches. The board behind
// it is the window's last composed picture, uncovered a little at every
// frame, never drawn anew. The move itself is made by the caller afterwards.

#include "view/glidepace.h"

#include <functional>

namespace tavolux {

class WindowCanvas;
struct GameState;

struct GlideHooks {
    std::function<GlideClock::time_point()> now;
    // Waits until the given time, painting but taking no input.
    std::function<void(GlideClock::time_point)> waitUntil;
    // Told after every frame put on the screen (for measuring).
    std::function<void()> frameShown;
};

// The piece `piece` of player `player` goes from hole `start` along
// path[0..length - 1]. The piece's owner mark is 0 during the call, so the
// composed board leaves it out.
void glideMove(WindowCanvas& board, const BoardView& view, int player, int start, const int* path, int length,
               int animationSpeed, const GlideHooks& hooks = {});

// The wait of a glide and of other short shows: until `deadline`, paints and
// timers go on while mouse and keys stay queued.
void waitPainting(GlideClock::time_point deadline);

} // namespace tavolux
