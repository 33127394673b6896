#pragma once
// Where the players' statistics live: statistics.txt in the user's data
// folder (model/statistics.h describes the text). It is written whole and
// atomically, so that a crash or a full disk leaves the last good copy.
//
// A file that cannot be read as statistics is never written over: reading
// it moves it aside as "statistics.txt.damaged-YYYYMMDD-HHMMSS" beside it,
// and the statistics start afresh. When even that fails (a folder the
// program may not change), the reading says so and the file stays where it
// is; the keeper then saves nothing until the player clears the statistics.

#include "model/statistics.h"

#include <QCoreApplication>
#include <QString>

namespace tavolux {

class StatisticsFile {
    Q_DECLARE_TR_FUNCTIONS(tavolux::StatisticsFile)
public:
    // The largest file read; anything longer is damaged.
    static constexpr qint64 MaxSize = 4 * 1024 * 1024;

    // statistics.txt in QStandardPaths::AppDataLocation.
    static QString defaultPath();

    explicit StatisticsFile(const QString& path) : path_(path) {}
    const QString& path() const { return path_; }

    enum class Outcome {
        Missing,    // no file: no statistics yet
        Read,       // the file's statistics
        KeptAside,  // damaged, moved to keptAs; no statistics
        Refused,    // damaged and could not be moved; no statistics
    };
    struct Reading {
        Statistics statistics;
        Outcome outcome = Outcome::Missing;
        QString keptAs;
    };
    Reading read() const;

    // Writes the whole file, creating its folder; on failure the file is as
    // it was and `error` says why.
    bool write(const Statistics& statistics, QString* error = nullptr) const;

private:
    QString keepAside() const;

    QString path_;
};

} // namespace tavolux
