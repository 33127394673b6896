// The main window's menu bar: items, their prompts in the status line, the
// rules that enable and check them, and the routing of commands.

#include "app/commands.h"
#include "app/mainwindow.h"
#include "view/boardkeys.h"
#include "view/boardmouse.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

namespace tavolux {

namespace {

constexpr int Separator = 0;

struct ItemText {
    int id;
    const char* text;
    QKeySequence::StandardKey shortcut;
    int key = 0; // a shortcut of its own, where there is no standard one
};

const ItemText Items[] = {
    {command::NewGame, QT_TRANSLATE_NOOP("tavolux::MainWindow", "&New Game"), QKeySequence::New},
    {command::LoadGame, QT_TRANSLATE_NOOP("tavolux::MainWindow", "&Load Game"), QKeySequence::Open},
    {command::SaveGame, QT_TRANSLATE_NOOP("tavolux::MainWindow", "&Save Game"), QKeySequence::Save},
    {command::ChangeOptions, QT_TRANSLATE_NOOP("tavolux::MainWindow", "&Change Options"), QKeySequence::UnknownKey},
    {command::Exit, QT_TRANSLATE_NOOP("tavolux::MainWindow", "E&xit"), QKeySequence::Quit},
    {command::Undo, QT_TRANSLATE_NOOP("tavolux::MainWindow", "&Undo"), QKeySequence::Undo},
    {command::Redo, QT_TRANSLATE_NOOP("tavolux::MainWindow", "&Redo"), QKeySequence::Redo},
    {command::ShowValidMoves, QT_TRANSLATE_NOOP("tavolux::MainWindow", "&Show Valid Moves"), QKeySequence::UnknownKey},
    {command::Hint, QT_TRANSLATE_NOOP("tavolux::MainWindow", "&Hint"), QKeySequence::UnknownKey, Qt::Key_H},
    {command::Referee, QT_TRANSLATE_NOOP("tavolux::MainWindow", "&Referee"), QKeySequence::UnknownKey},
    {command::ShowLastMoves, QT_TRANSLATE_NOOP("tavolux::MainWindow", "Show &Last Moves"), QKeySequence::UnknownKey},
    {command::DefaultSettings, QT_TRANSLATE_NOOP("tavolux::MainWindow", "&Default Settings"), QKeySequence::UnknownKey},
    {command::PlayingRules, QT_TRANSLATE_NOOP("tavolux::MainWindow", "&Playing Rules"), QKeySequence::HelpContents},
    {command::About, QT_TRANSLATE_NOOP("tavolux::MainWindow", "&About Tavolux"), QKeySequence::UnknownKey},
};

const ItemText& itemText(int id)
{
    for (const ItemText& item : Items)
        if (item.id == id)
            return item;
    return Items[0];
}

} // namespace

void MainWindow::buildMenus()
{
    using namespace command;
    menuBar()->setObjectName(QStringLiteral("menuBar"));
    addMenu(QT_TR_NOOP("&Game"), {NewGame, LoadGame, Separator, SaveGame, ChangeOptions, Separator, Exit});
    addMenu(QT_TR_NOOP("&Move"), {Undo, Redo, Separator, ShowValidMoves, Hint});
    addMenu(QT_TR_NOOP("&View"), {Referee, ShowLastMoves, Separator, DefaultSettings});
    addMenu(QT_TR_NOOP("&Help"), {PlayingRules, Separator, About});
    actions_.value(Referee)->setCheckable(true);
    actions_.value(ShowLastMoves)->setCheckable(true);

    connect(menuBar(), &QMenuBar::hovered, this, [this] { prompt_.highlight(prompt::None, true); });
    setCommandHandler(Exit, [this] { close(); });
}

QMenu* MainWindow::addMenu(const char* title, const std::initializer_list<int>& items)
{
    QMenu* menu = menuBar()->addMenu(tr(title));
    for (int id : items) {
        if (id == Separator)
            menu->addSeparator();
        else
            menu->addAction(createAction(id));
    }
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { updateItemStates(menu); });
    connect(menu, &QMenu::aboutToHide, this, [this] { prompt_.menuClosed(); });
    connect(menu, &QMenu::hovered, this, [this](QAction* action) {
        prompt_.highlight(action->data().toInt(), action->isSeparator() || action->menu() != nullptr);
    });
    return menu;
}

QAction* MainWindow::createAction(int id)
{
    const ItemText& item = itemText(id);
    auto* action = new QAction(tr(item.text), this);
    action->setData(id);
    action->setObjectName(QStringLiteral("action%1").arg(id));
    if (item.shortcut != QKeySequence::UnknownKey)
        action->setShortcuts(item.shortcut);
    else if (item.key != 0)
        action->setShortcut(QKeySequence(item.key));
    action->setEnabled(false);
    connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
    actions_.insert(id, action);
    return action;
}

QAction* MainWindow::commandAction(int id) const
{
    return actions_.value(id);
}

void MainWindow::setCommandHandler(int id, CommandHandler handler)
{
    if (handler)
        handlers_.insert(id, std::move(handler));
    else
        handlers_.remove(id);
    updateAllItemStates();
}

bool MainWindow::commandEnabled(int id) const
{
    if (!handlers_.contains(id))
        return false;
    switch (id) {
    case command::Undo:
        return game_.history.canUndo();
    case command::Redo:
        return game_.history.canRedo();
    case command::SaveGame:
        // A game between two computer turns is saved once they have moved.
        return !game_.state.gameInProgress() || game_.waitingForPerson() || game_.turnsPending();
    case command::Hint:
        return game_.waitingForPerson() || game_.turnsPending();
    default:
        return true;
    }
}

namespace {
// Commands that act on the position a person is to move from: given while
// computers play their turns, they wait until the cycle waits for a person
// (or the game is over).
bool waitsForThePerson(int id)
{
    return id == command::Undo || id == command::Redo || id == command::SaveGame || id == command::Hint;
}
} // namespace

bool MainWindow::runCommand(int id)
{
    if (!commandEnabled(id))
        return false;
    if (game_.turnsPending() && waitsForThePerson(id)) {
        waitingCommands_.append(id);
        return true;
    }
    if (id == command::NewGame || id == command::LoadGame)
        waitingCommands_.clear(); // they belong to the game being left
    const CommandHandler handler = handlers_.value(id);
    // No command finds a piece lifted off the board, by the mouse (a
    // shortcut typed during a drag) or by the keys.
    if (boardMouse_)
        boardMouse_->cancelDrag();
    if (boardKeys_)
        boardKeys_->putBack();
    handler();
    updateAllItemStates();
    return true;
}

void MainWindow::runWaitingCommands()
{
    while (!waitingCommands_.isEmpty() && !game_.turnsPending())
        runCommand(waitingCommands_.takeFirst());
}

void MainWindow::updateItemStates(QMenu* menu)
{
    for (QAction* action : menu->actions()) {
        if (action->isSeparator() || action->menu())
            continue;
        const int id = action->data().toInt();
        action->setEnabled(commandEnabled(id));
        if (id == command::Referee)
            action->setChecked(refereeVisible());
        else if (id == command::ShowLastMoves)
            action->setChecked(showLastMoves_);
    }
}

void MainWindow::updateAllItemStates()
{
    for (QMenu* menu : menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        updateItemStates(menu);
}

int MainWindow::showPrompt(int id)
{
    const int previous = prompt_.showPrompt(id);
    statusBar()->repaint();
    return previous;
}

void MainWindow::showNotice(const QString& text, int ms)
{
    prompt_.notice(text, ms);
}

} // namespace tavolux
