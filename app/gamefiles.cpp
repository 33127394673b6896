#include "app/gamefiles.h"

#include "app/messageboxes.h"
#include "app/safefiles.h"
#include "app/suggestednames.h"
#include "model/game.h"
#include "model/savefile.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace tavolux {

namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QString DialogFileChooser::saveFileName(QWidget* parent, const QString& suggested)
{
    return choose(parent, true, suggested);
}

QString DialogFileChooser::openFileName(QWidget* parent)
{
    return choose(parent, false);
}

QString DialogFileChooser::choose(QWidget* parent, bool save, const QString& suggested)
{
    if (folder_.isEmpty())
        folder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // A save goes where it is offered, even on a system that has no
    // documents folder yet; the dialog would fall back to the home folder.
    if (save && !QFileInfo::exists(folder_))
        QDir().mkpath(folder_);
    const bool records = files_ == Files::Records;
    const QString title = records ? (save ? tr("Save Game Record") : tr("Open Game Record"))
                                  : (save ? tr("Save Game") : tr("Load Game"));
    QFileDialog dialog(parent, title, folder_);
    dialog.setObjectName(save ? QStringLiteral("saveGameDialog") : QStringLiteral("loadGameDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QString suffix = QLatin1String(records ? "tvr" : "tvx");
    dialog.setNameFilter(records ? tr("Tavolux Game Records (*.tvr)") : tr("Tavolux Files (*.tvx)"));
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(suggested.isEmpty() ? QStringLiteral("*.") + suffix : suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    folder_ = QFileInfo(chosen).absolutePath();
    return chosen;
}

GameFiles::GameFiles(Game& game, MessageBoxes& boxes, FileChooser& chooser, QWidget* dialogParent)
    : game_(game), boxes_(boxes), chooser_(chooser), dialogParent_(dialogParent)
{
}

void GameFiles::saveGame()
{
    if (!game_.state().gameInProgress()) {
        boxes_.warn(tr("Save Game"), tr("There is no unfinished game to save!"));
        return;
    }
    const QString chosen =
        chooser_.saveFileName(dialogParent_, suggestedFileName(game_.state(), QDate::currentDate(), QStringLiteral("tvx")));
    if (chosen.isEmpty())
        return;
    const QString path = QString::fromStdString(forceTvxExtension(chosen.toStdString()));
    if (!confirmReplace(chosen, path))
        return;
    writeFile(path);
}

// The dialog asked before replacing the file it was given; forcing the
// extension may name another file, which is not replaced without asking.
bool GameFiles::confirmReplace(const QString& chosen, const QString& path)
{
    if (QFileInfo(path).absoluteFilePath() == QFileInfo(chosen).absoluteFilePath() || !QFileInfo::exists(path))
        return true;
    return boxes_.askYesNo(tr("Save Game"),
                        tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(path).fileName()));
}

// Replaced whole or not at all: a failed save leaves an existing file as it
// was and nothing else.
bool GameFiles::writeFile(const QString& path)
{
    const std::vector<uint8_t> bytes = encodeGame(game_.state());
    const QString reason = SafeFiles::write(
        path, QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
    if (reason.isEmpty())
        return true;
    boxes_.reportError(tr("Save Game"),
                    tr("The game could not be saved as \"%1\".\n\n%2").arg(shown(path), reason));
    return false;
}

void GameFiles::loadGame()
{
    if (game_.state().gameInProgress()
        && !boxes_.askYesNo(tr("Load Game"),
                         tr("There is still a game in progress.  Do you want to abandon it?")))
        return;
    const QString path = chooser_.openFileName(dialogParent_);
    if (!path.isEmpty())
        openFile(path);
}

bool GameFiles::openFile(const QString& path)
{
    // Never waits: a FIFO or a device is refused at once.
    const SafeFiles::Reading file = SafeFiles::read(path, static_cast<qint64>(SaveReadSize));
    if (!file.error.isEmpty()) {
        boxes_.reportError(tr("Load Game"),
                        tr("The file \"%1\" could not be opened.\n\n%2").arg(shown(path), file.error));
        return false;
    }
    const QByteArray& bytes = file.bytes;
    GameState loaded = game_.state();
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
    if (decodeGame(data, static_cast<std::size_t>(bytes.size()), loaded) != LoadStatus::Loaded) {
        boxes_.reportError(tr("Load Game"), tr("That is not a Tavolux file!"));
        return false;
    }
    if (beforeLoading)
        beforeLoading();
    game_.load(loaded);
    return true;
}

} // namespace tavolux
