#include "app/prompttable.h"

#include "app/commands.h"

#include <QCoreApplication>

namespace tavolux {

namespace {

struct PromptEntry {
    int id;
    const char* text;
};

const PromptEntry Prompts[] = {
    {command::NewGame, QT_TRANSLATE_NOOP("Prompt", "Play a new game of Chinese Checkers.")},
    {command::LoadGame, QT_TRANSLATE_NOOP("Prompt", "Open a previously saved game.")},
    {command::SaveGame, QT_TRANSLATE_NOOP("Prompt", "Save the currently unfinished game.")},
    {command::ChangeOptions, QT_TRANSLATE_NOOP("Prompt", "Change playing options in the middle of a game.")},
    {command::Exit, QT_TRANSLATE_NOOP("Prompt", "Exit Tavolux.")},
    {command::Undo, QT_TRANSLATE_NOOP("Prompt", "Undo last move.")},
    {command::Redo, QT_TRANSLATE_NOOP("Prompt", "Redo the previously undone move.")},
    {command::ShowValidMoves, QT_TRANSLATE_NOOP("Prompt", "Show all valid moves of a playing piece.")},
    {command::Hint, QT_TRANSLATE_NOOP("Prompt", "Suggest a move for the player to move.")},
    {command::Referee, QT_TRANSLATE_NOOP("Prompt", "Toggle referee window on/off.")},
    {command::ShowLastMoves, QT_TRANSLATE_NOOP("Prompt", "Show or hide the moves made since your last move.")},
    {command::DefaultSettings, QT_TRANSLATE_NOOP("Prompt", "Restore all windows to their default settings.")},
    {command::MoveList, QT_TRANSLATE_NOOP("Prompt", "Show or hide the list of the moves made in this game.")},
    {command::SaveRecord, QT_TRANSLATE_NOOP("Prompt", "Save every move of this game as a game record.")},
    {command::OpenRecord, QT_TRANSLATE_NOOP("Prompt", "Open a game record and step through its moves.")},
    {command::Statistics, QT_TRANSLATE_NOOP("Prompt", "Show how each player has fared over the games.")},
    {command::ShowDestinations,
     QT_TRANSLATE_NOOP("Prompt", "Mark the holes a lifted piece may reach, or stop marking them.")},
    {command::PieceSymbols, QT_TRANSLATE_NOOP("Prompt", "Show or hide each player's symbol on the pieces.")},
    {command::PlayingRules,
     QT_TRANSLATE_NOOP("Prompt", "Display help documentation on Chinese Checkers playing rules.")},
    {command::About, QT_TRANSLATE_NOOP("Prompt", "Display Tavolux's information and copyright.")},
    {command::ShowValidMovesHere, QT_TRANSLATE_NOOP("Prompt", "Show all valid moves.")},
    {prompt::ComputerThinking, QT_TRANSLATE_NOOP("Prompt", "Computer AI is thinking...")},
    {prompt::BoardRepositioning, QT_TRANSLATE_NOOP("Prompt", "Board re-position is in progress...")},
    {prompt::Ready, QT_TRANSLATE_NOOP("Prompt", "Ready.")},
};

} // namespace

QString promptText(int id)
{
    for (const PromptEntry& entry : Prompts)
        if (entry.id == id)
            return QCoreApplication::translate("Prompt", entry.text);
    return {};
}

QString refusalText(DropRefusal why)
{
    switch (why) {
    case DropRefusal::NotAHole:
        return QCoreApplication::translate("Prompt", "Drop the piece on a hole of the board.");
    case DropRefusal::HoleTaken:
        return QCoreApplication::translate("Prompt", "That hole is taken.");
    case DropRefusal::OtherPlayersPoint:
        return QCoreApplication::translate("Prompt",
                                           "A piece may pass through another player's point, but not stop there.");
    case DropRefusal::OutOfReach:
        break;
    }
    return QCoreApplication::translate("Prompt", "The piece cannot reach that hole in one move.");
}

} // namespace tavolux
