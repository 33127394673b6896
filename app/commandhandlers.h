#pragma once
// What each command of the menus, the board's context menu and the rotate
// buttons does, handed to the class that carries it out: the game, the
// saved-game files, the dialogs, the flashes of valid moves and hints.

#include <QCoreApplication>
#include <QPoint>
#include <QString>

#include <memory>

namespace tavolux {

class FileChooser;
class GameFiles;
class RecordFiles;
class MainWindow;

class CommandHandlers {
    // The texts keep the context they have always had in the translations.
    Q_DECLARE_TR_FUNCTIONS(tavolux::MainWindow)
public:
    explicit CommandHandlers(MainWindow& window);
    ~CommandHandlers();

    // Gives every command of the window its handler.
    void connect();
    // Where Save Game and Load Game ask for a file name.
    void useFileChooser(std::unique_ptr<FileChooser> chooser);
    // Where the game record commands ask for one.
    void useRecordFileChooser(std::unique_ptr<FileChooser> chooser);
    // Shows a game record in the move list; false when it was refused.
    bool openRecordFile(const QString& path);
    // Opens a saved game as Load Game does, without the abandon question.
    bool openGameFile(const QString& path);
    // The board's one-item menu over an own piece.
    void showPieceMenu(QPoint at);

private:
    void newGame();
    void changeOptions();
    void showValidMoves();
    void showHint();
    void showAboutBox();

    MainWindow& window_;
    std::unique_ptr<FileChooser> fileChooser_;
    std::unique_ptr<GameFiles> gameFiles_;
    std::unique_ptr<FileChooser> recordChooser_;
    std::unique_ptr<RecordFiles> recordFiles_;
};

} // namespace tavolux
