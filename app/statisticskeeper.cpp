#include "app/statisticskeeper.h"

#include "dialogs/statisticsdialog.h"
#include "model/game.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace tavolux {

StatisticsKeeper::StatisticsKeeper(const QString& path) : path_(path) {}

// The default folder is looked up when first needed, once the application
// has its name.
const QString& StatisticsKeeper::path()
{
    if (path_.isEmpty())
        path_ = StatisticsFile::defaultPath();
    return path_;
}

void StatisticsKeeper::refresh()
{
    if (refused_)
        return;
    StatisticsFile::Reading reading = StatisticsFile(path()).read();
    switch (reading.outcome) {
    case StatisticsFile::Outcome::Read:
        statistics_ = std::move(reading.statistics);
        break;
    case StatisticsFile::Outcome::Missing:
        statistics_ = Statistics{};
        break;
    case StatisticsFile::Outcome::KeptAside:
        // What this run last saw (nothing, at first) goes on.
        keptAs_ = reading.keptAs;
        break;
    case StatisticsFile::Outcome::Refused:
        refused_ = true;
        break;
    }
    loaded_ = true;
}

void StatisticsKeeper::save()
{
    if (refused_)
        return;
    QString error;
    saveError_ = StatisticsFile(path()).write(statistics_, &error) ? QString() : error;
}

// Another copy holding the lock is waited for this long; a lock left by a
// copy that died is taken over at once.
constexpr int LockWaitMs = 10000;

template <class Change>
QString StatisticsKeeper::change(Change apply)
{
    const QString keptBefore = keptAs_;
    QDir().mkpath(QFileInfo(path()).absolutePath());
    QLockFile lock(path() + QStringLiteral(".lock"));
    // A folder the program may not write in takes no lock; the save then
    // says why it failed.
    if (!lock.tryLock(LockWaitMs) && lock.error() == QLockFile::LockFailedError) {
        statistics();
        saveError_ = QCoreApplication::translate("tavolux::StatisticsKeeper",
                                                 "Another copy of Tavolux kept the statistics file busy.");
        apply(statistics_);
    } else {
        refresh();
        if (apply(statistics_))
            save();
    }
    const bool told = refused_ || !saveError_.isEmpty() || keptAs_ != keptBefore;
    if (!told)
        return {};
    const QString problem = note();
    if (problemFound)
        problemFound(problem);
    return problem;
}

QString StatisticsKeeper::gameEnded(const GameState& game, const int movesPerPlayer[PlayerCount])
{
    return change([&](Statistics& s) { return addEndedGame(s, game, movesPerPlayer); });
}

QString StatisticsKeeper::gameAbandoned(const GameState& game, const int movesPerPlayer[PlayerCount])
{
    if (!game.gameUnderway())
        return {};
    return change([&](Statistics& s) { return addAbandonedGame(s, game, movesPerPlayer); });
}

QString StatisticsKeeper::gameAbandoned(const Game& game)
{
    return gameAbandoned(game.state(), movesPerPlayer(game.moveList()).data());
}

QString StatisticsKeeper::problemCaption()
{
    return tr("Statistics");
}

const Statistics& StatisticsKeeper::statistics()
{
    if (!loaded_)
        refresh();
    return statistics_;
}

void StatisticsKeeper::clear()
{
    statistics_ = Statistics{};
    loaded_ = true;
    refused_ = false;
    save();
}

QString StatisticsKeeper::note() const
{
    const QString file = QDir::toNativeSeparators(path_);
    if (refused_)
        return tr("The statistics file \"%1\" is damaged and could not be moved aside, so nothing is saved "
                  "over it. Clear the statistics to start a new file.")
            .arg(file);
    QString note;
    if (!keptAs_.isEmpty())
        note = tr("The statistics file was damaged. It has been kept as \"%1\", and the statistics started afresh.")
                   .arg(QDir::toNativeSeparators(keptAs_));
    if (!saveError_.isEmpty()) {
        if (!note.isEmpty())
            note += QLatin1Char('\n');
        note += tr("The statistics could not be saved in \"%1\".\n%2").arg(file, saveError_);
    }
    return note;
}

void StatisticsKeeper::showDialog(QWidget* parent)
{
    refresh();
    StatisticsDialog dialog(statistics_, parent);
    dialog.setNote(note());
    QObject::connect(&dialog, &StatisticsDialog::clearConfirmed, &dialog, [this, &dialog] {
        clear();
        dialog.setStatistics(statistics_);
        dialog.setNote(note());
    });
    dialog.exec();
}

} // namespace tavolux
