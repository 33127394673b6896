// What the player waits for outside the board's painting: a saved game
// written and read back (and opened in the window), a game record of 500
// moves written, read and listed in the move list window, and the
// statistics of 1,000 players written, read and shown in their window.

#include "app/mainwindow.h"
#include "app/movelistwindow.h"
#include "app/soundplayer.h"
#include "dialogs/statisticsdialog.h"
#include "model/board.h"
#include "model/gamerecord.h"
#include "model/movelist.h"
#include "model/moverules.h"
#include "model/savefile.h"
#include "model/statistics.h"
#include "resources/programresources.h"
#include "view/windowcanvas.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>
#include <variant>

using namespace tavolux;

namespace {

const ProgramResources& resources()
{
    static const ProgramResources r = ProgramResources::load();
    return r;
}

GameState twoPlayerOpening()
{
    GameState state = initialGameState();
    state.noGameStarted = 0;
    state.slots[2].active = 0;
    placeStartingPieces(state);
    return state;
}

// Each player steps one piece out of its point and back, 250 times each.
struct LongGame {
    MoveList list;
    GameState end;
    LongGame()
    {
        GameState s = twoPlayerOpening();
        list.restart(s);
        int out[DesignSeatCount] = {-1, -1, -1}, home[DesignSeatCount] = {0, 0, 0};
        for (int n = 0; n < 500; ++n) {
            const int p = s.playerToMove;
            int piece = -1, to = -1;
            if (out[p] >= 0) {
                piece = out[p], to = home[p];
                out[p] = -1;
            } else {
                for (int k = s.slots[p].firstPiece; k < s.slots[p].firstPiece + PiecesPerPlayer && to < 0; ++k)
                    for (int d = 0; d < DirectionCount && to < 0; ++d) {
                        const int next = neighbour(s.pieces[k].hole, d);
                        bool free = next >= 0;
                        for (const PieceRecord& r : s.pieces)
                            free = free && !(r.owner != 0 && r.hole == next);
                        if (free)
                            piece = k, to = next, home[p] = s.pieces[k].hole;
                    }
                out[p] = piece;
            }
            list.add({p, piece, s.pieces[piece].hole, {to}, true});
            s = applyMove(s, piece, {to}, true).after;
        }
        end = s;
    }
};

const LongGame& longGame()
{
    static const LongGame game;
    return game;
}

void saveAndLoadGame(benchmark::State& run)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("game.tvx")).toStdString();
    const GameState state = longGame().end;
    for (auto _ : run) {
        saveGameFile(path, state);
        GameState back = initialGameState();
        benchmark::DoNotOptimize(loadGameFile(path, back));
    }
}
BENCHMARK(saveAndLoadGame)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void openGameInWindow(benchmark::State& run)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("game.tvx"));
    saveGameFile(path.toStdString(), longGame().end);
    SoundPlayer sounds;
    MainWindow window(resources(), sounds);
    window.resize(1600, 1000);
    window.show();
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    for (auto _ : run) {
        if (!window.openGameFile(path))
            run.SkipWithError("the game was refused");
        window.canvas()->repaint();
    }
}
BENCHMARK(openGameInWindow)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void writeAndReadRecord500(benchmark::State& run)
{
    const GameRecord record = recordOf(longGame().end, longGame().list);
    for (auto _ : run) {
        const std::string text = writeRecord(record);
        if (!std::holds_alternative<GameRecord>(readRecord(text)))
            run.SkipWithError("the record was refused");
    }
}
BENCHMARK(writeAndReadRecord500)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void moveList500(benchmark::State& run)
{
    MoveListWindow window(nullptr);
    window.show();
    for (auto _ : run) {
        window.showMoves(longGame().end, longGame().list, -1, false);
        QApplication::processEvents();
    }
}
BENCHMARK(moveList500)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

Statistics thousandPlayers()
{
    Statistics s;
    for (int i = 0; i < 1000; ++i) {
        PlayerFigures f;
        f.games = 10 + i % 17;
        f.places = {i % 5, i % 3, i % 2};
        f.abandoned = i % 4;
        f.finishes = 3;
        f.totalMoves = 3 * (40 + i % 30);
        f.bestMoves = 38;
        (i % 5 == 0 ? s.amongComputers : s.withPersons)[{"Player " + std::to_string(i), PlayerKind(i % 4)}] = f;
    }
    return s;
}

void statistics1000File(benchmark::State& run)
{
    const Statistics s = thousandPlayers();
    for (auto _ : run)
        benchmark::DoNotOptimize(parseStatistics(formatStatistics(s)));
}
BENCHMARK(statistics1000File)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void statistics1000Window(benchmark::State& run)
{
    const Statistics s = thousandPlayers();
    for (auto _ : run) {
        StatisticsDialog dialog(s, nullptr);
        dialog.show();
        QApplication::processEvents();
    }
}
BENCHMARK(statistics1000Window)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

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
