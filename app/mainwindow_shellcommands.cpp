// Commands of the menus and the rotate buttons that need no dialog of
// their own here: New Game, the referee on or off, the default settings,
// the playing rules, the About box and the two board turns.

#include "app/mainwindow.h"

#include "app/commands.h"
#include "app/inputdrain.h"
#include "view/windowcanvas.h"
#include "app/programresources.h"
#include "dialogs/aboutbox.h"
#include "dialogs/ruleswindow.h"

#include <QCoreApplication>

namespace tavolux {

void MainWindow::connectShellCommands()
{
    setCommandHandler(command::Referee, [this] { toggleReferee(); });
    setCommandHandler(command::DefaultSettings, [this] { restoreDefaultSettings(); });
    setCommandHandler(command::PlayingRules, [this] { showPlayingRules(); });
    setCommandHandler(command::About, [this] { showAboutBox(); });
    setCommandHandler(command::NewGame, [this] { game_.startNewGame(); });
    // Clicks made on the board while it turned are thrown away.
    setCommandHandler(command::RotateClockwise, [this] {
        rotateBoardStep(true);
        sortQueuedInput(canvas_);
    });
    setCommandHandler(command::RotateCounterClockwise, [this] {
        rotateBoardStep(false);
        sortQueuedInput(canvas_);
    });
}

void MainWindow::showAboutBox()
{
    AboutBox box(QCoreApplication::applicationDirPath(), this);
    box.setIcon(resources_.appIcon);
    box.exec();
}

void MainWindow::showPlayingRules()
{
    RulesWindow::showFor(this);
}

} // namespace tavolux
