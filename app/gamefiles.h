#pragma once
// Saving and loading games in the window: the "&Save Game" and "&Load Game"
// commands and opening a saved game named on the command line. The record's
// bytes come from model/savefile; this side chooses the file, writes it
// atomically and shows what went wrong.

#include <QCoreApplication>
#include <QString>

#include <functional>

class QWidget;

namespace tavolux {

class Game;
class MessageBoxes;

// Chooses the file for Save Game and Load Game. The window's shows a
// QFileDialog; tests return a path. An empty path means cancelled. Saving
// offers `suggested`, a file name without a folder.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual QString saveFileName(QWidget* parent, const QString& suggested) = 0;
    virtual QString openFileName(QWidget* parent) = 0;
};

// Qt's own (non-native) file dialogs with the filter "Tavolux Files
// (*.tvx)", the initial name "*.tvx" (the suggested name when saving) and
// ".tvx" as the default suffix; the save dialog asks before replacing a
// file. Both open in the folder used last, at first in the user's documents
// folder. For game records the same with "Tavolux Game Records (*.tvr)" and
// ".tvr".
class DialogFileChooser : public FileChooser {
    Q_DECLARE_TR_FUNCTIONS(tavolux::DialogFileChooser)
public:
    enum class Files { Games, Records };
    explicit DialogFileChooser(Files files = Files::Games) : files_(files) {}
    QString saveFileName(QWidget* parent, const QString& suggested) override;
    QString openFileName(QWidget* parent) override;

private:
    QString choose(QWidget* parent, bool save, const QString& suggested = {});
    Files files_;
    QString folder_;
};

class GameFiles {
    Q_DECLARE_TR_FUNCTIONS(tavolux::GameFiles)
public:
    GameFiles(Game& game, MessageBoxes& boxes, FileChooser& chooser, QWidget* dialogParent);

    // The Save Game command: only while a game is in progress; offers a
    // name made of the players and today's date and writes the chosen name
    // with its extension forced to ".tvx".
    void saveGame();
    // The Load Game command: the abandon question, then the chosen file.
    void loadGame();
    // Loads the file as Load Game does, without the question; false when
    // it was refused or could not be read (the user has been told).
    bool openFile(const QString& path);
    // Called when the game on the board is about to be replaced by a loaded one.
    std::function<void()> beforeLoading;

private:
    bool confirmReplace(const QString& chosen, const QString& path);
    bool writeFile(const QString& path);

    Game& game_;
    MessageBoxes& boxes_;
    FileChooser& chooser_;
    QWidget* dialogParent_;
};

} // namespace tavolux
