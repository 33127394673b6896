// Every language fits: in English and in each translation, the setup sheet's
// pages, Change Options and Game Results show every label, button, list and
// group title whole, the dialogs fit a small screen, and the main window's
// menu bar fits its smallest width. Screenshots of each go to SCREENSHOT_DIR.

#include "app/mainwindow.h"
#include "app/soundplayer.h"
#include "dialogs/optionsdialog.h"
#include "dialogs/resultsdialog.h"
#include "dialogs/setupsheet.h"
#include "lang/translations.h"
#include "resources/artwork.h"
#include "resources/programresources.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace tavolux;

namespace {

// The smallest screen the dialogs must fit.
constexpr QSize SmallScreen(1024, 768);

const ProgramResources& resources()
{
    static const ProgramResources loaded = ProgramResources::load();
    return loaded;
}

QString describe(const QWidget* widget, const QString& text, int wanted)
{
    return QStringLiteral("%1 '%2' (%3, %4 wide, needs %5)")
        .arg(widget->objectName(), text, widget->metaObject()->className())
        .arg(widget->width())
        .arg(wanted);
}

int textWidth(const QWidget* widget, QString text)
{
    return widget->fontMetrics().horizontalAdvance(text.remove(QRegularExpression(QStringLiteral("&(?!&)"))));
}

// The texts of `dialog` that are cut short: a control narrower or lower than
// it asks to be (a push button than its text), a list whose field is
// narrower than one of its items, a tab bar that
// scrolls.
QStringList clippedTexts(const QWidget& dialog)
{
    QStringList clipped;
    const auto tooSmall = [](const QWidget* w, QSize wanted) {
        return w->width() < wanted.width() || w->height() < wanted.height();
    };
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->isVisibleTo(&dialog) && !label->text().isEmpty() && !label->wordWrap()
            && tooSmall(label, label->minimumSizeHint()))
            clipped << describe(label, label->text(), label->minimumSizeHint().width());
    }
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(&dialog) || button->text().isEmpty())
            continue;
        // A push button may be narrower than it asks, down to its text.
        QSize wanted = button->sizeHint();
        if (qobject_cast<const QPushButton*>(button))
            wanted.setWidth(textWidth(button, button->text()) + 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin));
        if (tooSmall(button, wanted))
            clipped << describe(button, button->text(), wanted.width());
    }
    for (const QComboBox* list : dialog.findChildren<QComboBox*>()) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const int room = list->style()
                             ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
                             .width();
        for (int i = 0; list->isVisibleTo(&dialog) && i < list->count(); ++i) {
            if (textWidth(list, list->itemText(i)) > room)
                clipped << describe(list, list->itemText(i), textWidth(list, list->itemText(i)));
        }
    }
    for (const QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
        if (group->isVisibleTo(&dialog) && group->width() < group->minimumSizeHint().width())
            clipped << describe(group, group->title(), group->minimumSizeHint().width());
    }
    for (const QTabWidget* tabs : dialog.findChildren<QTabWidget*>()) {
        if (tabs->tabBar()->sizeHint().width() > tabs->width())
            clipped << describe(tabs, QStringLiteral("tab bar"), tabs->tabBar()->sizeHint().width());
    }
    return clipped;
}

class TranslatedLayout : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { installTranslations({QString::fromLatin1(GetParam())}, translationFolders()); }
    void TearDown() override { installTranslations({QStringLiteral("en")}, translationFolders()); }

    void checkFits(QDialog& dialog, const char* what)
    {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        EXPECT_EQ(clippedTexts(dialog).join(QLatin1Char('\n')).toStdString(), "") << what;
        EXPECT_LE(dialog.width(), SmallScreen.width()) << what;
        EXPECT_LE(dialog.height(), SmallScreen.height()) << what;
        dialog.grab().save(QStringLiteral(SCREENSHOT_DIR "/layout-%1-%2.png").arg(GetParam(), what));
    }

    static GameState threePlayersOver()
    {
        GameState state = initialGameState();
        state.slots[0].name = "WWWWWWWW";
        state.gameOver = 1;
        state.finishCount = 3;
        for (int p = 0; p < DesignSeatCount; ++p)
            state.finishOrder[p] = static_cast<uint16_t>(p);
        return state;
    }
};

TEST_P(TranslatedLayout, SetupSheetPagesShowEveryTextWhole)
{
    GameState state = initialGameState();
    state.slots[1].picture = 0; // a computer, so its style lists are enabled
    SetupSheet sheet(state, resources().pictures, resources().playerIcons, nullptr);
    auto* tabs = sheet.findChild<QTabWidget*>("setupTabs");
    ASSERT_NE(tabs, nullptr);
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        checkFits(sheet, qPrintable(QStringLiteral("setup-page%1").arg(page)));
    }
}

TEST_P(TranslatedLayout, ChangeOptionsShowsEveryTextWhole)
{
    GameState state = initialGameState();
    QPixmap wallpapers[art::WallpaperCount];
    for (int w = 0; w < art::WallpaperCount; ++w)
        wallpapers[w] = art::wallpaper(w);
    OptionsDialog dialog(state, 0, wallpapers, resources().playerIcons, nullptr);
    checkFits(dialog, "options");
}

TEST_P(TranslatedLayout, GameResultsShowEveryTextWhole)
{
    const GameState state = threePlayersOver();
    ResultsDialog dialog(state, resources().pictures, resources().playerIcons, nullptr);
    checkFits(dialog, "results");
}

TEST_P(TranslatedLayout, TheMenuBarFitsTheSmallestWindow)
{
    SoundPlayer sounds;
    MainWindow window(resources(), sounds);
    window.resize(window.minimumSize());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_LE(window.menuBar()->sizeHint().width(), window.width());
    window.grab().save(QStringLiteral(SCREENSHOT_DIR "/layout-%1-window.png").arg(GetParam()));
}

// Alt and a letter opens a menu of the bar, and a letter picks an item of an
// open menu, only where no other title or item of the same menu has it.
TEST_P(TranslatedLayout, EveryMenuHasDistinctAccessKeys)
{
    SoundPlayer sounds;
    MainWindow window(resources(), sounds);
    const auto clashes = [](const QList<QAction*>& actions, const QString& where) {
        QStringList found;
        QHash<QString, QString> taken;
        for (const QAction* action : actions) {
            if (action->isSeparator())
                continue;
            const QKeySequence key = QKeySequence::mnemonic(action->text());
            if (key.isEmpty()) {
                found << where + ": '" + action->text() + "' has no access key";
                continue;
            }
            const QString name = key.toString();
            if (taken.contains(name))
                found << where + ": '" + taken.value(name) + "' and '" + action->text() + "' share " + name;
            taken.insert(name, action->text());
        }
        return found;
    };
    QStringList found = clashes(window.menuBar()->actions(), QStringLiteral("menu bar"));
    for (const QAction* title : window.menuBar()->actions()) {
        ASSERT_NE(title->menu(), nullptr);
        ASSERT_GE(title->menu()->actions().size(), 2);
        found << clashes(title->menu()->actions(), title->text());
    }
    EXPECT_EQ(found.join(QLatin1Char('\n')).toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, TranslatedLayout, ::testing::Values("en", "de", "fr", "es", "zh_CN"),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
