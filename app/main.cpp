#include "app/gameapp.h"
#include "app/startuptrace.h"

#include <QApplication>

int main(int argc, char** argv)
{
    tavolux::startup::mark("main");
    QApplication app(argc, argv);
    tavolux::startup::mark("application");
    return tavolux::runGameApp(app);
}
