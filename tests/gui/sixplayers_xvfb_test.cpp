// Six players on a real X server: a person and five computers at the table
// chosen on the New Game sheet. The person's first move, made with the
// game's command, is answered by all five; then, from a position where
// every player has one step left, the game runs to its results: each
// finish asks the others to play on with the right count, and the results
// hold the podium and the three places after it. Screenshots of the board
// mid-game and of the results.

#include "tests/support/xserver_fixture.h"

#include "dialogs/resultsdialog.h"
#include "model/board.h"

#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>

using namespace tavolux;
using namespace tavolux::playtest;

namespace {

bool inPoint(int hole, int seat)
{
    return std::find(std::begin(StartHoles[seat]), std::end(StartHoles[seat]), hole) != std::end(StartHoles[seat]);
}

bool inAnyPoint(int hole)
{
    for (int seat = 0; seat < PlayerCount; ++seat)
        if (inPoint(hole, seat))
            return true;
    return false;
}

// Every seat's pieces fill its target but one hole; the tenth piece stands
// on a hole of the middle next to that gap.
void oneStepFromTheEnd(GameState& s)
{
    bool taken[HoleCount] = {};
    for (int p = 0; p < PlayerCount; ++p) {
        const uint16_t* target = StartHoles[oppositeSeat(p)];
        int gap = -1, outside = -1;
        for (int i = PiecesPerPlayer - 1; i >= 0 && gap < 0; --i)
            for (int d = 0; d < DirectionCount; ++d) {
                const int n = neighbour(target[i], d);
                if (n >= 0 && !inAnyPoint(n) && !taken[n]) {
                    gap = target[i];
                    outside = n;
                    break;
                }
            }
        ASSERT_GE(gap, 0) << "seat " << p;
        taken[outside] = true;
        int k = p * PiecesPerPlayer;
        for (int i = 0; i < PiecesPerPlayer; ++i)
            if (target[i] != gap)
                s.pieces[k++].hole = target[i];
        s.pieces[k].hole = static_cast<uint16_t>(outside);
    }
    s.playerToMove = 0;
}

TEST_F(PlayTest, ASixPlayerGameOfAPersonAndFiveComputersRunsToItsResults)
{
    QTimer::singleShot(50, [] {
        auto* sheet = qobject_cast<SetupSheet*>(QApplication::activeModalWidget());
        ASSERT_NE(sheet, nullptr);
        sheet->findChild<QRadioButton*>("tableSix")->click();
        auto* tabs = sheet->findChild<QTabWidget*>("setupTabs");
        for (int p = 1; p <= PlayerCount; ++p) {
            tabs->setCurrentIndex(p);
            QWidget* page = tabs->widget(p);
            auto* shown = page->findChild<QLabel*>("pictureLabel");
            for (int i = 0; i < PictureCount && (shown->text() == "Computer") != (p > 1); ++i)
                page->findChild<QPushButton*>("pictureNext")->click();
        }
        sheet->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    window->runCommand(command::NewGame);
    Game& game = window->game();
    const GameState& s = game.state();
    ASSERT_TRUE(eventually([&] { return game.waitingForPerson(); }));
    for (int p = 0; p < PlayerCount; ++p)
        ASSERT_TRUE(s.inPlay(p)) << "seat " << p;
    EXPECT_FALSE(s.slots[0].isComputer());

    const Position opening = s.pieces;
    ASSERT_TRUE(game.moveByHand(0, 103));
    ASSERT_TRUE(eventually([&] { return game.waitingForPerson(); }, 20000));
    EXPECT_EQ(movedPieces(opening), PlayerCount) << "the person's piece and one of each computer";
    QTest::qWait(100);
    shot("six-players-midgame");

    QStringList asked;
    bool resultsSeen = false, otherPlacesListed = false;
    QTimer answers;
    QObject::connect(&answers, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* results = qobject_cast<ResultsDialog*>(modal)) {
            otherPlacesListed = results->findChild<QWidget*>("otherPlaces") != nullptr
                                && results->findChild<QLabel*>("place6Name") != nullptr;
            shot("six-players-results");
            resultsSeen = true;
            results->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            asked << box->text();
            box->button(box->button(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok)->click();
        }
    });
    tavolux::testing::loadEdited(game, oneStepFromTheEnd);
    ASSERT_TRUE(eventually([&] { return game.waitingForPerson(); }));
    const int last = s.pieces[PiecesPerPlayer - 1].hole;
    int gap = -1;
    for (int d = 0; d < DirectionCount; ++d) {
        const int n = neighbour(last, d);
        bool free = n >= 0;
        for (int k = 0; free && k < PieceCount; ++k)
            free = s.pieces[k].hole != n;
        if (free && inPoint(n, oppositeSeat(0)))
            gap = n;
    }
    answers.start(20);
    ASSERT_TRUE(game.moveByHand(PiecesPerPlayer - 1, gap));
    ASSERT_TRUE(eventually([&] { return resultsSeen; }, 30000));
    answers.stop();
    EXPECT_EQ(s.finishOrder[0], 0) << "the person finished first";
    EXPECT_EQ(s.finishCount, PlayerCount);
    EXPECT_TRUE(otherPlacesListed);
    ASSERT_FALSE(asked.isEmpty());
    EXPECT_TRUE(asked.first().contains("still 5 players left")) << asked.first().toStdString();
}

} // namespace
