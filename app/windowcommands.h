#pragma once
// The commands on the window around the game: the options, the last moves
// shown, the marks of a lifted piece's destinations, the pieces' symbols,
// the referee, the default settings, the statistics, the playing
// rules and the About box.

#include <QCoreApplication>

namespace tavolux {

class MainWindow;

class WindowCommands {
    // The texts keep the context they have always had in the translations.
    Q_DECLARE_TR_FUNCTIONS(tavolux::MainWindow)
public:
    explicit WindowCommands(MainWindow& window);

    // Gives the window's commands their handlers.
    void connect();

private:
    void changeOptions();
    void showAboutBox();

    MainWindow& window_;
};

} // namespace tavolux
