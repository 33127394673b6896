#pragma once
// The status-line texts by id: one per menu command and the program's own
// prompts ("Ready." and the two busy prompts).

#include "view/piecelift.h"

#include <QString>

namespace tavolux {

// The translated text for id, or a null string when there is none.
QString promptText(int id);

// The status line's word on a refused drop, shown for RefusalNoticeTime ms.
QString refusalText(DropRefusal why);
constexpr int RefusalNoticeTime = 4000;

} // namespace tavolux
