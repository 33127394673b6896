#pragma once
// Command and status-line prompt ids of the main window. A menu item's
// prompt is the string with the same id (see prompttable.h).

namespace tavolux::command {

constexpr int NewGame = 32773;
constexpr int LoadGame = 32792;
constexpr int SaveGame = 32793;
constexpr int ChangeOptions = 32791;
constexpr int Exit = 32771;
constexpr int Undo = 32786;
constexpr int Redo = 32787;
constexpr int ShowValidMoves = 32781;
constexpr int Hint = 32794;
constexpr int Referee = 32777;
constexpr int ShowLastMoves = 32795;
constexpr int DefaultSettings = 32785;
constexpr int PlayingRules = 57670;
constexpr int About = 32772;

// The rotate buttons below the board.
constexpr int RotateClockwise = 1003;
constexpr int RotateCounterClockwise = 1004;

// The board's context menu.
constexpr int ShowValidMovesHere = 32790;

} // namespace tavolux::command

namespace tavolux::prompt {

constexpr int None = 0;
constexpr int ComputerThinking = 32774;
constexpr int BoardRepositioning = 32775;
constexpr int Ready = 57345;

} // namespace tavolux::prompt
