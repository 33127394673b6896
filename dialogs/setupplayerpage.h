#pragma once
// A player's page of the setup sheet: name, picture (picture 0 makes the
// player a computer), whether the board turns to the player's preferred
// view, and for a computer player its playing style toward each of the two
// other players and its strength. The page holds copies of the slot taken when it is built
// and writes them back only on OK. Which controls are enabled follows the
// slot's current `active` flag, so a player the cover page has just taken
// out shows a page of disabled controls.

#include "model/gamestate.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPixmap;
class QPushButton;

namespace tavolux {

class PictureBox;

class SetupPlayerPage : public QWidget {
    Q_OBJECT
public:
    // player: 0..5; pictures: the PictureCount pictures, and icon: the
    // player's icon, borrowed (nullptr shows none).
    SetupPlayerPage(GameState& state, int player, const QPixmap* pictures, const QPixmap* icon,
                    QWidget* parent = nullptr);

    // The page has become the current tab: it counts as opened from now on
    // and its controls are brought up to date.
    void becameCurrent();
    bool opened() const { return opened_; }

    // OK: the page's values into its slot.
    void writeBack();

private:
    void buildControls(const QPixmap* icon);
    void arrangeControls();
    void stepPicture(int step);
    void updateControls();

    GameState& state_;
    const int player_;
    const QPixmap* pictures_;
    int picture_ = 0;
    bool opened_ = false;

    QLabel* icon_ = nullptr;
    QLabel* nameLabel_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLabel* pictureTitle_ = nullptr;
    QLabel* pictureName_ = nullptr;
    PictureBox* pictureBox_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QCheckBox* autoReposition_ = nullptr;
    QLabel* viewLabel_ = nullptr;
    QComboBox* view_ = nullptr;
    QLabel* styleLowerLabel_ = nullptr;
    QComboBox* styleLower_ = nullptr;
    QLabel* styleHigherLabel_ = nullptr;
    QComboBox* styleHigher_ = nullptr;
    QLabel* strengthLabel_ = nullptr;
    QComboBox* strength_ = nullptr;
};

} // namespace tavolux
