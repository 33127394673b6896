#pragma once
// Marks along the way from the program's start to its first painted main
// window, for finding what the first picture waits for. Silent unless the
// environment variable TAVOLUX_STARTUP_TRACE is set; then each mark is
// written to the error output as "startup: MS STEP (cpu CPU)", MS counted
// from the process's start and CPU the processor time it has used so far
// (the figure to go by on a busy machine).

class QWidget;

namespace tavolux::startup {

// Notes that `step` is done (nothing when not tracing).
void mark(const char* step);
// Marks "first paint" at the first paint of `canvas` (nothing when not
// tracing).
void traceFirstPaint(QWidget& canvas);

} // namespace tavolux::startup
