#include "app/settings.h"

#include <QSettings>
#include <QWidget>

#include <climits>

namespace tavolux {

namespace {

const char* const Group = "Tavolux";
const char* const KeyLeft = "WindowLeft";
const char* const KeyTop = "WindowTop";
const char* const KeyRight = "WindowRight";
const char* const KeyBottom = "WindowBottom";
const char* const KeyMaximized = "WindowMaximized";
const char* const KeyReferee = "RefereeVisible";
const char* const KeyWallpaper = "WallPaperID";
const char* const KeyAnimation = "AnimationSpeed";
const char* const KeyLastMoves = "ShowLastMoves";
const char* const KeyMoveList = "MoveListVisible";

int readInt(const QSettings& store, const char* key, int fallback)
{
    if (!store.contains(QLatin1String(key)))
        return fallback;
    // A text with commas comes back as a list; the number is at its start.
    return profileInt(store.value(QLatin1String(key)).toStringList().join(QLatin1Char(',')));
}

void writeInt(QSettings& store, const char* key, int value)
{
    store.setValue(QLatin1String(key), QString::number(value));
}

int part(int size, double fraction)
{
    return static_cast<int>(size * fraction);
}

} // namespace

QRect RememberedSettings::windowRect() const
{
    return QRect(QPoint(windowLeft, windowTop), QPoint(windowRight - 1, windowBottom - 1));
}

std::unique_ptr<QSettings> openSettingsStore()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Tavolux"), QStringLiteral("Tavolux"));
}

int profileInt(const QString& text)
{
    int i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        negative = text.at(i++) == QLatin1Char('-');
    long long value = 0;
    for (; i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'); ++i) {
        value = value * 10 + (text.at(i).unicode() - '0');
        if (value > 1LL + INT_MAX)
            value = 1LL + INT_MAX;
    }
    if (negative)
        return static_cast<int>(qMax(-value, static_cast<long long>(INT_MIN)));
    return static_cast<int>(qMin(value, static_cast<long long>(INT_MAX)));
}

RememberedSettings readSettings(QSettings& store)
{
    store.beginGroup(QLatin1String(Group));
    RememberedSettings s;
    s.windowLeft = readInt(store, KeyLeft, 0);
    s.windowTop = readInt(store, KeyTop, 0);
    s.windowRight = readInt(store, KeyRight, 0);
    s.windowBottom = readInt(store, KeyBottom, 0);
    s.windowMaximized = readInt(store, KeyMaximized, 0) != 0;
    s.refereeVisible = readInt(store, KeyReferee, 1) != 0;
    const int wallpaper = readInt(store, KeyWallpaper, 0);
    s.wallpaperIndex = (wallpaper >= 0 && wallpaper <= 2) ? wallpaper : 0;
    s.animationSpeed = qBound(0, readInt(store, KeyAnimation, 0), 1);
    s.showLastMoves = readInt(store, KeyLastMoves, 1) != 0;
    s.moveListVisible = readInt(store, KeyMoveList, 0) != 0;
    store.endGroup();
    return s;
}

void writeSettings(QSettings& store, const RememberedSettings& s)
{
    store.beginGroup(QLatin1String(Group));
    writeInt(store, KeyLeft, s.windowLeft);
    writeInt(store, KeyTop, s.windowTop);
    writeInt(store, KeyRight, s.windowRight);
    writeInt(store, KeyBottom, s.windowBottom);
    writeInt(store, KeyMaximized, s.windowMaximized ? 1 : 0);
    writeInt(store, KeyReferee, s.refereeVisible ? 1 : 0);
    writeInt(store, KeyWallpaper, s.wallpaperIndex);
    writeInt(store, KeyAnimation, s.animationSpeed);
    writeInt(store, KeyLastMoves, s.showLastMoves ? 1 : 0);
    writeInt(store, KeyMoveList, s.moveListVisible ? 1 : 0);
    store.endGroup();
    store.sync();
}

bool isUsableWindowRect(const RememberedSettings& s, const QRect& workArea)
{
    // Edges as the profile keeps them: right and bottom exclusive. Computed
    // in 64 bits, as stored values may lie anywhere in the int range.
    const long long areaRight = static_cast<long long>(workArea.left()) + workArea.width();
    const long long areaBottom = static_cast<long long>(workArea.top()) + workArea.height();
    return s.windowLeft < s.windowRight && s.windowTop < s.windowBottom && s.windowLeft < areaRight
        && s.windowTop < areaBottom && s.windowRight > workArea.left() && s.windowBottom > workArea.top();
}

QRect defaultWindowRect(QSize screen, const QRect& workArea, int statusBarHeight)
{
    const int width = part(screen.width(), 0.8);
    const int height = static_cast<int>(0.795 * screen.height() + statusBarHeight);
    const int x = workArea.left() + part(screen.width(), 0.025);
    const int y = workArea.top() + part(screen.height(), 0.025);
    return QRect(x, y, width, height);
}

void takeWindowPlacement(const QWidget& window, RememberedSettings& s)
{
    const QRect outer = window.frameGeometry();
    s.windowLeft = outer.left();
    s.windowTop = outer.top();
    s.windowRight = outer.left() + outer.width();
    s.windowBottom = outer.top() + outer.height();
    s.windowMaximized = window.isMaximized();
}

} // namespace tavolux
