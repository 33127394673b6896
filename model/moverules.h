#pragma once
// What a move does to a game, beside where a piece may go: the turn passes
// to the next player in play, and a player whose pieces are all home
// finishes and is placed; when fewer than two players are left, or the two
// left stop, the others are placed in turn order and the game is over. The
// turn cycle, the move list and whoever replays a game use these rules.

#include "model/gamestate.h"

#include <vector>

namespace tavolux {

// The sum of the step distances of a player's pieces to its target tip
// when all ten fill the target zone, and only then.
constexpr int HomeDistanceSum = 20;

// Whether player p has brought its pieces home. When the seat across plays,
// p's target is that player's home, whose pieces may never leave it: p has
// finished once every hole of the target point is taken and at least one
// by a piece of its own. Otherwise all ten of p's pieces fill the target.
bool isHome(const GameState& s, int p);

// Whether p finishes by the full target rather than by all ten pieces home.
bool finishesByFullTarget(const GameState& s, int p);

// isHome for a table of pieces, the rule given.
bool piecesHome(const Position& pieces, int p, bool byFullTarget);

// Whether moving `piece` to `hole` fills p's target by the full-target rule.
bool fillsTarget(Position pieces, int piece, int hole, int p);

// The player to move after p.
void passTurn(GameState& s, int p);

// The player who made the last move (the one before the player to move)
// when that move brought it home and it has not been placed yet; -1 else.
int finishingPlayer(const GameState& s);

// Marks p finished and appends it to the finishing order; returns how many
// players are still in play.
int finishPlayer(GameState& s, int p);

// The game ends after p's finish: those still in play are placed after it,
// in turn order.
void placeRemaining(GameState& s, int p);

// What a move did: the game after it and, read from that, who finished,
// whether the game is over and who moves next.
struct MoveOutcome {
    GameState after;
    int finished = -1; // the mover, when the move brought it home; -1 else
    bool gameOver = false;
    int nextPlayer = 0;
};

// The player to move moves `piece` along `path` (its landings, the last its
// destination; none for a turn without a move): the turn passes and, when
// the move brought the mover home, it finishes. `othersPlayOn` answers
// whether the two players left after a finish play on; without them the
// game is over.
MoveOutcome applyMove(const GameState& before, int piece, const std::vector<int>& path, bool othersPlayOn);

} // namespace tavolux
