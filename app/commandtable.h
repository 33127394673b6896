#pragma once
// The window's commands: one action per menu item (text, mnemonic, shortcut,
// status-line prompt), the handler that carries it out, the rules that
// enable and check its item, and running it. Commands that act on the
// position a person is to move from wait while computers play their turns.

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
    // `computersPlaying` holds, Undo, Redo, Save Game and Hint wait and run
    // from runWaiting() instead.
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
