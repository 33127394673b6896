#pragma once
// The setup sheet's cover page: which players take part, the animation
// speed and the sound. At least two players always take part: a player's
// box can be cleared only while both other boxes are checked. A click on a
// player's box writes `active` at once; Cancel puts back the flags the page
// found when it opened.

#include "model/gamestate.h"

#include <QWidget>

class QCheckBox;
class QPixmap;
class QRadioButton;

namespace tavolux {

class SetupCoverPage : public QWidget {
    Q_OBJECT
public:
    // playerIcons: the three player icons, borrowed.
    SetupCoverPage(GameState& state, const QPixmap* playerIcons, QWidget* parent = nullptr);

    // OK: the active players, the animation speed and the sound.
    void writeBack();
    // Cancel: the active flags as they were when the page opened.
    void restoreActive();

private:
    void ensureTwoPlayers();
    void playerClicked(int player);

    GameState& state_;
    int32_t savedActive_[DesignSeatCount] = {};
    QCheckBox* active_[DesignSeatCount] = {};
    QRadioButton* smooth_ = nullptr;
    QRadioButton* flickery_ = nullptr;
    QCheckBox* sound_ = nullptr;
};

} // namespace tavolux
