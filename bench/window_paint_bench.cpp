// Cost of painting the main window: composing the whole client area off
// screen (wallpaper, title, board, player panel) at 1600 x 1000, a full
// repaint of the window itself, compose and copy to the screen, and the
// repaints of only what changed when one piece moves, the last moves
// change or a hint flashes. Processor time counts every thread's (the
// drawing may use Qt's helper threads).

#include "app/mainwindow.h"
#include "resources/programresources.h"
#include "app/soundplayer.h"
#include "view/windowcanvas.h"
#include "view/boardpainter.h"
#include "view/windowpainter.h"
#include "view/boardflash.h"
#include "view/hintflash.h"

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
BENCHMARK(composeClientArea)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

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
BENCHMARK(drawBoardOnly)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// The main window shown with a client area of 1600 x 1000, which needs a
// screen larger than that (run it under xvfb-run -s "-screen 0 2000x1300x24").
void showWindow(MainWindow& window)
{
    window.show();
    const QSize client(1600, 1000);
    window.resize(client + window.size() - window.canvas()->size());
    for (int i = 0; i < 200 && (window.canvas()->size() != client || !window.windowHandle()->isExposed()); ++i) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
    window.game().load(gameInProgress());
    window.canvas()->repaint();
}

void repaintWindow(benchmark::State& run)
{
    SoundPlayer sounds;
    MainWindow window(resources(), sounds);
    showWindow(window);
    for (auto _ : run)
        window.canvas()->repaint();
    run.counters["width"] = window.canvas()->width();
    run.counters["height"] = window.canvas()->height();
}
BENCHMARK(repaintWindow)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// The scene of the window with its own position and last moves.
struct OwnScene {
    explicit OwnScene(MainWindow& window) : canvas(*window.canvas()), scene(canvas.scene())
    {
        state = gameInProgress();
        scene.state = &state;
        scene.lastMoves = nullptr;
        canvas.setScene(scene);
        canvas.repaint();
    }
    void show()
    {
        canvas.setScene(scene);
        canvas.repaintChanged();
    }
    WindowCanvas& canvas;
    WindowScene scene;
    GameState state;
};

// A piece of the player at the bottom steps out of its point and back.
void repaintOneMove(benchmark::State& run)
{
    SoundPlayer sounds;
    MainWindow window(resources(), sounds);
    showWindow(window);
    OwnScene own(window);
    const int from = own.state.pieces[0].hole, to = 103;
    for (auto _ : run) {
        own.state.pieces[0].hole = static_cast<uint16_t>(own.state.pieces[0].hole == from ? to : from);
        own.show();
    }
}
BENCHMARK(repaintOneMove)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// The last moves of two computers shown and hidden in turn.
void repaintLastMoves(benchmark::State& run)
{
    SoundPlayer sounds;
    MainWindow window(resources(), sounds);
    showWindow(window);
    OwnScene own(window);
    LastMoves moves;
    moves.record(PlayedMove{1, 12, {14}});
    moves.record(PlayedMove{2, 98, {86, 74}});
    own.state.playerToMove = 0;
    for (auto _ : run) {
        own.scene.lastMoves = own.scene.lastMoves ? nullptr : &moves;
        own.show();
    }
}
BENCHMARK(repaintLastMoves)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// A hint shown and taken off again.
void hintFlash(benchmark::State& run)
{
    SoundPlayer sounds;
    MainWindow window(resources(), sounds);
    showWindow(window);
    BoardFlash flash;
    WindowCanvas& canvas = *window.canvas();
    for (auto _ : run) {
        startHintFlash(flash, canvas, window.boardView(), 111, {102});
        flash.stop();
        canvas.repaintChanged();
    }
}
BENCHMARK(hintFlash)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

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
