#pragma once
// The user's language: the game's own translation and Qt's (the standard
// buttons, the file dialog), chosen from the languages the system names.

#include <QString>
#include <QStringList>

namespace tavolux {

// The folders searched for the game's translations (tavolux_LANG.qm):
// translations/ beside the program, then share/tavolux/translations of the
// prefix the program is installed in.
QStringList translationFolders();

// The translation to use for the languages the user prefers, best first
// (as QLocale::uiLanguages() gives them: "de-DE", "zh-Hans-CN", ...): the
// name of the first tavolux_NAME.qm found in the folders ("de", "zh_CN"),
// or an empty string for English. English named before any language the
// game has keeps the game in English.
QString chooseTranslation(const QStringList& uiLanguages, const QStringList& folders);

// Installs in the application the game's translation and Qt's own for the
// system's languages, replacing those of an earlier call; returns the
// translation chosen, empty for English (then nothing is installed). The
// default locale, which numbers follow, becomes that of the language chosen.
QString installTranslations();

// The same for the given languages, looking in the given folders.
QString installTranslations(const QStringList& uiLanguages, const QStringList& folders);

// The translation the last call installed ("de", "zh_CN"), empty for English
// and before the first call.
QString installedTranslation();

// The copy of a file in the given translation, told by the translation's
// name before the extension: ":/help/playing-rules_de.html" for
// ":/help/playing-rules.html" and "de", or the language alone
// ("..._zh.html" for "zh_CN") when there is no copy for the country. The
// file itself when there is no copy at all, or for English (empty).
QString translatedFile(const QString& path, const QString& translation);

} // namespace tavolux
