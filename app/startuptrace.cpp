#include "app/startuptrace.h"

#include <QEvent>
#include <QFile>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace tavolux::startup {

namespace {

bool tracing()
{
    static const bool on = !qEnvironmentVariableIsEmpty("TAVOLUX_STARTUP_TRACE");
    return on;
}

// Milliseconds since the process started: the kernel's start time (in clock
// ticks since boot) against the time since boot now.
double sinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // Field 22; the command name in parentheses may hold spaces.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 20)
        return -1;
    const double started = fields[19].toDouble() / double(sysconf(_SC_CLK_TCK));
    return (double(now.tv_sec) + double(now.tv_nsec) / 1e9 - started) * 1000.0;
}

class FirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* target, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            mark("first paint");
            target->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

} // namespace

void mark(const char* step)
{
    if (!tracing())
        return;
    // The kernel counts the start in ticks of 10 ms; the marks after the
    // first are timed on the steady clock from it.
    using Clock = std::chrono::steady_clock;
    static const Clock::time_point firstAt = Clock::now();
    static const double first = sinceProcessStart();
    const double ms = first + std::chrono::duration<double, std::milli>(Clock::now() - firstAt).count();
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    std::fprintf(stderr, "startup: %.1f %s (cpu %.1f)\n", ms, step, double(cpu.tv_sec) * 1e3 + double(cpu.tv_nsec) / 1e6);
    std::fflush(stderr);
}

void traceFirstPaint(QWidget& canvas)
{
    if (tracing())
        canvas.installEventFilter(new FirstPaint(&canvas));
}

} // namespace tavolux::startup
