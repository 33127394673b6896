#include "app/soundplayer.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
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

SoundPlayer::SoundPlayer(QObject* parent)
    : QObject(parent), audioAvailable_(!QMediaDevices::defaultAudioOutput().isNull())
{
}

QSoundEffect* SoundPlayer::effectFor(const QString& fileName)
{
    if (!audioAvailable_)
        return nullptr;
    if (QSoundEffect* cached = effects_.value(fileName))
        return cached;
    const QFileInfo file(fileName);
    if (!file.isFile() || !file.isReadable())
        return nullptr;
    auto* effect = new QSoundEffect(this);
    effect->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    effects_.insert(fileName, effect);
    return effect;
}

void SoundPlayer::play(const QString& fileName)
{
    Q_EMIT requested(fileName);
    if (QSoundEffect* effect = effectFor(fileName))
        effect->play();
}

void SoundPlayer::playAndWait(const QString& fileName, int timeoutMs)
{
    QSoundEffect* effect = effectFor(fileName);
    if (!effect)
        return;
    if (timeoutMs < 0)
        timeoutMs = int(std::clamp<qint64>(qint64(wavDurationMs(fileName)) + WaitMarginMs, WaitMarginMs, LongestWaitMs));

    QEventLoop loop;
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    bool started = false;
    auto start = [&] {
        if (effect->status() == QSoundEffect::Error)
            loop.quit();
        if (effect->status() == QSoundEffect::Ready && !started) {
            started = true;
            effect->play();
        }
    };
    connect(effect, &QSoundEffect::statusChanged, &loop, start);
    connect(effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (started && !effect->isPlaying())
            loop.quit();
    });
    start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
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
