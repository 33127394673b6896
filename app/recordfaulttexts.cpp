#include "app/recordfaulttexts.h"

namespace tavolux {

QString RecordFaultTexts::pattern(RecordFault fault)
{
    using enum RecordFault;
    // The words in quotes and capitals are those of the record's text and
    // stay as they are.
    switch (fault) {
    case CannotOpen:
        return tr("cannot open the file");
    case CannotRead:
        return tr("cannot read the file");
    case TooLarge:
        return tr("the file is larger than 4 MiB, more than any game record");
    case NotARecord:
        return tr("not a Tavolux game record");
    case LineTooLong:
        return tr("the line is longer than 4096 bytes");
    case NotUtf8:
        return tr("the line is not UTF-8 text");
    case VersionNotANumber:
        return tr("the record's version is not a number: '%1'");
    case UnknownVersion:
        return tr("record version %1 is not known here (this program reads version %2)");
    case NotAField:
        return tr("expected a field such as 'Start: opening'");
    case UnknownField:
        return tr("unknown field '%1'");
    case FieldTwice:
        return tr("%1 is given twice (first on line %2)");
    case NoMovesLine:
        return tr("the record ends before its Moves line");
    case FieldMissing:
        return tr("the %1 field is missing");
    case BadDate:
        return tr("the date is not of the form YYYY-MM-DD HH:MM");
    case NoProgram:
        return tr("the program is not named");
    case BadName:
        return tr("a name is 1 to 63 bytes without control characters");
    case BadPlayer:
        return tr("expected '-', 'NAME | person' or 'NAME | computer | STRENGTH | STYLE, STYLE'");
    case BadStrength:
        return tr("the strength is one of Beginner, Standard, Expert");
    case BadStyles:
        return tr("the styles are two of Friendly, Neutral, Hostile, such as 'Hostile, Friendly'");
    case TooFewPlayers:
        return tr("fewer than two players take part");
    case ToMoveNotInPlay:
        return tr("ToMove names no player taking part");
    case ToMoveFinished:
        return tr("ToMove names a player who has finished");
    case BadMoveCount:
        return tr("Moves takes the number of moves");
    case BadStart:
        return tr("Start is 'opening' or 'position'");
    case PiecesNotAllowed:
        return tr("%1 belongs to a record starting from a position, for a player taking part");
    case FinishedNotAllowed:
        return tr("Finished belongs to a record starting from a position");
    case NotTenPieces:
        return tr("a player has ten pieces");
    case NotAHole:
        return tr("'%1' is not a hole");
    case TwoPiecesOnHole:
        return tr("two pieces on %1");
    case BadFinished:
        return tr("Finished takes 'none' or the players who have finished");
    case BadFinishedPlayers:
        return tr("Finished takes 'none' or players taking part, each once");
    case HomeNotFinished:
        return tr("P%1 is home but not among the finished");
    case FinishedNotHome:
        return tr("P%1 has finished but is not home");
    case BadTable:
        return tr("Table names the players taking part and Rule how they finish ('full target' or 'all home')");
    case TooFewLeft:
        return tr("fewer than two players are left to play");
    case BadResult:
        return tr("Result takes 'unfinished' or the players taking part in their finishing order");
    case TooManyMoves:
        return tr("more moves than the %1 of the Moves line");
    case TooFewMoves:
        return tr("the record ends after %1 of its %2 moves");
    case BadMoveLine:
        return tr("expected a move such as '%1. P1 n2-m6'");
    case WrongMoveNumber:
        return tr("move %1 where move %2 was expected");
    case BadMover:
        return tr("the mover is P1 to P6, not '%1'");
    case BadMoveText:
        return tr("'%1' is not a move in hole names, such as n2-m6");
    case BadSeatMark:
        return tr("a move ends with '(person)' or '(computer)' only when its seat is the other's");
    case WrongFinishingOrder:
        return tr("the game is over with the finishing order %1, not %2");
    case NotOver:
        return tr("the result is %1 but the game is not over");
    case WrongStoppedOrder:
        return tr("a game stopped after its first finisher ends %1, not %2");
    case MoveAfterTheEnd:
        return tr("the game is over; no move may follow");
    case MoverNotInPlay:
        return tr("P%1 does not take part");
    case MoverFinished:
        return tr("P%1 has finished and moves no more");
    case OutOfTurn:
        return tr("P%1 moves out of turn: P%2 is to move");
    case NoPieceOnStart:
        return tr("P%1 has no piece on %2");
    case NotThatPiece:
        return tr("the piece on %1 is not piece %2");
    case NoLanding:
        return tr("the move has no landing");
    case LandingNotAHole:
        return tr("a landing is not a hole");
    case StepOntoTaken:
        return tr("%1 is taken");
    case NeitherStepNorJump:
        return tr("%1-%2 is neither a step nor a jump");
    case NothingToJumpOver:
        return tr("no piece to jump over between %1 and %2");
    case ChainComesBack:
        return tr("the chain comes back to %1");
    case LandingTaken:
        return tr("%1 is taken or landed on before");
    case OtherPlayersZone:
        return tr("P%1 may not stop on %2, in another player's zone");
    case NotADestination:
        return tr("%1 is not among the destinations of the piece on %2");
    }
    return tr("not a Tavolux game record");
}

QString RecordFaultTexts::text(const RecordError& error)
{
    using enum RecordFault;
    const bool orders = error.fault == WrongFinishingOrder || error.fault == NotOver || error.fault == WrongStoppedOrder;
    QStringList args;
    for (const std::string& arg : error.args)
        args << (arg.empty() && orders ? tr("unfinished", "a game record's result") : QString::fromStdString(arg));
    QString text = pattern(error.fault);
    if (args.size() == 1)
        text = text.arg(args[0]);
    else if (args.size() >= 2)
        text = text.arg(args[0], args[1]);
    if (error.move > 0)
        //: Why a game record was refused: %1 is the move's number, %2 what is wrong with it.
        text = tr("Move %1: %2").arg(error.move).arg(text);
    return text;
}

} // namespace tavolux
