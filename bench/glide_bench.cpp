// Pace and cost of a computer's move on the board: the piece window glides
// along single-hop and multi-hop paths in the real main window, at each
// animation speed, on the real clock. Per hop it measures the duration, the
// frames shown (the glide's own count and the piece window's Paint and Move
// events), the time between shown frames, the rest on the hole reached, and
// per frame the CPU time and the heap allocations of the main thread. The
// glide runs on its own timers in the application's event loop, as in the
// game.
//
//   QT_QPA_PLATFORM=offscreen build/bin/glide_bench [--reps N]
//   xvfb-run -a -s "-screen 0 1600x1000x24" build/bin/glide_bench
//   build/bin/glide_bench --smoke      one single-hop glide per speed
//
// With neither QT_QPA_PLATFORM nor a display it runs offscreen.

#include "app/mainwindow.h"
#include "app/soundplayer.h"
#include "model/board.h"
#include "resources/programresources.h"
#include "view/moveglide.h"
#include "view/piecewindow.h"
#include "view/windowcanvas.h"

#include <QApplication>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <pthread.h>
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

// Heap calls of the main thread while a glide is measured. Every C++ and Qt
// allocation ends in one of these three; they forward to glibc's own.
namespace {
std::atomic<bool> countingHeap{false};
pthread_t countedThread;
std::size_t heapCalls = 0;
std::size_t heapBytes = 0;

void noteHeap(std::size_t bytes)
{
    if (countingHeap.load(std::memory_order_relaxed) && pthread_equal(pthread_self(), countedThread)) {
        ++heapCalls;
        heapBytes += bytes;
    }
}
} // namespace

extern "C" {
void* __libc_malloc(std::size_t size) noexcept;
void* __libc_calloc(std::size_t count, std::size_t size) noexcept;
void* __libc_realloc(void* block, std::size_t size) noexcept;

void* malloc(std::size_t size) noexcept
{
    noteHeap(size);
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) noexcept
{
    noteHeap(count * size);
    return __libc_calloc(count, size);
}
void* realloc(void* block, std::size_t size) noexcept
{
    noteHeap(size);
    return __libc_realloc(block, size);
}
}

using namespace tavolux;

namespace {

using Ms = std::chrono::duration<double, std::milli>;

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double processCpuMs()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1e3 + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e3;
}

// Paint and Move events of the piece window and paints of the board.
struct EventCounts {
    int piecePaints = 0;
    int pieceMoves = 0;
    int boardPaints = 0;
};

class EventCounter : public QObject {
public:
    explicit EventCounter(const QWidget* board) : board_(board) {}
    EventCounts counts;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            if (watched == board_)
                ++counts.boardPaints;
            else if (qobject_cast<PieceWindow*>(watched))
                ++counts.piecePaints;
        } else if (event->type() == QEvent::Move && qobject_cast<PieceWindow*>(watched)) {
            ++counts.pieceMoves;
        }
        return false;
    }

private:
    const QWidget* board_;
};

// What the main thread had done at one moment of a glide.
struct Mark {
    GlideClock::time_point time;
    double cpuMs = 0;
    std::size_t heapCalls = 0;
    std::size_t heapBytes = 0;
    EventCounts events;
};

struct HopRecord {
    Mark start;               // the first frame of the hop
    std::vector<Mark> frames; // every frame shown, the last one on the hole
    double pauseMs = 0;       // the rest on the hole reached
};

// One glide of MoveGlide on the window's timers, its frames marked as they
// are shown: the rest on a hole lasts from the hop's last frame to the next
// hop's first one, or to the end of the glide.
class GlideRecorder {
public:
    GlideRecorder(MainWindow& window, EventCounter& counter) : window_(window), counter_(counter)
    {
        glide_.setFrameShown([this](int hop) {
            if (hop >= static_cast<int>(hops_.size()))
                openHop();
            hops_.back().frames.push_back(mark());
        });
        QObject::connect(&glide_, &MoveGlide::finished, [this] { end(); });
    }

    // Starts the glide of the piece on `start` along `path`; `done` gets the
    // hops in order and the process CPU of the whole glide.
    void glide(int start, const std::vector<int>& path, int speed,
               std::function<void(std::vector<HopRecord>, double)> done)
    {
        hops_.clear();
        hops_.reserve(path.size() + 1);
        done_ = std::move(done);
        const GameState& state = window_.game().state();
        int piece = 0;
        while (piece < PieceCount - 1 && state.pieces[piece].hole != start)
            ++piece;
        WindowScene scene = window_.canvas()->scene();
        scene.hiddenPiece = piece;
        window_.canvas()->setScene(scene);

        cpuBefore_ = processCpuMs();
        glide_.start(*window_.canvas(), window_.boardView(), 0, start, path, speed);
    }

private:
    void end()
    {
        const GlideClock::time_point finished = GlideClock::now();
        const double processCpu = processCpuMs() - cpuBefore_;
        for (std::size_t i = 0; i < hops_.size(); ++i) {
            const GlideClock::time_point next = i + 1 < hops_.size() ? hops_[i + 1].start.time : finished;
            hops_[i].pauseMs = Ms(next - hops_[i].frames.back().time).count();
        }
        WindowScene scene = window_.canvas()->scene();
        scene.hiddenPiece = -1;
        window_.canvas()->setScene(scene);
        window_.canvas()->repaint();
        done_(std::move(hops_), processCpu);
    }

    Mark mark() const
    {
        return {GlideClock::now(), threadCpuMs(), heapCalls, heapBytes, counter_.counts};
    }
    void openHop()
    {
        hops_.emplace_back();
        // Room for far more frames than a hop shows, so that recording them
        // does not allocate while allocations are counted.
        hops_.back().frames.reserve(2048);
        hops_.back().start = mark();
    }

    MainWindow& window_;
    EventCounter& counter_;
    MoveGlide glide_;
    std::vector<HopRecord> hops_;
    std::function<void(std::vector<HopRecord>, double)> done_;
    double cpuBefore_ = 0;
};

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}
double maximum(const std::vector<double>& v) { return v.empty() ? 0 : *std::max_element(v.begin(), v.end()); }
double minimum(const std::vector<double>& v) { return v.empty() ? 0 : *std::min_element(v.begin(), v.end()); }
double mean(const std::vector<double>& v)
{
    double sum = 0;
    for (double x : v)
        sum += x;
    return v.empty() ? 0 : sum / v.size();
}

// Every figure of one speed and path, over all repetitions.
struct Figures {
    std::vector<double> hopMs, frames, piecePaints, pieceMoves, boardPaints, gapMs, pauseMs;
    std::vector<double> frameCpuMs, frameHeapCalls, frameHeapBytes, glideCpuPerFrame;

    void add(const std::vector<HopRecord>& hops, double processCpu)
    {
        int shown = 0;
        for (const HopRecord& hop : hops) {
            if (hop.frames.empty())
                continue;
            const Mark& end = hop.frames.back();
            hopMs.push_back(Ms(end.time - hop.start.time).count());
            frames.push_back(static_cast<double>(hop.frames.size()));
            piecePaints.push_back(end.events.piecePaints - hop.start.events.piecePaints);
            pieceMoves.push_back(end.events.pieceMoves - hop.start.events.pieceMoves);
            boardPaints.push_back(end.events.boardPaints - hop.start.events.boardPaints);
            pauseMs.push_back(hop.pauseMs);
            for (std::size_t i = 1; i < hop.frames.size(); ++i) {
                const Mark& a = hop.frames[i - 1];
                const Mark& b = hop.frames[i];
                gapMs.push_back(Ms(b.time - a.time).count());
                frameCpuMs.push_back(b.cpuMs - a.cpuMs);
                frameHeapCalls.push_back(static_cast<double>(b.heapCalls - a.heapCalls));
                frameHeapBytes.push_back(static_cast<double>(b.heapBytes - a.heapBytes));
            }
            shown += static_cast<int>(hop.frames.size());
        }
        if (shown > 0)
            glideCpuPerFrame.push_back(processCpu / shown);
    }
};

struct Case {
    const char* name;
    std::vector<int> path;
};

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

// A chain of jumps up the board from `start`, turning at every landing.
std::vector<int> jumpChain(int start, int hops)
{
    std::vector<int> path;
    int hole = start;
    for (int i = 0; i < hops; ++i) {
        const int next = jump(hole, i % 2 ? NorthEast : NorthWest);
        if (next < 0)
            break;
        path.push_back(next);
        hole = next;
    }
    return path;
}

void printUsage()
{
    std::printf("usage: glide_bench [--reps N] [--smoke]\n"
                "  --reps N   glides per speed and path (5)\n"
                "  --smoke    one single-hop glide per speed, no warm-up\n");
}

} // namespace

int main(int argc, char** argv)
{
    // On an X server (xvfb-run) Qt's own choice, else offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int reps = 5;
    bool smoke = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--reps") && i + 1 < argc) {
            reps = std::atoi(argv[++i]);
        } else if (!std::strcmp(argv[i], "--smoke")) {
            smoke = true;
        } else {
            printUsage();
            return !std::strcmp(argv[i], "--help") ? 0 : 2;
        }
    }
    if (smoke)
        reps = 1;
    if (reps < 1) {
        std::fprintf(stderr, "glide_bench: --reps needs a whole number of at least 1\n");
        return 2;
    }

    QApplication app(argc, argv);
    SoundPlayer sounds;
    MainWindow window(resources(), sounds);
    window.show();
    const QSize client(1000, 700);
    window.resize(client + window.size() - window.canvas()->size());
    for (int i = 0; i < 200 && (window.canvas()->size() != client || !window.windowHandle()->isExposed()); ++i) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
    window.game().load(gameInProgress());
    window.canvas()->repaint();

    EventCounter counter(window.canvas());
    app.installEventFilter(&counter);
    GlideRecorder recorder(window, counter);

    constexpr int Start = 111; // a piece of Player #1, in the bottom point's front row
    const std::vector<Case> cases = smoke ? std::vector<Case>{{"1 step", {neighbour(Start, NorthWest)}}}
                                          : std::vector<Case>{{"1 step", {neighbour(Start, NorthWest)}},
                                                              {"1 jump", jumpChain(Start, 1)},
                                                              {"4 jumps", jumpChain(Start, 4)}};
    const int speeds[] = {0, 1};
    const char* speedNames[] = {"smooth", "flickery"};

    std::printf("glide_bench: platform %s, client %d x %d, %d glide(s) per row\n",
                qPrintable(QGuiApplication::platformName()), window.canvas()->width(), window.canvas()->height(),
                reps);
    countedThread = pthread_self();
    struct Row {
        int speed;
        const Case* path;
        Figures figures;
    };
    std::vector<Row> rows;
    for (int speed : speeds)
        for (const Case& c : cases)
            rows.push_back({speed, &c, {}});

    // The glides one after the other, each started when the last has
    // finished, on the application's own event loop; a warm-up glide first
    // (first paints, caches), not recorded.
    std::size_t glide = smoke ? 1 : 0;
    const std::size_t glides = rows.size() * static_cast<std::size_t>(reps) + 1;
    std::function<void()> next = [&] {
        if (glide == glides) {
            QCoreApplication::exit(0); // quit() would close the window first, asking about the game
            return;
        }
        const std::size_t n = glide++;
        Row* row = n == 0 ? nullptr : &rows[(n - 1) / static_cast<std::size_t>(reps)];
        const int speed = row ? row->speed : 0;
        const std::vector<int>& path = row ? row->path->path : cases[0].path;
        countingHeap = row != nullptr;
        recorder.glide(Start, path, speed, [&, row](std::vector<HopRecord> hops, double cpu) {
            countingHeap = false;
            if (row)
                row->figures.add(hops, cpu);
            QTimer::singleShot(0, next);
        });
    };
    QTimer::singleShot(0, next);
    app.exec();

    std::printf("\nPace (per hop; gaps between consecutive frames of a hop)\n");
    std::printf("%-9s %-8s %5s | %-20s | %-14s %5s | %8s %8s | %-14s\n", "speed", "path", "hops", "hop ms mean [min-max]",
                "frames [min-max]", "want", "gap med", "gap max", "pause ms [max]");
    for (const Row& row : rows) {
        const Figures& f = row.figures;
        const double interval = Ms(glideFrameInterval(row.speed)).count();
        const int want = static_cast<int>(std::lround(Ms(HopDuration).count() / interval)) + 1;
        char hop[32], frames[32], pause[32];
        std::snprintf(hop, sizeof hop, "%.1f [%.1f-%.1f]", mean(f.hopMs), minimum(f.hopMs), maximum(f.hopMs));
        std::snprintf(frames, sizeof frames, "%.1f [%.0f-%.0f]", mean(f.frames), minimum(f.frames),
                      maximum(f.frames));
        std::snprintf(pause, sizeof pause, "%.1f [%.1f]", mean(f.pauseMs), maximum(f.pauseMs));
        std::printf("%-9s %-8s %5zu | %-20s | %-14s %5d | %8.2f %8.2f | %-14s\n", speedNames[row.speed],
                    row.path->name, row.path->path.size(), hop, frames, want, median(f.gapMs), maximum(f.gapMs),
                    pause);
    }

    std::printf("\nCost (per frame shown; events per hop over frames per hop)\n");
    std::printf("%-9s %-8s | %6s %6s %6s | %10s %10s %10s | %-13s %-15s\n", "speed", "path", "pPaint", "pMove", "bPaint",
                "cpu/glide", "cpu med", "cpu max", "allocs [max]", "bytes [max]");
    bool faulty = false;
    for (const Row& row : rows) {
        const Figures& f = row.figures;
        const double frames = mean(f.frames);
        char allocs[32], bytes[32];
        std::snprintf(allocs, sizeof allocs, "%.0f [%.0f]", median(f.frameHeapCalls), maximum(f.frameHeapCalls));
        std::snprintf(bytes, sizeof bytes, "%.0f [%.0f]", median(f.frameHeapBytes), maximum(f.frameHeapBytes));
        std::printf("%-9s %-8s | %6.2f %6.2f %6.2f | %10.3f %10.3f %10.3f | %-13s %-15s\n", speedNames[row.speed],
                    row.path->name, mean(f.piecePaints) / frames, mean(f.pieceMoves) / frames,
                    mean(f.boardPaints) / frames, mean(f.glideCpuPerFrame), median(f.frameCpuMs),
                    maximum(f.frameCpuMs), allocs, bytes);
        if (f.frames.size() != row.path->path.size() * static_cast<std::size_t>(reps) || minimum(f.frames) < 2 || minimum(f.piecePaints) < 1)
            faulty = true;
    }
    std::printf("\nhop ms: first frame of the hop to the frame on the hole; want: frames of a %lld ms hop at the\n"
                "speed's frame interval, plus the frame on the hole. pPaint/pMove: Paint and Move events of the\n"
                "piece window, bPaint: paints of the board, per frame. cpu/glide: process CPU of the whole glide\n"
                "(set-up and pauses included) over its frames; cpu med/max: main thread between two frames of a\n"
                "hop. allocs, bytes: heap calls of the main thread between two frames of a hop (median [max]).\n"
                "CPU in ms.\n",
                static_cast<long long>(HopDuration.count()));
    if (faulty) {
        std::fprintf(stderr, "glide_bench: a glide showed no frames or did not paint its piece\n");
        return 1;
    }
    return 0;
}
