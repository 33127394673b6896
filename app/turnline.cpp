#include "app/turnline.h"

#include "dialogs/playerchoices.h"
#include "lang/gametexts.h"
#include "model/game.h"

#include <QLabel>
#include <QStatusBar>

namespace tavolux {

TurnLine::TurnLine(QStatusBar& bar) : label_(new QLabel)
{
    label_->setObjectName(QStringLiteral("turnLine"));
    label_->setTextFormat(Qt::PlainText); // names are never read as markup
    // Its text is its accessible name, so a screen reader hears each change.
    label_->setAccessibleDescription(tr("Whose turn it is and the number of the move"));
    bar.addPermanentWidget(label_);
}

QString TurnLine::text(const Game& game)
{
    const GameState& s = game.state();
    if (!s.gameInProgress())
        return {};
    const PlayerSlot& slot = s.slots[s.playerToMove];
    const QString name = GameTexts::shownName(slot.name);
    const int number = static_cast<int>(game.moveList().current()) + 1;
    if (slot.isComputer())
        //: In the status bar while a computer is to move: the move's number, the name and the strength.
        return tr("Move %1 · %2, %3, thinking").arg(number).arg(name, strengthName(slot.strength));
    //: In the status bar while a person is to move: the move's number and the name.
    return tr("Move %1 · Your move, %2").arg(number).arg(name);
}

void TurnLine::follow(const Game& game)
{
    const QString shown = text(game);
    if (shown != label_->text())
        label_->setText(shown);
}

} // namespace tavolux
