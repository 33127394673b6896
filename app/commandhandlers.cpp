#include "app/commandhandlers.h"

#include "ai/hint.h"
#include "app/boardinputhush.h"
#include "app/commands.h"
#include "app/gamefiles.h"
#include "lang/gametexts.h"
#include "app/mainwindow.h"
#include "app/recordfiles.h"
#include "resources/programresources.h"
#include "app/windowsettings.h"
#include "dialogs/aboutbox.h"
#include "dialogs/optionsdialog.h"
#include "dialogs/ruleswindow.h"
#include "dialogs/setupsheet.h"
#include "model/statistics.h"
#include "view/boardmouse.h"
#include "view/hintflash.h"
#include "view/validmoves.h"
#include "view/windowcanvas.h"

#include <QMenu>

namespace tavolux {

CommandHandlers::CommandHandlers(MainWindow& window) : window_(window) {}

CommandHandlers::~CommandHandlers() = default;

void CommandHandlers::connect()
{
    MainWindow& w = window_;
    Game& game = w.game();
    useFileChooser(std::make_unique<DialogFileChooser>());
    useRecordFileChooser(std::make_unique<DialogFileChooser>(DialogFileChooser::Files::Records));
    w.setCommandHandler(command::SaveRecord, [this] { recordFiles_->saveRecord(); });
    w.setCommandHandler(command::OpenRecord, [this] { recordFiles_->openRecord(); });
    w.setCommandHandler(command::Statistics, [&w] { w.statistics().showDialog(&w); });
    w.moveListHost().playFromHere = [this] { recordFiles_->playFromHere(); };
    w.setCommandHandler(command::NewGame, [this] { newGame(); });
    w.setCommandHandler(command::SaveGame, [this] { gameFiles_->saveGame(); });
    w.setCommandHandler(command::LoadGame, [this] { gameFiles_->loadGame(); });
    w.setCommandHandler(command::ChangeOptions, [this] { changeOptions(); });
    w.setCommandHandler(command::Undo, [&game] { game.undo(); });
    w.setCommandHandler(command::Redo, [&game] { game.redo(); });
    w.setCommandHandler(command::ShowValidMoves, [&w] {
        w.boxes().inform(tr("Show Valid Moves"),
                         tr("Click right mouse button on the piece\nthat you wish to show all valid moves."));
    });
    w.setCommandHandler(command::ShowValidMovesHere, [this] { showValidMoves(); });
    w.setCommandHandler(command::Hint, [this] { showHint(); });
    w.setCommandHandler(command::ShowLastMoves, [&w] { w.showLastMoves(!w.lastMovesShown()); });

    w.setCommandHandler(command::Referee, [&w] { w.refereeHost().toggle(); });
    w.setCommandHandler(command::DefaultSettings, [&w] { restoreDefaultSettings(w); });
    w.setCommandHandler(command::PlayingRules, [&w] { RulesWindow::showFor(&w); });
    w.setCommandHandler(command::About, [this] { showAboutBox(); });
    for (const bool clockwise : {true, false}) {
        w.setCommandHandler(clockwise ? command::RotateClockwise : command::RotateCounterClockwise,
                            [&w, &game, clockwise] {
                                game.setBoardRotation(w.rotateBoardStep(clockwise, game.state().boardRotation));
                                hushQueuedBoardInput(w.canvas());
                            });
    }
}

// The abandon question and the setup sheet come first; the game left is
// counted as given up and the new one starts with the players chosen.
void CommandHandlers::newGame()
{
    Game& game = window_.game();
    if (game.state().gameInProgress()
        && !window_.boxes().askYesNo(GameTexts::newGameCaption(), GameTexts::abandonQuestion()))
        return;
    GameState chosen = game.state();
    const ProgramResources& resources = window_.resources();
    SetupSheet sheet(chosen, resources.pictures, resources.playerIcons, &window_);
    if (sheet.exec() != QDialog::Accepted)
        return;
    window_.statistics().gameAbandoned(game.state(), movesPerPlayer(game.moveList()).data());
    game.startGame(chosen);
}

void CommandHandlers::useFileChooser(std::unique_ptr<FileChooser> chooser)
{
    fileChooser_ = std::move(chooser);
    gameFiles_ = std::make_unique<GameFiles>(window_.game(), window_.boxes(), *fileChooser_, &window_);
    gameFiles_->beforeLoading = [this] { window_.statistics().gameAbandoned(window_.game()); };
}

void CommandHandlers::useRecordFileChooser(std::unique_ptr<FileChooser> chooser)
{
    recordChooser_ = std::move(chooser);
    recordFiles_ = std::make_unique<RecordFiles>(window_.game(), window_.boxes(), *recordChooser_,
                                                 window_.moveListHost(), &window_);
    recordFiles_->beforeReplacing = [this] { window_.statistics().gameAbandoned(window_.game()); };
}

bool CommandHandlers::openRecordFile(const QString& path)
{
    return recordFiles_->openFile(path);
}

// A game opened at start-up greets the person to move with the prompt the
// turn cycle gives, not with the welcome of an empty board.
bool CommandHandlers::openGameFile(const QString& path)
{
    // A game record (as the desktop opens one) is shown in the move list.
    if (path.endsWith(QLatin1String(".tvr"), Qt::CaseInsensitive))
        return recordFiles_->openFile(path);
    if (!gameFiles_->openFile(path))
        return false;
    return true;
}

// Whatever the dialog's result, the wallpaper chosen with its arrows stays.
void CommandHandlers::changeOptions()
{
    const ProgramResources& resources = window_.resources();
    GameState chosen = window_.game().state();
    OptionsDialog dialog(chosen, window_.wallpaperIndex(), resources.wallpapers, resources.playerIcons, &window_);
    if (dialog.exec() == QDialog::Accepted)
        window_.game().changeOptions(chosen);
    window_.setWallpaperIndex(dialog.wallpaperIndex());
    window_.canvas()->repaint();
}

void CommandHandlers::showPieceMenu(QPoint at)
{
    StatusPrompt& prompt = window_.statusPrompt();
    QMenu menu(&window_);
    menu.setObjectName(QStringLiteral("pieceMenu"));
    QAction* item = menu.addAction(tr("Show Valid Moves"));
    item->setObjectName(QStringLiteral("showValidMovesHere"));
    QObject::connect(&menu, &QMenu::hovered, &window_,
                     [&prompt] { prompt.highlight(command::ShowValidMovesHere, false); });
    QObject::connect(&menu, &QMenu::aboutToHide, &window_, [&prompt] { prompt.menuClosed(); });
    if (menu.exec(window_.canvas()->mapToGlobal(at)) == item)
        window_.runCommand(command::ShowValidMovesHere);
}

void CommandHandlers::showValidMoves()
{
    const Game& game = window_.game();
    const int piece = window_.boardMouse()->selectedPiece();
    if (piece == NoPiece || !game.waitingForPerson())
        return;
    MoveGenerator moves;
    moves.rebuildOccupancy(game.state().pieces);
    flashValidMoves(*window_.canvas(), window_.boardView(), game.state(), moves, piece);
    hushQueuedBoardInput(window_.canvas());
}

// The computer's suggestion for the person to move.
void CommandHandlers::showHint()
{
    const GameState& s = window_.game().state();
    window_.events().setBusy(true);
    const std::optional<SuggestedMove> hint = suggestMove(s);
    window_.events().setBusy(false);
    if (!hint) {
        const QString name = GameTexts::shownName(s.slots[s.playerToMove].name);
        window_.boxes().inform(tr("Hint"), tr("%1 has no valid move.").arg(name));
        return;
    }
    flashHint(*window_.canvas(), window_.boardView(), hint->start, hint->path);
    hushQueuedBoardInput(window_.canvas());
}

void CommandHandlers::showAboutBox()
{
    AboutBox box(QCoreApplication::applicationDirPath(), &window_);
    box.setIcon(window_.resources().appIcon);
    box.exec();
}

} // namespace tavolux
