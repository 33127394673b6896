#pragma once
// The window's files read and written through the core's safe file access
// (model/fileio.h): only regular files are read, without ever waiting, and
// a file is replaced whole or not at all. The reason a file could not be
// used is put in the player's words here, once for every kind of file.

#include "model/fileio.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace tavolux {

class SafeFiles {
    Q_DECLARE_TR_FUNCTIONS(tavolux::SafeFiles)
public:
    struct Reading {
        QByteArray bytes;
        QString error; // empty when read
    };
    // The first `limit` bytes of the regular file at `path`.
    static Reading read(const QString& path, qint64 limit);
    // Empty when `bytes` replaced the file; otherwise why not (the old file
    // is as it was).
    static QString write(const QString& path, const QByteArray& bytes);
    // One sentence naming the cause: no space, not writable, not a file...
    static QString reason(const FileResult& result, bool writing);
};

} // namespace tavolux
