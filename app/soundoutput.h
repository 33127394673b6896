#pragma once
// What plays the sounds: the audio libraries, kept in a module of their own
// (libtavolux_audio.so beside the program) so that the game starts without
// loading them, and loads them only where something can be heard.

#include <QString>

class QObject;

namespace tavolux {

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Starts the sound and returns.
    virtual void play(const QString& path) = 0;
    // Plays the sound and returns when it has ended, or after timeoutMs.
    virtual void playAndWait(const QString& path, int timeoutMs) = 0;
};

// The module's one entry point, named SoundOutputEntry: the output of the
// machine's default audio device, owned by `parent`, or nullptr when the
// machine has none.
using MakeSoundOutput = SoundOutput* (*)(QObject* parent);
inline constexpr const char* SoundOutputEntry = "tavoluxSoundOutput";
inline constexpr const char* SoundOutputModule = "libtavolux_audio.so";

} // namespace tavolux
