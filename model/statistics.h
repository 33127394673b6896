#pragma once
// Each player's figures over the games played, kept from one run of the
// program to the next: games played to the end, the places taken, games
// given up, and the moves it took to bring all ten pieces home. A player is
// a name and a kind (a person, or a computer of a strength), so that a
// person and an Expert computer of the same name are two players. A name
// counts as the window shows it, without spaces around it, and a player's
// row keeps the spelling of its latest game ("ANNA" after "Anna").
//
// Games among computers only go to a table of their own, so that a
// person's figures are never drowned by the computers playing each other.
//
// The text file (UTF-8, lines ending in "\n"):
//
//   Tavolux statistics 1
//   persons<TAB>person<TAB>12<TAB>5<TAB>4<TAB>3<TAB>1<TAB>5<TAB>480<TAB>89<TAB>Anna
//   computers<TAB>expert<TAB>...<TAB>Silicon
//   end 2
//
// The first line names the format and its version. Each player line holds
// the table ("persons": games with at least one person, "computers": games
// among computers only), the kind ("person", "beginner", "standard",
// "expert"), then games, first, second and third places, abandoned, the
// games whose moves to finish are counted, their sum and the fewest, then,
// only for a player who has taken a fourth, fifth or sixth place, those
// three counts, all in decimal, and last the name. In the name a backslash is written "\\", a
// tab "\t", a line feed "\n", a carriage return "\r", and any other control
// character or byte that is not part of UTF-8 "\xHH". The last line counts
// the player lines, so that a cut file is told from a whole one. Anything
// else, or figures no games could give, makes the whole file damaged. Rows
// of one player (names that differ only in case, or in spaces around them,
// from older files) are added up into one.

#include "model/gamestate.h"

#include <array>
#include <compare>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace tavolux {

class MoveList;

enum class PlayerKind : int { Person = 0, BeginnerComputer = 1, StandardComputer = 2, ExpertComputer = 3 };
constexpr int PlayerKindCount = 4;

// A person for a slot with a picture, else a computer of the slot's strength
// (Standard when the strength is none of the three).
PlayerKind kindOf(const PlayerSlot& slot);

struct PlayerKey {
    std::string name; // UTF-8, at most MaxNameLength bytes
    PlayerKind kind = PlayerKind::Person;
    friend auto operator<=>(const PlayerKey&, const PlayerKey&) = default;
    friend bool operator==(const PlayerKey&, const PlayerKey&) = default;
};

struct PlayerFigures {
    int64_t games = 0;              // played to the end
    std::array<int64_t, PlayerCount> places{}; // first to sixth places
    int64_t abandoned = 0;          // given up while the player was in it
    int64_t finishes = 0;           // games whose moves to finish are counted
    int64_t totalMoves = 0;         // over those games
    int64_t bestMoves = 0;          // the fewest; 0 before the first finish

    bool hasMoves() const { return finishes > 0; }
    double averageMoves() const { return finishes > 0 ? static_cast<double>(totalMoves) / finishes : 0.0; }
    friend bool operator==(const PlayerFigures&, const PlayerFigures&) = default;
};

// Players in the order of their names, letter case aside, then of their
// kinds: names that differ only in case are one player (see playernames.h).
struct PlayerOrder {
    bool operator()(const PlayerKey& a, const PlayerKey& b) const;
};

using PlayerTable = std::map<PlayerKey, PlayerFigures, PlayerOrder>;

struct Statistics {
    PlayerTable withPersons;     // games with at least one person
    PlayerTable amongComputers;  // games among computers only

    bool empty() const { return withPersons.empty() && amongComputers.empty(); }
    friend bool operator==(const Statistics&, const Statistics&) = default;
};

// Figures beyond this are never counted further (and read as damaged), so
// that no sum can overflow.
constexpr int64_t MaxFigure = 1'000'000'000'000;

// Whether every active player of the game is a computer.
bool amongComputersOnly(const GameState& game);

// Counts a game that ended: one game for each active player, the place each
// took in finishOrder, and for each player whose pieces are all home
// (isHome) the moves given for it, when that number is above
// 0 (0 or less: not known). False, and nothing counted, for a game that has
// not started or has no active players.
bool addEndedGame(Statistics& statistics, const GameState& game, const int movesPerPlayer[PlayerCount]);

// Counts a game given up while underway (a new game or a saved one taken
// instead, or the program closed): one abandoned game for each player still
// playing, while those who have finished keep what they earned, a game and
// their place, and their moves as addEndedGame counts them when
// movesPerPlayer is given. False, and nothing counted, when no move was made
// in the game (see GameState::gameUnderway).
bool addAbandonedGame(Statistics& statistics, const GameState& game,
                      const int movesPerPlayer[PlayerCount] = nullptr);

// The moves each player made in the game the list holds; -1 for every player
// when the list does not reach back to the game's opening (a game loaded
// part-way through), as its moves to finish are then not known.
std::array<int, PlayerCount> movesPerPlayer(const MoveList& list);

// The file's text; formatStatistics(parseStatistics(t).statistics) == t for
// every text the program wrote.
std::string formatStatistics(const Statistics& statistics);

struct ParsedStatistics {
    Statistics statistics;
    bool damaged = false; // the text was not a whole statistics file; statistics are empty
};
ParsedStatistics parseStatistics(std::string_view text);

// The words of the file for a kind ("person", "expert", ...).
const char* kindWord(PlayerKind kind);

} // namespace tavolux
