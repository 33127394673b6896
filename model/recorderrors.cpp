#include "model/gamerecord.h"

namespace tavolux {

int recordFaultArgumentCount(RecordFault fault)
{
    using enum RecordFault;
    switch (fault) {
    case VersionNotANumber:
    case UnknownField:
    case FieldMissing:
    case PiecesNotAllowed:
    case NotAHole:
    case TwoPiecesOnHole:
    case HomeNotFinished:
    case FinishedNotHome:
    case TooManyMoves:
    case BadMoveLine:
    case BadMover:
    case BadMoveText:
    case NotOver:
    case MoverNotInPlay:
    case MoverFinished:
    case StepOntoTaken:
    case ChainComesBack:
    case LandingTaken:
        return 1;
    case UnknownVersion:
    case FieldTwice:
    case TooFewMoves:
    case WrongMoveNumber:
    case WrongFinishingOrder:
    case WrongStoppedOrder:
    case OutOfTurn:
    case NoPieceOnStart:
    case NotThatPiece:
    case NeitherStepNorJump:
    case NothingToJumpOver:
    case OtherPlayersZone:
    case NotADestination:
        return 2;
    default:
        return 0;
    }
}

} // namespace tavolux
