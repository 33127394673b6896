// The main window's remembered settings: read once when it opens, written
// once when it closes, and the default layout that "Default Settings"
// brings back.

#include "app/mainwindow.h"

#include "app/settings.h"
#include "view/windowcanvas.h"
#include "app/windowplacement.h"
#include "referee/refereewindow.h"

#include <QScreen>
#include <QSettings>

namespace tavolux {

void MainWindow::applyRememberedSettings()
{
    const RememberedSettings s = readSettings(*openSettingsStore());
    setWallpaperIndex(s.wallpaperIndex);
    game_.state.animationSpeed = s.animationSpeed;
    showLastMoves(s.showLastMoves);

    applyDefaultLayout();
    if (isUsableWindowRect(s, screen()->availableGeometry())) {
        if (s.windowMaximized)
            setWindowState(windowState() | Qt::WindowMaximized);
        else
            setOuterGeometry(*this, s.windowRect());
    }
    if (s.refereeVisible && referee_)
        referee_->showWithOwner();
}

void MainWindow::saveSettings()
{
    RememberedSettings s;
    takeWindowPlacement(*this, s);
    s.refereeVisible = refereeVisible();
    s.wallpaperIndex = wallpaperIndex_;
    s.animationSpeed = game_.state.animationSpeed;
    s.showLastMoves = showLastMoves_;
    writeSettings(*openSettingsStore(), s);
}

// A maximised or minimised window is restored first; the window manager
// answers that later, so restoring and placing go together.
void MainWindow::applyDefaultLayout()
{
    game_.state.boardRotation = 0;
    setViewSteps(view_, 0);
    const QScreen* s = screen();
    showNormalAt(*this, defaultWindowRect(s->size(), s->availableGeometry(), statusBarHeight()));
    canvas_->update();
}

void MainWindow::restoreDefaultSettings()
{
    setWallpaperIndex(0);
    applyDefaultLayout();
    placeReferee();
    if (referee_) {
        referee_->show();
        referee_->repaint();
    }
    activateWindow();
    setFocus();
}

} // namespace tavolux
