#include "app/suggestednames.h"

#include "lang/gametexts.h"
#include "model/gamestate.h"

#include <QDate>
#include <QStringList>

namespace tavolux {

namespace {

bool unsafe(QChar c)
{
    static const QString refused = QStringLiteral("/\\:*?\"<>|'`$&;!%#~{}[]()^=,@+");
    return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format || refused.contains(c);
}

} // namespace

QString fileNamePart(const QString& name)
{
    QString part;
    for (QChar c : name.trimmed()) {
        if (c.isSpace())
            part += QLatin1Char('_');
        else if (!unsafe(c))
            part += c;
    }
    while (part.startsWith(QLatin1Char('.')) || part.startsWith(QLatin1Char('-')))
        part.remove(0, 1);
    return part;
}

QString suggestedFileName(const GameState& state, const QDate& date, const QString& suffix)
{
    QStringList parts;
    for (int p = 0; p < PlayerCount; ++p) {
        if (!state.slots[p].active)
            continue;
        if (const QString part = fileNamePart(GameTexts::shownName(state.slots[p].name)); !part.isEmpty())
            parts << part;
    }
    if (parts.isEmpty())
        parts << QStringLiteral("Tavolux");
    parts << date.toString(Qt::ISODate);
    return parts.join(QLatin1Char('-')) + QLatin1Char('.') + suffix;
}

} // namespace tavolux
