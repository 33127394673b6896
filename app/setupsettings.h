#pragma once
// The table the New Game sheet last started: which seats take part and each
// player's name, picture (a person or the computer), strength and styles.
// They live in the group "NewGame" of the settings file, beside the
// window's own keys, are read when the sheet first opens in a run and are
// written when a game is started from it; "Default Settings" writes the
// first run's players back.

#include <QString>

class QSettings;

namespace tavolux {

struct GameState;

// Sets the slots of `into` from the store; a key that is missing or holds
// no usable value leaves its field as it was, and a table of fewer than two
// players, or seats that make no table, leave every seat's `active` as it was.
void readRememberedSetup(QSettings& store, GameState& into);
// Writes the slots of `from`; empty when saved, otherwise why not.
QString writeRememberedSetup(QSettings& store, const GameState& from);

} // namespace tavolux
