// Every control, list row and dialog field of the game's windows has an
// accessible name and description, in the language spoken.

#include "app/commands.h"
#include "app/movelisthost.h"
#include "dialogs/aboutbox.h"
#include "dialogs/optionsdialog.h"
#include "dialogs/resultsdialog.h"
#include "dialogs/setupsheet.h"
#include "dialogs/statisticsdialog.h"
#include "model/statistics.h"
#include "tests/support/window_fixture.h"

#include <QAccessible>
#include <QTabWidget>

using namespace tavolux;
using tavolux::testing::WindowPlayTest;

namespace {

bool isControl(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::PageTab:
    case QAccessible::ListItem:
    case QAccessible::Cell:
    case QAccessible::Canvas:
    case QAccessible::List:
    case QAccessible::Table:
        return true;
    default:
        return false;
    }
}

// The controls below `object` without a name or a description, as
// "role name (description)" lines.
void unnamed(QAccessibleInterface* object, QStringList& missing, int depth = 0)
{
    if (object == nullptr || depth > 12)
        return;
    const QString name = object->text(QAccessible::Name);
    const QString description = object->text(QAccessible::Description);
    if (isControl(object->role()) && !object->state().invisible && (name.isEmpty() || description.isEmpty())) {
        const QObject* o = object->object();
        missing << QStringLiteral("%1 %2 '%3' (%4)")
                       .arg(int(object->role()))
                       .arg(o ? o->objectName() : QString(), name, description);
    }
    if (object->role() == QAccessible::ComboBox)
        return; // its choices are described by the box
    for (int i = 0; i < object->childCount(); ++i)
        unnamed(object->child(i), missing, depth + 1);
}

QStringList unnamedIn(QWidget* widget)
{
    QStringList missing;
    unnamed(QAccessible::queryAccessibleInterface(widget), missing);
    return missing;
}

class AccessibleNamesTest : public WindowPlayTest {};

TEST_F(AccessibleNamesTest, EveryControlRowAndFieldIsNamedAndDescribed)
{
    startGame(3, 0, 0);
    ASSERT_TRUE(moveAnyPiece(0));
    ASSERT_TRUE(waitForPerson());
    EXPECT_EQ(unnamedIn(window.get()).join("\n").toStdString(), "") << "the main window";

    window->runCommand(command::MoveList);
    ASSERT_TRUE(window->moveListHost().visible());
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && top != window.get()) {
            EXPECT_EQ(unnamedIn(top).join("\n").toStdString(), "") << top->metaObject()->className();
        }
    }

    GameState state = window->game().state();
    SetupSheet sheet(state, resources->pictures, resources->playerIcons, window.get());
    sheet.show();
    auto* tabs = sheet.findChild<QTabWidget*>("setupTabs");
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        EXPECT_EQ(unnamedIn(&sheet).join("\n").toStdString(), "") << "the setup sheet, page " << page;
    }
    OptionsDialog options(state, 0, resources->wallpapers, resources->playerIcons, window.get());
    options.show();
    EXPECT_EQ(unnamedIn(&options).join("\n").toStdString(), "");
    state.gameOver = 1;
    state.finishCount = 3;
    ResultsDialog results(state, resources->pictures, resources->playerIcons, window.get());
    results.show();
    EXPECT_EQ(unnamedIn(&results).join("\n").toStdString(), "");
    Statistics statistics;
    StatisticsDialog table(statistics, window.get());
    table.show();
    EXPECT_EQ(unnamedIn(&table).join("\n").toStdString(), "");
    AboutBox about(QString(), window.get());
    about.show();
    EXPECT_EQ(unnamedIn(&about).join("\n").toStdString(), "");
}

} // namespace
