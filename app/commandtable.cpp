#include "app/commandtable.h"

#include "app/statusprompt.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

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
    {command::MoveList, QT_TRANSLATE_NOOP("tavolux::MainWindow", "&Move List"), QKeySequence::UnknownKey},
    {command::SaveRecord, QT_TRANSLATE_NOOP("tavolux::MainWindow", "Save Game &Record..."), QKeySequence::UnknownKey},
    {command::OpenRecord, QT_TRANSLATE_NOOP("tavolux::MainWindow", "&Open Game Record..."), QKeySequence::UnknownKey},
    {command::Statistics, QT_TRANSLATE_NOOP("tavolux::MainWindow", "S&tatistics..."), QKeySequence::UnknownKey},
    {command::ShowDestinations, QT_TRANSLATE_NOOP("tavolux::MainWindow", "Show Des&tinations"),
     QKeySequence::UnknownKey},
    {command::PieceSymbols, QT_TRANSLATE_NOOP("tavolux::MainWindow", "&Piece Symbols"), QKeySequence::UnknownKey},
};

const ItemText& itemText(int id)
{
    for (const ItemText& item : Items)
        if (item.id == id)
            return item;
    return Items[0];
}

// The menu texts keep the translation context they have always had.
QString translated(const char* text)
{
    return QCoreApplication::translate("tavolux::MainWindow", text);
}

// Commands that act on the position a person is to move from.
bool waitsForThePerson(int id)
{
    return id == command::Undo || id == command::Redo || id == command::SaveGame || id == command::Hint;
}

} // namespace

CommandTable::CommandTable(QWidget* window, StatusPrompt& prompt) : QObject(window), window_(window), prompt_(prompt)
{
}

void CommandTable::buildMenus(QMenuBar* bar)
{
    using namespace command;
    bar_ = bar;
    bar->setObjectName(QStringLiteral("menuBar"));
    // Exit ends the first menu, as in every desktop program; the game records
    // and the statistics come before its separator.
    addMenu(bar, QT_TRANSLATE_NOOP("tavolux::MainWindow", "&Game"),
            {NewGame, LoadGame, Separator, SaveGame, ChangeOptions, Separator, SaveRecord, OpenRecord, Statistics,
             Separator, Exit});
    addMenu(bar, QT_TRANSLATE_NOOP("tavolux::MainWindow", "&Move"), {Undo, Redo, Separator, ShowValidMoves, Hint});
    addMenu(bar, QT_TRANSLATE_NOOP("tavolux::MainWindow", "&View"),
            {Referee, ShowLastMoves, Separator, DefaultSettings, Separator, MoveList, Separator, ShowDestinations,
             PieceSymbols});
    addMenu(bar, QT_TRANSLATE_NOOP("tavolux::MainWindow", "&Help"), {PlayingRules, Separator, About});
    actions_.value(Referee)->setCheckable(true);
    actions_.value(ShowLastMoves)->setCheckable(true);
    actions_.value(MoveList)->setCheckable(true);
    actions_.value(ShowDestinations)->setCheckable(true);
    actions_.value(PieceSymbols)->setCheckable(true);
    connect(bar, &QMenuBar::hovered, this, [this] { prompt_.highlight(prompt::None, true); });
}

QMenu* CommandTable::addMenu(QMenuBar* bar, const char* title, std::initializer_list<int> items)
{
    QMenu* menu = bar->addMenu(translated(title));
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

QAction* CommandTable::createAction(int id)
{
    const ItemText& item = itemText(id);
    auto* action = new QAction(translated(item.text), window_);
    action->setData(id);
    action->setObjectName(QStringLiteral("action%1").arg(id));
    if (item.shortcut != QKeySequence::UnknownKey)
        action->setShortcuts(item.shortcut);
    else if (item.key != 0)
        action->setShortcut(QKeySequence(item.key));
    action->setEnabled(false);
    connect(action, &QAction::triggered, this, [this, id] { run(id); });
    actions_.insert(id, action);
    return action;
}

QAction* CommandTable::action(int id) const
{
    return actions_.value(id);
}

void CommandTable::setHandler(int id, Handler handler)
{
    if (handler)
        handlers_.insert(id, std::move(handler));
    else
        handlers_.remove(id);
    updateAllItemStates();
}

bool CommandTable::enabled(int id) const
{
    return handlers_.contains(id) && (!allows || allows(id));
}

bool CommandTable::run(int id)
{
    if (!enabled(id))
        return false;
    if (computersPlaying && computersPlaying() && waitsForThePerson(id)) {
        waiting_.append(id);
        return true;
    }
    if (id == command::NewGame || id == command::LoadGame)
        waiting_.clear(); // they belong to the game being left
    const Handler handler = handlers_.value(id);
    if (beforeRun)
        beforeRun(id);
    handler();
    if (afterRun)
        afterRun(id);
    updateAllItemStates();
    return true;
}

void CommandTable::runWaiting()
{
    while (!waiting_.isEmpty() && !(computersPlaying && computersPlaying()))
        run(waiting_.takeFirst());
}

void CommandTable::updateItemStates(QMenu* menu)
{
    for (QAction* action : menu->actions()) {
        if (action->isSeparator() || action->menu())
            continue;
        const int id = action->data().toInt();
        action->setEnabled(enabled(id));
        if (action->isCheckable() && checked)
            action->setChecked(checked(id));
    }
}

void CommandTable::updateAllItemStates()
{
    if (bar_ == nullptr)
        return;
    for (QMenu* menu : bar_->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        updateItemStates(menu);
}

} // namespace tavolux
