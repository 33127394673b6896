#pragma once
// The moves a person has not seen made: those since the person to move last
// moved (the computers' replies, the other persons' moves). They stay on the
// board until that person picks up a piece. Only the latest few moves are
// kept, as a player in play moves once a round.

#include "model/gamestate.h"

#include <deque>
#include <vector>

namespace tavolux {

struct PlayedMove {
    int player = 0;
    int start = 0;         // the hole the piece left
    std::vector<int> path; // its landing holes, ending with the destination
    friend bool operator==(const PlayedMove&, const PlayedMove&) = default;
};

class LastMoves {
public:
    static constexpr std::size_t Kept = PlayerCount;

    // Piece k of `player` has just left hole `start`; `after` is the
    // position after the move, from which its path is worked out.
    void record(const Position& after, int player, int k, int start);
    void record(PlayedMove move);
    // The person to move has picked up a piece: nothing shows until the
    // next move is made.
    void hide() { hidden_ = true; }
    void clear();

    // The moves made since `viewer` last moved, oldest first, at most one
    // fewer than the players in play (a round's worth); none while hidden.
    std::vector<PlayedMove> shownTo(int viewer, int playersInPlay = DesignSeatCount) const;
    // shownTo the person the board is shown for (see trailViewer).
    std::vector<PlayedMove> shownFor(const GameState& s) const;

private:
    std::deque<PlayedMove> moves_;
    bool hidden_ = false;
};

// Whom the last moves are for: the first person in play from the player to
// move on, in turn order (while the computers move, the person who moves
// next), or the player to move when every player in play is a computer.
int trailViewer(const GameState& s);

} // namespace tavolux
