#pragma once
// Who may sit at a measured game: the strengths players choose, and two
// players of the tools only, the sparring engine and the Expert as it
// weighed its first moves before it searched them two-sided.

#include "ai/computerplayer.h"
#include "ai/expertsearch.h"
#include "cli/sparring.h"
#include "model/movechooser.h"

#include <array>
#include <optional>
#include <string>

namespace tavolux::cli {

// Beginner, Standard and Expert as the strengths, then these.
enum ToolEntrant { Sparring = StrengthCount, ExpertReference, EntrantCount };

// "beginner", "standard", "expert", "sparring" or "expert-ref".
std::optional<int> parseEntrant(const std::string& text);

// Each seat's player, chosen by the seat to move. Every choice is checked
// against the rules: a move that is not legal stops the program.
class EntrantPlayers : public MoveChooser {
public:
    explicit EntrantPlayers(const std::array<int, PlayerCount>& seats);
    ChosenMove chooseMove(const GameState& state) override;

    void useSeed(uint32_t seed) { computer_.useSeed(seed); }
    // Every player forgets the positions it brought about before every
    // move, as when each move is asked of a fresh program.
    void forgetEveryMove(bool forget) { forget_ = forget; }

private:
    std::array<int, PlayerCount> seats_;
    bool forget_ = false;
    ComputerPlayer computer_;
    SparringEngine sparring_;
    ExpertSearch reference_{ExpertTuning::reference()};
};

// Whether `piece` of the player to move may go to `hole`.
bool isLegalMove(const GameState& state, int piece, int hole);

} // namespace tavolux::cli
