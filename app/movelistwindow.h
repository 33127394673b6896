#pragma once
// The move list: a small window beside the main window, like the referee,
// listing every move of the game numbered, in the movers' colours, with
// the players' names and the moves in the board's notation. The move the
// game stands at is in bold; moves taken back by Undo, which Redo can bring
// back, are greyed until a new move replaces them. Choosing a row (a click, the arrow keys, Home
// or End) asks to review the board as it was after that move; Escape or
// "Back to the game" asks to return to the live game. The chosen row is
// always scrolled into view.

#include <QWidget>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace tavolux {

struct GameState;
class MoveList;

class MoveListWindow : public QWidget {
    Q_OBJECT
public:
    explicit MoveListWindow(QWidget* owner);

    // Lists the moves; `reviewed` is the number of moves shown in review,
    // or -1 while the board shows the game itself.
    // A record's moves (`ofRecord`) have no row of the game's own and may be
    // played on from.
    void showMoves(const GameState& state, const MoveList& list, int reviewed, bool ofRecord);

    // Shows the window above its owner: at once when the owner is on the
    // screen, else as soon as it is (a window manager asked to map an owned
    // window before its owner does not know them as a pair and may stack
    // the owner over it). Hiding cancels a show that waits.
    void showWithOwner();
    void hideWindow();
    bool shownOrWaiting() const { return isVisible() || waitingForOwner_; }
    // A window this one keeps clear of (the referee): its showing and
    // hiding are told by neighbourShownOrHidden.
    void watchNeighbour(QWidget* neighbour);

Q_SIGNALS:
    // Show the board after the first `count` moves.
    void reviewRequested(int count);
    void backToGame();
    void playFromHere();
    // The window was shown, moved or resized: its frame may have changed.
    void frameMayHaveChanged();
    void neighbourShownOrHidden();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void markTakenBack(QListWidgetItem& row) const;

    QListWidget* rows_;
    QLabel* state_;
    QPushButton* back_;
    QPushButton* play_;
    bool filling_ = false;
    bool waitingForOwner_ = false;
    QWidget* neighbour_ = nullptr;
};

} // namespace tavolux
