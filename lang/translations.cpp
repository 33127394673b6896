#include "lang/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace tavolux {

namespace {

const QString GameFile = QStringLiteral("tavolux_%1.qm");

// The names a language goes by in the file names, most precise first:
// "zh-Hans-CN" gives zh_CN and zh, "de" gives de_DE and de.
QStringList fileNamesOf(const QString& uiLanguage)
{
    QStringList names;
    auto add = [&names](const QString& name) {
        if (!name.isEmpty() && !names.contains(name))
            names.append(name);
    };
    const QLocale locale(uiLanguage);
    if (locale.language() != QLocale::C)
        add(locale.name());
    QString plain = uiLanguage;
    plain.replace(QLatin1Char('-'), QLatin1Char('_'));
    add(plain);
    add(plain.section(QLatin1Char('_'), 0, 0));
    if (locale.language() != QLocale::C)
        add(locale.name().section(QLatin1Char('_'), 0, 0));
    return names;
}

bool isEnglish(const QString& uiLanguage)
{
    return QLocale(uiLanguage).language() == QLocale::English;
}

// The translators installed by the last call, removed by the next.
std::unique_ptr<QTranslator>& gameTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator>& qtTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

QString& installedName()
{
    static QString name;
    return name;
}

// The locale numbers and dates follow: that of the first of the user's
// languages the program speaks (keeping its country, "fr-CA" or "en-GB"),
// else the plain language spoken.
QLocale spokenLocale(const QStringList& uiLanguages, const QString& translation)
{
    const QLocale spoken = translation.isEmpty() ? QLocale(QLocale::English, QLocale::UnitedStates)
                                                 : QLocale(translation);
    for (const QString& language : uiLanguages) {
        const QLocale locale(language);
        if (locale.language() == spoken.language() && locale.script() == spoken.script())
            return locale;
    }
    return spoken;
}

void uninstall(std::unique_ptr<QTranslator>& translator)
{
    if (translator) {
        QCoreApplication::removeTranslator(translator.get());
        translator.reset();
    }
}

} // namespace

QStringList translationFolders()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {QDir(programFolder).filePath(QStringLiteral("translations")),
            QDir::cleanPath(programFolder + QStringLiteral("/../share/tavolux/translations"))};
}

QString chooseTranslation(const QStringList& uiLanguages, const QStringList& folders)
{
    for (const QString& language : uiLanguages) {
        if (isEnglish(language))
            return {};
        for (const QString& name : fileNamesOf(language))
            for (const QString& folder : folders)
                if (QFileInfo::exists(QDir(folder).filePath(GameFile.arg(name))))
                    return name;
    }
    return {};
}

QString installTranslations()
{
    return installTranslations(QLocale::system().uiLanguages(), translationFolders());
}

QString installTranslations(const QStringList& uiLanguages, const QStringList& folders)
{
    uninstall(gameTranslator());
    uninstall(qtTranslator());
    installedName().clear();
    QLocale::setDefault(spokenLocale(uiLanguages, {}));
    const QString name = chooseTranslation(uiLanguages, folders);
    if (name.isEmpty())
        return {};

    for (const QString& folder : folders) {
        auto game = std::make_unique<QTranslator>();
        if (game->load(QDir(folder).filePath(GameFile.arg(name)))) {
            QCoreApplication::installTranslator(game.get());
            gameTranslator() = std::move(game);
            break;
        }
    }
    if (!gameTranslator())
        return {};

    // Qt's own texts: qtbase_zh_CN.qm, or qtbase_de.qm for de_DE.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + QLocale(name).name(), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || qt->load(QStringLiteral("qtbase_") + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        qtTranslator() = std::move(qt);
    }
    installedName() = name;
    QLocale::setDefault(spokenLocale(uiLanguages, name));
    return name;
}

QString installedTranslation()
{
    return installedName();
}

QString translatedFile(const QString& path, const QString& translation)
{
    if (translation.isEmpty())
        return path;
    const QFileInfo file(path);
    const QString suffix = file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix();
    const QString stem = path.left(path.size() - suffix.size());
    for (const QString& name : {translation, translation.section(QLatin1Char('_'), 0, 0)}) {
        const QString copy = stem + QLatin1Char('_') + name + suffix;
        if (QFileInfo::exists(copy))
            return copy;
    }
    return path;
}

} // namespace tavolux
