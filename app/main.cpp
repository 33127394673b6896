#include "app/gameapp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return tavolux::runGameApp(app);
}
