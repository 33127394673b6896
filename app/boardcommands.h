#pragma once
// The commands on the board: the valid moves of the piece under the right
// button (its one-item menu and the flash), the hint and the rotate buttons.

#include <QCoreApplication>
#include <QPoint>

#include <functional>

namespace tavolux {

class BoardMouse;
class BoardShows;
class CommandTable;
class Game;
class StatusPrompt;
class WindowBoxes;
class WindowCanvas;
class WindowEvents;

class BoardCommands {
    // The texts keep the context they have always had in the translations.
    Q_DECLARE_TR_FUNCTIONS(tavolux::MainWindow)
public:
    struct Parts {
        Game& game;
        BoardShows& shows;
        BoardMouse& mouse;
        WindowCanvas& canvas;
        WindowBoxes& boxes;
        StatusPrompt& prompt;
        WindowEvents& events; // the wait cursor while the hint is sought
    };
    explicit BoardCommands(const Parts& parts);

    // Gives the board's commands their handlers.
    void connect(CommandTable& commands);
    // The board's one-item menu over an own piece, at `at` on the board.
    void showPieceMenu(QPoint at, CommandTable& commands);

private:
    void showValidMoves();
    void showHint();

    Parts parts_;
};

} // namespace tavolux
