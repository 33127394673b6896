#include "app/windowcommands.h"

#include "app/commands.h"
#include "app/mainwindow.h"
#include "app/windowsettings.h"
#include "dialogs/aboutbox.h"
#include "dialogs/optionsdialog.h"
#include "dialogs/ruleswindow.h"
#include "resources/programresources.h"
#include "view/boardmouse.h"
#include "view/windowcanvas.h"

namespace tavolux {

WindowCommands::WindowCommands(MainWindow& window) : window_(window) {}

void WindowCommands::connect()
{
    MainWindow& w = window_;
    w.setCommandHandler(command::Statistics, [&w] { w.statistics().showDialog(&w); });
    w.setCommandHandler(command::ChangeOptions, [this] { changeOptions(); });
    w.setCommandHandler(command::ShowLastMoves, [&w] { w.showLastMoves(!w.lastMovesShown()); });
    w.setCommandHandler(command::ShowDestinations, [&w] {
        PieceLift& lift = w.boardMouse()->lift();
        lift.showDestinations(!lift.destinationsShown());
    });
    w.setCommandHandler(command::PieceSymbols, [&w] { w.showPieceSymbols(!w.pieceSymbolsShown()); });
    w.setCommandHandler(command::Referee, [&w] { w.refereeHost().toggle(); });
    w.setCommandHandler(command::DefaultSettings, [&w] { restoreDefaultSettings(w); });
    w.setCommandHandler(command::PlayingRules, [&w] { RulesWindow::showFor(&w); });
    w.setCommandHandler(command::About, [this] { showAboutBox(); });
}

// Whatever the dialog's result, the wallpaper chosen with its arrows stays.
void WindowCommands::changeOptions()
{
    const ProgramResources& resources = window_.resources();
    GameState chosen = window_.game().state();
    OptionsDialog dialog(chosen, window_.wallpaperIndex(), resources.wallpapers, resources.playerIcons, &window_);
    if (dialog.exec() == QDialog::Accepted)
        window_.game().changeOptions(chosen);
    window_.setWallpaperIndex(dialog.wallpaperIndex());
    window_.canvas()->repaint();
}

void WindowCommands::showAboutBox()
{
    AboutBox box(QCoreApplication::applicationDirPath(), &window_);
    box.setIcon(window_.resources().appIcon);
    box.exec();
}

} // namespace tavolux
