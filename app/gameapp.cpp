#include "app/gameapp.h"

#include "app/mainwindow.h"
#include "app/soundplayer.h"
#include "app/splashwindow.h"
#include "lang/translations.h"
#include "resources/artwork.h"
#include "resources/programresources.h"
#include "view/boardgeometry.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QPalette>
#include <QTimer>

#include <memory>

namespace tavolux {

namespace {

constexpr const char* StartSound = "TVX01.WAV";
constexpr const char* FarewellSound = "TVX02.WAV";

// Dialogs draw on light grey with black text.
void setDialogColours()
{
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    palette.setColor(QPalette::WindowText, Qt::black);
    QApplication::setPalette(palette, "QDialog");
}

// The saved game named on the command line ("tavolux FILE.tvx", as the
// desktop opens one), made absolute before the program changes folders.
QString gameToOpen(const QApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("tavolux::GameApp", "Chinese checkers"));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QCoreApplication::translate("tavolux::GameApp", "A saved game to open."),
                                 QStringLiteral("[file.tvx]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    return files.isEmpty() ? QString() : QFileInfo(files.constFirst()).absoluteFilePath();
}

} // namespace

int runGameApp(QApplication& app)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Tavolux"));
    QCoreApplication::setApplicationName(QStringLiteral("Tavolux"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tavolux.Tavolux"));
    app.setQuitOnLastWindowClosed(false);
    // In the user's language from the first text on, --help included.
    installTranslations();
    const QString savedGame = gameToOpen(app);

    // Sounds and text files are looked up beside the program.
    QDir::setCurrent(QCoreApplication::applicationDirPath());

    auto splash = std::make_unique<SplashWindow>(art::splashPicture());
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents();

    SoundPlayer sounds;
    {
        const ProgramResources resources = ProgramResources::load();
        QApplication::setWindowIcon(resources.appIcon);
        buildBoardTables();
        sounds.playAndWait(QString::fromLatin1(StartSound));
        splash.reset();
        setDialogColours();

        MainWindow window(resources, sounds);
        QObject::connect(&window, &MainWindow::exitConfirmed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
        window.show();
        window.raise();
        window.activateWindow();

        // Opened once the event loop runs, so the window is up behind any box.
        if (!savedGame.isEmpty())
            QTimer::singleShot(0, &window, [&window, savedGame] { window.openGameFile(savedGame); });
        app.exec();
    }
    sounds.playAndWait(QString::fromLatin1(FarewellSound));
    return 0;
}

} // namespace tavolux
