#include "cli/recordfaults.h"

namespace tavolux {

namespace {

// The fault's sentence with %1, %2 standing for its arguments.
const char* pattern(RecordFault fault)
{
    using enum RecordFault;
    switch (fault) {
    case CannotOpen: return "cannot open the file";
    case CannotRead: return "cannot read the file";
    case TooLarge: return "the file is larger than 4 MiB, more than any game record";
    case NotARecord: return "not a Tavolux game record";
    case LineTooLong: return "the line is longer than 4096 bytes";
    case NotUtf8: return "the line is not UTF-8 text";
    case VersionNotANumber: return "the record's version is not a number: '%1'";
    case UnknownVersion: return "record version %1 is not known here (this program reads version %2)";
    case NotAField: return "expected a field such as 'Start: opening'";
    case UnknownField: return "unknown field '%1'";
    case FieldTwice: return "%1 is given twice (first on line %2)";
    case NoMovesLine: return "the record ends before its Moves line";
    case FieldMissing: return "the %1 field is missing";
    case BadDate: return "the date is not of the form YYYY-MM-DD HH:MM";
    case NoProgram: return "the program is not named";
    case BadName: return "a name is 1 to 63 bytes without control characters";
    case BadPlayer: return "expected '-', 'NAME | person' or 'NAME | computer | STRENGTH | STYLE, STYLE'";
    case BadStrength: return "the strength is one of Beginner, Standard, Expert";
    case BadStyles: return "the styles are two of Friendly, Neutral, Hostile, such as 'Hostile, Friendly'";
    case TooFewPlayers: return "fewer than two players take part";
    case ToMoveNotInPlay: return "ToMove names no player taking part";
    case ToMoveFinished: return "ToMove names a player who has finished";
    case BadMoveCount: return "Moves takes the number of moves";
    case BadStart: return "Start is 'opening' or 'position'";
    case PiecesNotAllowed: return "%1 belongs to a record starting from a position, for a player taking part";
    case FinishedNotAllowed: return "Finished belongs to a record starting from a position";
    case NotTenPieces: return "a player has ten pieces";
    case NotAHole: return "'%1' is not a hole";
    case TwoPiecesOnHole: return "two pieces on %1";
    case BadFinished: return "Finished takes 'none' or the players who have finished";
    case BadFinishedPlayers: return "Finished takes 'none' or players taking part, each once";
    case HomeNotFinished: return "P%1 is home but not among the finished";
    case FinishedNotHome: return "P%1 has finished but is not home";
    case BadTable: return "Table names the players taking part and Rule how they finish ('full target' or 'all home')";
    case TooFewLeft: return "fewer than two players are left to play";
    case BadResult: return "Result takes 'unfinished' or the players taking part in their finishing order";
    case TooManyMoves: return "more moves than the %1 of the Moves line";
    case TooFewMoves: return "the record ends after %1 of its %2 moves";
    case BadMoveLine: return "expected a move such as '%1. P1 n2-m6'";
    case WrongMoveNumber: return "move %1 where move %2 was expected";
    case BadMover: return "the mover is P1 to P6, not '%1'";
    case BadMoveText: return "'%1' is not a move in hole names, such as n2-m6";
    case BadSeatMark: return "a move ends with '(person)' or '(computer)' only when its seat is the other's";
    case WrongFinishingOrder: return "the game is over with the finishing order %1, not %2";
    case NotOver: return "the result is %1 but the game is not over";
    case WrongStoppedOrder: return "a game stopped after its first finisher ends %1, not %2";
    case MoveAfterTheEnd: return "the game is over; no move may follow";
    case MoverNotInPlay: return "P%1 does not take part";
    case MoverFinished: return "P%1 has finished and moves no more";
    case OutOfTurn: return "P%1 moves out of turn: P%2 is to move";
    case NoPieceOnStart: return "P%1 has no piece on %2";
    case NotThatPiece: return "the piece on %1 is not piece %2";
    case NoLanding: return "the move has no landing";
    case LandingNotAHole: return "a landing is not a hole";
    case StepOntoTaken: return "%1 is taken";
    case NeitherStepNorJump: return "%1-%2 is neither a step nor a jump";
    case NothingToJumpOver: return "no piece to jump over between %1 and %2";
    case ChainComesBack: return "the chain comes back to %1";
    case LandingTaken: return "%1 is taken or landed on before";
    case OtherPlayersZone: return "P%1 may not stop on %2, in another player's zone";
    case NotADestination: return "%1 is not among the destinations of the piece on %2";
    }
    return "not a Tavolux game record";
}

bool namesOrders(RecordFault fault)
{
    using enum RecordFault;
    return fault == WrongFinishingOrder || fault == NotOver || fault == WrongStoppedOrder;
}

} // namespace

std::string recordFaultText(const RecordError& error)
{
    std::string text = error.move > 0 ? "move " + std::to_string(error.move) + ": " : std::string();
    // One pass, so that an argument holding "%2" stays as it is.
    for (const char* c = pattern(error.fault); *c != '\0'; ++c) {
        const std::size_t i = c[0] == '%' && c[1] >= '1' && c[1] <= '9' ? std::size_t(c[1] - '1') : error.args.size();
        if (i >= error.args.size()) {
            text += *c;
            continue;
        }
        text += error.args[i].empty() && namesOrders(error.fault) ? "unfinished" : error.args[i];
        ++c;
    }
    return text;
}

} // namespace tavolux
