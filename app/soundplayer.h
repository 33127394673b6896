#pragma once
// Plays the program's WAV files, looked up beside the program (the current
// folder). Most sounds play without waiting; the start and farewell sounds
// are waited for, up to a time-out. A missing file, an unreadable one or a
// machine without audio output is silence, never an error.

#include <QHash>
#include <QObject>
#include <QString>

class QSoundEffect;

namespace tavolux {

class SoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(QObject* parent = nullptr);

    void play(const QString& fileName);
    // Returns when the sound has ended, or after at most timeoutMs. A
    // negative time-out means the sound's own length plus one second.
    void playAndWait(const QString& fileName, int timeoutMs = -1);

    // Length of a PCM WAV file in milliseconds, or -1 when it is not one.
    static int wavDurationMs(const QString& path);

Q_SIGNALS:
    // A sound was asked for (whether or not it can be heard here).
    void requested(const QString& fileName);

private:
    QSoundEffect* effectFor(const QString& fileName);

    bool audioAvailable_;
    QHash<QString, QSoundEffect*> effects_;
};

} // namespace tavolux
