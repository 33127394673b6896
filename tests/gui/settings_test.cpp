// The remembered settings: defaults, the reading rules for odd values, the
// round trip through the INI file, the usable-rectangle test and the default
// window layout.

#include "app/settings.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>

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

    const RememberedSettings back = read();
    EXPECT_EQ(back.windowRect(), s.windowRect());
    EXPECT_TRUE(back.windowMaximized);
    EXPECT_FALSE(back.refereeVisible);
    EXPECT_EQ(back.wallpaperIndex, 2);
    EXPECT_EQ(back.animationSpeed, 1);
    EXPECT_FALSE(back.showLastMoves);
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
