// The remembered settings: defaults, the reading rules for odd values, the
// round trip through the INI file, the usable-rectangle test and the default
// window layout.

#include "app/settings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>
#include <csignal>

#include <sys/resource.h>

using namespace tavolux;

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("Tavolux.ini")); }

    void writeFile(const QByteArray& text)
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    RememberedSettings read()
    {
        QSettings store(path(), QSettings::IniFormat);
        return readSettings(store);
    }
};

TEST_F(SettingsFileTest, FirstRunGivesTheDefaults)
{
    const RememberedSettings s = read();
    EXPECT_EQ(s.windowLeft, 0);
    EXPECT_EQ(s.windowTop, 0);
    EXPECT_EQ(s.windowRight, 0);
    EXPECT_EQ(s.windowBottom, 0);
    EXPECT_FALSE(s.windowMaximized);
    EXPECT_TRUE(s.refereeVisible);
    EXPECT_EQ(s.wallpaperIndex, 0);
    EXPECT_EQ(s.animationSpeed, 0);
    EXPECT_TRUE(s.showLastMoves);
    EXPECT_TRUE(s.showDestinations);
    EXPECT_TRUE(s.pieceSymbols) << "a new install shows the symbols";
}

// Settings kept from before the symbols keep the pieces as they were.
TEST_F(SettingsFileTest, TheSymbolsAreOffForSettingsFromBeforeThem)
{
    writeFile("[Tavolux]\nWallPaperID=1\n");
    EXPECT_FALSE(read().pieceSymbols);
    EXPECT_TRUE(read().showDestinations);
    writeFile("[Tavolux]\nWallPaperID=1\nPieceSymbols=1\nShowDestinations=0\n");
    EXPECT_TRUE(read().pieceSymbols);
    EXPECT_FALSE(read().showDestinations);
}

TEST_F(SettingsFileTest, ValuesOutOfRangeSelectNothingInvalid)
{
    writeFile("[Tavolux]\nWallPaperID=7\nAnimationSpeed=5\n");
    EXPECT_EQ(read().wallpaperIndex, 0);
    EXPECT_EQ(read().animationSpeed, 1);

    writeFile("[Tavolux]\nWallPaperID=-1\nAnimationSpeed=-3\n");
    EXPECT_EQ(read().wallpaperIndex, 0);
    EXPECT_EQ(read().animationSpeed, 0);

    writeFile("[Tavolux]\nWallPaperID=2\nAnimationSpeed=1\n");
    EXPECT_EQ(read().wallpaperIndex, 2);
    EXPECT_EQ(read().animationSpeed, 1);
}

TEST_F(SettingsFileTest, FlagsAreAnyNonZeroNumberAndTextReadsAsZero)
{
    writeFile("[Tavolux]\nWindowMaximized=-4\nRefereeVisible=yes\n");
    EXPECT_TRUE(read().windowMaximized);
    EXPECT_FALSE(read().refereeVisible) << "a text that is no number reads as 0";

    writeFile("[Tavolux]\nRefereeVisible=\n");
    EXPECT_FALSE(read().refereeVisible);

    writeFile("[Tavolux]\nShowLastMoves=0\nWallPaperID=1\n");
    EXPECT_FALSE(read().showLastMoves);
    writeFile("[Tavolux]\nShowLastMoves=-7\n");
    EXPECT_TRUE(read().showLastMoves);
}

TEST_F(SettingsFileTest, OtherGroupsAreNotRead)
{
    writeFile("[General]\nWallPaperID=2\n[Other]\nRefereeVisible=0\n");
    EXPECT_EQ(read().wallpaperIndex, 0);
    EXPECT_TRUE(read().refereeVisible);
}

TEST_F(SettingsFileTest, WrittenValuesAreDecimalTextsReadBackUnchanged)
{
    RememberedSettings s;
    s.windowLeft = -8;
    s.windowTop = 12;
    s.windowRight = 1272;
    s.windowBottom = 900;
    s.windowMaximized = true;
    s.refereeVisible = false;
    s.wallpaperIndex = 2;
    s.animationSpeed = 1;
    s.showLastMoves = false;
    s.showDestinations = false;
    s.pieceSymbols = false;
    {
        QSettings store(path(), QSettings::IniFormat);
        writeSettings(store, s);
    }
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("[Tavolux]"));
    EXPECT_TRUE(text.contains("WindowLeft=-8"));
    EXPECT_TRUE(text.contains("WindowMaximized=1"));
    EXPECT_TRUE(text.contains("RefereeVisible=0"));
    EXPECT_TRUE(text.contains("WallPaperID=2"));
    EXPECT_TRUE(text.contains("ShowLastMoves=0"));
    EXPECT_TRUE(text.contains("ShowDestinations=0"));
    EXPECT_TRUE(text.contains("PieceSymbols=0"));

    const RememberedSettings back = read();
    EXPECT_EQ(back.windowRect(), s.windowRect());
    EXPECT_TRUE(back.windowMaximized);
    EXPECT_FALSE(back.refereeVisible);
    EXPECT_EQ(back.wallpaperIndex, 2);
    EXPECT_EQ(back.animationSpeed, 1);
    EXPECT_FALSE(back.showLastMoves);
    EXPECT_FALSE(back.showDestinations);
    EXPECT_FALSE(back.pieceSymbols);
}

TEST(ProfileIntTest, ReadsTheNumberATextStartsWith)
{
    EXPECT_EQ(profileInt(QStringLiteral("42")), 42);
    EXPECT_EQ(profileInt(QStringLiteral("  -17px")), -17);
    EXPECT_EQ(profileInt(QStringLiteral("+5")), 5);
    EXPECT_EQ(profileInt(QStringLiteral("12,34")), 12);
    EXPECT_EQ(profileInt(QStringLiteral("")), 0);
    EXPECT_EQ(profileInt(QStringLiteral("-")), 0);
    EXPECT_EQ(profileInt(QStringLiteral("x7")), 0);
    EXPECT_EQ(profileInt(QStringLiteral("99999999999999999999")), INT_MAX);
    EXPECT_EQ(profileInt(QStringLiteral("-99999999999999999999")), INT_MIN);
    EXPECT_EQ(profileInt(QStringLiteral("-2147483648")), INT_MIN);
}

RememberedSettings rect(int l, int t, int r, int b)
{
    RememberedSettings s;
    s.windowLeft = l;
    s.windowTop = t;
    s.windowRight = r;
    s.windowBottom = b;
    return s;
}

TEST(UsableRectTest, MustBeNonEmptyAndOverlapTheWorkArea)
{
    const QRect work(0, 30, 1600, 970); // right edge 1600, bottom 1000, exclusive
    EXPECT_TRUE(isUsableWindowRect(rect(100, 100, 900, 700), work));
    EXPECT_FALSE(isUsableWindowRect(rect(100, 100, 100, 700), work)) << "no width";
    EXPECT_FALSE(isUsableWindowRect(rect(100, 700, 900, 100), work)) << "upside down";
    EXPECT_FALSE(isUsableWindowRect(rect(-900, 100, 0, 700), work)) << "wholly left of the work area";
    EXPECT_TRUE(isUsableWindowRect(rect(-900, 100, 1, 700), work));
    EXPECT_FALSE(isUsableWindowRect(rect(1600, 100, 2400, 700), work)) << "wholly right of it";
    EXPECT_TRUE(isUsableWindowRect(rect(1599, 100, 2400, 700), work));
    EXPECT_FALSE(isUsableWindowRect(rect(100, -500, 900, 30), work)) << "wholly above it";
    EXPECT_FALSE(isUsableWindowRect(rect(100, 1000, 900, 1700), work)) << "wholly below it";
    EXPECT_FALSE(isUsableWindowRect(rect(INT_MIN, INT_MIN, INT_MAX, INT_MIN), work));
    EXPECT_TRUE(isUsableWindowRect(rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), work));
}

TEST(DefaultLayoutTest, EightyPercentOfTheScreenInsideTheWorkArea)
{
    const QRect outer = defaultWindowRect(QSize(1600, 1000), QRect(0, 0, 1600, 960), 20);
    EXPECT_EQ(outer, QRect(40, 25, 1280, 815));

    const QRect belowAPanel = defaultWindowRect(QSize(1600, 1000), QRect(64, 32, 1536, 968), 20);
    EXPECT_EQ(belowAPanel.topLeft(), QPoint(64 + 40, 32 + 25));
    EXPECT_EQ(belowAPanel.size(), outer.size());

    EXPECT_EQ(defaultWindowRect(QSize(1366, 768), QRect(0, 0, 1366, 768), 23), QRect(34, 19, 1092, 633));
}

} // namespace

// A settings file that cannot be written (here a size limit stops it half
// way, as a full disk would) stays as it was, and the failure is reported.
TEST_F(SettingsFileTest, AFailedWriteKeepsTheOldFileAndSaysWhy)
{
    QByteArray old = "[Tavolux]\nWallPaperID=2\n[Notes]\n";
    for (int i = 0; i < 60; ++i)
        old += "note" + QByteArray::number(i) + "=kept as it was\n";
    writeFile(old);
    RememberedSettings s;
    s.windowLeft = 5;
    QString error;
    {
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 200;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        QSettings store(path(), QSettings::IniFormat);
        error = writeSettings(store, s);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
    }
    EXPECT_TRUE(error.contains(QStringLiteral("could not be saved"))) << error.toStdString();
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Tavolux.ini")});

    // With room again the keys are replaced and the other groups kept.
    QSettings store(path(), QSettings::IniFormat);
    EXPECT_TRUE(writeSettings(store, s).isEmpty());
    file.close();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray now = file.readAll();
    EXPECT_EQ(now.count("WallPaperID="), 1);
    EXPECT_TRUE(now.contains("[Tavolux]\nWallPaperID=0\nWindowLeft=5\n")) << now.toStdString();
    EXPECT_TRUE(now.endsWith("[Notes]\nnote0=kept as it was\n" + old.mid(old.indexOf("note1=")))) << now.toStdString();
    EXPECT_EQ(read().windowLeft, 5);
}
