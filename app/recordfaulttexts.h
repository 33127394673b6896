#pragma once
// Why a game record was refused, in the language the program speaks: the
// reader's fault and its arguments worded for the player.

#include "model/gamerecord.h"

#include <QCoreApplication>
#include <QString>

namespace tavolux {

class RecordFaultTexts {
    Q_DECLARE_TR_FUNCTIONS(tavolux::RecordFaultTexts)
public:
    // "Move 3: P1 has no piece on e5": the fault with its arguments, and
    // the move it is in, without the line.
    static QString text(const RecordError& error);

private:
    // The fault's sentence with %1, %2 standing for its arguments.
    static QString pattern(RecordFault fault);
};

} // namespace tavolux
