// The commands of the menus, the board's context menu and the rotate
// buttons, each handed to the class that carries it out.

#include "app/mainwindow.h"

#include "app/commands.h"
#include "app/gamefiles.h"
#include "app/windowsettings.h"
#include "app/inputdrain.h"
#include "view/boardmouse.h"
#include "view/hintflash.h"
#include "view/validmoves.h"
#include "ai/hint.h"
#include "view/windowcanvas.h"
#include "app/programresources.h"
#include "dialogs/aboutbox.h"
#include "dialogs/optionsdialog.h"
#include "dialogs/ruleswindow.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>

namespace tavolux {

void MainWindow::connectShellCommands()
{
    setCommandHandler(command::Referee, [this] { referee_.toggle(); });
    setCommandHandler(command::DefaultSettings, [this] { restoreDefaultSettings(*this); });
    setCommandHandler(command::PlayingRules, [this] { showPlayingRules(); });
    setCommandHandler(command::About, [this] { showAboutBox(); });
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

namespace tavolux {

void MainWindow::connectGameCommands()
{
    useFileChooser(std::make_unique<DialogFileChooser>());
    setCommandHandler(command::NewGame, [this] { game_.startNewGame(); });
    setCommandHandler(command::SaveGame, [this] { gameFiles_->saveGame(); });
    setCommandHandler(command::LoadGame, [this] { gameFiles_->loadGame(); });
    setCommandHandler(command::ChangeOptions, [this] { changeOptions(); });
    setCommandHandler(command::Undo, [this] { game_.undo(); });
    setCommandHandler(command::Redo, [this] { game_.redo(); });
    setCommandHandler(command::ShowValidMoves, [this] {
        boxes_.inform(tr("Show Valid Moves"),
                      tr("Click right mouse button on the piece\nthat you wish to show all valid moves."));
    });
    setCommandHandler(command::ShowValidMovesHere, [this] { showValidMoves(); });
    setCommandHandler(command::Hint, [this] { showHint(); });
    setCommandHandler(command::ShowLastMoves, [this] { showLastMoves(!showLastMoves_); });
}

void MainWindow::useFileChooser(std::unique_ptr<FileChooser> chooser)
{
    fileChooser_ = std::move(chooser);
    gameFiles_ = std::make_unique<GameFiles>(game_, boxes_, *fileChooser_, this);
}

// A game opened at start-up greets the person to move with the prompt the
// turn cycle gives, not with the welcome of an empty board.
bool MainWindow::openGameFile(const QString& path)
{
    if (!gameFiles_->openFile(path))
        return false;
    if (game_.waitingForPerson())
        events_.personToMove(game_.state.playerToMove);
    return true;
}

// Whatever the dialog's result, the wallpaper chosen with its arrows stays.
void MainWindow::changeOptions()
{
    OptionsDialog dialog(game_.state, wallpaperIndex_, resources_.wallpapers, resources_.playerIcons, this);
    dialog.exec();
    setWallpaperIndex(dialog.wallpaperIndex());
    canvas_->repaint();
}

// The board's one-item menu over an own piece.
void MainWindow::showPieceMenu(QPoint at)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("pieceMenu"));
    QAction* item = menu.addAction(tr("Show Valid Moves"));
    item->setObjectName(QStringLiteral("showValidMovesHere"));
    connect(&menu, &QMenu::hovered, this, [this] { prompt_.highlight(command::ShowValidMovesHere, false); });
    connect(&menu, &QMenu::aboutToHide, this, [this] { prompt_.menuClosed(); });
    if (menu.exec(canvas_->mapToGlobal(at)) == item)
        runCommand(command::ShowValidMovesHere);
}

// Clicks made on the board during the flash are thrown away after it.
void MainWindow::showValidMoves()
{
    const int piece = boardMouse_->selectedPiece();
    if (piece == NoPiece || !game_.waitingForPerson())
        return;
    flashValidMoves(*canvas_, view_, game_.state, game_.moves, piece);
    sortQueuedInput(canvas_);
}

// The computer's suggestion for the person to move; clicks made on the
// board while it searched or showed it are thrown away after it.
void MainWindow::showHint()
{
    events_.setBusy(true);
    const std::optional<SuggestedMove> hint = suggestMove(game_.state);
    events_.setBusy(false);
    if (!hint) {
        const QString name = QString::fromStdString(game_.state.slots[game_.state.playerToMove].name);
        boxes_.inform(tr("Hint"), tr("%1 has no valid move.").arg(name));
        return;
    }
    flashHint(*canvas_, view_, hint->start, hint->path);
    sortQueuedInput(canvas_);
}

} // namespace tavolux
