#include "app/settings.h"

#include "app/safefiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QWidget>

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

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
const char* const KeyDestinations = "ShowDestinations";
const char* const KeyPieceSymbols = "PieceSymbols";

int readInt(const QSettings& store, const char* key, int fallback)
{
    if (!store.contains(QLatin1String(key)))
        return fallback;
    // A text with commas comes back as a list; the number is at its start.
    return profileInt(store.value(QLatin1String(key)).toStringList().join(QLatin1Char(',')));
}

int part(int size, double fraction)
{
    return static_cast<int>(size * fraction);
}

// A settings file longer than this is not merged into (it is not ours).
constexpr qint64 MaxSettingsBytes = 1024 * 1024;

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
    const bool newInstall = store.childKeys().isEmpty();
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
    s.showDestinations = readInt(store, KeyDestinations, 1) != 0;
    s.pieceSymbols = readInt(store, KeyPieceSymbols, newInstall ? 1 : 0) != 0;
    store.endGroup();
    return s;
}

namespace {

// The file with the keys of `group` set to `values`: every other line
// stays as it was, the group and the keys missing are added.
QByteArray mergedIni(const QByteArray& old, const char* group, const IniValues& values)
{
    const QByteArray header = QByteArray("[") + group + "]";
    QList<QByteArray> lines = old.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QList<QByteArray> out;
    std::vector<bool> written(values.size(), false);
    bool inGroup = false;
    qsizetype groupEnd = -1;
    for (const QByteArray& line : lines) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith('[')) {
            if (inGroup)
                groupEnd = out.size();
            inGroup = trimmed == header;
        } else if (inGroup && trimmed.contains('=')) {
            const QByteArray key = trimmed.left(trimmed.indexOf('=')).trimmed();
            const auto found =
                std::find_if(values.begin(), values.end(), [&](const auto& v) { return v.first == key; });
            if (found != values.end()) {
                const std::size_t i = static_cast<std::size_t>(found - values.begin());
                if (!written[i])
                    out << key + "=" + found->second;
                written[i] = true;
                continue;
            }
        }
        out << line;
        if (inGroup)
            groupEnd = out.size();
    }
    if (groupEnd < 0) {
        if (!out.isEmpty() && !out.last().trimmed().isEmpty())
            out << QByteArray();
        out << header;
        groupEnd = out.size();
    }
    for (std::size_t i = 0; i < values.size(); ++i)
        if (!written[i])
            out.insert(groupEnd++, values[i].first + "=" + values[i].second);
    return out.join('\n') + '\n';
}

} // namespace

QString writeSettings(QSettings& store, const RememberedSettings& s)
{
    const auto number = [](int value) { return QByteArray::number(value); };
    return writeIniGroup(store, Group, {
        {KeyLeft, number(s.windowLeft)},
        {KeyTop, number(s.windowTop)},
        {KeyRight, number(s.windowRight)},
        {KeyBottom, number(s.windowBottom)},
        {KeyMaximized, number(s.windowMaximized ? 1 : 0)},
        {KeyReferee, number(s.refereeVisible ? 1 : 0)},
        {KeyWallpaper, number(s.wallpaperIndex)},
        {KeyAnimation, number(s.animationSpeed)},
        {KeyLastMoves, number(s.showLastMoves ? 1 : 0)},
        {KeyMoveList, number(s.moveListVisible ? 1 : 0)},
        {KeyDestinations, number(s.showDestinations ? 1 : 0)},
        {KeyPieceSymbols, number(s.pieceSymbols ? 1 : 0)},
    });
}

QString writeIniGroup(QSettings& store, const char* group, const IniValues& values)
{
    // Written here rather than by the store, which can leave a cut file in
    // place of a good one when the disk fills.
    const QString path = store.fileName();
    QDir().mkpath(QFileInfo(path).absolutePath());
    const SafeFiles::Reading old = SafeFiles::read(path, MaxSettingsBytes + 1);
    // A file that cannot be read, or is too long to be ours, is left alone.
    if (old.bytes.size() > MaxSettingsBytes)
        return {};
    const bool unreadable = !old.error.isEmpty() && QFileInfo::exists(path);
    const QString reason = unreadable ? old.error : SafeFiles::write(path, mergedIni(old.bytes, group, values));
    store.sync(); // reads the new file
    if (reason.isEmpty())
        return {};
    return QCoreApplication::translate("tavolux::Settings", "The settings could not be saved in \"%1\".\n\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
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
