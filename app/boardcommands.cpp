#include "app/boardcommands.h"

#include "ai/hint.h"
#include "app/boardshows.h"
#include "app/commands.h"
#include "app/commandtable.h"
#include "app/messagebox.h"
#include "app/statusprompt.h"
#include "app/windowevents.h"
#include "lang/gametexts.h"
#include "model/game.h"
#include "view/boardmouse.h"
#include "view/windowcanvas.h"

#include <QMenu>

namespace tavolux {

BoardCommands::BoardCommands(const Parts& parts) : parts_(parts) {}

void BoardCommands::connect(CommandTable& commands)
{
    WindowBoxes& boxes = parts_.boxes;
    commands.setHandler(command::ShowValidMoves, [&boxes] {
        boxes.inform(tr("Show Valid Moves"),
                     tr("Click right mouse button on the piece\nthat you wish to show all valid moves."));
    });
    commands.setHandler(command::ShowValidMovesHere, [this] { showValidMoves(); });
    commands.setHandler(command::Hint, [this] { showHint(); });
    for (const bool clockwise : {true, false}) {
        commands.setHandler(clockwise ? command::RotateClockwise : command::RotateCounterClockwise,
                            [this, clockwise] {
                                if (parts_.shows.moving())
                                    return;
                                Game& game = parts_.game;
                                parts_.shows.turnBoard(game.state().boardRotation, 1, clockwise,
                                                       [&game](int rotation) { game.setBoardRotation(rotation); });
                            });
    }
}

void BoardCommands::showPieceMenu(QPoint at, CommandTable& commands)
{
    StatusPrompt& prompt = parts_.prompt;
    QMenu menu(&parts_.canvas);
    menu.setObjectName(QStringLiteral("pieceMenu"));
    QAction* item = menu.addAction(tr("Show Valid Moves"));
    item->setObjectName(QStringLiteral("showValidMovesHere"));
    QObject::connect(&menu, &QMenu::hovered, &menu,
                     [&prompt] { prompt.highlight(command::ShowValidMovesHere, false); });
    QObject::connect(&menu, &QMenu::aboutToHide, &menu, [&prompt] { prompt.menuClosed(); });
    if (menu.exec(parts_.canvas.mapToGlobal(at)) == item)
        commands.run(command::ShowValidMovesHere);
}

void BoardCommands::showValidMoves()
{
    const int piece = parts_.mouse.selectedPiece();
    if (piece == NoPiece || !parts_.game.waitingForPerson())
        return;
    parts_.shows.flashValidMoves(piece);
}

// The computer's suggestion for the person to move.
void BoardCommands::showHint()
{
    const GameState& s = parts_.game.state();
    parts_.events.setBusy(true);
    const std::optional<SuggestedMove> hint = suggestMove(s);
    parts_.events.setBusy(false);
    if (!hint) {
        const QString name = GameTexts::shownName(s.slots[s.playerToMove].name);
        parts_.boxes.inform(tr("Hint"), tr("%1 has no valid move.").arg(name));
        return;
    }
    parts_.shows.flashHint(hint->start, hint->path);
}

} // namespace tavolux
