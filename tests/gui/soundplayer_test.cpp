// Sounds: the length read from a WAV file decides how long the start and
// farewell sounds are waited for; broken or missing files are silence.

#include "app/soundplayer.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tavolux;

namespace {

struct Chunk {
    QByteArray id;
    QByteArray body;
    quint32 declaredSize = 0; // 0: the body's size
};

QByteArray fmtBody(quint32 byteRate)
{
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(1) << quint16(1) << quint32(byteRate / 2) << byteRate << quint16(2) << quint16(16);
    return body;
}

QString writeRiff(const QTemporaryDir& dir, const QString& name, const QList<Chunk>& chunks)
{
    QByteArray bytes("RIFF\0\0\0\0WAVE", 12);
    for (const Chunk& c : chunks) {
        QByteArray head = c.id;
        QDataStream out(&head, QIODevice::Append);
        out.setByteOrder(QDataStream::LittleEndian);
        out << (c.declaredSize ? c.declaredSize : quint32(c.body.size()));
        bytes += head + c.body;
        if (c.body.size() % 2)
            bytes += '\0';
    }
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

} // namespace

TEST(WavDuration, ReadsTheLengthFromFormatAndData)
{
    QTemporaryDir dir;
    const QString plain = writeRiff(dir, "plain.wav", {{"fmt ", fmtBody(44100)}, {"data", QByteArray(22050, 0)}});
    EXPECT_EQ(SoundPlayer::wavDurationMs(plain), 500);
    // Other chunks, one of odd length, may come before the samples.
    const QString extra = writeRiff(dir, "extra.wav",
                                    {{"fmt ", fmtBody(88200)}, {"LIST", QByteArray(7, 'x')}, {"data", QByteArray(88200, 0)}});
    EXPECT_EQ(SoundPlayer::wavDurationMs(extra), 1000);
}

TEST(WavDuration, BrokenFilesHaveNoLength)
{
    QTemporaryDir dir;
    EXPECT_EQ(SoundPlayer::wavDurationMs(dir.filePath("missing.wav")), -1);
    EXPECT_EQ(SoundPlayer::wavDurationMs(writeRiff(dir, "nofmt.wav", {{"data", QByteArray(100, 0)}})), -1);
    EXPECT_EQ(SoundPlayer::wavDurationMs(writeRiff(dir, "nodata.wav", {{"fmt ", fmtBody(44100)}})), -1);
    EXPECT_EQ(SoundPlayer::wavDurationMs(writeRiff(dir, "zero.wav", {{"fmt ", fmtBody(0)}, {"data", "ab"}})), -1);
    // A chunk claiming more bytes than the file holds.
    EXPECT_EQ(SoundPlayer::wavDurationMs(
                  writeRiff(dir, "cut.wav", {{"fmt ", fmtBody(44100)}, {"LIST", "ab", 0xFFFFFFF0u}, {"data", "ab"}})),
              -1);
    QFile text(dir.filePath("text.wav"));
    text.open(QIODevice::WriteOnly);
    text.write("just some text, not a sound at all");
    text.close();
    EXPECT_EQ(SoundPlayer::wavDurationMs(text.fileName()), -1);
}

TEST(WavDuration, AHugeDeclaredLengthDoesNotOverflow)
{
    QTemporaryDir dir;
    const QString path = writeRiff(dir, "huge.wav", {{"fmt ", fmtBody(2)}, {"data", "ab", 0xFFFFFFF0u}});
    EXPECT_GT(SoundPlayer::wavDurationMs(path), 1000000);
}

TEST(SoundPlayer, MissingAndBrokenFilesAreSilenceWithoutWaiting)
{
    QTemporaryDir dir;
    SoundPlayer player;
    const QString broken = writeRiff(dir, "broken.wav", {{"fmt ", fmtBody(44100)}});
    QElapsedTimer clock;
    clock.start();
    player.play(dir.filePath("missing.wav"));
    player.playAndWait(dir.filePath("missing.wav"), 30000);
    player.playAndWait(broken, 30000);
    EXPECT_LT(clock.elapsed(), 20000) << "a sound that cannot play is not waited for";
}

namespace {

bool mapped(const char* library)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

} // namespace

// The audio libraries are not linked to the game: they are loaded only where
// a sound server or device shows, so a silent machine starts without them.
TEST(SoundPlayer, LoadsTheAudioLibrariesOnlyWhereSomethingMayBeHeard)
{
    QTemporaryDir runtime;
    const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR"), oldServer = qgetenv("PULSE_SERVER");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    qunsetenv("PULSE_SERVER");
    if (SoundPlayer::audioMayBePresent())
        GTEST_SKIP() << "this machine has a playback device";
    {
        SoundPlayer silent;
        EXPECT_FALSE(silent.audible());
        EXPECT_FALSE(mapped("libQt6Multimedia")) << "the game links the audio libraries";
        EXPECT_FALSE(mapped("libtavolux_audio"));
    }
    // A sound server named: the module is loaded and asked for an output.
    qputenv("PULSE_SERVER", "unix:" + runtime.filePath("no-server").toLocal8Bit());
    EXPECT_TRUE(SoundPlayer::audioMayBePresent());
    {
        SoundPlayer player;
        EXPECT_TRUE(mapped("libtavolux_audio")) << "the audio module beside the program was not loaded";
        player.play(QStringLiteral("TVX04.WAV"));
        player.playAndWait(QStringLiteral("missing.wav"), 30000);
    }
    // A server's socket in the runtime folder counts too.
    qunsetenv("PULSE_SERVER");
    QDir(runtime.path()).mkdir(QStringLiteral("pulse"));
    QFile socket(runtime.filePath(QStringLiteral("pulse/native")));
    ASSERT_TRUE(socket.open(QIODevice::WriteOnly));
    socket.close();
    EXPECT_TRUE(SoundPlayer::audioMayBePresent());
    qputenv("XDG_RUNTIME_DIR", oldRuntime);
    if (!oldServer.isEmpty())
        qputenv("PULSE_SERVER", oldServer);
}
