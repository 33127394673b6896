#pragma once
// The one game record: where the pieces stand, the six seats, whose
// turn it is and who has finished in which order. Plain data plus the rules
// that read only this record (turn order, placing the pieces, board views).

#include "model/types.h"

#include <string>

namespace tavolux {

enum PlayStyle : int32_t { Friendly = 0, Neutral = 1, Hostile = 2 };

// How well a computer player plays. Standard is the game's own computer;
// saved games of Standard computers only keep the original bytes.
enum Strength : int32_t { Beginner = 0, Standard = 1, Expert = 2 };
constexpr int StrengthCount = 3;
constexpr const char* StrengthNames[StrengthCount] = {"Beginner", "Standard", "Expert"};

// The picture a slot shows; picture 0 marks a computer-controlled player.
constexpr int PictureCount = 7;
constexpr const char* PictureNames[PictureCount] = {"Computer", "Guy", "Lady", "Boy", "Girl", "Baby", "Bear"};

constexpr const char* ViewNames[6] = {"Bottom", "Top", "Lower-Left", "Lower-Right", "Upper-Left", "Upper-Right"};

// Longest name the program keeps; longer names (from saved files) are cut.
constexpr std::size_t MaxNameLength = 63;

// A name cut to MaxNameLength bytes without splitting a UTF-8 sequence.
std::string cutName(std::string name);

struct PlayerSlot {
    std::string name;
    uint16_t picture = 0;      // 0 computer, 1..6 a person
    int32_t active = 1;
    int32_t finished = 0;
    uint16_t firstPiece = 0;
    int32_t styleTowardLower = Neutral;
    int32_t styleTowardHigher = Neutral;
    int32_t preferredView = 0; // 0..5, see ViewNames
    int32_t autoReposition = 0;
    int32_t strength = Standard; // of a computer player

    bool isComputer() const { return picture == 0; }
};

// A seat that takes no part in the game.
inline PlayerSlot emptySeat()
{
    PlayerSlot slot;
    slot.active = 0;
    return slot;
}

struct GameState {
    Position pieces{};
    uint16_t playerToMove = 0;
    uint16_t slotCount = DesignSeatCount; // seats of the table: 3, or 6 with a seat beyond them
    uint16_t finishOrder[PlayerCount] = {};
    uint16_t finishCount = 0;
    int32_t noGameStarted = 1;
    int32_t gameOver = 0;
    int32_t animationSpeed = 0; // 0 smooth, 1 flickery
    int32_t soundEnabled = 1;   // beep after a computer move
    // The classic table's three seats take part unless told otherwise.
    PlayerSlot slots[PlayerCount] = {{}, {}, {}, emptySeat(), emptySeat(), emptySeat()};
    // The view of the board in 60-degree counter-clockwise steps 0..5. The
    // board view turns it; the record keeps it because saved games carry it.
    int32_t boardRotation = 0;

    bool gameInProgress() const { return noGameStarted == 0 && gameOver == 0; }
    // In progress, and a move has been made: a piece stands off its start
    // hole. Only such a game is given up when another takes its place.
    bool gameUnderway() const;
    bool inPlay(int p) const { return slots[p].active != 0 && slots[p].finished == 0; }
};

// The record as the program starts: no game, the default players.
GameState initialGameState();

// The other seats a player's two styles are toward: the lowest-numbered
// other seat takes the style toward the lower, every other seat the one
// toward the higher. On the classic table these are the lower and the
// higher of the two others.
inline int lowerOther(int p) { return p == 0 ? 1 : 0; }
inline int higherOther(int p) { return p == 2 ? 1 : 2; }
inline int32_t styleToward(const PlayerSlot& mine, int me, int other)
{
    return other == lowerOther(me) ? mine.styleTowardLower : mine.styleTowardHigher;
}

// The turn goes round the board clockwise: bottom, lower-left, upper-left,
// top, upper-right, lower-right. Over seats 0..2 alone that is 0, 1, 2.
constexpr int TurnCycle[PlayerCount] = {0, 5, 1, 3, 2, 4};
constexpr int TurnPlace[PlayerCount] = {0, 2, 4, 3, 5, 1}; // index of each seat in TurnCycle

// Turn order over the players that are active and not finished.
uint16_t nextPlayer(const GameState& s, int p);
uint16_t previousPlayer(const GameState& s, int p);

// No seat beyond the classic table's three is active.
bool usesOnlyDesignSeats(const GameState& s);

// Puts the active players' pieces on their start holes and resets the
// per-game fields (finished flags, finishing order, game over, player to move).
void placeStartingPieces(GameState& s);

// firstPiece of every slot: ten per active slot before it; and slotCount.
void assignFirstPieces(GameState& s);

// Sum of the step distances of player p's pieces to its target tip.
int targetDistanceSum(const GameState& s, int p);

// Board rotation: the view that brings each player's home to the bottom, and
// the clockwise steps from the bottom to each preferred side.
constexpr int HomeRotation[PlayerCount] = {0, 2, 4, 3, 5, 1};
constexpr int ViewSteps[6] = {0, 3, 1, 5, 2, 4};
int targetRotation(const GameState& s, int p);

// Rotating the board from one view to another the shorter way: the number of
// 60-degree steps and their sense (three steps go counter-clockwise).
struct RotationPlan {
    int steps = 0;
    bool clockwise = false;
};
RotationPlan planRotation(int fromRotation, int toRotation);

} // namespace tavolux
