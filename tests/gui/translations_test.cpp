// Choosing and installing the translations: the user's languages in order,
// English before any translated language keeping English, the game's texts
// and Qt's own standard buttons translated once installed.

#include "lang/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tavolux;

namespace {

// A folder holding empty files with the names of the game's translations.
class FakeFolder {
public:
    explicit FakeFolder(const QStringList& names)
    {
        for (const QString& name : names) {
            QFile file(dir_.filePath(QStringLiteral("tavolux_%1.qm").arg(name)));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

QString choose(const QStringList& languages)
{
    static const FakeFolder folder({"de", "fr", "es", "zh_CN"});
    return chooseTranslation(languages, {folder.path()});
}

QString gameText(const char* context, const char* text) { return QCoreApplication::translate(context, text); }

// Back to English whatever a test left installed.
class Installed : public ::testing::Test {
protected:
    void TearDown() override { installTranslations({QStringLiteral("en")}, translationFolders()); }
};

// Numbers are written as the language spoken writes them, whatever the
// system's own locale: Arabic, which the game does not speak, leaves English
// texts with English digits.
TEST_F(Installed, NumbersFollowTheLanguageSpoken)
{
    const auto number = [] { return QLocale().toString(1234567.5, 'f', 1); };
    ASSERT_EQ(installTranslations({"ar-EG"}, translationFolders()), "");
    EXPECT_EQ(number(), "1,234,567.5");
    ASSERT_EQ(installTranslations({"de-DE"}, translationFolders()), "de");
    EXPECT_EQ(number(), "1.234.567,5");
    ASSERT_EQ(installTranslations({"ar-EG", "de-CH"}, translationFolders()), "de");
    EXPECT_EQ(QLocale().name(), "de_CH") << "the country of the language spoken is kept";
    ASSERT_EQ(installTranslations({"zh-Hans-CN"}, translationFolders()), "zh_CN");
    EXPECT_EQ(number(), "1,234,567.5");
    ASSERT_EQ(installTranslations({"en-GB", "de"}, translationFolders()), "");
    EXPECT_EQ(QLocale().name(), "en_GB");
    EXPECT_EQ(QLocale().toString(7), "7");
}

} // namespace

TEST(ChooseTranslation, TakesTheFirstLanguageTheGameHas)
{
    EXPECT_EQ(choose({"de-DE", "en-US"}), "de");
    EXPECT_EQ(choose({"de"}), "de");
    EXPECT_EQ(choose({"fr-CA", "de-DE"}), "fr");
    EXPECT_EQ(choose({"it-IT", "es-MX", "de"}), "es");
    EXPECT_EQ(choose({"zh-Hans-CN"}), "zh_CN");
    EXPECT_EQ(choose({"zh-CN"}), "zh_CN");
    EXPECT_EQ(choose({"zh"}), "zh_CN");
}

TEST(ChooseTranslation, KeepsEnglishWhenEnglishComesFirstOrNothingMatches)
{
    EXPECT_EQ(choose({"en-US", "de-DE"}), "");
    EXPECT_EQ(choose({"en"}), "");
    EXPECT_EQ(choose({"it-IT", "pt-BR"}), "");
    EXPECT_EQ(choose({"C"}), "");
    EXPECT_EQ(choose({}), "");
    // Traditional Chinese is not Simplified Chinese.
    EXPECT_EQ(choose({"zh-TW"}), "");
}

TEST(ChooseTranslation, LooksThroughEveryFolder)
{
    const FakeFolder empty({});
    const FakeFolder german({"de"});
    EXPECT_EQ(chooseTranslation({"de-AT"}, {empty.path(), german.path()}), "de");
    EXPECT_EQ(chooseTranslation({"de-AT"}, {empty.path()}), "");
}

TEST(TranslationFolders, StartBesideTheProgramThenTheInstalledShareFolder)
{
    const QStringList folders = translationFolders();
    ASSERT_EQ(folders.size(), 2);
    EXPECT_EQ(folders[0], QCoreApplication::applicationDirPath() + "/translations");
    EXPECT_TRUE(folders[1].endsWith("/share/tavolux/translations")) << folders[1].toStdString();
}

TEST_F(Installed, EveryLanguageIsBuiltBesideTheProgram)
{
    for (const char* name : {"de", "fr", "es", "zh_CN"})
        EXPECT_TRUE(QFile::exists(QStringLiteral("%1/tavolux_%2.qm").arg(translationFolders()[0], name))) << name;
}

TEST_F(Installed, GermanTranslatesTheGameAndQtsButtons)
{
    ASSERT_EQ(installTranslations({"de-DE", "en-US"}, translationFolders()), "de");
    EXPECT_EQ(gameText("tavolux::MainWindow", "&Game"), "&Spiel");
    EXPECT_EQ(gameText("Prompt", "Ready."), "Bereit.");
    EXPECT_EQ(gameText("PlayerChoices", "Bear"), "Teddy");
    EXPECT_EQ(gameText("GameTexts", "GAME OVER"), "SPIEL VORBEI");
    EXPECT_EQ(gameText("QPlatformTheme", "&Yes"), "&Ja");
}

TEST_F(Installed, ALaterCallReplacesTheEarlierLanguage)
{
    ASSERT_EQ(installTranslations({"fr-FR"}, translationFolders()), "fr");
    EXPECT_EQ(gameText("tavolux::MainWindow", "&Game"), "&Partie");
    ASSERT_EQ(installTranslations({"zh-Hans-CN"}, translationFolders()), "zh_CN");
    EXPECT_EQ(gameText("tavolux::MainWindow", "&Game"), QString::fromUtf8("游戏(&G)"));
    EXPECT_EQ(gameText("QPlatformTheme", "&No"), QString::fromUtf8("否(&N)"));
    ASSERT_EQ(installTranslations({"es-ES"}, translationFolders()), "es");
    EXPECT_EQ(gameText("Prompt", "Ready."), "Listo.");
}

TEST_F(Installed, EnglishRemovesEveryTranslation)
{
    ASSERT_EQ(installTranslations({"de"}, translationFolders()), "de");
    EXPECT_EQ(installTranslations({"en-GB"}, translationFolders()), "");
    EXPECT_EQ(gameText("tavolux::MainWindow", "&Game"), "&Game");
    EXPECT_EQ(gameText("QPlatformTheme", "&Yes"), "&Yes");
}

TEST_F(Installed, AFolderWithoutTheTranslationLeavesEnglish)
{
    const FakeFolder empty({});
    EXPECT_EQ(installTranslations({"de"}, {empty.path()}), "");
    EXPECT_EQ(gameText("tavolux::MainWindow", "&Game"), "&Game");
    // A file that is no translation is not installed either.
    const FakeFolder broken({"de"});
    EXPECT_EQ(installTranslations({"de"}, {broken.path()}), "");
    EXPECT_EQ(gameText("QPlatformTheme", "&Yes"), "&Yes");
}
