#include "app/windowsettings.h"

#include "app/mainwindow.h"

#include "app/gamecommands.h"
#include "app/messagebox.h"
#include "app/settings.h"
#include "view/boardmouse.h"
#include "view/windowcanvas.h"
#include "app/windowplacement.h"
#include "referee/refereewindow.h"

#include <QScreen>
#include <QSettings>

namespace tavolux {

void applyRememberedSettings(MainWindow& window)
{
    const RememberedSettings s = readSettings(*openSettingsStore());
    window.setWallpaperIndex(s.wallpaperIndex);
    window.game().setAnimationSpeed(s.animationSpeed);
    window.showLastMoves(s.showLastMoves);
    window.boardMouse()->lift().showDestinations(s.showDestinations);
    window.showPieceSymbols(s.pieceSymbols);

    window.applyDefaultLayout();
    if (isUsableWindowRect(s, window.screen()->availableGeometry())) {
        if (s.windowMaximized)
            window.setWindowState(window.windowState() | Qt::WindowMaximized);
        else
            setOuterGeometry(window, s.windowRect());
    }
    if (s.refereeVisible && window.referee())
        window.referee()->showWithOwner();
    if (s.moveListVisible)
        window.moveListHost().setVisible(true);
}

void saveWindowSettings(MainWindow& window)
{
    RememberedSettings s;
    takeWindowPlacement(window, s);
    s.refereeVisible = window.referee() && window.referee()->isVisible();
    s.wallpaperIndex = window.wallpaperIndex();
    s.animationSpeed = window.game().state().animationSpeed;
    s.showLastMoves = window.lastMovesShown();
    s.moveListVisible = window.moveListHost().visible();
    s.showDestinations = window.boardMouse()->lift().destinationsShown();
    s.pieceSymbols = window.pieceSymbolsShown();
    const QString error = writeSettings(*openSettingsStore(), s);
    if (!error.isEmpty())
        showMessageBox(&window, QMessageBox::Warning, window.windowTitle(), error, QMessageBox::Ok);
}

// A maximised or minimised window is restored first; the window manager
// answers that later, so restoring and placing go together.
void applyDefaultLayout(MainWindow& window)
{
    window.game().setBoardRotation(0);
    setViewSteps(window.boardView(), 0);
    const QScreen* s = window.screen();
    showNormalAt(window, defaultWindowRect(s->size(), s->availableGeometry(), window.statusBarHeight()));
    window.canvas()->update();
}

void restoreDefaultSettings(MainWindow& window)
{
    window.gameCommands().restoreDefaultSetup();
    window.setWallpaperIndex(0);
    window.applyDefaultLayout();
    window.placeReferee();
    if (window.referee()) {
        window.referee()->show();
        window.referee()->repaint();
    }
    window.activateWindow();
    window.setFocus();
}

} // namespace tavolux
