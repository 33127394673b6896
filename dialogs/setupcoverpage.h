#pragma once
// The setup sheet's cover page: the table, which players take part, the
// animation speed and the sound. At the classic table at least two players
// always take part: a player's box can be cleared only while both other
// boxes are checked; the other tables seat their own players and leave the
// boxes alone. A click on a player's box or a table writes `active` at
// once; Cancel puts back the flags the page found when it opened.

#include "dialogs/tablechoice.h"
#include "model/gamestate.h"

#include <QWidget>

class QCheckBox;
class QPixmap;
class QRadioButton;

namespace tavolux {

class SetupCoverPage : public QWidget {
    Q_OBJECT
public:
    // playerIcons: the six player icons, borrowed.
    SetupCoverPage(GameState& state, const QPixmap* playerIcons, QWidget* parent = nullptr);

    // OK: the active players, the animation speed and the sound.
    void writeBack();
    // Cancel: the active flags as they were when the page opened.
    void restoreActive();

    Table table() const { return table_; }

Q_SIGNALS:
    // The seats taking part have changed (bit k for seat k).
    void seatsChanged(unsigned seats);

private:
    void ensureTwoPlayers();
    void playerClicked(int player);
    void tableChosen(Table table);
    void showSeats();

    GameState& state_;
    int32_t savedActive_[PlayerCount] = {};
    QCheckBox* active_[DesignSeatCount] = {};
    QRadioButton* tables_[TableCount] = {};
    TableStar* star_ = nullptr;
    Table table_ = Table::Classic;
    bool classicBoxes_[DesignSeatCount] = {}; // the boxes as the classic table left them
    QRadioButton* smooth_ = nullptr;
    QRadioButton* flickery_ = nullptr;
    QCheckBox* sound_ = nullptr;
};

} // namespace tavolux
