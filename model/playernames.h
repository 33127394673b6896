#pragma once
// Players' names as the game tells them apart. The board, the referee and
// the side panel show a name centred, so spaces around it never show: the
// name as shown is the name without them. Names that differ only in letter
// case ("Anna", "ANNA") are one player.

#include <string>
#include <string_view>

namespace tavolux {

// The name without white space at either end, cut to MaxNameLength bytes
// without splitting a UTF-8 sequence.
std::string shownName(std::string_view name);

// Unicode's simple case folding of one code point ('A' -> 'a', U+0391 Alpha
// -> U+03B1, U+0416 -> U+0436); others are returned as they are.
char32_t foldedCase(char32_t code);

// Orders names by their case-folded characters: 0 when they differ in case
// only, else below or above 0. Bytes that are no UTF-8 compare by themselves,
// after every character.
int compareFolded(std::string_view a, std::string_view b);

} // namespace tavolux
