#pragma once
// The program from start to end: welcome picture, resources, board tables
// and start sound; the main window until the user exits; then the resources
// are released and the farewell sound plays.

class QApplication;

namespace tavolux {

// Runs the whole program on an existing application object; returns the
// process exit code.
int runGameApp(QApplication& app);

} // namespace tavolux
