// Cost of painting the main window: composing the whole client area off
// screen (wallpaper, title, board, player panel) at 1600 x 1000, and a full
// repaint of the window itself, compose and copy to the screen.

#include "app/mainwindow.h"
#include "resources/programresources.h"
#include "app/soundplayer.h"
#include "view/windowcanvas.h"
#include "view/boardpainter.h"
#include "view/windowpainter.h"

#include <QApplication>
#include <QPainter>
#include <QThread>
#include <QWindow>

#include <benchmark/benchmark.h>

using namespace tavolux;

namespace {

const ProgramResources& resources()
{
    static const ProgramResources r = ProgramResources::load();
    return r;
}

GameState gameInProgress()
{
    GameState state = initialGameState();
    state.noGameStarted = 0;
    placeStartingPieces(state);
    return state;
}

void composeClientArea(benchmark::State& run)
{
    const MainLayout layout = computeMainLayout(1600, 1000);
    BoardView view;
    setBoardArea(view, 1600, 1000);
    layoutBoard(view);
    const GameState state = gameInProgress();
    const WindowScene scene{&layout, &view, &state, &resources().wallpaper(0), &resources().title,
                            resources().pictures};
    QPixmap picture(1600, 1000);
    for (auto _ : run) {
        QPainter painter(&picture);
        paintMainWindow(painter, QRect(0, 0, 1600, 1000), scene);
    }
}
BENCHMARK(composeClientArea)->Unit(benchmark::kMillisecond);

void drawBoardOnly(benchmark::State& run)
{
    BoardView view;
    setBoardArea(view, 1600, 1000);
    layoutBoard(view);
    const GameState state = gameInProgress();
    QPixmap picture(1600, 1000);
    for (auto _ : run) {
        QPainter painter(&picture);
        drawBoard(painter, view, state.pieces);
    }
}
BENCHMARK(drawBoardOnly)->Unit(benchmark::kMillisecond);

void repaintWindow(benchmark::State& run)
{
    SoundPlayer sounds;
    MainWindow window(resources(), sounds);
    window.show();
    // A client area of 1600 x 1000 needs a screen larger than that (run it
    // under xvfb-run -s "-screen 0 2000x1300x24").
    const QSize client(1600, 1000);
    window.resize(client + window.size() - window.canvas()->size());
    for (int i = 0; i < 200 && (window.canvas()->size() != client || !window.windowHandle()->isExposed()); ++i) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
    window.game().load(gameInProgress());
    for (auto _ : run)
        window.canvas()->repaint();
    run.counters["width"] = window.canvas()->width();
    run.counters["height"] = window.canvas()->height();
}
BENCHMARK(repaintWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
