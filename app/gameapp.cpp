#include "app/gameapp.h"

#include "app/mainwindow.h"
#include "app/soundplayer.h"
#include "app/splashwindow.h"
#include "app/startuptrace.h"
#include "lang/translations.h"
#include "resources/artcache.h"
#include "resources/artwork.h"
#include "resources/programresources.h"
#include "view/windowcanvas.h"
#include "view/boardgeometry.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QPalette>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

#include <functional>
#include <utility>

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

// Calls `then` from the event loop once `widget` has painted for the first
// time, or after a second should it not be shown.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget& widget, std::function<void()> then) : QObject(&widget), then_(std::move(then))
    {
        widget.installEventFilter(this);
        QTimer::singleShot(1000, this, &AfterFirstPaint::run);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, this, &AfterFirstPaint::run);
        return false;
    }

private:
    void run()
    {
        if (auto then = std::exchange(then_, nullptr))
            then();
        deleteLater();
    }
    std::function<void()> then_;
};

// The pictures, drawn on the first start, are read on later starts of the
// same program: its size and time tell one build from another.
void keepPictures()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty())
        return;
    const QFileInfo program(QCoreApplication::applicationFilePath());
    art::keepPicturesIn(cache + QLatin1String("/pictures"),
                        QString::number(program.size(), 16) + QLatin1Char('-')
                            + QString::number(program.lastModified().toMSecsSinceEpoch(), 16));
}

void whenPainted(QWidget& widget, std::function<void()> then)
{
    new AfterFirstPaint(widget, std::move(then));
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
    startup::mark("translations");
    const QString savedGame = gameToOpen(app);

    // Sounds and text files are looked up beside the program.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    keepPictures();

    // Drawn for the screen it shows on: at a density of 2 it costs four times
    // the drawing.
    const qreal density = app.primaryScreen() ? app.primaryScreen()->devicePixelRatio() : 1.0;
    auto splash = std::make_unique<SplashWindow>(art::splashPicture(density));
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents();
    startup::mark("splash shown");

    SoundPlayer sounds;
    startup::mark("sound player");
    {
        // The players' pictures and icons wait for the first picture, which
        // shows none before a game, unless a game is opened at once.
        ProgramResources resources =
            savedGame.isEmpty() ? ProgramResources::loadForFirstPicture() : ProgramResources::load();
        startup::mark("pictures drawn");
        buildBoardTables();
        startup::mark("board tables");
        sounds.playAndWait(QString::fromLatin1(StartSound));
        startup::mark("start sound");
        splash.reset();
        setDialogColours();

        MainWindow window(resources, sounds);
        startup::mark("main window built");
        startup::traceFirstPaint(*window.canvas());
        QObject::connect(&window, &MainWindow::exitConfirmed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
        window.show();
        window.raise();
        window.activateWindow();
        startup::mark("main window shown");

        // Once the window is up: the rest of the pictures and the program's
        // icon, then the game named, so the window is up behind any box.
        whenPainted(*window.canvas(), [&window, &resources, savedGame] {
            resources.loadRest();
            QApplication::setWindowIcon(resources.appIcon);
            window.setWindowIcon(resources.appIcon);
            startup::mark("rest of the pictures");
            if (!savedGame.isEmpty())
                window.openGameFile(savedGame);
        });
        app.exec();
    }
    sounds.playAndWait(QString::fromLatin1(FarewellSound));
    return 0;
}

} // namespace tavolux
