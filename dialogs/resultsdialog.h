#pragma once
// The Game Results dialog: the finishing order of a game that is over, on a
// podium of three steps. The winner stands in the middle on the highest
// step, the second place on the left, the third place on the right and
// lowest; a two-player game leaves the third step empty and greyed. A
// game of more than three players lists the places after the third below
// the podium. The
// dialog only shows the result; beside OK, "Play Again" closes it and asks
// for a new game with the same players.

#include "model/gamestate.h"

#include <QDialog>

class QPixmap;

namespace tavolux {

class ResultsDialog : public QDialog {
    Q_OBJECT
public:
    // Reads finishOrder/finishCount and the slots of `state` when built.
    // pictures: the PictureCount player pictures; playerIcons: the six icons. Borrowed.
    ResultsDialog(const GameState& state, const QPixmap* pictures, const QPixmap* playerIcons, QWidget* parent);

Q_SIGNALS:
    // "Play Again" was chosen; the dialog has closed.
    void playAgainChosen();
};

} // namespace tavolux
