#include "app/gamecommands.h"

#include "app/commands.h"
#include "app/commandtable.h"
#include "app/gamefiles.h"
#include "app/messagebox.h"
#include "app/movelisthost.h"
#include "app/recordfiles.h"
#include "app/settings.h"
#include "app/setupsettings.h"
#include "app/statisticskeeper.h"
#include "dialogs/setupsheet.h"
#include "lang/gametexts.h"
#include "model/game.h"
#include "model/statistics.h"
#include "resources/programresources.h"

#include <QSettings>

#include <algorithm>
#include <iterator>

namespace tavolux {

GameCommands::GameCommands(const Parts& parts) : parts_(parts) {}

GameCommands::~GameCommands() = default;

void GameCommands::connect(CommandTable& commands)
{
    Game& game = parts_.game;
    useFileChooser(std::make_unique<DialogFileChooser>());
    useRecordFileChooser(std::make_unique<DialogFileChooser>(DialogFileChooser::Files::Records));
    commands.setHandler(command::NewGame, [this] { newGame(); });
    commands.setHandler(command::SaveGame, [this] { gameFiles_->saveGame(); });
    commands.setHandler(command::LoadGame, [this] { gameFiles_->loadGame(); });
    commands.setHandler(command::SaveRecord, [this] { recordFiles_->saveRecord(); });
    commands.setHandler(command::OpenRecord, [this] { recordFiles_->openRecord(); });
    commands.setHandler(command::Undo, [&game] { game.undo(); });
    commands.setHandler(command::Redo, [&game] { game.redo(); });
    parts_.moveList.playFromHere = [this] { recordFiles_->playFromHere(); };
}

// The abandon question and the setup sheet come first; the game left is
// counted as given up and the new one starts with the players chosen.
void GameCommands::newGame()
{
    Game& game = parts_.game;
    if (game.state().gameInProgress()
        && !parts_.boxes.askYesNo(GameTexts::newGameCaption(), GameTexts::abandonQuestion()))
        return;
    GameState chosen = game.state();
    // The run's first sheet offers the last run's table, a later one the
    // game on the board, unless Default Settings came between.
    if (defaultSetupNext_) {
        const GameState defaults = initialGameState();
        std::copy(std::begin(defaults.slots), std::end(defaults.slots), std::begin(chosen.slots));
    } else if (chosen.noGameStarted)
        readRememberedSetup(*openSettingsStore(), chosen);
    SetupSheet sheet(chosen, parts_.resources.pictures, parts_.resources.playerIcons, parts_.parent);
    if (sheet.exec() != QDialog::Accepted)
        return;
    defaultSetupNext_ = false;
    parts_.statistics.gameAbandoned(game.state(), movesPerPlayer(game.moveList()).data());
    game.startGame(chosen);
    if (const QString problem = writeRememberedSetup(*openSettingsStore(), chosen); !problem.isEmpty())
        parts_.boxes.warn(GameTexts::newGameCaption(), problem);
}

void GameCommands::playAgain()
{
    if (parts_.game.state().gameInProgress() || parts_.game.state().noGameStarted)
        return;
    const GameState same = parts_.game.state();
    parts_.game.startGame(same);
}

void GameCommands::restoreDefaultSetup()
{
    defaultSetupNext_ = true;
    if (const QString problem = writeRememberedSetup(*openSettingsStore(), initialGameState()); !problem.isEmpty())
        parts_.boxes.warn(GameTexts::newGameCaption(), problem);
}

void GameCommands::useFileChooser(std::unique_ptr<FileChooser> chooser)
{
    fileChooser_ = std::move(chooser);
    gameFiles_ = std::make_unique<GameFiles>(parts_.game, parts_.boxes, *fileChooser_, parts_.parent);
    gameFiles_->beforeLoading = [this] { parts_.statistics.gameAbandoned(parts_.game); };
}

void GameCommands::useRecordFileChooser(std::unique_ptr<FileChooser> chooser)
{
    recordChooser_ = std::move(chooser);
    recordFiles_ = std::make_unique<RecordFiles>(parts_.game, parts_.boxes, *recordChooser_, parts_.moveList,
                                                 parts_.parent);
    recordFiles_->beforeReplacing = [this] { parts_.statistics.gameAbandoned(parts_.game); };
}

bool GameCommands::openRecordFile(const QString& path)
{
    return recordFiles_->openFile(path);
}

bool GameCommands::openGameFile(const QString& path)
{
    // A game record (as the desktop opens one) is shown in the move list.
    if (path.endsWith(QLatin1String(".tvr"), Qt::CaseInsensitive))
        return recordFiles_->openFile(path);
    return gameFiles_->openFile(path);
}

} // namespace tavolux
