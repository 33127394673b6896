#pragma once
// The status bar's lasting part on the right: the number of the move to be
// made and who is to make it ("Move 23 · Silicon, Expert, thinking", "Move
// 24 · Your move, Human"); empty while no game is being played. The prompts
// keep the stretching pane on its left.

#include <QCoreApplication>
#include <QString>

class QLabel;
class QStatusBar;

namespace tavolux {

class Game;

class TurnLine {
    Q_DECLARE_TR_FUNCTIONS(tavolux::TurnLine)
public:
    // Adds its label to the bar as a permanent widget.
    explicit TurnLine(QStatusBar& bar);

    // What the line says for the game as it stands.
    static QString text(const Game& game);
    // Shows it.
    void follow(const Game& game);
    QLabel* label() const { return label_; }

private:
    QLabel* label_;
};

} // namespace tavolux
