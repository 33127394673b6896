// The whole program on an X server in the language the environment names
// (LANG and LANGUAGE, with TAVOLUX_TEST_LANGUAGE telling the test which one
// to expect): the menu titles, the status line and the exit question with
// Qt's own Yes and No buttons are in that language. Screenshots of the
// window and of the question go to SCREENSHOT_DIR.

#include "app/gameapp.h"
#include "app/mainwindow.h"
#include "lang/translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>

using namespace tavolux;

namespace {

struct Expected {
    QStringList menus;
    QString status;
    QString question;
    QString yes;
    QString no;
};

// Written out here, not read from the translations, so that a lost or
// unloaded translation shows.
const std::map<QString, Expected> Languages = {
    {QStringLiteral("de"),
     {{"&Spiel", "&Zug", "&Ansicht", "&Hilfe"},
      "Bereit.",
      "Tavolux beenden: Willst du Tavolux wirklich beenden?",
      "&Ja",
      "&Nein"}},
    {QStringLiteral("zh_CN"),
     {{QString::fromUtf8("游戏(&G)"), QString::fromUtf8("走棋(&M)"), QString::fromUtf8("查看(&V)"),
       QString::fromUtf8("帮助(&H)")},
      QString::fromUtf8("就绪。"),
      QString::fromUtf8("退出游戏: 真的要退出游戏吗？"),
      QString::fromUtf8("是(&Y)"),
      QString::fromUtf8("否(&N)")}},
};

struct Seen {
    QStringList menus;
    QString status;
    QString question;
    QString yes;
    QString no;
};

MainWindow* shownMainWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* main = qobject_cast<MainWindow*>(w); main && main->isVisible())
            return main;
    return nullptr;
}

QString screenshot(const char* what)
{
    return QStringLiteral(SCREENSHOT_DIR "/tavolux-%1-%2.png")
        .arg(qEnvironmentVariable("TAVOLUX_TEST_LANGUAGE"), QLatin1String(what));
}

} // namespace

TEST(TranslatedGameOnX11, ShowsMenusStatusAndExitQuestionInTheSystemsLanguage)
{
    ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "run this test under xvfb-run";
    const QString language = qEnvironmentVariable("TAVOLUX_TEST_LANGUAGE");
    ASSERT_TRUE(Languages.count(language)) << "TAVOLUX_TEST_LANGUAGE names no language this test knows";
    const Expected& expected = Languages.at(language);

    // The system's languages choose the translation before the program runs.
    EXPECT_EQ(installTranslations(), language);

    Seen seen;
    bool inspected = false;
    bool shotQuestion = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (!shotQuestion) {
                // Once drawn, the question is photographed and answered.
                shotQuestion = true;
                QTimer::singleShot(300, box, [box, &seen] {
                    seen.question = box->windowTitle() + ": " + box->text();
                    if (QAbstractButton* yes = box->button(QMessageBox::Yes))
                        seen.yes = yes->text();
                    if (QAbstractButton* no = box->button(QMessageBox::No))
                        seen.no = no->text();
                    box->screen()->grabWindow(0).save(screenshot("exit-question"));
                    if (QAbstractButton* yes = box->button(QMessageBox::Yes))
                        yes->click();
                    else
                        box->reject();
                });
            }
            return;
        }
        MainWindow* window = shownMainWindow();
        if (!window || inspected)
            return;
        inspected = true;
        QTimer::singleShot(500, window, [window, &seen] {
            for (QAction* menu : window->menuBar()->actions())
                seen.menus.append(menu->text());
            seen.status = window->findChild<QLabel*>("statusPane")->text();
            window->screen()->grabWindow(0).save(screenshot("main-window"));
            window->close();
        });
    });
    poll.start(20);
    QTimer::singleShot(60000, qApp, &QCoreApplication::quit);

    EXPECT_EQ(runGameApp(*qApp), 0);
    EXPECT_EQ(seen.menus, expected.menus);
    EXPECT_EQ(seen.status, expected.status);
    EXPECT_EQ(seen.question, expected.question);
    EXPECT_EQ(seen.yes, expected.yes);
    EXPECT_EQ(seen.no, expected.no);
    installTranslations({QStringLiteral("en")}, translationFolders());
}
