// The file names Save Game and Save Game Record offer: the players and the
// date, cleaned of what file names should not hold, in the Qt dialog that
// opens in the documents folder.

#include "app/commands.h"
#include "app/suggestednames.h"
#include "tests/support/window_fixture.h"

#include <QDate>
#include <QFileDialog>
#include <QLineEdit>
#include <QStandardPaths>

using namespace tavolux;
using tavolux::testing::ScriptedChooser;
using tavolux::testing::WindowPlayTest;

namespace {

TEST(SuggestedNames, ThePlayersInSeatOrderThenTheDateCleanedForFiles)
{
    GameState s = initialGameState();
    const QDate day(2026, 12, 9);
    EXPECT_EQ(suggestedFileName(s, day, QStringLiteral("tvx")), QStringLiteral("Human-Silicon-Positron-2026-12-09.tvx"));
    s.slots[2].active = 0;
    s.slots[1].name = "../Ann: \"B\"*?|<>\x01";
    s.slots[0].name = "Li Wei";
    EXPECT_EQ(suggestedFileName(s, day, QStringLiteral("tvr")), QStringLiteral("Li_Wei-Ann_B-2026-12-09.tvr"));
    s.slots[0].name = "..";
    s.slots[1].name = "/\\";
    EXPECT_EQ(suggestedFileName(s, day, QStringLiteral("tvx")), QStringLiteral("Tavolux-2026-12-09.tvx"));
    EXPECT_EQ(fileNamePart(QStringLiteral("-rf Émile 李")), QStringLiteral("rf_Émile_李"));
}

class SuggestedNamesInTheWindow : public WindowPlayTest {};

TEST_F(SuggestedNamesInTheWindow, SaveGameAndSaveGameRecordOfferThem)
{
    startGame(3, 0, 0);
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    auto games = std::make_unique<ScriptedChooser>();
    auto records = std::make_unique<ScriptedChooser>();
    ScriptedChooser* gameChooser = games.get();
    ScriptedChooser* recordChooser = records.get();
    window->useFileChooser(std::move(games));
    window->useRecordFileChooser(std::move(records));
    ASSERT_TRUE(window->runCommand(command::SaveGame));
    ASSERT_TRUE(tavolux::testing::eventually([&] { return gameChooser->asked == 1; }));
    EXPECT_EQ(gameChooser->suggested, QStringLiteral("Human-Silicon-Positron-%1.tvx").arg(today));
    ASSERT_TRUE(window->runCommand(command::SaveRecord));
    EXPECT_EQ(recordChooser->suggested, QStringLiteral("Human-Silicon-Positron-%1.tvr").arg(today));
}

TEST(DialogFileChooser, TheSaveDialogOpensInTheDocumentsFolderWithTheName)
{
    for (const auto files : {DialogFileChooser::Files::Games, DialogFileChooser::Files::Records}) {
        DialogFileChooser chooser(files);
        QString folder, name;
        tavolux::testing::whenOpen([&](QWidget* open) {
            auto* dialog = qobject_cast<QFileDialog*>(open);
            ASSERT_NE(dialog, nullptr);
            folder = dialog->directory().absolutePath();
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            name = edit != nullptr ? edit->text() : QString();
            dialog->reject();
        });
        EXPECT_EQ(chooser.saveFileName(nullptr, QStringLiteral("Human-Silicon-2026-12-09.tvx")), QString());
        EXPECT_EQ(folder, QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).absolutePath());
        EXPECT_EQ(name, QStringLiteral("Human-Silicon-2026-12-09.tvx"));
    }
}

} // namespace
