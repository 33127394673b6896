// The game setup sheet, driven through its controls as a user would: clicks
// on the check boxes and buttons, typing, switching tabs and the keyboard.

#include "dialogs/picturebox.h"
#include "dialogs/setupsheet.h"
#include "dialogs/tablechoice.h"
#include "resources/programresources.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace tavolux;

namespace {

const ProgramResources& resources()
{
    static const ProgramResources loaded = ProgramResources::load();
    return loaded;
}

class SetupSheetTest : public ::testing::Test {
protected:
    GameState state = initialGameState();
    std::unique_ptr<SetupSheet> sheet;

    void openSheet()
    {
        sheet = std::make_unique<SetupSheet>(state, resources().pictures, resources().playerIcons, nullptr);
        sheet->show();
        QApplication::setActiveWindow(sheet.get());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(sheet.get()));
    }

    QTabWidget* tabs() const { return sheet->findChild<QTabWidget*>("setupTabs"); }

    // Page 0 is the cover, 1..3 the players.
    QWidget* showPage(int index)
    {
        tabs()->setCurrentIndex(index);
        return tabs()->currentWidget();
    }

    template <class T> T* control(const char* page, const char* name) const
    {
        QWidget* owner = sheet->findChild<QWidget*>(page);
        T* found = owner ? owner->findChild<T*>(name) : nullptr;
        EXPECT_NE(found, nullptr) << page << " / " << name;
        return found;
    }
    template <class T> T* cover(const char* name) const { return control<T>("setupCover", name); }
    template <class T> T* player(int p, const char* name) const
    {
        return control<T>(QStringLiteral("setupPlayer%1").arg(p).toLatin1().constData(), name);
    }

    // Near the left end, where a check box has its mark.
    void click(QAbstractButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(std::min(8, button->width() / 2), button->height() / 2));
    }
    void clickButton(QDialogButtonBox::StandardButton which)
    {
        click(sheet->findChild<QDialogButtonBox*>("buttons")->button(which));
    }

    std::string pictureName(int p) { return player<QLabel>(p, "pictureLabel")->text().toStdString(); }
};

TEST_F(SetupSheetTest, IsANewGameSheetOfFourPagesWithOkAndCancel)
{
    openSheet();
    EXPECT_EQ(sheet->windowTitle(), "New Game");
    EXPECT_FALSE(sheet->windowFlags() & Qt::WindowContextHelpButtonHint);
    ASSERT_EQ(tabs()->count(), 1 + PlayerCount);
    const char* titles[] = {"Game Setup", "Player #1", "Player #2", "Player #3"};
    const char* pages[] = {"setupCover", "setupPlayer1", "setupPlayer2", "setupPlayer3"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(tabs()->tabText(i), titles[i]);
        EXPECT_EQ(tabs()->widget(i)->objectName(), pages[i]);
        EXPECT_TRUE(tabs()->isTabVisible(i));
    }
    for (int i = 4; i <= PlayerCount; ++i)
        EXPECT_FALSE(tabs()->isTabVisible(i)) << "the classic table shows three players' pages";
    EXPECT_EQ(tabs()->currentIndex(), 0);
    auto* buttons = sheet->findChild<QDialogButtonBox*>("buttons");
    EXPECT_EQ(buttons->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_TRUE(buttons->button(QDialogButtonBox::Ok)->isDefault());

    // The caller runs it modally and starts a game on OK.
    QTimer::singleShot(0, [] {
        if (auto* modal = QApplication::activeModalWidget())
            modal->findChild<QDialogButtonBox*>("buttons")->button(QDialogButtonBox::Ok)->click();
    });
    sheet->hide();
    EXPECT_EQ(sheet->exec(), QDialog::Accepted);
}

TEST_F(SetupSheetTest, EachTableSeatsItsPlayersShowsTheirPagesAndCancelPutsTheFirstBack)
{
    openSheet();
    const struct {
        const char* button;
        unsigned seats;
    } tables[] = {{"tableTwoAcross", 0b001001}, {"tableFour", 0b011011}, {"tableSix", 0b111111},
                  {"tableClassic", 0b000011}};
    auto* star = cover<QWidget>("tableStar");
    EXPECT_TRUE(cover<QRadioButton>("tableClassic")->isChecked());
    click(cover<QCheckBox>("activePlayer3")); // the classic table's own choice, kept while away
    for (const auto& table : tables) {
        SCOPED_TRACE(table.button);
        click(cover<QRadioButton>(table.button));
        const bool classic = std::string(table.button) == "tableClassic";
        for (int p = 0; p < PlayerCount; ++p) {
            const bool seated = (table.seats >> p) & 1u;
            EXPECT_EQ(state.slots[p].active, seated ? 1 : 0) << "seat " << p;
            EXPECT_EQ(tabs()->isTabVisible(p + 1), seated || (classic && p < DesignSeatCount)) << "seat " << p;
        }
        EXPECT_EQ(cover<QCheckBox>("activePlayer3")->isEnabled(), classic);
        EXPECT_EQ(cover<QCheckBox>("activePlayer3")->isChecked(), (table.seats & 0b100) != 0);
        EXPECT_EQ(qobject_cast<TableStar*>(star)->seats(), table.seats);
    }

    // Six players: Ctrl+Tab reaches the sixth page, whose computer plays
    // one style toward the lowest other seat and one toward the rest.
    click(cover<QRadioButton>("tableSix"));
    for (int turns = 0; turns < PlayerCount; ++turns)
        QTest::keyClick(tabs(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), PlayerCount);
    EXPECT_EQ(player<QLineEdit>(6, "nameEdit")->text(), "Neutrino");
    EXPECT_EQ(player<QLabel>(6, "styleHigherLabel")->text(), "Style toward the others:");
    EXPECT_TRUE(player<QComboBox>(6, "styleHigher")->isEnabled());
    clickButton(QDialogButtonBox::Cancel);
    for (int p = 0; p < PlayerCount; ++p)
        EXPECT_EQ(state.slots[p].active, p < DesignSeatCount ? 1 : 0) << "seat " << p;

    // A record of four players opens at the four-player table; OK keeps it.
    for (int p : {2, 5})
        state.slots[p].active = 0;
    for (int p : {3, 4})
        state.slots[p].active = 1;
    openSheet();
    EXPECT_TRUE(cover<QRadioButton>("tableFour")->isChecked());
    EXPECT_TRUE(tabs()->isTabVisible(5));
    EXPECT_FALSE(tabs()->isTabVisible(3));
    clickButton(QDialogButtonBox::Ok);
    EXPECT_EQ(tableOf(state), Table::Four);
}

TEST_F(SetupSheetTest, KeepsTwoPlayersAndCancelUndoesTheImmediateWrites)
{
    openSheet();
    click(cover<QCheckBox>("activePlayer3"));
    EXPECT_FALSE(cover<QCheckBox>("activePlayer3")->isChecked());
    EXPECT_EQ(state.slots[2].active, 0) << "written at once for the player pages";

    for (const char* refused : {"activePlayer2", "activePlayer1"}) {
        click(cover<QCheckBox>(refused));
        EXPECT_TRUE(cover<QCheckBox>(refused)->isChecked()) << refused;
    }
    EXPECT_EQ(state.slots[0].active, 1);
    EXPECT_EQ(state.slots[1].active, 1);

    // Everything else the user touched stays as it was.
    click(cover<QRadioButton>("flickerySpeed"));
    click(cover<QCheckBox>("sound"));
    showPage(1);
    player<QLineEdit>(1, "nameEdit")->setText("Ann");
    click(player<QPushButton>(1, "pictureNext"));
    clickButton(QDialogButtonBox::Cancel);

    EXPECT_EQ(sheet->result(), QDialog::Rejected);
    EXPECT_EQ(state.slots[2].active, 1);
    EXPECT_EQ(state.animationSpeed, 0);
    EXPECT_EQ(state.soundEnabled, 1);
    EXPECT_EQ(state.slots[0].name, "Human");
    EXPECT_EQ(state.slots[0].picture, 3);
}

TEST_F(SetupSheetTest, AGameRecordWithOnePlayerOpensWithTwo)
{
    state.slots[1].active = 0;
    state.slots[2].active = 0;
    openSheet();
    EXPECT_TRUE(cover<QCheckBox>("activePlayer2")->isChecked());
    EXPECT_FALSE(cover<QCheckBox>("activePlayer3")->isChecked());
    EXPECT_EQ(state.slots[1].active, 1);
    clickButton(QDialogButtonBox::Cancel);
    EXPECT_EQ(state.slots[1].active, 0);
}

TEST_F(SetupSheetTest, OkWritesTheCoverAndOnlyThePagesThatWereOpened)
{
    openSheet();
    click(cover<QCheckBox>("activePlayer2"));
    click(cover<QRadioButton>("flickerySpeed"));
    click(cover<QCheckBox>("sound"));

    showPage(1);
    auto* name = player<QLineEdit>(1, "nameEdit");
    name->selectAll();
    QTest::keyClicks(name, "Ann");
    click(player<QPushButton>(1, "pictureNext"));
    click(player<QCheckBox>(1, "autoReposition"));
    player<QComboBox>(1, "preferredView")->setCurrentIndex(3);

    // Page 3 was never opened: what its slot holds now is left alone.
    state.slots[2].name = "Changed";
    state.slots[2].picture = 5;
    clickButton(QDialogButtonBox::Ok);

    EXPECT_EQ(sheet->result(), QDialog::Accepted);
    EXPECT_EQ(state.slots[0].active, 1);
    EXPECT_EQ(state.slots[1].active, 0);
    EXPECT_EQ(state.slots[2].active, 1);
    EXPECT_EQ(state.animationSpeed, 1);
    EXPECT_EQ(state.soundEnabled, 0);
    EXPECT_EQ(state.slots[0].name, "Ann");
    EXPECT_EQ(state.slots[0].picture, 4);
    EXPECT_EQ(state.slots[0].autoReposition, 1);
    EXPECT_EQ(state.slots[0].preferredView, 3);
    EXPECT_EQ(state.slots[0].styleTowardLower, Neutral);
    EXPECT_EQ(state.slots[2].name, "Changed");
    EXPECT_EQ(state.slots[2].picture, 5);
}

TEST_F(SetupSheetTest, ControlsFollowWhoTakesPartAndWhoIsAComputer)
{
    openSheet();
    click(cover<QCheckBox>("activePlayer3"));

    showPage(3);
    for (const char* name : {"nameEdit", "autoReposition", "preferredView", "picturePrev", "pictureNext", "picture",
                             "styleLower", "styleHigher"})
        EXPECT_FALSE(player<QWidget>(3, name)->isEnabled()) << name;
    EXPECT_EQ(player<PictureBox>(3, "picture")->picture(), nullptr);
    EXPECT_EQ(pictureName(3), "");

    // Player 2 is a computer: it may choose a style toward player 1 only.
    showPage(2);
    EXPECT_EQ(player<QLabel>(2, "styleLowerLabel")->text(), "Style toward player #1:");
    EXPECT_EQ(player<QLabel>(2, "styleHigherLabel")->text(), "Style toward player #3:");
    EXPECT_TRUE(player<QComboBox>(2, "styleLower")->isEnabled());
    EXPECT_FALSE(player<QComboBox>(2, "styleHigher")->isEnabled());

    // Player 1, a person ("Boy"), becomes a computer three pictures back.
    showPage(1);
    EXPECT_EQ(pictureName(1), "Boy");
    EXPECT_FALSE(player<QComboBox>(1, "styleLower")->isEnabled());
    for (int i = 0; i < 3; ++i)
        click(player<QPushButton>(1, "picturePrev"));
    EXPECT_EQ(pictureName(1), "Computer");
    EXPECT_TRUE(player<QComboBox>(1, "styleLower")->isEnabled());
    EXPECT_FALSE(player<QComboBox>(1, "styleHigher")->isEnabled()) << "toward player 3, who is out";

    // Player 3 back in: its page wakes up when it becomes current again.
    showPage(0);
    click(cover<QCheckBox>("activePlayer3"));
    showPage(3);
    EXPECT_TRUE(player<QLineEdit>(3, "nameEdit")->isEnabled());
    EXPECT_EQ(pictureName(3), "Computer");
    EXPECT_EQ(player<PictureBox>(3, "picture")->picture(), &resources().pictures[0]);
    EXPECT_TRUE(player<QComboBox>(3, "styleHigher")->isEnabled());
}

TEST_F(SetupSheetTest, StrengthListFollowsTheStyleListsAndIsWrittenOnOk)
{
    state.slots[2].strength = Expert;
    openSheet();
    auto strength = [this](int p) { return player<QComboBox>(p, "strength"); };
    click(cover<QCheckBox>("activePlayer3"));
    showPage(3);
    EXPECT_FALSE(strength(3)->isEnabled()) << "out of the game";
    EXPECT_EQ(strength(3)->currentText(), "Expert");
    showPage(2);
    EXPECT_TRUE(strength(2)->isEnabled()) << "a computer, with player 3 out";
    EXPECT_EQ(strength(2)->itemText(Beginner), "Beginner");
    EXPECT_EQ(strength(2)->currentText(), "Standard");
    showPage(1);
    EXPECT_FALSE(strength(1)->isEnabled()) << "a person";
    for (int i = 0; i < 3; ++i)
        click(player<QPushButton>(1, "picturePrev"));
    EXPECT_TRUE(strength(1)->isEnabled()) << pictureName(1);
    strength(1)->setCurrentIndex(Expert);
    clickButton(QDialogButtonBox::Cancel);
    EXPECT_EQ(state.slots[0].strength, Standard);

    openSheet();
    showPage(2);
    strength(2)->setCurrentIndex(Beginner);
    state.slots[2].strength = Standard; // page 3 is never opened
    clickButton(QDialogButtonBox::Ok);
    EXPECT_EQ(state.slots[1].strength, Beginner);
    EXPECT_EQ(state.slots[2].strength, Standard);
}

TEST_F(SetupSheetTest, PictureButtonsGoRoundAndTheViewListFollowsTheBox)
{
    openSheet();
    showPage(3); // "Computer"
    auto* previous = player<QPushButton>(3, "picturePrev");
    auto* next = player<QPushButton>(3, "pictureNext");
    click(previous);
    EXPECT_EQ(pictureName(3), "Bear");
    EXPECT_EQ(player<PictureBox>(3, "picture")->picture(), &resources().pictures[6]);
    EXPECT_FALSE(player<QComboBox>(3, "styleLower")->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), player<QLabel>(3, "playerIcon"));
    click(next);
    EXPECT_EQ(pictureName(3), "Computer");
    click(next);
    EXPECT_EQ(pictureName(3), "Guy");

    auto* box = player<QCheckBox>(3, "autoReposition");
    auto* view = player<QComboBox>(3, "preferredView");
    EXPECT_FALSE(view->isEnabled());
    click(box);
    EXPECT_TRUE(view->isEnabled());
    click(next); // still enabled after a picture step
    EXPECT_TRUE(view->isEnabled());
    click(box);
    EXPECT_FALSE(view->isEnabled());
}

TEST_F(SetupSheetTest, NameBoxTakesTheLongestNameOfWideLettersWithoutScrolling)
{
    // A name from a saved game, cut where the limit would split a pair.
    state.slots[1].name = "Silicon\xF0\x9F\x98\x80" "abc";
    openSheet();
    showPage(1);
    auto* name = player<QLineEdit>(1, "nameEdit");
    EXPECT_EQ(name->maxLength(), MaxPlayerNameLength);
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, QString(2 * MaxPlayerNameLength, QLatin1Char('W')));
    EXPECT_EQ(name->text(), QString(MaxPlayerNameLength, QLatin1Char('W')));
    name->repaint(); // the box scrolls its text when it paints
    EXPECT_EQ(name->cursorPositionAt(QPoint(name->contentsRect().left() + 4, name->height() / 2)), 0)
        << "the box has scrolled";

    showPage(2);
    showPage(3);
    EXPECT_EQ(player<QLineEdit>(3, "nameEdit")->text(), "Positron");
    clickButton(QDialogButtonBox::Ok);
    EXPECT_EQ(state.slots[0].name, std::string(MaxPlayerNameLength, 'W'));
    EXPECT_EQ(state.slots[1].name, "Silicon");
    EXPECT_EQ(state.slots[2].name, "Positron");
}

TEST_F(SetupSheetTest, KeyboardTurnsThePagesAndWalksThroughAPage)
{
    openSheet();
    auto press = [](int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    };
    auto walk = [&](QWidget* from, std::initializer_list<const char*> order) {
        from->setFocus();
        for (const char* expected : order) {
            press(Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget()->objectName(), expected);
        }
    };

    // Ctrl+Tab turns the pages even from the buttons.
    sheet->findChild<QDialogButtonBox*>("buttons")->button(QDialogButtonBox::Ok)->setFocus();
    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), 1);
    press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(tabs()->currentIndex(), 0);

    walk(cover<QCheckBox>("activePlayer1"), {"activePlayer2", "activePlayer3", "smoothSpeed", "sound"});
    walk(cover<QRadioButton>("tableClassic"), {"activePlayer1"}); // one stop for the group of tables

    // Player 1 is a person: Tab skips the disabled view list and styles
    // until Space checks the re-position box.
    showPage(1);
    walk(player<QLineEdit>(1, "nameEdit"), {"picturePrev", "pictureNext", "autoReposition"});
    press(Qt::Key_Space);
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "preferredView");
    walk(player<QLineEdit>(1, "nameEdit"), {"picturePrev"});
    press(Qt::Key_Space);
    EXPECT_EQ(pictureName(1), "Lady");

    // Player 2 is a computer: both style lists follow the view list.
    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), 2);
    click(player<QCheckBox>(2, "autoReposition"));
    walk(player<QLineEdit>(2, "nameEdit"),
         {"picturePrev", "pictureNext", "autoReposition", "preferredView", "styleLower", "styleHigher", "strength"});
}

TEST_F(SetupSheetTest, Screenshots)
{
    openSheet();
    const QString folder = QStringLiteral(SCREENSHOT_DIR);
    EXPECT_TRUE(sheet->grab().save(folder + "/setup-cover.png"));
    showPage(1); // with the longest name of wide letters
    player<QLineEdit>(1, "nameEdit")->setText(QString(MaxPlayerNameLength, QLatin1Char('W')));
    EXPECT_TRUE(sheet->grab().save(folder + "/setup-player1.png"));
    showPage(2);
    EXPECT_TRUE(sheet->grab().save(folder + "/setup-player2.png"));
    showPage(0);
    click(cover<QCheckBox>("activePlayer3"));
    showPage(3);
    EXPECT_TRUE(sheet->grab().save(folder + "/setup-player3-inactive.png"));
    showPage(0);
    click(cover<QRadioButton>("tableSix"));
    EXPECT_TRUE(sheet->grab().save(folder + "/setup-cover-six.png"));
}

} // namespace
