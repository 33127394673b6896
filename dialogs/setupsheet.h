#pragma once
// The sheet a new game is set up on: a cover page for the whole game (the
// table, who takes part, animation speed, sound) and one page per seat
// shown for the classic three and every seat taking part (name,
// picture, board turning, computer playing styles). The pages work on
// copies and write them back on OK; the one exception is the cover page's
// player check boxes, which write `active` at once so that the player pages
// see it, and which Cancel undoes.

#include "model/gamestate.h"
#include "referee/refereetext.h"

#include <QDialog>

class QPixmap;
class QTabWidget;

namespace tavolux {

// Longest player name the sheet accepts (characters); fits the name box, the
// side panel, a referee line and the finishing message.
constexpr int MaxPlayerNameLength = 8;

// One UTF-16 unit takes at most three UTF-8 bytes (a pair of them four).
static_assert(3 * MaxPlayerNameLength <= static_cast<int>(MaxNameLength));
static_assert(MaxPlayerNameLength <= RefereeLineLength);

class SetupCoverPage;
class SetupPlayerPage;

class SetupSheet : public QDialog {
    Q_OBJECT
public:
    // pictures: the PictureCount player pictures; playerIcons: the six
    // player icons. Both borrowed. The sheet edits `state` by the rules below.
    SetupSheet(GameState& state, const QPixmap* pictures, const QPixmap* playerIcons, QWidget* parent);

    // OK writes the cover page and every player page that was opened;
    // any other ending undoes the cover page's immediate writes.
    void done(int result) override;

private:
    void pageBecameCurrent(int index);
    void stepPage(int step);
    void showSeatPages(unsigned seats);

    QTabWidget* tabs_ = nullptr;
    SetupCoverPage* cover_ = nullptr;
    SetupPlayerPage* players_[PlayerCount] = {};
};

} // namespace tavolux
