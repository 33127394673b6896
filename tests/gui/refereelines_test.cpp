// Every referee line of every moment of a game, in every language, is drawn
// whole: in the referee's own face, across its head, on small and large
// screens alike.

#include "lang/gametexts.h"
#include "lang/translations.h"
#include "referee/refereewindow.h"

#include <QSize>

#include <gtest/gtest.h>

#include <vector>

using namespace tavolux;

namespace {

// From the smallest screen the game is played on to a large one; the head
// grows with the screen's width and its text with the screen's height.
const QSize Screens[] = {{1024, 768}, {1280, 720}, {1366, 768}, {1280, 1024}, {1600, 1000},
                         {1920, 1080}, {1920, 1200}, {2560, 1440}, {3840, 2160}};

std::vector<RefereeLines> everyMoment()
{
    const QString name = QStringLiteral("Ann");
    return {GameTexts::welcome(),          GameTexts::personToMove(name),     GameTexts::turnPassed(name),
            GameTexts::boardRepositioning(name), GameTexts::computerThinking(name), GameTexts::gameOver(),
            GameTexts::ownPiece(name),         GameTexts::otherPiece(name),       GameTexts::pieceLifted(name)};
}

class RefereeLinesIn : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { installTranslations({QString::fromLatin1(GetParam())}, translationFolders()); }
    void TearDown() override { installTranslations({QStringLiteral("en")}, translationFolders()); }
};

TEST_P(RefereeLinesIn, EveryLineIsDrawnWholeOnEveryScreen)
{
    if (QLatin1String(GetParam()) != QLatin1String("en")) {
        ASSERT_EQ(installedTranslation(), QLatin1String(GetParam()));
    }
    QWidget owner;
    RefereeWindow referee(&owner);
    QStringList cut;
    for (const QSize& screen : Screens) {
        referee.fitScreen(screen);
        for (const RefereeLines& moment : everyMoment()) {
            for (int i = 0; i < RefereeLineCount; ++i)
                referee.setLine(i, moment.line[i]);
            for (int i = 0; i < RefereeLineCount; ++i) {
                if (referee.shownLine(i) != referee.line(i))
                    cut << QStringLiteral("%1x%2: '%3' shows as '%4'")
                               .arg(screen.width())
                               .arg(screen.height())
                               .arg(referee.line(i), referee.shownLine(i));
            }
        }
    }
    EXPECT_EQ(cut.join(QLatin1Char('\n')).toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, RefereeLinesIn, ::testing::Values("en", "de", "fr", "es", "zh_CN"),
                         [](const auto& info) { return std::string(info.param); });

// The check sees what is drawn: a line too long for the head shows cut.
TEST(RefereeShownLine, IsCutWhereTheHeadIsTooNarrow)
{
    QWidget owner;
    RefereeWindow referee(&owner);
    referee.fitScreen(QSize(1024, 768));
    referee.setLine(3, QStringLiteral("Try a different color."));
    EXPECT_EQ(referee.shownLine(3), referee.line(3));
    referee.setLine(3, QString(30, QLatin1Char('W')));
    EXPECT_TRUE(referee.shownLine(3).endsWith(QChar(0x2026))) << referee.shownLine(3).toStdString();
    EXPECT_LT(referee.shownLine(3).size(), 30);
    EXPECT_EQ(referee.shownLine(4), QString());
}

} // namespace
