#pragma once
// Every sentence the game says about itself: the referee's four lines for
// each moment of a game, the game's boxes and its sounds. The English texts
// are the source strings of the translations.

#include <QCoreApplication>
#include <QString>

#include <string>

namespace tavolux {

// The referee's four lines, top to bottom.
struct RefereeLines {
    QString line[4];
};

class GameTexts {
    Q_DECLARE_TR_FUNCTIONS(GameTexts)
public:
    static RefereeLines welcome();
    static RefereeLines personToMove(const QString& name);
    static RefereeLines turnPassed(const QString& name);
    static RefereeLines boardRepositioning(const QString& name);
    static RefereeLines computerThinking(const QString& name);
    static RefereeLines gameOver();
    // What the hand of the person to move is over, or holds.
    static RefereeLines ownPiece(const QString& name);
    static RefereeLines otherPiece(const QString& name);
    static RefereeLines pieceLifted(const QString& name);

    // A player's name as the window shows it: the names the players have
    // until they are given their own ("Human", "Silicon", "Positron",
    // "Photon", "Quark", "Neutrino") translated, any other as it is. Games, records and statistics keep
    // them in English.
    static QString shownName(const std::string& name);
    // The name to keep for one shown: a translated default name back in
    // English.
    static std::string keptName(const QString& shown);

    // A finishing place as the side panel notes it: "1st", "2nd", ... for
    // place 0, 1, ...; empty beyond the sixth.
    static QString place(int place);

    static QString gameCaption();
    static QString newGameCaption();
    static QString abandonQuestion();
    // Player p (0..2) has brought all pieces home; with the question whether
    // the other two play on when `askToPlayOn`.
    // playersLeft: the players still in play when the others are asked to play on.
    static QString playerFinished(int p, const QString& name, bool askToPlayOn, int playersLeft = 2);
    static QString computerCaption();
    static QString noValidMove();

    // The sound files beside the program.
    static QString finishSound(int p);
    static QString refusedDropSound();
};

} // namespace tavolux
