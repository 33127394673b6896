#include "dialogs/tablechoice.h"

#include "view/colours.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace tavolux {

unsigned tableSeats(Table table)
{
    switch (table) {
    case Table::TwoAcross:
        return 0b001001;
    case Table::Four:
        return 0b011011;
    case Table::Six:
        return 0b111111;
    case Table::Classic:
        break;
    }
    return 0b000111;
}

unsigned activeSeats(const GameState& state)
{
    unsigned seats = 0;
    for (int p = 0; p < PlayerCount; ++p)
        if (state.slots[p].active != 0)
            seats |= 1u << p;
    return seats;
}

Table tableOf(const GameState& state)
{
    const unsigned seats = activeSeats(state);
    for (Table table : {Table::TwoAcross, Table::Four, Table::Six})
        if (seats == tableSeats(table))
            return table;
    return Table::Classic;
}

TableStar::TableStar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tableStar"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TableStar::setSeats(unsigned seats)
{
    if (seats == seats_)
        return;
    seats_ = seats;
    update();
}

QSize TableStar::sizeHint() const
{
    const int side = fontMetrics().height() * 6;
    return {side, side};
}

void TableStar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(width() / 2.0, height() / 2.0);
    // The apexes lie sqrt(3) hexagon radii out; leave a pixel for the pen.
    const double r = (std::min(width(), height()) / 2.0 - 2) / std::numbers::sqrt3;
    auto at = [&](double degrees, double distance) {
        const double a = degrees * std::numbers::pi / 180;
        return centre + QPointF(distance * std::cos(a), -distance * std::sin(a));
    };
    painter.setPen(QPen(colours::Outline, 1));
    QPolygonF hexagon;
    for (int k = 0; k < 6; ++k)
        hexagon << at(60.0 * k, r);
    painter.setBrush(colours::BoardBackground);
    painter.drawPolygon(hexagon);
    // Seats 0..5 sit at the bottom, upper left, upper right, top, lower right, lower left.
    const double directions[PlayerCount] = {270, 150, 30, 90, 330, 210};
    for (int seat = 0; seat < PlayerCount; ++seat) {
        const double d = directions[seat];
        const QPolygonF point{at(d - 30, r), at(d, r * std::numbers::sqrt3), at(d + 30, r)};
        painter.setBrush((seats_ & (1u << seat)) != 0 ? colours::player(seat) : colours::WaitingName);
        painter.drawPolygon(point);
    }
}

} // namespace tavolux
