#pragma once
// The window's commands: one action per menu item (text, mnemonic, shortcut,
// status-line prompt), the handler that carries it out, the rules that
// enable and check its item, and running it.
//
// While computers play (a computer thinks, its move is shown or the next
// step of the turn is due), every command either runs at once or waits for
// the person, and the game goes on:
// - Undo, Redo, Save Game and Hint act on the position a person is to move
//   from: they wait, in the order given, and run once the cycle rests.
// - New Game, Load Game and Play from Here replace the game: they run at
//   once, the computer's question is withdrawn (its choice stopped, its
//   move dropped) and the game left is dropped with the commands waiting
//   for it.
// - Everything else (options, windows, records, statistics, Exit) runs at
//   once and leaves the turn alone.

#include "app/commands.h"

#include <QHash>
#include <QList>
#include <QObject>

#include <functional>
#include <initializer_list>

class QAction;
class QMenu;
class QMenuBar;

namespace tavolux {

class StatusPrompt;

class CommandTable : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void()>;
    // The actions are children of `window`, so their shortcuts work there.
    CommandTable(QWidget* window, StatusPrompt& prompt);

    // The menu bar's four menus with their items, in the order of the game.
    void buildMenus(QMenuBar* bar);

    // An item without a handler stays disabled; an empty handler removes one.
    void setHandler(int id, Handler handler);
    QAction* action(int id) const;
    // The command has a handler and its rule allows it now.
    bool enabled(int id) const;
    // Runs the command when it is enabled; false when it is not. While
    // `computersPlaying` holds, the commands that wait are kept for
    // runWaiting() instead.
    bool run(int id);
    void runWaiting();
    void updateItemStates(QMenu* menu);
    void updateAllItemStates();

    // What the window decides: whether a command may be used now besides
    // having a handler, whether an item is checked, whether computers are
    // playing their turns, and what happens before any command runs.
    std::function<bool(int)> allows;
    std::function<bool(int)> checked;
    std::function<bool()> computersPlaying;
    std::function<void(int id)> beforeRun;
    std::function<void(int id)> afterRun;

private:
    QMenu* addMenu(QMenuBar* bar, const char* title, std::initializer_list<int> items);
    QAction* createAction(int id);

    QWidget* window_;
    StatusPrompt& prompt_;
    QMenuBar* bar_ = nullptr;
    QHash<int, QAction*> actions_;
    QHash<int, Handler> handlers_;
    QList<int> waiting_;
};

} // namespace tavolux
