#include "cli/entrants.h"

#include "cli/ladder.h"
#include "model/movegen.h"
#include "model/movepath.h"

#include <cstdlib>
#include <iostream>
#include <tuple>

namespace tavolux::cli {

std::optional<int> parseEntrant(const std::string& text)
{
    if (text == "sparring")
        return Sparring;
    if (text == "expert-ref")
        return ExpertReference;
    return parseStrength(text);
}

bool isLegalMove(const GameState& state, int piece, int hole)
{
    const PlayerSlot& mover = state.slots[state.playerToMove];
    if (piece < mover.firstPiece || piece >= mover.firstPiece + PiecesPerPlayer)
        return false;
    MoveGenerator gen;
    gen.findDestinations(state.playerToMove, piece, state.pieces);
    for (const uint16_t* d = gen.destinations; *d != ListEnd; ++d)
        if (*d == hole)
            return true;
    return false;
}

EntrantPlayers::EntrantPlayers(const std::array<int, PlayerCount>& seats) : seats_(seats) {}

ChosenMove EntrantPlayers::chooseMove(const GameState& state)
{
    if (forget_) {
        computer_.forgetPositions();
        reference_.forgetPositions();
        sparring_.forgetPositions();
    }
    const int seat = seats_[std::size_t(state.playerToMove)];
    ChosenMove chosen;
    if (seat == Sparring || seat == ExpertReference) {
        const auto [found, piece, hole] = [&] {
            if (seat == Sparring) {
                const DuelChoice c = sparring_.choose(state);
                return std::tuple{c.found, c.piece, c.hole};
            }
            const ExpertChoice c = reference_.choose(state);
            return std::tuple{c.found, c.piece, c.hole};
        }();
        chosen.found = found;
        chosen.piece = piece;
        chosen.path = found ? findMovePath(state.pieces, state.pieces[piece].hole, hole) : std::vector<int>{hole};
    } else {
        chosen = computer_.chooseMove(state);
    }
    if (chosen.found && !isLegalMove(state, chosen.piece, chosen.path.back())) {
        std::cerr << "tavolux-cli: player " << state.playerToMove << " chose an illegal move: piece " << chosen.piece
                  << " to " << chosen.path.back() << "\n";
        std::exit(1);
    }
    return chosen;
}

} // namespace tavolux::cli
