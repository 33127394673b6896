#pragma once
// The few things the program remembers between runs: where the main window
// was and whether it was maximised, whether the referee was shown, the
// wallpaper, the animation speed, whether the last moves are shown, whether a
// lifted piece's destinations are marked and whether the pieces carry their
// symbols. They live in the group "Tavolux" of an
// INI file as decimal integers, are read once when the main window opens and
// written once when it closes. The window placement rules (the default
// layout and whether a remembered rectangle can still be used) are here too.

#include <QByteArray>
#include <QRect>
#include <QSize>
#include <QString>

#include <memory>
#include <utility>
#include <vector>

class QSettings;
class QWidget;

namespace tavolux {

struct RememberedSettings {
    // The main window's outer rectangle; right and bottom are exclusive.
    int windowLeft = 0;
    int windowTop = 0;
    int windowRight = 0;
    int windowBottom = 0;
    bool windowMaximized = false;
    bool refereeVisible = true;
    bool moveListVisible = false;
    int wallpaperIndex = 0; // 0..2
    int animationSpeed = 0; // 0 smooth, 1 flickery
    bool showLastMoves = true;
    bool showDestinations = true;
    // On for a new install; a settings file from before the symbols keeps
    // the pieces as they were.
    bool pieceSymbols = true;

    QRect windowRect() const;
};

// The program's own store: Tavolux.ini in the user's configuration folder.
std::unique_ptr<QSettings> openSettingsStore();

// Reads the keys with their defaults. A wallpaper outside 0..2 reads
// as 0; an animation speed above 1 reads as 1 and one below 0 as 0.
RememberedSettings readSettings(QSettings& store);
// Writes the keys and saves the file at once; empty when saved, otherwise
// why not (the old file is then as it was).
QString writeSettings(QSettings& store, const RememberedSettings& settings);

// Keys and their stored texts, in the order they are added to a group.
using IniValues = std::vector<std::pair<QByteArray, QByteArray>>;
// Sets the keys of `group` in the store's file, keeping every other line as
// it was, and saves it atomically; as writeSettings.
QString writeIniGroup(QSettings& store, const char* group, const IniValues& values);

// The whole number a stored text starts with, as the profile store reads
// it: leading blanks and a sign allowed, anything after the digits ignored,
// 0 when there are no digits, clamped to the int range.
int profileInt(const QString& text);

// A remembered rectangle is usable when it is not empty and overlaps the
// work area.
bool isUsableWindowRect(const RememberedSettings& settings, const QRect& workArea);

// The main window's outer rectangle in the default layout: 80 % of the
// screen wide, 79.5 % of it high plus the status bar, 2.5 % of the screen
// inside the work area's top-left corner.
QRect defaultWindowRect(QSize screen, const QRect& workArea, int statusBarHeight);

// The window's outer rectangle and state as the settings keep them.
void takeWindowPlacement(const QWidget& window, RememberedSettings& settings);

} // namespace tavolux
