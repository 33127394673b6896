#pragma once
// The file name Save Game and Save Game Record offer: the players' names in
// seat order and the date, "Human-Silicon-2026-12-09.tvx". Characters that
// some file systems or shells refuse or misread are left out of the names.

#include <QString>

class QDate;

namespace tavolux {

struct GameState;

// `name` with path separators, wildcards, quotes, control characters and
// the like left out, spaces made '_', no leading dot or dash; may be empty.
QString fileNamePart(const QString& name);

// The players taking part, as shown, then the date, then ".suffix".
QString suggestedFileName(const GameState& state, const QDate& date, const QString& suffix);

} // namespace tavolux
