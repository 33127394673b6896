#pragma once
// Names of the holes and of moves that a person can read off the board and
// type. The board is taken as drawn with Player #1 at the bottom (rotation
// 0): the seventeen rows are lettered a..q from the top tip down, and the
// holes of a row numbered from 1 at its left end. "a1" is the top tip (hole
// 0), "e1".."e13" the widest row below the upper points, "q1" the bottom tip
// (hole 120). Rows and places are what a person counts on the board; no
// hidden hole numbers are needed.
//
// A move names its start and then every hole it lands on, joined by '-':
// a step "e5-f5", a chain of jumps "m4-k4-i4". A chain is written out in
// full because several chains may reach the same hole and the record should
// show the one that was played.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavolux {

// "a1".."q1" for holes 0..120; an empty text for anything else.
std::string holeName(int hole);

// The hole a name stands for, letters in either case ("E5" is "e5"); nothing
// for any other text, spaces and leading zeros included.
std::optional<int> parseHole(std::string_view name);

// The start and every landing joined by '-'.
std::string moveText(int start, const std::vector<int>& path);

struct MoveText {
    int start = 0;
    std::vector<int> path; // the landings, the last one the destination
    friend bool operator==(const MoveText&, const MoveText&) = default;
};

// A start and at least one landing, each a hole name, joined by '-'. Whether
// the holes make a move is not looked at; more landings than the board has
// holes are refused.
std::optional<MoveText> parseMoveText(std::string_view text);

} // namespace tavolux
