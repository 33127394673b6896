#pragma once
// The status-line texts by id: one per menu command and the program's own
// prompts ("Ready." and the two busy prompts).

#include <QString>

namespace tavolux {

// The translated text for id, or a null string when there is none.
QString promptText(int id);

} // namespace tavolux
