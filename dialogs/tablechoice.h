#pragma once
// The tables a game is played at: the classic star of three seats (two or
// three players), two players across the star, four in two opposite pairs
// and six; and the small star the setup sheet draws of the chosen table,
// each playing point in its seat's colour.

#include "model/gamestate.h"

#include <QWidget>

namespace tavolux {

enum class Table { Classic, TwoAcross, Four, Six };
constexpr int TableCount = 4;

// The seats a table beyond the classic one seats (bit k for seat k); the
// classic table's seats are chosen one by one.
unsigned tableSeats(Table table);
// The table the record's active seats make; a mix no table seats (only a
// doctored record holds one) counts as the classic table.
Table tableOf(const GameState& state);
// Bit k set for every active seat k.
unsigned activeSeats(const GameState& state);

class TableStar : public QWidget {
    Q_OBJECT
public:
    explicit TableStar(QWidget* parent = nullptr);
    // Bit k set: seat k's home point plays and shows its colour.
    void setSeats(unsigned seats);
    unsigned seats() const { return seats_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    unsigned seats_ = 0;
};

} // namespace tavolux
