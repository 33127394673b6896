#pragma once
// The players' statistics as the main window keeps them: a game that ended
// or was given up is counted and saved at once, and the Statistics window
// shows them. The file is read when first needed and again before each
// change, and the reading, the change and the writing are one step under
// the lock file "statistics.txt.lock", so that two copies of the program
// running side by side add to each other's figures instead of writing over
// them.
//
// A damaged file is moved aside (see StatisticsFile) and the figures go on
// from what this run holds; the Statistics window says where it went. When
// it cannot be moved, nothing is saved over it until the player clears the
// statistics; the games of this run are still counted and shown.

#include "app/statisticsfile.h"
#include "model/statistics.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

class QWidget;

namespace tavolux {

class StatisticsKeeper {
    Q_DECLARE_TR_FUNCTIONS(tavolux::StatisticsKeeper)
public:
    // The file in the user's data folder, or the one at `path`.
    explicit StatisticsKeeper(const QString& path = QString());

    // A game that ended: finishOrder holds every active player. moves[p] is
    // the number of moves player p made (see movesPerPlayer in
    // model/statistics.h), 0 or less when not known. Returns what the
    // player is to be told at once: why the result was not saved, or that
    // a damaged file was moved aside; empty when all went well.
    QString gameEnded(const GameState& game, const int movesPerPlayer[PlayerCount]);
    // A game given up while in progress; nothing when none was. Returns
    // as gameEnded does.
    QString gameAbandoned(const GameState& game);
    // The caption of the box that says so.
    static QString problemCaption();
    // Told the same at once, from whichever change it was (the window shows
    // a box, before the results of a game that ended).
    std::function<void(const QString& problem)> problemFound;
    // The Statistics window, modal over `parent`.
    void showDialog(QWidget* parent);

    // The figures as last read or changed.
    const Statistics& statistics();
    // Empties the statistics and saves, over a damaged file too.
    void clear();
    // What the Statistics window says about the file; empty when all is well.
    QString note() const;
    const QString& path();

private:
    template <class Change>
    QString change(Change apply);
    void refresh();
    void save();

    QString path_;
    bool loaded_ = false;
    bool refused_ = false;   // a damaged file stays in place: nothing is saved
    QString keptAs_;         // where a damaged file was moved in this run
    QString saveError_;      // why the last save failed
    Statistics statistics_;
};

} // namespace tavolux
