#include "app/statisticsfile.h"

#include "app/safefiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace tavolux {

QString StatisticsFile::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/statistics.txt");
}

StatisticsFile::Reading StatisticsFile::read() const
{
    Reading reading;
    const QFileInfo info(path_);
    if (!info.exists() && !info.isSymLink())
        return reading;

    QFile file(path_);
    bool whole = false;
    QByteArray bytes;
    if (info.isFile() && file.open(QIODevice::ReadOnly)) {
        bytes = file.read(MaxSize + 1);
        whole = file.error() == QFileDevice::NoError && bytes.size() <= MaxSize;
        file.close();
    }
    if (whole) {
        ParsedStatistics parsed = parseStatistics(std::string_view(bytes.constData(), bytes.size()));
        if (!parsed.damaged) {
            reading.statistics = std::move(parsed.statistics);
            reading.outcome = Outcome::Read;
            return reading;
        }
    }
    // Damaged, or there but not readable: kept for the player to look at.
    reading.keptAs = keepAside();
    reading.outcome = reading.keptAs.isEmpty() ? Outcome::Refused : Outcome::KeptAside;
    return reading;
}

QString StatisticsFile::keepAside() const
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString base = path_ + QStringLiteral(".damaged-") + stamp;
    for (int n = 1; n < 100; ++n) {
        const QString name = n == 1 ? base : base + QLatin1Char('-') + QString::number(n);
        if (QFileInfo::exists(name) || QFileInfo(name).isSymLink())
            continue;
        return QFile::rename(path_, name) ? name : QString();
    }
    return {};
}

bool StatisticsFile::write(const Statistics& statistics, QString* error) const
{
    const std::string text = formatStatistics(statistics);
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = tr("The folder \"%1\" could not be made.").arg(QDir::toNativeSeparators(folder));
        return false;
    }
    const QString reason = SafeFiles::write(path_, QByteArray::fromStdString(text));
    if (error)
        *error = reason;
    return reason.isEmpty();
}

} // namespace tavolux
