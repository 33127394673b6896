// The whole program on a real X server: start-up with its welcome picture,
// the main window with menu bar, status line and drawn client area, a
// screenshot, and the way out through the exit question.

#include "app/gameapp.h"
#include "app/mainwindow.h"
#include "resources/programresources.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>

using namespace tavolux;

namespace {

// Notes the time of the first paint of the main window's client area.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(const QElapsedTimer& clock) : clock_(clock) {}
    qint64 at = -1;

protected:
    bool eventFilter(QObject* target, QEvent* event) override
    {
        if (at < 0 && event->type() == QEvent::Paint && target->objectName() == QLatin1String("canvas"))
            at = clock_.elapsed();
        return false;
    }

private:
    const QElapsedTimer& clock_;
};

struct Seen {
    QString title;
    bool menuBar = false;
    int menus = 0;
    bool statusBar = false;
    QString status;
    QString question;
    bool screenshotSaved = false;
    bool restDrawn = false;
};

MainWindow* shownMainWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* main = qobject_cast<MainWindow*>(w); main && main->isVisible())
            return main;
    return nullptr;
}

void inspect(MainWindow* window, Seen& seen)
{
    seen.title = window->windowTitle();
    seen.menuBar = window->menuBar()->isVisible();
    seen.menus = window->menuBar()->actions().size();
    seen.statusBar = window->statusBar()->isVisible();
    seen.status = window->findChild<QLabel*>("statusPane")->text();
    // What the first picture did not need is made once it is up.
    seen.restDrawn = !window->windowIcon().isNull() && !window->resources().pictures[1].isNull()
                     && !window->resources().playerIcons[0].isNull();
    const QPixmap shot = window->screen()->grabWindow(window->winId());
    seen.screenshotSaved = shot.save(QStringLiteral(SCREENSHOT_DIR "/tavolux-main-window.png"));
}

} // namespace

TEST(GameOnX11, StartsWithTheMainWindowAndLeavesThroughTheExitQuestion)
{
    ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "run this test under xvfb-run";
    QElapsedTimer clock;
    clock.start();
    FirstPaint firstPaint(clock);
    qApp->installEventFilter(&firstPaint);

    Seen seen;
    bool inspected = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen.question = box->windowTitle() + ": " + box->text();
            box->button(QMessageBox::Yes)->click();
            return;
        }
        MainWindow* window = shownMainWindow();
        if (!window || inspected || firstPaint.at < 0)
            return;
        inspected = true;
        QTimer::singleShot(300, window, [window, &seen] {
            inspect(window, seen);
            window->close();
        });
    });
    poll.start(20);
    QTimer::singleShot(60000, qApp, &QCoreApplication::quit);

    const int code = runGameApp(*qApp);
    qApp->removeEventFilter(&firstPaint);

    EXPECT_EQ(code, 0);
    EXPECT_EQ(seen.title, "Tavolux");
    EXPECT_TRUE(seen.menuBar);
    EXPECT_EQ(seen.menus, 4);
    EXPECT_TRUE(seen.statusBar);
    EXPECT_EQ(seen.status, "Ready.");
    EXPECT_TRUE(seen.screenshotSaved);
    EXPECT_TRUE(seen.restDrawn);
    EXPECT_EQ(seen.question, "Exit Game: Do you really want to exit the game?");
    std::printf("start-up to the first painted main window: %lld ms\n", static_cast<long long>(firstPaint.at));
}
