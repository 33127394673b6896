#pragma once
// Plays the program's WAV files, looked up beside the program (the current
// folder). Most sounds play without waiting; the start and farewell sounds
// are waited for, up to a time-out. A missing file, an unreadable one or a
// machine without audio output is silence, never an error.
//
// The audio libraries are loaded only where something may be heard: a sound
// server's socket or an audio device. Elsewhere the game starts without
// them, and is silent.

#include <QObject>
#include <QString>

namespace tavolux {

class SoundOutput;

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

    // Whether sounds reach an audio output here.
    bool audible() const { return output_ != nullptr; }
    // Whether this machine shows a sound server or an audio device: the
    // PULSE_SERVER variable, a server's socket in XDG_RUNTIME_DIR, or a
    // playback device under /dev/snd.
    static bool audioMayBePresent();

Q_SIGNALS:
    // A sound was asked for (whether or not it can be heard here).
    void requested(const QString& fileName);

private:
    SoundOutput* output_ = nullptr; // owned as a child, nullptr: silence
};

} // namespace tavolux
