// The audio module: plays WAV files through Qt Multimedia. Loaded by the
// sound player only where a sound server or an audio device may be found.

#include "app/soundoutput.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFileInfo>
#include <QHash>
#include <QMediaDevices>
#include <QObject>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace tavolux {

namespace {

class EffectOutput : public QObject, public SoundOutput {
public:
    using QObject::QObject;

    void play(const QString& path) override
    {
        if (QSoundEffect* effect = effectFor(path))
            effect->play();
    }

    // The start and farewell sounds are waited for while nothing else runs:
    // the window is not up yet, or is gone.
    void playAndWait(const QString& path, int timeoutMs) override
    {
        QSoundEffect* effect = effectFor(path);
        if (!effect)
            return;
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

private:
    QSoundEffect* effectFor(const QString& path)
    {
        if (QSoundEffect* cached = effects_.value(path))
            return cached;
        const QFileInfo file(path);
        if (!file.isFile() || !file.isReadable())
            return nullptr;
        auto* effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
        effects_.insert(path, effect);
        return effect;
    }

    QHash<QString, QSoundEffect*> effects_;
};

} // namespace

} // namespace tavolux

extern "C" Q_DECL_EXPORT tavolux::SoundOutput* tavoluxSoundOutput(QObject* parent)
{
    if (QMediaDevices::defaultAudioOutput().isNull())
        return nullptr;
    return new tavolux::EffectOutput(parent);
}
