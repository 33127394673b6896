#include "app/gameapp.h"

#include "app/mainwindow.h"
#include "app/programresources.h"
#include "app/soundplayer.h"
#include "app/splashwindow.h"
#include "resources/artwork.h"
#include "view/boardgeometry.h"

#include <QApplication>
#include <QDir>
#include <QPalette>

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

} // namespace

int runGameApp(QApplication& app)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Tavolux"));
    QCoreApplication::setApplicationName(QStringLiteral("Tavolux"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tavolux.Tavolux"));
    app.setQuitOnLastWindowClosed(false);

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
        app.exec();
    }
    sounds.playAndWait(QString::fromLatin1(FarewellSound));
    return 0;
}

} // namespace tavolux
