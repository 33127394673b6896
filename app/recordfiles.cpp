#include "app/recordfiles.h"

#include "app/gamefiles.h"
#include "app/messageboxes.h"
#include "app/movelisthost.h"
#include "app/recordfaulttexts.h"
#include "app/safefiles.h"
#include "app/suggestednames.h"
#include "model/game.h"
#include "model/gamerecord.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tavolux {

namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

RecordFiles::RecordFiles(Game& game, MessageBoxes& boxes, FileChooser& chooser, MoveListHost& moveList,
                         QWidget* dialogParent)
    : game_(game), boxes_(boxes), chooser_(chooser), moveList_(moveList), dialogParent_(dialogParent)
{
}

void RecordFiles::saveRecord()
{
    if (game_.state().noGameStarted) {
        boxes_.warn(tr("Save Game Record"), tr("There is no game to record."));
        return;
    }
    QString path =
        chooser_.saveFileName(dialogParent_, suggestedFileName(game_.state(), QDate::currentDate(), QStringLiteral("tvr")));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".tvr");
    const std::string text = writeRecord(recordOf(game_.state(), game_.moveList()));
    const QString reason = SafeFiles::write(path, QByteArray::fromStdString(text));
    if (!reason.isEmpty())
        boxes_.reportError(tr("Save Game Record"),
                           tr("The game record could not be saved as \"%1\".\n\n%2").arg(shown(path), reason));
}

void RecordFiles::openRecord()
{
    const QString path = chooser_.openFileName(dialogParent_);
    if (!path.isEmpty())
        openFile(path);
}

bool RecordFiles::openFile(const QString& path)
{
    const SafeFiles::Reading file = SafeFiles::read(path, static_cast<qint64>(MaxRecordBytes) + 1);
    if (!file.error.isEmpty()) {
        boxes_.reportError(tr("Open Game Record"),
                           tr("The file \"%1\" could not be opened.\n\n%2").arg(shown(path), file.error));
        return false;
    }
    const QByteArray& bytes = file.bytes;
    const RecordReading reading = readRecord(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (const auto* error = std::get_if<RecordError>(&reading)) {
        const QString why = RecordFaultTexts::text(*error);
        const QString where = error->line > 0 ? tr("Line %1: %2").arg(error->line).arg(why) : why;
        boxes_.reportError(tr("Open Game Record"),
                           tr("\"%1\" is not a game record that can be shown.\n\n%2").arg(shown(path), where));
        return false;
    }
    moveList_.showRecord(std::get<GameRecord>(reading));
    return true;
}

void RecordFiles::playFromHere()
{
    const GameRecord* record = moveList_.record();
    if (record == nullptr)
        return;
    if (game_.state().gameInProgress()
        && !boxes_.askYesNo(tr("Play from Here"), tr("There is still a game in progress.  Do you want to abandon it?")))
        return;
    const GameRecord kept = *record;
    const std::size_t count = static_cast<std::size_t>(std::max(0, moveList_.reviewedCount()));
    // The record's players and position, the window's own options.
    GameState next = replayTo(kept, count);
    next.animationSpeed = game_.state().animationSpeed;
    next.soundEnabled = game_.state().soundEnabled;
    next.boardRotation = game_.state().boardRotation;
    for (int p = 0; p < PlayerCount; ++p) {
        next.slots[p].preferredView = game_.state().slots[p].preferredView;
        next.slots[p].autoReposition = game_.state().slots[p].autoReposition;
    }
    moveList_.endReview();
    if (beforeReplacing)
        beforeReplacing();
    // The moves that led here stay in the list.
    MoveList past;
    past.restart(replayTo(kept, 0));
    for (std::size_t i = 0; i < count && i < kept.moves.size(); ++i)
        past.add(kept.moves[i]);
    game_.load(next, &past);
    moveList_.gameChanged();
}

} // namespace tavolux
