#include "app/setupsettings.h"

#include "app/settings.h"
#include "dialogs/setupsheet.h"
#include "dialogs/tablechoice.h"
#include "model/gamestate.h"

#include <QSettings>

#include <optional>

namespace tavolux {

namespace {

const char* const Group = "NewGame";

QByteArray key(int seat, const char* field)
{
    return "Player" + QByteArray::number(seat + 1) + field;
}

// A whole number from `low` to `high`, or nothing.
std::optional<int> readNumber(const QSettings& store, const QByteArray& name, int low, int high)
{
    const QString key = QString::fromLatin1(name);
    if (!store.contains(key))
        return std::nullopt;
    const int value = profileInt(store.value(key).toStringList().join(QLatin1Char(',')));
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

// Names are kept as percent-encoded UTF-8, so that no character of theirs
// means anything to the file's reader; cut to what the sheet accepts.
std::optional<std::string> readName(const QSettings& store, const QByteArray& name)
{
    const QString key = QString::fromLatin1(name);
    if (!store.contains(key))
        return std::nullopt;
    const QByteArray text = store.value(key).toStringList().join(QLatin1Char(',')).toLatin1();
    return QString::fromUtf8(QByteArray::fromPercentEncoding(text)).left(MaxPlayerNameLength).toStdString();
}

} // namespace

void readRememberedSetup(QSettings& store, GameState& into)
{
    store.beginGroup(QLatin1String(Group));
    int active[PlayerCount] = {};
    int taking = 0;
    unsigned seats = 0;
    for (int p = 0; p < PlayerCount; ++p) {
        PlayerSlot& slot = into.slots[p];
        active[p] = readNumber(store, key(p, "Active"), 0, 1).value_or(slot.active != 0 ? 1 : 0);
        taking += active[p];
        seats |= static_cast<unsigned>(active[p]) << p;
        slot.name = readName(store, key(p, "Name")).value_or(slot.name);
        slot.picture = static_cast<uint16_t>(readNumber(store, key(p, "Picture"), 0, PictureCount - 1).value_or(slot.picture));
        slot.strength = readNumber(store, key(p, "Strength"), 0, StrengthCount - 1).value_or(slot.strength);
        slot.styleTowardLower = readNumber(store, key(p, "StyleLower"), Friendly, Hostile).value_or(slot.styleTowardLower);
        slot.styleTowardHigher = readNumber(store, key(p, "StyleHigher"), Friendly, Hostile).value_or(slot.styleTowardHigher);
    }
    store.endGroup();
    // Seats beyond the classic three come only as a whole table.
    const bool table = seats < (1u << DesignSeatCount) || seats == tableSeats(Table::TwoAcross)
                       || seats == tableSeats(Table::Four) || seats == tableSeats(Table::Six);
    if (taking >= 2 && table)
        for (int p = 0; p < PlayerCount; ++p)
            into.slots[p].active = active[p];
}

QString writeRememberedSetup(QSettings& store, const GameState& from)
{
    IniValues values;
    for (int p = 0; p < PlayerCount; ++p) {
        const PlayerSlot& slot = from.slots[p];
        values.emplace_back(key(p, "Active"), QByteArray::number(slot.active != 0 ? 1 : 0));
        values.emplace_back(key(p, "Name"), QByteArray::fromStdString(slot.name).toPercentEncoding());
        values.emplace_back(key(p, "Picture"), QByteArray::number(slot.picture));
        values.emplace_back(key(p, "Strength"), QByteArray::number(slot.strength));
        values.emplace_back(key(p, "StyleLower"), QByteArray::number(slot.styleTowardLower));
        values.emplace_back(key(p, "StyleHigher"), QByteArray::number(slot.styleTowardHigher));
    }
    return writeIniGroup(store, Group, values);
}

} // namespace tavolux
