// The playing rules in the program's language: the translated copy of a
// file chosen by the translation's name, the rules window showing the copy
// of the language installed (English otherwise), every copy keeping the
// English document's sections so that its contents links lead somewhere,
// and every "Menu, Command" and window the rules name being the program's.

#include "app/mainwindow.h"
#include "app/soundplayer.h"
#include "dialogs/ruleswindow.h"
#include "dialogs/setupsheet.h"
#include "lang/translations.h"
#include "resources/programresources.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <utility>

#include <gtest/gtest.h>

using namespace tavolux;

namespace {

const QStringList Languages = {"de", "fr", "es", "zh_CN"};

// Back to English whatever a test left installed.
class RulesInLanguage : public ::testing::Test {
protected:
    void TearDown() override { installTranslations({QStringLiteral("en")}, translationFolders()); }

    // The rules as a new window of a new owner shows them.
    struct Shown {
        QString source;
        QString title;
        QString text;
    };
    static Shown shownRules()
    {
        QWidget owner;
        RulesWindow* window = RulesWindow::showFor(&owner);
        const QTextBrowser* browser = window->browser();
        return {browser->source().toString(), browser->documentTitle(), browser->toPlainText()};
    }
};

// A menu text as the rules name it: without its mnemonic, "&Hint" or
// "提示(&H)" naming the command "Hint" or "提示".
QString menuText(const char* text)
{
    QString shown = QCoreApplication::translate("tavolux::MainWindow", text);
    shown.remove(QRegularExpression(QStringLiteral("\\(&.\\)$")));
    return shown.remove(QLatin1Char('&'));
}

// A menu's or an item's text as shown, without its access key.
QString withoutMnemonic(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
    return text.remove(QLatin1Char('&'));
}

QString read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QSet<QString> matches(const QString& text, const char* pattern)
{
    QSet<QString> found;
    for (const QRegularExpressionMatch& match : QRegularExpression(QLatin1String(pattern)).globalMatch(text))
        found.insert(match.captured(1));
    return found;
}

} // namespace

TEST(TranslatedFile, TakesTheCopyOfTheCountryThenOfTheLanguage)
{
    QTemporaryDir dir;
    for (const char* name : {"rules.html", "rules_de.html", "rules_zh.html", "rules_pt_BR.html"}) {
        QFile file(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString rules = dir.filePath("rules.html");
    EXPECT_EQ(translatedFile(rules, "de"), dir.filePath("rules_de.html"));
    EXPECT_EQ(translatedFile(rules, "zh_CN"), dir.filePath("rules_zh.html"));
    EXPECT_EQ(translatedFile(rules, "pt_BR"), dir.filePath("rules_pt_BR.html"));
    EXPECT_EQ(translatedFile(rules, "fr"), rules) << "no copy: the file itself";
    EXPECT_EQ(translatedFile(rules, ""), rules) << "English: the file itself";
    EXPECT_EQ(translatedFile(dir.filePath("README"), "de"), dir.filePath("README"));
}

TEST_F(RulesInLanguage, InstalledTranslationFollowsTheLastInstall)
{
    EXPECT_EQ(installedTranslation(), "");
    ASSERT_EQ(installTranslations({"de-DE"}, translationFolders()), "de");
    EXPECT_EQ(installedTranslation(), "de");
    ASSERT_EQ(installTranslations({"zh-Hans-CN"}, translationFolders()), "zh_CN");
    EXPECT_EQ(installedTranslation(), "zh_CN");
    const QTemporaryDir empty;
    EXPECT_EQ(installTranslations({"fr"}, {empty.path()}), "");
    EXPECT_EQ(installedTranslation(), "") << "a translation not found leaves English";
    ASSERT_EQ(installTranslations({"es"}, translationFolders()), "es");
    EXPECT_EQ(installTranslations({"en-US"}, translationFolders()), "");
    EXPECT_EQ(installedTranslation(), "");
}

TEST_F(RulesInLanguage, GermanShowsTheGermanRules)
{
    ASSERT_EQ(installTranslations({"de-DE", "en-US"}, translationFolders()), "de");
    const Shown rules = shownRules();
    EXPECT_EQ(rules.source, "qrc:/help/playing-rules_de.html");
    EXPECT_EQ(rules.title, "Sternhalma: Spielregeln");
    for (const char* topic : {"Sprünge", "Wo eine Figur stehen bleiben darf", "Spielen mit der Tastatur",
                            "Ansicht, Letzte Züge zeigen"})
        EXPECT_TRUE(rules.text.contains(QString::fromUtf8(topic))) << topic;
    EXPECT_FALSE(rules.text.contains("Where a piece may stop"));
}

TEST_F(RulesInLanguage, EnglishShowsTheEnglishRules)
{
    ASSERT_EQ(installTranslations({"de"}, translationFolders()), "de");
    ASSERT_EQ(installTranslations({"en-GB", "de"}, translationFolders()), "");
    const Shown rules = shownRules();
    EXPECT_EQ(rules.source, "qrc:/help/playing-rules.html");
    EXPECT_EQ(rules.title, "Chinese Checkers: Playing Rules");
    EXPECT_TRUE(rules.text.contains("Where a piece may stop"));
    EXPECT_FALSE(rules.text.contains(QString::fromUtf8("Sprünge")));
}

TEST_F(RulesInLanguage, EveryLanguageShowsItsOwnRules)
{
    const QString english = shownRules().text;
    for (const QString& language : Languages) {
        ASSERT_EQ(installTranslations({language}, translationFolders()), language);
        const Shown rules = shownRules();
        EXPECT_EQ(rules.source, "qrc:/help/playing-rules_" + language + ".html");
        EXPECT_FALSE(rules.title.isEmpty()) << language.toStdString();
        EXPECT_NE(rules.text, english) << language.toStdString();
        // The referee's words are quoted as the translation shows them.
        const QString over = QCoreApplication::translate("GameTexts", "GAME OVER");
        EXPECT_NE(over, "GAME OVER");
        EXPECT_TRUE(rules.text.contains(over)) << language.toStdString();
        // The menus, commands and windows have the names the program shows.
        for (const char* command : {"&Game", "&Move", "&View", "&New Game", "&Load Game", "&Save Game",
                                    "&Change Options", "&Undo", "&Redo", "&Show Valid Moves", "&Hint",
                                    "&Referee", "Show &Last Moves", "&Default Settings"}) {
            const QString name = menuText(command);
            EXPECT_NE(name, QString::fromLatin1(command).remove(QLatin1Char('&'))) << command << " is not translated";
            EXPECT_TRUE(rules.text.contains(name)) << language.toStdString() << ": " << name.toStdString();
        }
        for (const auto& [context, title] : {std::pair{"tavolux::ResultsDialog", "Game Results"},
                                             std::pair{"tavolux::SetupSheet", "New Game"}}) {
            const QString name = QCoreApplication::translate(context, title);
            EXPECT_TRUE(rules.text.contains(name)) << language.toStdString() << ": " << name.toStdString();
        }
    }
}

TEST(RulesDocuments, EveryCopyHasTheSectionsAndTablesOfTheEnglishRules)
{
    const QString english = read(":/help/playing-rules.html");
    ASSERT_FALSE(english.isEmpty());
    const QSet<QString> sections = matches(english, "id=\"([^\"]+)\"");
    ASSERT_EQ(sections.size(), 11);
    ASSERT_EQ(matches(english, "href=\"#([^\"]+)\""), sections);
    for (const QString& language : Languages) {
        const QString copy = read(":/help/playing-rules_" + language + ".html");
        ASSERT_FALSE(copy.isEmpty()) << language.toStdString();
        EXPECT_EQ(matches(copy, "id=\"([^\"]+)\""), sections) << language.toStdString();
        EXPECT_EQ(matches(copy, "href=\"#([^\"]+)\""), sections) << language.toStdString();
        EXPECT_EQ(copy.count("<tr>"), english.count("<tr>")) << language.toStdString();
        EXPECT_EQ(copy.count("<li>"), english.count("<li>")) << language.toStdString();
        EXPECT_EQ(copy.count("<h2 "), english.count("<h2 ")) << language.toStdString();
        EXPECT_FALSE(copy.contains(QChar::ReplacementCharacter)) << language.toStdString();
    }
}

namespace {

// Each menu of the window, by its title, with the texts of its items.
QHash<QString, QStringList> realMenus()
{
    static const ProgramResources resources = ProgramResources::load();
    SoundPlayer sounds;
    MainWindow window(resources, sounds);
    QHash<QString, QStringList> menus;
    for (const QAction* title : window.menuBar()->actions()) {
        QStringList& items = menus[withoutMnemonic(title->text())];
        for (const QAction* item : title->menu()->actions())
            if (!item->isSeparator())
                items << withoutMnemonic(item->text());
    }
    return menus;
}

// The rules' text with its spaces made plain and single.
QString plainRules(const QString& language)
{
    QString text = read(language.isEmpty() ? QStringLiteral(":/help/playing-rules.html")
                                           : ":/help/playing-rules_" + language + ".html");
    text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    return text.simplified();
}

// The windows the rules name, in the way each language names a window.
QStringList namedWindows(const QString& text, const QString& language)
{
    static const QHash<QString, QString> patterns = {
        {"", "\"([^\"]+)\" (?:window|dialog)"},
        {"de", "Fenster „([^“]+)“"},
        {"fr", "fenêtre « ?([^»]+?) ?»"},
        {"es", "ventana «([^»]+)»"},
        {"zh_CN", "“([^”]+)”(?:窗口|对话框)"},
    };
    QStringList names;
    for (const auto& match : QRegularExpression(patterns.value(language)).globalMatch(text))
        names << match.captured(1);
    return names;
}

} // namespace

TEST_F(RulesInLanguage, EveryMenuCommandAndWindowTheRulesNameIsThePrograms)
{
    for (const QString& language : QStringList{QString()} + Languages) {
        const std::string name = language.isEmpty() ? "en" : language.toStdString();
        ASSERT_EQ(installTranslations({language.isEmpty() ? QStringLiteral("en") : language}, translationFolders()),
                  language);
        const QHash<QString, QStringList> menus = realMenus();
        const QString text = plainRules(language);
        // "<b>Menu, Command</b>", "<b>Menu, Command / Command</b>", or with
        // an arrow in Chinese: every one a command of that menu.
        QStringList wrong;
        int named = 0;
        static const QRegularExpression menuCommand(QStringLiteral("<b>([^<,→]+?)(?:,| →) ([^<]+)</b>"));
        for (const auto& match : menuCommand.globalMatch(text)) {
            const QString menu = match.captured(1);
            if (!menus.contains(menu)) {
                wrong << "no menu '" + menu + "'";
                continue;
            }
            for (const QString& command : match.captured(2).split(QStringLiteral(" / "))) {
                ++named;
                if (!menus.value(menu).contains(command))
                    wrong << "no '" + command + "' in menu '" + menu + "'";
            }
        }
        EXPECT_EQ(wrong.join(QLatin1Char('\n')).toStdString(), "") << name;
        EXPECT_GE(named, 14) << name << ": the rules name the record, move list and statistics items too";

        // The windows by their titles, the New Game window among them.
        GameState state = initialGameState();
        const SetupSheet newGame(state, nullptr, nullptr, nullptr);
        const QStringList titles = {newGame.windowTitle(),
                                    QCoreApplication::translate("tavolux::ResultsDialog", "Game Results"),
                                    QCoreApplication::translate("tavolux::StatisticsDialog", "Statistics"),
                                    QCoreApplication::translate("tavolux::MoveListWindow", "Move List")};
        const QStringList windows = namedWindows(text, language);
        EXPECT_TRUE(windows.contains(newGame.windowTitle())) << name << ": " << windows.join(", ").toStdString();
        for (const QString& window : windows)
            EXPECT_TRUE(titles.contains(window)) << name << ": no window '" << window.toStdString() << "'";
    }
}

// French puts a non-breaking space before : ; ! ? and inside « », and
// writes its apostrophes curly, in the rules as in the program's texts.
TEST(RulesDocuments, TheFrenchRulesKeepFrenchTypography)
{
    QString text = read(":/help/playing-rules_fr.html");
    ASSERT_FALSE(text.isEmpty());
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    text.remove(QRegularExpression(QStringLiteral("\\{[^}]*\\}"))); // the style sheet
    QStringList wrong;
    static const QRegularExpression fault(QStringLiteral("\\s[:;!?»]|«\\s|'"));
    for (const auto& match : fault.globalMatch(text))
        wrong << text.mid(std::max<qsizetype>(0, match.capturedStart() - 20), 40).simplified();
    EXPECT_EQ(wrong.join(QLatin1Char('\n')).toStdString(), "");
}
