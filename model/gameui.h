#pragma once
// What the game asks of whoever shows it to the user. The turn cycle, the
// history commands and the computer turn reach the user only through this
// interface; the main window implements it, tests implement it with a script
// of answers and a log of calls, the command-line tool with silence.

#include <string>

namespace tavolux {

enum class Prompt { Ready, ComputerThinking, BoardRepositioning };

class GameUi {
public:
    virtual ~GameUi() = default;

    // A question with Yes and No; true for Yes.
    virtual bool askYesNo(const std::string& caption, const std::string& text) = 0;
    // An information box with OK.
    virtual void inform(const std::string& caption, const std::string& text) = 0;
    // A warning box (exclamation icon) with OK.
    virtual void warn(const std::string& caption, const std::string& text) = 0;
    // An error box (stop icon) with OK.
    virtual void reportError(const std::string& caption, const std::string& text) = 0;
    // A sound file beside the program, played without waiting.
    virtual void playSound(const std::string& fileName) = 0;
    // The system's default beep.
    virtual void beep() = 0;

    // The referee's four lines, shown at once.
    virtual void showReferee(const std::string& line0, const std::string& line1,
                             const std::string& line2, const std::string& line3) = 0;
    virtual void showPrompt(Prompt prompt) = 0;

    // The game setup sheet; true when it was closed with OK (it has then
    // written the slots and options into the game record).
    virtual bool runSetupSheet() = 0;
    // The results of a finished game, modal.
    virtual void showResults() = 0;

    virtual void redrawPlayerPanel() = 0;
    virtual void repaint() = 0;
    // The board view has been set to the record's rotation without animation.
    virtual void boardRotationChanged() = 0;
    // One animated 60-degree step of the board; afterwards the record's
    // boardRotation holds the new view (see stepRotation).
    virtual void turnBoardStep(bool clockwise) = 0;
    // Mouse input queued while the program was busy is thrown away.
    virtual void discardPendingMouseInput() = 0;
    // A computer has moved and the cycle goes on: the window lets its event
    // loop run (repaints, menus, the exit question) and then calls
    // Game::resumeTurns(ticket), once no menu or dialog is open. Callers
    // without an event loop may do nothing and use Game::runQueuedTurns.
    virtual void queueNextPass(unsigned ticket) = 0;

    // The computer is thinking or showing its move: wait cursor on or off.
    virtual void setBusy(bool busy) = 0;
    // Shows piece k travelling from start along path[0..length-1]; the
    // caller changes the record afterwards.
    virtual void animateMove(int piece, int start, const int* path, int length) = 0;

    // Told after the record has changed, for whoever keeps track of the
    // moves shown (nothing by default). A piece k of `player` has moved away
    // from hole `start`, by a person's drop or a computer's turn:
    virtual void pieceMoved(int /*player*/, int /*piece*/, int /*start*/) {}
    // The pieces were set anew rather than moved: a new game, a loaded one,
    // an undo or a redo.
    virtual void piecesReplaced() {}
};

// One 60-degree step of a view: clockwise lowers it, wrapping 0 to 5.
inline int stepRotation(int rotation, bool clockwise)
{
    return clockwise ? (rotation + 5) % 6 : (rotation + 1) % 6;
}

} // namespace tavolux
