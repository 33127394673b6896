#pragma once
// Basic sizes and records shared by the rules, the computer player, the
// saved-game code and the board view.

#include <array>
#include <cstdint>

namespace tavolux {

using HoleIndex = int;

constexpr int HoleCount = 121;
constexpr int NoHole = -1;        // "no hole" in the neighbour and jump tables
constexpr int ListEnd = 121;      // terminator of every hole list
constexpr int PlayerCount = 6;     // seats, "Player #1" .. "Player #6"
constexpr int DesignSeatCount = 3; // the classic table's seats 0..2
constexpr int PieceCount = 60;     // ten per seat
constexpr int PiecesPerPlayer = 10;
constexpr int NoPiece = PieceCount; // "no piece" for hit tests and selections

// One entry of a piece table: the hole a piece stands on and the owner mark
// of its player (0 while the piece is out of play or being dragged).
struct PieceRecord {
    uint16_t hole = 0;
    uint32_t owner = 0;
    friend bool operator==(const PieceRecord&, const PieceRecord&) = default;
};

// A whole position: the piece records in table order, ten per active seat
// in seat order, the rest out of play.
using Position = std::array<PieceRecord, PieceCount>;

} // namespace tavolux
