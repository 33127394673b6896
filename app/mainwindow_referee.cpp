// The main window's side of the referee: making it, giving it its lines,
// and the View menu's command that shows or hides it.

#include "app/mainwindow.h"

#include "app/gametexts.h"
#include "referee/refereewindow.h"

namespace tavolux {

void MainWindow::createReferee()
{
    referee_ = new RefereeWindow(this);
}

RefereeWindow* MainWindow::referee() const
{
    return referee_;
}

void MainWindow::setRefereeLines(const QString& line0, const QString& line1, const QString& line2,
                                 const QString& line3)
{
    if (!referee_)
        return;
    referee_->setLine(0, line0);
    referee_->setLine(1, line1);
    referee_->setLine(2, line2);
    referee_->setLine(3, line3);
    referee_->showText();
}

void MainWindow::showRefereeLines(const RefereeLines& lines)
{
    setRefereeLines(lines.line[0], lines.line[1], lines.line[2], lines.line[3]);
}

bool MainWindow::refereeVisible() const
{
    return referee_ && referee_->isVisible();
}

void MainWindow::toggleReferee()
{
    if (refereeVisible()) {
        referee_->hide();
        return;
    }
    referee_->show();
    activateWindow();
    setFocus();
}

} // namespace tavolux
