#pragma once
// Game records in the window: "Save Game Record..." writes every move of
// the game so far; "Open Game Record..." reads one (after the abandon
// question), puts its last position on the board with all its moves in the
// move list and opens the list, where any of its positions can be reviewed
// and played on from ("Play from here"). A record that is not one, or holds
// a move the rules do not allow, is refused naming the line, and nothing
// changes.

#include <QCoreApplication>
#include <QString>

#include <functional>

class QWidget;

namespace tavolux {

class FileChooser;
class Game;
class MessageBoxes;
class MoveListHost;

class RecordFiles {
    Q_DECLARE_TR_FUNCTIONS(tavolux::RecordFiles)
public:
    RecordFiles(Game& game, MessageBoxes& boxes, FileChooser& chooser, MoveListHost& moveList,
                QWidget* dialogParent);

    void saveRecord();
    void openRecord();
    // Reads and shows the record; false when it was refused (the user has
    // been told).
    bool openFile(const QString& path);
    // Goes on playing from the position the move list shows in review,
    // keeping the moves that led there (with the abandon question while a
    // game is in progress).
    void playFromHere();
    // Called when the game on the board is about to be replaced.
    std::function<void()> beforeReplacing;

private:
    Game& game_;
    MessageBoxes& boxes_;
    FileChooser& chooser_;
    MoveListHost& moveList_;
    QWidget* dialogParent_;
};

} // namespace tavolux
