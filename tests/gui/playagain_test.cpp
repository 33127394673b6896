// Play Again from the results, and the New Game sheet's players remembered
// from one run to the next until Default Settings brings back the first.

#include "app/commands.h"
#include "dialogs/resultsdialog.h"
#include "dialogs/setupsheet.h"
#include "model/board.h"
#include "tests/support/window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using namespace tavolux;
using tavolux::testing::WindowPlayTest;

namespace {

class PlayAgainTest : public WindowPlayTest {
protected:
    // Runs New Game with `edit` acting on the sheet before OK; the names,
    // strengths and active boxes the sheet showed on opening are noted.
    QStringList newGame(const std::function<void(SetupSheet&)>& edit = {})
    {
        QStringList shown;
        tavolux::testing::whenOpen([&](QWidget* open) {
            auto* sheet = qobject_cast<SetupSheet*>(open);
            ASSERT_NE(sheet, nullptr);
            auto* tabs = sheet->findChild<QTabWidget*>("setupTabs");
            for (int p = 1; p <= DesignSeatCount; ++p) {
                shown << QString::number(sheet->findChild<QCheckBox*>(QStringLiteral("activePlayer%1").arg(p))->isChecked());
                tabs->setCurrentIndex(p);
                shown << tabs->widget(p)->findChild<QLineEdit*>("nameEdit")->text()
                      << tabs->widget(p)->findChild<QComboBox*>("strength")->currentText();
            }
            tabs->setCurrentIndex(0);
            if (edit)
                edit(*sheet);
            sheet->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        EXPECT_TRUE(window->runCommand(command::NewGame));
        return shown;
    }

    // The window closed (its settings written) and opened again.
    void restart()
    {
        tavolux::testing::answerNextBox(QMessageBox::Yes);
        window->close();
        window = std::make_unique<MainWindow>(*resources, sounds);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    const QStringList designed{"1", "Human", "Standard", "1", "Silicon", "Standard", "1", "Positron", "Standard"};
};

TEST_F(PlayAgainTest, PlayAgainStartsTheSameTableAtOnce)
{
    startGame(3, 0, 0, [](GameState& chosen) {
        chosen.slots[1].name = "Deep";
        chosen.slots[1].strength = Expert;
        chosen.slots[2].active = 0;
    });
    const GameState before = window->game().state();
    bool sheetOpened = false;
    QTimer answers;
    QObject::connect(&answers, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            box->button(QMessageBox::Ok)->click();
        else if (auto* results = qobject_cast<ResultsDialog*>(modal))
            results->findChild<QPushButton*>("playAgainButton")->click();
        else if (qobject_cast<SetupSheet*>(modal))
            sheetOpened = true;
    });
    answers.start(10);
    loadEdited([](GameState& record) {
        int k = 0; // the person's pieces all home but one, a step away
        for (int h = 0; h < HoleCount && k < PiecesPerPlayer; ++h)
            if (holeDistance(h, TargetApex[0]) <= 3)
                record.pieces[k++].hole = static_cast<uint16_t>(h);
        record.playerToMove = 1;
    });
    const GameState& s = window->game().state();
    ASSERT_TRUE(tavolux::testing::eventually([&] { return s.gameInProgress() && s.finishCount == 0; }));
    answers.stop();
    EXPECT_FALSE(sheetOpened);
    for (int p = 0; p < PlayerCount; ++p) {
        EXPECT_EQ(s.slots[p].name, before.slots[p].name);
        EXPECT_EQ(s.slots[p].picture, before.slots[p].picture);
        EXPECT_EQ(s.slots[p].active, before.slots[p].active);
        EXPECT_EQ(s.slots[p].strength, before.slots[p].strength);
        EXPECT_EQ(s.slots[p].finished, 0);
    }
    GameState fresh = s;
    placeStartingPieces(fresh);
    EXPECT_TRUE(window->game().moveList().current() <= 1) << "a new game from its opening";
    EXPECT_EQ(window->game().moveList().start().pieces, fresh.pieces);
}

TEST_F(PlayAgainTest, TheSheetRemembersItsPlayersAcrossARestartUntilDefaultSettings)
{
    EXPECT_EQ(newGame([](SetupSheet& sheet) {
                  sheet.findChild<QCheckBox*>("activePlayer3")->click();
                  auto* tabs = sheet.findChild<QTabWidget*>("setupTabs");
                  tabs->setCurrentIndex(2);
                  tabs->widget(2)->findChild<QLineEdit*>("nameEdit")->setText(QStringLiteral("Dé=,@\"x"));
                  tabs->widget(2)->findChild<QComboBox*>("strength")->setCurrentIndex(Expert);
                  tabs->setCurrentIndex(1);
                  tabs->widget(1)->findChild<QPushButton*>("pictureNext")->click(); // Boy to Girl
              }),
              designed)
        << "the first run shows the designed players";
    EXPECT_EQ(window->game().state().slots[0].picture, 4);

    restart();
    const QStringList remembered{"1", "Human", "Standard", "1", "Dé=,@\"x", "Expert", "0", "Positron", "Standard"};
    EXPECT_EQ(newGame(), remembered);
    EXPECT_EQ(window->game().state().slots[0].picture, 4) << "the person's picture";
    EXPECT_EQ(window->game().state().slots[2].active, 0);

    // The window's own keys keep their group; the players have one of theirs.
    QFile ini(settingsFolder.filePath("Tavolux/Tavolux.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray text = ini.readAll();
    EXPECT_TRUE(text.contains("[Tavolux]\nWindowLeft=")) << text.toStdString();
    EXPECT_TRUE(text.startsWith("[NewGame]\nPlayer1Active=1\nPlayer1Name=Human\n")) << text.toStdString();

    restart();
    ASSERT_TRUE(window->runCommand(command::DefaultSettings));
    EXPECT_EQ(newGame(), designed) << "Default Settings brings the designed players back";
    restart();
    EXPECT_EQ(newGame(), designed) << "and so does the next run";
}

TEST_F(PlayAgainTest, ASixPlayerTableStartsAndIsRememberedAcrossARestart)
{
    newGame([](SetupSheet& sheet) { sheet.findChild<QRadioButton*>("tableSix")->click(); });
    const GameState& s = window->game().state();
    for (int p = 0; p < PlayerCount; ++p)
        EXPECT_TRUE(s.inPlay(p)) << "seat " << p;
    EXPECT_EQ(s.slots[5].name, "Neutrino");
    EXPECT_EQ(s.pieces[59].hole, StartHoles[5][9]);

    restart();
    bool six = false;
    newGame([&](SetupSheet& sheet) {
        six = sheet.findChild<QRadioButton*>("tableSix")->isChecked();
        sheet.findChild<QRadioButton*>("tableFour")->click();
    });
    EXPECT_TRUE(six) << "the sheet opens at the table last started";
    EXPECT_EQ(window->game().state().slots[2].active, 0);
    EXPECT_EQ(window->game().state().slots[4].active, 1);
}

} // namespace
