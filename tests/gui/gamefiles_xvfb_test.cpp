// Save Game and Load Game in the real main window on an X server, through
// Qt's own file dialogs: the file name is typed into the dialog and
// accepted with Return from a timer, as a person would.

#include "app/gamefiles.h"
#include "app/mainwindow.h"
#include "app/soundplayer.h"
#include "model/savefile.h"
#include "resources/programresources.h"
#include "tests/support/game_edits.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tavolux;

namespace {

// Types `name` into the next file dialog and accepts it; notes the dialog's
// title, filter and initial text, and any message box that turns up (which
// it closes, so that nothing blocks).
struct DialogDriver {
    QString name;
    QString screenshot;
    QString title;
    QStringList filters;
    QString initialText;
    QStringList boxes;
    int dialogs = 0;
    QPointer<QFileDialog> current;
    QTimer timer;

    DialogDriver()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] { poll(); });
        timer.start(50);
    }

    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            boxes << box->windowTitle() + ": " + box->text();
            box->reject();
            return;
        }
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        auto* edit = dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
        if (!edit || !dialog->isVisible() || name.isEmpty())
            return;
        if (dialog != current) {
            current = dialog;
            ++dialogs;
            title = dialog->windowTitle();
            filters = dialog->nameFilters();
            initialText = edit->text();
        }
        // The dialog may still be filling its folder view and put its own
        // text back: the name is typed again until the dialog takes it.
        edit->clear();
        QTest::keyClicks(edit, name);
        if (!screenshot.isEmpty())
            dialog->grab().save(screenshot);
        QTest::keyClick(edit, Qt::Key_Return);
        if (!dialog->isVisible())
            name.clear();
    }
};

TEST(GameFilesXvfb, SaveThenLoadBackThroughTheDialogs)
{
    const ProgramResources resources = ProgramResources::load();
    SoundPlayer sounds;
    MainWindow window(resources, sounds);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    DialogFileChooser chooser;
    GameFiles files(window.game(), window.boxes(), chooser, &window);
    QTemporaryDir dir;

    tavolux::testing::loadEdited(window.game(), [](GameState& s) {
        s.noGameStarted = 0;
        placeStartingPieces(s);
        s.slots[0].name = "Typed";
        s.boardRotation = 2;
    });
    const GameState& state = window.game().state();
    const std::vector<uint8_t> saved = encodeGame(state);

    DialogDriver driver;
    driver.name = dir.filePath("round.trip.sav");
    driver.screenshot = QStringLiteral(SCREENSHOT_DIR "/tavolux-save-dialog.png");
    files.saveGame();
    EXPECT_EQ(driver.dialogs, 1);
    EXPECT_EQ(driver.title, "Save Game");
    EXPECT_EQ(driver.filters, QStringList{"Tavolux Files (*.tvx)"});
    EXPECT_EQ(driver.initialText, "Typed-Silicon-Positron-" + QDate::currentDate().toString(Qt::ISODate) + ".tvx");
    EXPECT_TRUE(driver.boxes.isEmpty()) << driver.boxes.join('\n').toStdString();
    QFile file(dir.filePath("round.tvx"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the forced name";
    EXPECT_EQ(file.readAll().size(), 395) << "\"Typed\" is as long as \"Human\"";

    // The game goes on; the driver answers the abandon question No.
    tavolux::testing::loadEdited(window.game(), [](GameState& s) {
        s.slots[0].name = "Changed";
        s.boardRotation = 0;
    });
    driver.name = dir.filePath("round.tvx");
    files.loadGame();
    EXPECT_EQ(driver.boxes, QStringList{"Load Game: There is still a game in progress.  Do you want to abandon it?"});
    EXPECT_EQ(driver.dialogs, 1) << "No stops before the dialog";

    tavolux::testing::loadEdited(window.game(), [](GameState& s) { s.gameOver = 1; }); // nothing to abandon now
    driver.boxes.clear();
    driver.screenshot = QStringLiteral(SCREENSHOT_DIR "/tavolux-load-dialog.png");
    files.loadGame();
    EXPECT_EQ(driver.dialogs, 2);
    EXPECT_EQ(driver.title, "Load Game");
    EXPECT_TRUE(driver.boxes.isEmpty()) << driver.boxes.join('\n').toStdString();
    EXPECT_EQ(encodeGame(state), saved);
    EXPECT_EQ(state.slots[0].name, "Typed");
    QTest::qWait(100);
    window.grab().save(QStringLiteral(SCREENSHOT_DIR "/tavolux-loaded-game.png"));
}

} // namespace
