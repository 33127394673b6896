#pragma once
// The commands on the game itself: New Game (the abandon question and the
// setup sheet, then the game's start), Undo and Redo, saving and loading
// games, and the game records (Save Game Record, Open Game Record, Play from
// Here). A game given up is counted in the statistics. The sheet opens
// first on the table remembered from the last run, and a game over is
// played again with the same players at once.

#include <QString>

#include <memory>

class QWidget;

namespace tavolux {

class CommandTable;
class FileChooser;
class Game;
class GameFiles;
class MoveListHost;
class RecordFiles;
class StatisticsKeeper;
class WindowBoxes;
struct ProgramResources;

class GameCommands {
public:
    struct Parts {
        Game& game;
        WindowBoxes& boxes;
        StatisticsKeeper& statistics;
        MoveListHost& moveList;
        const ProgramResources& resources;
        QWidget* parent; // of the dialogs
    };
    explicit GameCommands(const Parts& parts);
    ~GameCommands();

    // Gives the game's commands their handlers.
    void connect(CommandTable& commands);
    // Where Save Game and Load Game ask for a file name.
    void useFileChooser(std::unique_ptr<FileChooser> chooser);
    // Where the game record commands ask for one.
    void useRecordFileChooser(std::unique_ptr<FileChooser> chooser);
    // Shows a game record in the move list; false when it was refused.
    bool openRecordFile(const QString& path);
    // Opens a saved game (or a record) as Load Game does, without the
    // abandon question; false when it was refused.
    bool openGameFile(const QString& path);
    // A new game with the players of the game just over, without the sheet.
    void playAgain();
    // The first run's players for the next sheet, in this run and the next.
    void restoreDefaultSetup();

private:
    void newGame();

    Parts parts_;
    std::unique_ptr<FileChooser> fileChooser_;
    std::unique_ptr<GameFiles> gameFiles_;
    std::unique_ptr<FileChooser> recordChooser_;
    std::unique_ptr<RecordFiles> recordFiles_;
    // The next sheet opens on the first run's players rather than the game's.
    bool defaultSetupNext_ = false;
};

} // namespace tavolux
