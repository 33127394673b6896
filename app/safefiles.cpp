#include "app/safefiles.h"

#include <QFile>

#include <cstring>

namespace tavolux {

SafeFiles::Reading SafeFiles::read(const QString& path, qint64 limit)
{
    FileReading file = readRegularFile(QFile::encodeName(path).toStdString(), static_cast<std::size_t>(limit));
    Reading reading;
    if (file.result)
        reading.bytes = QByteArray(file.bytes.data(), static_cast<qsizetype>(file.bytes.size()));
    else
        reading.error = reason(file.result, false);
    return reading;
}

QString SafeFiles::write(const QString& path, const QByteArray& bytes)
{
    const FileResult written = writeFileAtomically(QFile::encodeName(path).toStdString(),
                                                   std::string_view(bytes.constData(), bytes.size()));
    return written ? QString() : reason(written, true);
}

QString SafeFiles::reason(const FileResult& result, bool writing)
{
    switch (result.fault) {
    case FileFault::None:
        return {};
    case FileFault::NotFound:
        return tr("There is no such file or folder.");
    case FileFault::NotAllowed:
        return writing ? tr("The file or its folder is not writable (no permission, or a read-only disk).")
                       : tr("The file may not be read (no permission).");
    case FileFault::NotRegular:
        return tr("It is not a regular file.");
    case FileFault::NoSpace:
        return tr("There is no space left on the disk.");
    case FileFault::SizeLimit:
        return tr("The file would be larger than the program is allowed to write.");
    case FileFault::Other:
        break;
    }
    return tr("The system reported: %1").arg(QString::fromLocal8Bit(std::strerror(result.error)));
}

} // namespace tavolux
