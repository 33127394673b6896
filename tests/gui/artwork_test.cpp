// The drawn artwork and the files placed beside the program: sizes and roles
// of every picture, seamless wallpapers, the title's transparent background,
// readable splash corner, cursor hot spots, and well-formed sound files.
#include "lang/gametexts.h"
#include "resources/artcache.h"
#include "resources/artwork.h"
#include "resources/drawkit.h"
#include "resources/programresources.h"

#include "model/board.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTransform>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace tavolux;

namespace {

QSize logicalSize(const QPixmap& p) { return p.deviceIndependentSize().toSize(); }

QImage rgbaImage(const QPixmap& p) { return p.toImage().convertToFormat(QImage::Format_ARGB32); }

int channelDistance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// Mean colour distance between the pixels of two images of the same size.
double meanDistance(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            sum += channelDistance(a.pixel(x, y), b.pixel(x, y));
    return sum / (a.width() * a.height());
}

// Mean distance between column x and column x + 1 (wrapping at the edge).
double columnStep(const QImage& image, int x)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        sum += channelDistance(image.pixel(x, y), image.pixel((x + 1) % image.width(), y));
    return sum / image.height();
}

} // namespace

TEST(ArtworkSizes, EveryPictureHasItsStatedLogicalSize)
{
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(logicalSize(art::playerPicture(i)), QSize(96, 96)) << "picture " << i;
    EXPECT_EQ(logicalSize(art::wallpaper(0)), QSize(100, 80));
    EXPECT_EQ(logicalSize(art::wallpaper(1)), QSize(16, 16));
    EXPECT_EQ(logicalSize(art::wallpaper(2)), QSize(16, 16));
    EXPECT_EQ(logicalSize(art::titlePicture()), QSize(216, 71));
    EXPECT_EQ(logicalSize(art::splashPicture()), QSize(623, 312));
    for (bool clockwise : {false, true})
        for (bool pressed : {false, true})
            EXPECT_EQ(logicalSize(art::rotateButtonFace(clockwise, pressed)), QSize(32, 32));
    for (int p = 0; p < PlayerCount; ++p)
        EXPECT_EQ(logicalSize(art::playerIcon(p)), QSize(32, 32));
    for (int size : art::AppIconSizes)
        EXPECT_EQ(art::appIconPixmap(size).size(), QSize(size, size));
    EXPECT_EQ(art::ownPieceCursor().pixmap().size(), QSize(32, 32));
    EXPECT_EQ(art::otherPieceCursor().pixmap().size(), QSize(32, 32));
}

TEST(ArtworkSizes, PicturesAreSharpOnDoubleDensityScreens)
{
    EXPECT_EQ(art::playerPicture(0).size(), QSize(192, 192));
    EXPECT_EQ(art::splashPicture().devicePixelRatio(), 2.0);
}

TEST(ArtworkSizes, IndicesOutOfRangeGiveNothingInsteadOfFailing)
{
    EXPECT_TRUE(art::playerPicture(-1).isNull());
    EXPECT_TRUE(art::playerPicture(7).isNull());
    EXPECT_TRUE(art::wallpaper(3).isNull());
    EXPECT_TRUE(art::playerIcon(-1).isNull());
    EXPECT_TRUE(art::playerIcon(PlayerCount).isNull());
    EXPECT_TRUE(art::appIconPixmap(0).isNull());
}

TEST(ArtworkAlpha, BackgroundsAreOpaqueAndFreeShapesHaveTransparentCorners)
{
    auto alphaAt = [](const QPixmap& p, int x, int y) { return qAlpha(rgbaImage(p).pixel(x, y)); };
    auto corners = [&](const QPixmap& p) {
        const QImage image = rgbaImage(p);
        const int r = image.width() - 1, b = image.height() - 1;
        return std::max({qAlpha(image.pixel(0, 0)), qAlpha(image.pixel(r, 0)), qAlpha(image.pixel(0, b)),
                         qAlpha(image.pixel(r, b))});
    };
    for (int w = 0; w < art::WallpaperCount; ++w)
        EXPECT_FALSE(art::wallpaper(w).hasAlphaChannel()) << w;
    EXPECT_EQ(corners(art::splashPicture()), 255);
    for (int size : art::AppIconSizes) {
        EXPECT_EQ(corners(art::appIconPixmap(size)), 0) << size;
        EXPECT_EQ(alphaAt(art::appIconPixmap(size), size / 2, size / 2), 255) << size;
    }
    for (int p = 0; p < PlayerCount; ++p)
        EXPECT_EQ(corners(art::playerIcon(p)), 0) << p;
    EXPECT_EQ(corners(art::ownPieceCursor().pixmap()), 0);
    EXPECT_EQ(corners(art::otherPieceCursor().pixmap()), 0);
}

TEST(StarBoardDrawing, NeighbouringHolesArePitchApartAndTheStarIsCentred)
{
    const QPointF centre(100, 100);
    const qreal pitch = 10;
    for (int hole = 0; hole < HoleCount; ++hole)
        for (int dir = 0; dir < DirectionCount; ++dir) {
            const int next = neighbour(hole, dir);
            if (next < 0)
                continue;
            const QPointF d = art::starHole(hole, centre, pitch) - art::starHole(next, centre, pitch);
            EXPECT_NEAR(std::hypot(d.x(), d.y()), pitch, 1e-9) << hole << " to " << next;
        }
    EXPECT_EQ(art::starHole(60, centre, pitch), centre);
    const QPointF top = art::starHole(0, centre, pitch), bottom = art::starHole(120, centre, pitch);
    EXPECT_DOUBLE_EQ(top.x(), centre.x());
    EXPECT_DOUBLE_EQ(top.y() + bottom.y(), 2 * centre.y());
    EXPECT_LT(top.y(), bottom.y());
}

TEST(ArtworkCache, EachPictureIsDrawnOnce)
{
    EXPECT_EQ(art::playerPicture(6).cacheKey(), art::playerPicture(6).cacheKey());
    EXPECT_EQ(art::splashPicture().cacheKey(), art::splashPicture().cacheKey());
    EXPECT_EQ(art::wallpaper(0).cacheKey(), art::wallpaper(0).cacheKey());
}

namespace {

QPixmap filled(QColor colour, int& draws)
{
    ++draws;
    QImage image = tavolux::art::canvas(20, 10, 2.0);
    image.fill(colour);
    return QPixmap::fromImage(image);
}

} // namespace

// Pictures kept on disk come back as drawn, and never from another build of
// the program or from a damaged file.
TEST(ArtworkCache, KeptPicturesAreReadBackOnlyForTheSameEdition)
{
    using tavolux::art::cachedPixmap;
    using tavolux::art::keepPicturesIn;
    QTemporaryDir dir;
    int draws = 0;
    keepPicturesIn(dir.path(), QStringLiteral("build-a"));
    const QImage red = cachedPixmap(QStringLiteral("test@2"), [&] { return filled(Qt::red, draws); }).toImage();
    EXPECT_EQ(draws, 1);

    // A later start of the same build reads the picture instead of drawing.
    keepPicturesIn(dir.path(), QStringLiteral("build-a"));
    const QPixmap again = cachedPixmap(QStringLiteral("test@2"), [&] { return filled(Qt::blue, draws); });
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(again.toImage(), red);
    EXPECT_EQ(again.devicePixelRatio(), 2.0);
    const QImage splash = tavolux::art::splashPicture(1.0).toImage();
    keepPicturesIn(dir.path(), QStringLiteral("build-a"));
    EXPECT_EQ(tavolux::art::splashPicture(1.0).toImage(), splash) << "a real picture changed on its way through the file";

    // A damaged file is drawn anew.
    const QString file = dir.filePath(QStringLiteral("build-a/test_2.pic"));
    ASSERT_TRUE(QFile::exists(file));
    QFile(file).resize(100);
    keepPicturesIn(dir.path(), QStringLiteral("build-a"));
    EXPECT_EQ(cachedPixmap(QStringLiteral("test@2"), [&] { return filled(Qt::green, draws); }).toImage().pixelColor(0, 0),
              QColor(Qt::green));

    // Another build draws its own, and the old build's pictures go.
    keepPicturesIn(dir.path(), QStringLiteral("build-b"));
    EXPECT_EQ(cachedPixmap(QStringLiteral("test@2"), [&] { return filled(Qt::blue, draws); }).toImage().pixelColor(0, 0),
              QColor(Qt::blue));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("build-a"))));
    keepPicturesIn(QString(), QString());
}

TEST(PlayerPictures, AreOpaqueAndClearlyDifferentFromEachOther)
{
    QImage pictures[7];
    for (int i = 0; i < 7; ++i) {
        pictures[i] = rgbaImage(art::playerPicture(i));
        for (QPoint corner : {QPoint(0, 0), QPoint(191, 0), QPoint(0, 191), QPoint(191, 191), QPoint(96, 96)})
            EXPECT_EQ(qAlpha(pictures[i].pixel(corner)), 255) << "picture " << i;
    }
    for (int i = 0; i < 7; ++i)
        for (int j = i + 1; j < 7; ++j)
            EXPECT_GT(meanDistance(pictures[i], pictures[j]), 40.0) << "pictures " << i << " and " << j;
}

TEST(Wallpapers, TileWithoutVisibleSeams)
{
    for (int w = 0; w < art::WallpaperCount; ++w) {
        const QImage tile = rgbaImage(art::wallpaper(w));
        const QImage turned = tile.transformed(QTransform().rotate(90));
        for (const QImage& image : {tile, turned}) {
            double interior = 0;
            for (int x = 0; x + 1 < image.width(); ++x)
                interior += columnStep(image, x);
            interior /= image.width() - 1;
            EXPECT_LE(columnStep(image, image.width() - 1), 2.0 * interior + 6) << "wallpaper " << w;
        }
    }
}

TEST(Wallpapers, AreThreeDifferentLooks)
{
    auto meanColour = [](const QPixmap& p) {
        const QImage image = rgbaImage(p);
        long r = 0, g = 0, b = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                QRgb c = image.pixel(x, y);
                r += qRed(c), g += qGreen(c), b += qBlue(c);
            }
        const long n = long(image.width()) * image.height();
        return qRgb(int(r / n), int(g / n), int(b / n));
    };
    const QRgb wood = meanColour(art::wallpaper(0)), baize = meanColour(art::wallpaper(1)), quilt = meanColour(art::wallpaper(2));
    EXPECT_GT(channelDistance(wood, baize), 60);
    EXPECT_GT(channelDistance(wood, quilt), 60);
    EXPECT_GT(channelDistance(baize, quilt), 60);
}

TEST(Title, BackgroundIsTransparentBlackAndLetteringHasNoBlack)
{
    const QImage title = rgbaImage(art::titlePicture());
    for (QPoint corner : {QPoint(0, 0), QPoint(title.width() - 1, 0), QPoint(0, title.height() - 1),
                          QPoint(title.width() - 1, title.height() - 1)})
        EXPECT_EQ(title.pixel(corner), 0u);
    int opaque = 0, opaqueBlack = 0;
    for (int y = 0; y < title.height(); ++y)
        for (int x = 0; x < title.width(); ++x) {
            QRgb c = title.pixel(x, y);
            opaque += qAlpha(c) == 255;
            opaqueBlack += c == qRgb(0, 0, 0);
        }
    EXPECT_GT(opaque, title.width() * title.height() / 6);
    EXPECT_EQ(opaqueBlack, 0) << "leaving black out would punch holes into the lettering";
}

TEST(ProgramResources, HoldTheDrawnArtworkAndFallBackToTheFirstWallpaper)
{
    const ProgramResources r = ProgramResources::load();
    EXPECT_EQ(rgbaImage(r.title), rgbaImage(art::titlePicture()));
    for (int p = 0; p < PictureCount; ++p)
        EXPECT_EQ(r.pictures[p].cacheKey(), art::playerPicture(p).cacheKey()) << p;
    for (int p = 0; p < PlayerCount; ++p)
        EXPECT_EQ(r.playerIcons[p].cacheKey(), art::playerIcon(p).cacheKey()) << p;
    EXPECT_EQ(r.rotateFaces[1][0].cacheKey(), art::rotateButtonFace(true, false).cacheKey());
    EXPECT_EQ(r.rotateFaces[0][1].cacheKey(), art::rotateButtonFace(false, true).cacheKey());
    EXPECT_EQ(r.ownPieceCursor.pixmap().cacheKey(), art::ownPieceCursor().pixmap().cacheKey());
    for (int w : {0, 1, 2})
        EXPECT_EQ(r.wallpaper(w).cacheKey(), art::wallpaper(w).cacheKey()) << w;
    for (int w : {-1, 3})
        EXPECT_EQ(r.wallpaper(w).cacheKey(), art::wallpaper(0).cacheKey()) << w;

    // Made in two goes, the same pictures.
    ProgramResources early = ProgramResources::loadForFirstPicture();
    EXPECT_EQ(early.wallpaper(1).cacheKey(), r.wallpaper(1).cacheKey());
    EXPECT_TRUE(early.pictures[1].isNull());
    EXPECT_TRUE(early.appIcon.isNull());
    early.loadRest();
    EXPECT_EQ(early.pictures[1].cacheKey(), r.pictures[1].cacheKey());
    EXPECT_EQ(early.playerIcons[2].cacheKey(), r.playerIcons[2].cacheKey());
    EXPECT_FALSE(early.appIcon.isNull());
}

TEST(Splash, DrawnForTheScreensDensityAsForADenseOne)
{
    const QPixmap plain = art::splashPicture(1.0);
    EXPECT_EQ(plain.devicePixelRatio(), 1.0);
    EXPECT_EQ(plain.size(), QSize(623, 312));
    const QImage dense = art::splashPicture().toImage().scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage one = plain.toImage();
    int far = 0;
    for (int y = 0; y < one.height(); y += 7)
        for (int x = 0; x < one.width(); x += 7)
            far += std::abs(qGray(one.pixel(x, y)) - qGray(dense.pixel(x, y))) > 48;
    EXPECT_LT(far, one.width() * one.height() / 49 / 50) << "the two densities draw different pictures";
}

TEST(Splash, TopLeftCornerIsLightEnoughForBlackText)
{
    const QImage splash = rgbaImage(art::splashPicture());
    // "Chinese Checkers" in 16-pixel bold at (8, 22) reaches about (150, 40).
    for (int y = 2 * 4; y < 2 * 42; ++y)
        for (int x = 2 * 6; x < 2 * 160; ++x)
            ASSERT_GT(qGray(splash.pixel(x, y)), 190) << x << "," << y;
}

TEST(RotateButtons, DirectionsMirrorEachOtherAndPressingChangesTheFace)
{
    const QImage clockwise = rgbaImage(art::rotateButtonFace(true, false));
    const QImage counter = rgbaImage(art::rotateButtonFace(false, false));
    EXPECT_LT(meanDistance(clockwise, counter.mirrored(true, false)), 3.0);
    EXPECT_GT(meanDistance(clockwise, counter), 20.0);
    for (bool direction : {true, false})
        EXPECT_GT(meanDistance(rgbaImage(art::rotateButtonFace(direction, false)),
                               rgbaImage(art::rotateButtonFace(direction, true))), 10.0);
}

TEST(Icons, PlayerIconsShowThePlayersColours)
{
    const QRgb expected[PlayerCount] = {qRgb(255, 255, 0), qRgb(0, 255, 255), qRgb(255, 0, 0),
                                        qRgb(40, 90, 255), qRgb(20, 190, 40), qRgb(255, 140, 0)};
    for (int p = 0; p < PlayerCount; ++p) {
        const QImage icon = rgbaImage(art::playerIcon(p));
        QRgb centre = icon.pixel(icon.width() / 2 + 6, icon.height() / 2 + 6);
        EXPECT_LT(channelDistance(centre, expected[p]), 180) << "player " << p;
        for (int q = 0; q < PlayerCount; ++q) {
            if (q == p)
                continue;
            // The classic three lie far apart; every seat's icon is nearest its own colour.
            if (p < DesignSeatCount && q < DesignSeatCount) {
                EXPECT_GT(channelDistance(centre, expected[q]), 250) << "player " << p << " against " << q;
            }
            EXPECT_GT(channelDistance(centre, expected[q]), channelDistance(centre, expected[p]))
                << "player " << p << " against " << q;
        }
    }
}

TEST(Icons, ApplicationIconOffersEverySize)
{
    const QList<QSize> sizes = art::appIcon().availableSizes();
    for (int size : art::AppIconSizes)
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
}

TEST(Cursors, HotSpotsLieOnTheDrawnShape)
{
    for (const QCursor& cursor : {art::ownPieceCursor(), art::otherPieceCursor()}) {
        const QImage image = rgbaImage(cursor.pixmap());
        EXPECT_EQ(qAlpha(image.pixel(cursor.hotSpot())), 255);
    }
}

// ---------------------------------------------------------------- files

namespace {

QByteArray fileBesideProgram(const char* name)
{
    QFile file(QStringLiteral(TAVOLUX_BIN_DIR "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

uint32_t le32(const QByteArray& b, int at) { uint32_t v; std::memcpy(&v, b.constData() + at, 4); return v; }
uint16_t le16(const QByteArray& b, int at) { uint16_t v; std::memcpy(&v, b.constData() + at, 2); return v; }

struct WavInfo {
    bool valid = false;
    double seconds = 0;
    double peak = 0;    // 0..1
};

WavInfo readWav(const QByteArray& b)
{
    WavInfo info;
    if (b.size() < 44 || !b.startsWith("RIFF") || b.mid(8, 8) != "WAVEfmt " || b.mid(36, 4) != "data")
        return info;
    const uint32_t rate = le32(b, 24), dataBytes = le32(b, 40);
    const bool pcm16mono = le16(b, 20) == 1 && le16(b, 22) == 1 && le16(b, 34) == 16 && le16(b, 32) == 2;
    if (!pcm16mono || (rate != 22050 && rate != 44100) || le32(b, 28) != rate * 2)
        return info;
    if (le32(b, 4) != uint32_t(b.size() - 8) || dataBytes != uint32_t(b.size() - 44))
        return info;
    info.valid = true;
    info.seconds = double(dataBytes / 2) / rate;
    for (uint32_t i = 0; i < dataBytes / 2; ++i)
        info.peak = std::max(info.peak, std::abs(int16_t(le16(b, 44 + 2 * i)) / 32768.0));
    return info;
}

} // namespace

TEST(Sounds, AreWellFormedAudibleAndOfTheirIntendedLength)
{
    struct Expect { const char* name; double minSeconds, maxSeconds; };
    const Expect sounds[] = {{"TVX01.WAV", 0.8, 1.5}, {"TVX02.WAV", 0.8, 1.5}, {"TVX03.WAV", 0.2, 0.45},
                             {"TVX04.WAV", 0.6, 1.6}, {"TVX05.WAV", 0.6, 1.6}, {"TVX06.WAV", 0.6, 1.6},
                             {"TVX07.WAV", 0.6, 1.6}, {"TVX08.WAV", 0.6, 1.6}, {"TVX09.WAV", 0.6, 1.6}};
    for (const Expect& e : sounds) {
        const WavInfo info = readWav(fileBesideProgram(e.name));
        ASSERT_TRUE(info.valid) << e.name;
        EXPECT_GE(info.seconds, e.minSeconds) << e.name;
        EXPECT_LE(info.seconds, e.maxSeconds) << e.name;
        EXPECT_GT(info.peak, 0.25) << e.name << " is nearly silent";
        EXPECT_LT(info.peak, 0.95) << e.name << " is clipped";
    }
}

TEST(Sounds, StartAndEndWithoutAClickAndCarryNoOffset)
{
    for (int n = 1; n <= 9; ++n) {
        const QByteArray name = QByteArray("TVX0") + char('0' + n) + ".WAV";
        const QByteArray b = fileBesideProgram(name.constData());
        ASSERT_GT(b.size(), 44 + 2000) << name.constData();
        const int samples = (b.size() - 44) / 2;
        auto at = [&](int i) { return int16_t(le16(b, 44 + 2 * i)) / 32768.0; };
        EXPECT_LT(std::abs(at(0)), 0.02) << name.constData();
        EXPECT_LT(std::abs(at(samples - 1)), 0.002) << name.constData();
        double sum = 0;
        for (int i = 0; i < samples; ++i)
            sum += at(i);
        EXPECT_LT(std::abs(sum / samples), 0.01) << name.constData() << " has a DC offset";
    }
}

TEST(Sounds, EverySeatHasAFanfareOfItsOwn)
{
    QList<QByteArray> fanfares;
    for (int seat = 0; seat < tavolux::PlayerCount; ++seat) {
        const QByteArray name = tavolux::GameTexts::finishSound(seat).toLatin1();
        const QByteArray sound = fileBesideProgram(name.constData());
        ASSERT_FALSE(sound.isEmpty()) << name.constData();
        EXPECT_FALSE(fanfares.contains(sound)) << name.constData() << " repeats another seat's";
        fanfares << sound;
    }
}

TEST(TextFiles, LieBesideTheProgramAndFitTheAboutBoxWhole)
{
    for (const char* name : {"README.TXT", "LICENSE.TXT"}) {
        const QByteArray text = fileBesideProgram(name);
        EXPECT_GT(text.size(), 200) << name;
        EXPECT_LT(text.size(), 30719) << name << " would be cut off in the About box";
        EXPECT_FALSE(text.contains('\0')) << name;
    }
    EXPECT_TRUE(fileBesideProgram("LICENSE.TXT").contains("The Tavolux developers"));
}

TEST(DesktopFiles, LauncherAndMetadataNameTheProgramAndItsIcon)
{
    const QString resources = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../../resources/");
    QFile desktop(resources + QStringLiteral("io.github.tavolux.Tavolux.desktop"));
    ASSERT_TRUE(desktop.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = desktop.readAll().split('\n');
    EXPECT_EQ(lines.first(), "[Desktop Entry]");
    for (const char* line : {"Type=Application", "Exec=tavolux %f", "Icon=io.github.tavolux.Tavolux",
                             "Categories=Qt;Game;BoardGame;", "Name=Tavolux"})
        EXPECT_TRUE(lines.contains(line)) << line;
    QFile metainfo(resources + QStringLiteral("io.github.tavolux.Tavolux.metainfo.xml"));
    ASSERT_TRUE(metainfo.open(QIODevice::ReadOnly));
    const QByteArray xml = metainfo.readAll();
    EXPECT_TRUE(xml.contains("<id>io.github.tavolux.Tavolux</id>"));
    EXPECT_TRUE(xml.contains("<launchable type=\"desktop-id\">io.github.tavolux.Tavolux.desktop</launchable>"));
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
