#include "lang/gametexts.h"

#include <iterator>

namespace tavolux {

namespace {

// The players' names until they are given their own, seat by seat, as the
// game keeps them.
const char* const DefaultNames[] = {
    //: The first player's name until it is changed: a person.
    QT_TRANSLATE_NOOP("GameTexts", "Human"),
    //: The second player's name until it is changed: a computer.
    QT_TRANSLATE_NOOP("GameTexts", "Silicon"),
    //: The third player's name until it is changed: a computer.
    QT_TRANSLATE_NOOP("GameTexts", "Positron"),
    //: The fourth player's name until it is changed: a computer.
    QT_TRANSLATE_NOOP("GameTexts", "Photon"),
    //: The fifth player's name until it is changed: a computer.
    QT_TRANSLATE_NOOP("GameTexts", "Quark"),
    //: The sixth player's name until it is changed: a computer.
    QT_TRANSLATE_NOOP("GameTexts", "Neutrino"),
};

const char* const Places[] = {
    //: A finishing place, noted under the player's name in the side panel.
    QT_TRANSLATE_NOOP("GameTexts", "1st"),
    //: A finishing place, noted under the player's name in the side panel.
    QT_TRANSLATE_NOOP("GameTexts", "2nd"),
    //: A finishing place, noted under the player's name in the side panel.
    QT_TRANSLATE_NOOP("GameTexts", "3rd"),
    //: A finishing place, noted under the player's name in the side panel.
    QT_TRANSLATE_NOOP("GameTexts", "4th"),
    //: A finishing place, noted under the player's name in the side panel.
    QT_TRANSLATE_NOOP("GameTexts", "5th"),
    //: A finishing place, noted under the player's name in the side panel.
    QT_TRANSLATE_NOOP("GameTexts", "6th"),
};

RefereeLines lines(const QString& a, const QString& b = {}, const QString& c = {}, const QString& d = {})
{
    return RefereeLines{{a, b, c, d}};
}
} // namespace

QString GameTexts::place(int place)
{
    if (place < 0 || place >= static_cast<int>(std::size(Places)))
        return {};
    return tr(Places[place]);
}

// The referee's lines are short (about 30 characters): each pair or triple
// is one sentence cut in parts.

RefereeLines GameTexts::welcome()
{
    //: The referee's first words, line 1 of 3.
    return lines(tr("WELCOME"),
                 //: The referee's first words, line 2 of 3.
                 tr("Please select new"),
                 //: The referee's first words, line 3 of 3.
                 tr("game in menu bar."));
}

RefereeLines GameTexts::personToMove(const QString& name)
{
    //: A person is to move: referee line 2 of 3 (after the name).
    return lines(name, tr("Move mouse to one"),
                 //: A person is to move: referee line 3 of 3.
                 tr("of your pieces."));
}

RefereeLines GameTexts::turnPassed(const QString& name)
{
    return lines(name);
}

RefereeLines GameTexts::boardRepositioning(const QString& name)
{
    //: The board turns before a player's turn: referee line 2 of 3.
    return lines(name, tr("Board re-position"),
                 //: The board turns before a player's turn: referee line 3 of 3.
                 tr("is in progress..."));
}

RefereeLines GameTexts::computerThinking(const QString& name)
{
    //: A computer player searches its move: referee line 2 of 3.
    return lines(name, tr("Computer AI is"),
                 //: A computer player searches its move: referee line 3 of 3.
                 tr("thinking......"));
}

RefereeLines GameTexts::gameOver()
{
    //: The game has ended: referee line 1 of 3.
    return lines(tr("GAME OVER"), tr("Please select new"), tr("game in menu bar."));
}

RefereeLines GameTexts::ownPiece(const QString& name)
{
    //: The pointer is over one of the player's pieces: referee line 2 of 3.
    return lines(name, tr("Yep! That's yours."),
                 //: The pointer is over one of the player's pieces: referee line 3 of 3.
                 tr("Click & drag it."));
}

RefereeLines GameTexts::otherPiece(const QString& name)
{
    //: The pointer is over another player's piece: referee line 2 of 3.
    return lines(name, tr("That's not yours!"),
                 //: The pointer is over another player's piece: referee line 3 of 3.
                 tr("Try a different color."));
}

RefereeLines GameTexts::pieceLifted(const QString& name)
{
    //: A piece is in the hand: referee line 2 of 4.
    return lines(name, tr("Now, drag it to a spot"),
                 //: A piece is in the hand: referee line 3 of 4.
                 tr("using one move or one"),
                 //: A piece is in the hand: referee line 4 of 4.
                 tr("or more jumps."));
}

QString GameTexts::shownName(const std::string& name)
{
    for (const char* english : DefaultNames)
        if (name == english)
            return tr(english);
    return QString::fromStdString(name);
}

std::string GameTexts::keptName(const QString& shown)
{
    for (const char* english : DefaultNames)
        if (shown == tr(english))
            return english;
    return shown.toStdString();
}

QString GameTexts::gameCaption()
{
    return tr("Tavolux");
}

QString GameTexts::newGameCaption()
{
    return tr("New Game");
}

QString GameTexts::abandonQuestion()
{
    return tr("There is still a game in progress.  Do you want to abandon it?");
}

QString GameTexts::playerFinished(int p, const QString& name, bool askToPlayOn, int playersLeft)
{
    //: %1 is the player's number 1 to 6, %2 the player's name.
    QString text = tr("Player #%1, \"%2\",\nhas moved all the pieces to destination!!!\n")
                       .arg(QString::number(p + 1), name);
    if (askToPlayOn && playersLeft == 2)
        text += tr("\nBut there are still 2 players left.\nDo you want to continue the game?");
    else if (askToPlayOn)
        //: At a table of four or six: %1 is the number of players still in play, 3 to 5.
        text += tr("\nBut there are still %1 players left.\nDo you want to continue the game?").arg(playersLeft);
    return text;
}

QString GameTexts::computerCaption()
{
    return tr("Computer AI");
}

QString GameTexts::noValidMove()
{
    return tr("No valid move was found!");
}

QString GameTexts::finishSound(int p)
{
    // One per seat, the classic three first.
    static const char* const sounds[] = {"TVX04.WAV", "TVX05.WAV", "TVX06.WAV", "TVX07.WAV", "TVX08.WAV", "TVX09.WAV"};
    return QLatin1String(sounds[p >= 0 && p < int(std::size(sounds)) ? p : 0]);
}

QString GameTexts::refusedDropSound()
{
    return QStringLiteral("TVX03.WAV");
}

} // namespace tavolux
