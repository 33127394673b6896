#include "model/gamestate.h"

#include "model/board.h"

namespace tavolux {

GameState initialGameState()
{
    GameState s;
    const char* names[PlayerCount] = {"Human", "Silicon", "Positron", "Photon", "Quark", "Neutrino"};
    const uint16_t pictures[PlayerCount] = {3, 0, 0, 0, 0, 0};
    const int32_t lower[PlayerCount] = {Neutral, Hostile, Hostile, Hostile, Hostile, Hostile};
    const int32_t higher[PlayerCount] = {Neutral, Friendly, Friendly, Friendly, Friendly, Friendly};
    for (int p = 0; p < PlayerCount; ++p) {
        PlayerSlot& slot = s.slots[p];
        slot.name = names[p];
        slot.picture = pictures[p];
        slot.styleTowardLower = lower[p];
        slot.styleTowardHigher = higher[p];
        slot.active = p < DesignSeatCount ? 1 : 0;
    }
    return s;
}

uint16_t nextPlayer(const GameState& s, int p)
{
    for (int i = 0; i < PlayerCount; ++i) {
        p = TurnCycle[(TurnPlace[p] + 1) % PlayerCount];
        if (s.inPlay(p))
            return static_cast<uint16_t>(p);
    }
    return static_cast<uint16_t>(p);
}

uint16_t previousPlayer(const GameState& s, int p)
{
    for (int i = 0; i < PlayerCount; ++i) {
        p = TurnCycle[(TurnPlace[p] + PlayerCount - 1) % PlayerCount];
        if (s.inPlay(p))
            return static_cast<uint16_t>(p);
    }
    return static_cast<uint16_t>(p);
}

bool usesOnlyDesignSeats(const GameState& s)
{
    for (int p = DesignSeatCount; p < PlayerCount; ++p)
        if (s.slots[p].active)
            return false;
    return true;
}

void assignFirstPieces(GameState& s)
{
    s.slotCount = static_cast<uint16_t>(usesOnlyDesignSeats(s) ? DesignSeatCount : PlayerCount);
    uint16_t i = 0;
    for (PlayerSlot& slot : s.slots) {
        slot.firstPiece = i;
        if (slot.active)
            i = static_cast<uint16_t>(i + PiecesPerPlayer);
    }
}

void placeStartingPieces(GameState& s)
{
    int i = 0;
    for (int p = 0; p < PlayerCount; ++p) {
        s.slots[p].firstPiece = static_cast<uint16_t>(i);
        if (!s.slots[p].active)
            continue;
        for (int k = 0; k < PiecesPerPlayer; ++k, ++i)
            s.pieces[i] = {StartHoles[p][k], OwnerMark[p]};
    }
    for (; i < PieceCount; ++i)
        s.pieces[i].owner = 0;
    for (PlayerSlot& slot : s.slots)
        slot.finished = 0;
    s.slotCount = static_cast<uint16_t>(usesOnlyDesignSeats(s) ? DesignSeatCount : PlayerCount);
    s.finishCount = 0;
    s.gameOver = 0;
    s.playerToMove = 0;
    if (!s.slots[0].active)
        s.playerToMove = nextPlayer(s, 0);
}

int targetDistanceSum(const GameState& s, int p)
{
    int sum = 0;
    for (const PieceRecord& r : s.pieces)
        if (r.owner & OwnerMark[p])
            sum += holeDistance(r.hole, TargetApex[p]);
    return sum;
}

int targetRotation(const GameState& s, int p)
{
    const int view = s.slots[p].preferredView;
    const int steps = (view >= 0 && view < 6) ? ViewSteps[view] : 0;
    return ((HomeRotation[p] - steps) % 6 + 6) % 6;
}

RotationPlan planRotation(int fromRotation, int toRotation)
{
    const int m = ((fromRotation - toRotation) % 6 + 6) % 6;
    if (m <= 2)
        return {m, true};
    return {6 - m, false};
}

bool GameState::gameUnderway() const
{
    if (!gameInProgress())
        return false;
    GameState opening = *this;
    placeStartingPieces(opening);
    return opening.pieces != pieces;
}

// Cuts a name to MaxNameLength bytes without splitting a UTF-8 sequence.
std::string cutName(std::string name)
{
    if (name.size() <= MaxNameLength)
        return name;
    std::size_t n = MaxNameLength;
    while (n > 0 && (static_cast<uint8_t>(name[n]) & 0xC0) == 0x80)
        --n;
    name.resize(n);
    return name;
}

} // namespace tavolux
