// What the reader of game records and the players' default names say, in
// the language the program speaks: every refusal worded in each language
// with its arguments, and the default names shown translated while the game
// keeps them in English.

#include "app/recordfaulttexts.h"
#include "dialogs/setupsheet.h"
#include "lang/gametexts.h"
#include "lang/translations.h"

#include <QDialog>
#include <QLineEdit>
#include <QSet>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace tavolux;

namespace {

const QStringList Languages = {"de", "fr", "es", "zh_CN"};

class InLanguage : public ::testing::Test {
protected:
    void TearDown() override { installTranslations({QStringLiteral("en")}, translationFolders()); }
};

RecordError anyError(int fault)
{
    RecordError error{7, static_cast<RecordFault>(fault), {}, 0};
    for (int i = 0; i < recordFaultArgumentCount(error.fault); ++i)
        error.args.push_back(i == 0 ? "q7" : "r9");
    return error;
}

// A record whose only move starts from a hole Player #1 has no piece on.
const char* const BadMove = "Tavolux-Record: 1\n"
                            "Date: 2026-12-09 14:03\n"
                            "Program: Tavolux 1\n"
                            "Player1: Human | person\n"
                            "Player2: -\n"
                            "Player3: Silicon | computer | Expert | Hostile, Friendly\n"
                            "Start: opening\n"
                            "ToMove: 1\n"
                            "Result: unfinished\n"
                            "Moves: 1\n"
                            "1. P1 e5-e6\n";

} // namespace

TEST_F(InLanguage, EveryRecordFaultIsWordedInEachLanguageWithItsArguments)
{
    QStringList english;
    for (int fault = 0; fault < RecordFaultCount; ++fault)
        english << RecordFaultTexts::text(anyError(fault));
    EXPECT_EQ(QSet<QString>(english.begin(), english.end()).size(), RecordFaultCount) << "one sentence per fault";
    for (const QString& language : Languages) {
        ASSERT_EQ(installTranslations({language}, translationFolders()), language);
        for (int fault = 0; fault < RecordFaultCount; ++fault) {
            const RecordError error = anyError(fault);
            const QString text = RecordFaultTexts::text(error);
            EXPECT_NE(text, english[fault]) << language.toStdString() << ": " << text.toStdString();
            for (const std::string& arg : error.args)
                EXPECT_TRUE(text.contains(QString::fromStdString(arg))) << text.toStdString();
            EXPECT_FALSE(text.contains(QLatin1Char('%'))) << text.toStdString();
        }
    }
}

TEST_F(InLanguage, ARefusedRecordIsExplainedInTheLanguageSpoken)
{
    const RecordReading reading = readRecord(BadMove);
    ASSERT_TRUE(std::holds_alternative<RecordError>(reading));
    const RecordError& error = std::get<RecordError>(reading);
    EXPECT_EQ(error.line, 11u);
    EXPECT_EQ(RecordFaultTexts::text(error), "Move 1: P1 has no piece on e5");
    ASSERT_EQ(installTranslations({"de"}, translationFolders()), "de");
    EXPECT_EQ(RecordFaultTexts::text(error), "Zug 1: P1 hat keine Figur auf e5");
    ASSERT_EQ(installTranslations({"es"}, translationFolders()), "es");
    EXPECT_EQ(RecordFaultTexts::text(RecordError{4, RecordFault::NotOver, {""}, 0}),
              QString::fromUtf8("el resultado es sin terminar pero la partida no ha terminado"))
        << "an unfinished order is worded too";
}

TEST_F(InLanguage, DefaultNamesAreShownTranslatedAndKeptInEnglish)
{
    const GameState start = initialGameState();
    EXPECT_EQ(GameTexts::shownName(start.slots[0].name), "Human");
    ASSERT_EQ(installTranslations({"de"}, translationFolders()), "de");
    QSet<QString> shown;
    for (int p = 0; p < DesignSeatCount; ++p) {
        const PlayerSlot& slot = start.slots[p];
        const QString name = GameTexts::shownName(slot.name);
        EXPECT_EQ(GameTexts::keptName(name), slot.name);
        shown << name;
    }
    EXPECT_EQ(shown, (QSet<QString>{"Mensch", "Silizium", "Positron"}));
    EXPECT_EQ(GameTexts::shownName("Ann"), "Ann");
    EXPECT_EQ(GameTexts::keptName("Ann"), "Ann");

    // The New Game window shows the German name and keeps the English one.
    GameState state = initialGameState();
    SetupSheet sheet(state, nullptr, nullptr, nullptr);
    auto* tabs = sheet.findChild<QTabWidget*>("setupTabs");
    ASSERT_NE(tabs, nullptr);
    QLineEdit* names[DesignSeatCount] = {};
    for (int p = 0; p < DesignSeatCount; ++p) {
        names[p] = tabs->widget(p + 1)->findChild<QLineEdit*>("nameEdit");
        ASSERT_NE(names[p], nullptr);
    }
    EXPECT_EQ(names[0]->text(), "Mensch");
    EXPECT_EQ(names[1]->text(), "Silizium");
    names[1]->setText("Zora");
    tabs->setCurrentIndex(1);
    tabs->setCurrentIndex(2);
    sheet.done(QDialog::Accepted);
    EXPECT_EQ(state.slots[0].name, "Human");
    EXPECT_EQ(state.slots[1].name, "Zora");
}
