#pragma once
// Why a game record was refused, as the command-line tool says it in
// English.

#include "model/gamerecord.h"

#include <string>

namespace tavolux {

// "move 3: P1 has no piece on e5": the fault with its arguments, and the
// move it is in, without the line.
std::string recordFaultText(const RecordError& error);

} // namespace tavolux
