#pragma once
// Command and status-line prompt ids of the main window. A menu item's
// prompt is the string with the same id (see prompttable.h).

namespace tavolux::command {

enum Command : int {
    NewGame = 32773,
    LoadGame = 32792,
    SaveGame = 32793,
    ChangeOptions = 32791,
    Exit = 32771,
    Undo = 32786,
    Redo = 32787,
    ShowValidMoves = 32781,
    Hint = 32794,
    Referee = 32777,
    ShowLastMoves = 32795,
    DefaultSettings = 32785,
    PlayingRules = 57670,
    About = 32772,
    // Beside the designed items: the move list and game records.
    MoveList = 33001,
    SaveRecord = 33002,
    OpenRecord = 33003,
    Statistics = 33004,
    // How the board shows the pieces and where a lifted one may go.
    ShowDestinations = 33005,
    PieceSymbols = 33006,
    // The rotate buttons below the board.
    RotateClockwise = 1003,
    RotateCounterClockwise = 1004,
    // The board's context menu.
    ShowValidMovesHere = 32790,
};

} // namespace tavolux::command

namespace tavolux::prompt {

enum Prompt : int {
    None = 0,
    ComputerThinking = 32774,
    BoardRepositioning = 32775,
    Ready = 57345,
};

} // namespace tavolux::prompt
