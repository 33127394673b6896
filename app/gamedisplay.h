#pragma once
// The few things of the window that the game's events change: the
// referee's lines and eyes, the status line, the board (its view, the
// position and pieces it shows, its animations), the last moves and the
// move list, the menus' states, the statistics and the parent of the
// game's boxes. The main window provides them; the events see nothing else.

#include "model/gameevents.h"
#include "model/gamestate.h"

#include <QString>

#include <optional>

class QWidget;

namespace tavolux {

class BoardShows;
class Game;
class StatisticsKeeper;
struct RefereeLines;

class GameDisplay {
public:
    virtual ~GameDisplay() = default;
    virtual Game& game() = 0;
    virtual void showRefereeLines(const RefereeLines& lines) = 0;
    // The referee looks up at the window again (a new game).
    virtual void refereeLooksUp() = 0;
    virtual int showPrompt(int id) = 0;
    virtual void showNotice(const QString& text, int ms) = 0;
    virtual BoardShows& shows() = 0;
    virtual void showPosition(std::optional<GameState> position) = 0;
    // The board's view follows the record's rotation.
    virtual void followBoardRotation() = 0;
    // The board and the menus' states show the record as it is.
    virtual void showRecord() = 0;
    // A move joins the last moves and the move list; none: they start afresh.
    virtual void showMoveMade(const MadeMove* move) = 0;
    virtual StatisticsKeeper& statistics() = 0;
    // A new game with the same players, asked for from the results.
    virtual void playAgain() = 0;
    virtual QWidget* boxParent() = 0;
};

} // namespace tavolux
