#include "app/soundplayer.h"

#include "app/soundoutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QtEndian>

#include <algorithm>
#include <climits>

namespace tavolux {

namespace {

constexpr int LongestWaitMs = 10000;
constexpr int WaitMarginMs = 1000;

quint32 readLe32(const char* p)
{
    return qFromLittleEndian<quint32>(p);
}

} // namespace

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent)
{
    if (!audioMayBePresent())
        return;
    QLibrary module(QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(SoundOutputModule));
    if (const auto make = reinterpret_cast<MakeSoundOutput>(module.resolve(SoundOutputEntry)))
        output_ = make(this);
}

bool SoundPlayer::audioMayBePresent()
{
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()
        && (QFileInfo::exists(runtime + QLatin1String("/pulse/native"))
            || QFileInfo::exists(runtime + QLatin1String("/pipewire-0"))))
        return true;
    const QStringList playback = {QStringLiteral("pcmC*p")};
    return !QDir(QStringLiteral("/dev/snd")).entryList(playback, QDir::System).isEmpty();
}

void SoundPlayer::play(const QString& fileName)
{
    Q_EMIT requested(fileName);
    if (output_)
        output_->play(fileName);
}

void SoundPlayer::playAndWait(const QString& fileName, int timeoutMs)
{
    if (!output_ || !QFileInfo(fileName).isFile())
        return;
    if (timeoutMs < 0)
        timeoutMs = int(std::clamp<qint64>(qint64(wavDurationMs(fileName)) + WaitMarginMs, WaitMarginMs, LongestWaitMs));
    output_->playAndWait(fileName, timeoutMs);
}

int SoundPlayer::wavDurationMs(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray head = file.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return -1;
    quint32 byteRate = 0;
    for (;;) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8)
            return -1;
        const quint32 size = readLe32(chunk.constData() + 4);
        if (chunk.startsWith("data"))
            return byteRate == 0 ? -1 : int(std::min<qint64>(qint64(size) * 1000 / byteRate, INT_MAX));
        const qint64 padded = qint64(size) + (size & 1);
        if (chunk.startsWith("fmt ") && size >= 12) {
            const QByteArray format = file.read(12);
            if (format.size() < 12)
                return -1;
            byteRate = readLe32(format.constData() + 8);
            if (file.skip(padded - 12) < padded - 12)
                return -1;
        } else if (file.skip(padded) < padded) {
            return -1;
        }
    }
}

} // namespace tavolux
