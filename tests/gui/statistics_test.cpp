// The players' statistics in the window: the file in the data folder
// (written whole, a damaged one kept and never made worse), the keeper that
// counts the games, and the Statistics window with its sorting and its
// Clear. Screenshots in English and German go to SCREENSHOT_DIR.

#include "app/statisticsfile.h"
#include "app/statisticskeeper.h"
#include "dialogs/statisticsdialog.h"
#include "lang/translations.h"
#include "model/board.h"
#include "tests/support/modal.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace tavolux;
using namespace tavolux::testing;

namespace {

// Anna (a person), Silicon (Standard) and Positron (Expert) in play, Anna's
// first move made; when `ended`, Anna won, Positron came second and Silicon
// third, not home.
GameState game(bool ended = false)
{
    GameState s = initialGameState();
    const char* names[DesignSeatCount] = {"Anna", "Silicon", "Positron"};
    for (int p = 0; p < DesignSeatCount; ++p) {
        s.slots[p].name = names[p];
        s.slots[p].picture = p == 0 ? 2 : 0;
        s.slots[p].strength = p == 2 ? Expert : Standard;
    }
    placeStartingPieces(s);
    s.noGameStarted = 0;
    s.pieces[0].hole = 103; // a step out of Anna's corner
    if (!ended)
        return s;
    for (int p : {0, 2}) {
        int k = 0;
        for (int h = 0; h < HoleCount && k < PiecesPerPlayer; ++h)
            if (holeDistance(h, TargetApex[p]) <= 3)
                s.pieces[s.slots[p].firstPiece + k++].hole = static_cast<uint16_t>(h);
    }
    s.finishCount = 3;
    s.finishOrder[0] = 0;
    s.finishOrder[1] = 2;
    s.finishOrder[2] = 1;
    return s;
}
const int Moves[DesignSeatCount] = {52, 0, 61};

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

Statistics saved(const QString& path)
{
    const QByteArray bytes = contents(path);
    const ParsedStatistics p = parseStatistics(std::string_view(bytes.constData(), bytes.size()));
    EXPECT_FALSE(p.damaged) << path.toStdString();
    return p.statistics;
}

int64_t annasGames(const Statistics& s)
{
    const auto found = s.withPersons.find(PlayerKey{"Anna", PlayerKind::Person});
    return found == s.withPersons.end() ? -1 : found->second.games;
}

class StatisticsStore : public ::testing::Test {
protected:
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data/statistics.txt"));
    const QByteArray junk = QByteArrayLiteral("Tavolux statistics 1\npersons\tperson\t1\tgarbage\n");
    QStringList files(const QString& folder = QStringLiteral("data")) const
    {
        return QDir(dir.filePath(folder)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
};

} // namespace

TEST_F(StatisticsStore, IsWrittenWholeIntoTheDataFolder)
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    EXPECT_EQ(StatisticsFile::defaultPath(), data + QStringLiteral("/statistics.txt"));
    EXPECT_TRUE(data.startsWith(qEnvironmentVariable("XDG_DATA_HOME"))) << "the test run's own folder";

    const StatisticsFile file(path);
    EXPECT_EQ(file.read().outcome, StatisticsFile::Outcome::Missing);
    Statistics s;
    addEndedGame(s, game(true), Moves);
    ASSERT_TRUE(file.write(s)); // the folder is made
    EXPECT_EQ(contents(path).toStdString(), formatStatistics(s));

    // The new text is a new file renamed over the old: another name of the
    // old file keeps the old text, and nothing half-written is left.
    const QString oldName = dir.filePath(QStringLiteral("old.txt"));
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(oldName).constData()), 0);
    const QByteArray before = contents(path);
    addAbandonedGame(s, game());
    ASSERT_TRUE(file.write(s));
    EXPECT_EQ(contents(oldName), before);
    EXPECT_EQ(files(), QStringList{QStringLiteral("statistics.txt")});
    EXPECT_EQ(file.read().outcome, StatisticsFile::Outcome::Read);
    EXPECT_EQ(file.read().statistics, s);
}

TEST_F(StatisticsStore, ADamagedFileIsKeptAsideAndTheKeeperGoesOn)
{
    put(path, junk);
    const StatisticsFile::Reading first = StatisticsFile(path).read();
    EXPECT_EQ(first.outcome, StatisticsFile::Outcome::KeptAside);
    EXPECT_TRUE(first.statistics.empty());
    const QString name = QFileInfo(first.keptAs).fileName();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^statistics\\.txt\\.damaged-\\d{8}-\\d{6}$")).match(name).hasMatch())
        << name.toStdString();
    EXPECT_EQ(contents(first.keptAs), junk);

    // Another in the same second gets a name of its own; the keeper saves a
    // new file beside both and says where the damaged one went.
    put(path, "Tavolux statistics 1\nend 5\n");
    StatisticsKeeper keeper(path);
    keeper.gameEnded(game(true), Moves);
    EXPECT_EQ(files().size(), 3);
    EXPECT_EQ(contents(first.keptAs), junk);
    EXPECT_EQ(annasGames(saved(path)), 1);
    EXPECT_TRUE(keeper.note().contains(QStringLiteral(".damaged-"))) << keeper.note().toStdString();
}

// A damaged file that cannot be moved aside (its new name would be too long
// for the file system) is left as it is until the player clears.
TEST_F(StatisticsStore, ADamagedFileThatCannotMoveIsNotWrittenOver)
{
    const QString stuck = dir.filePath(QString(240, QLatin1Char('s')));
    put(stuck, junk);
    StatisticsKeeper keeper(stuck);
    keeper.gameEnded(game(true), Moves);
    keeper.gameAbandoned(game());
    EXPECT_EQ(contents(stuck), junk);
    EXPECT_EQ(files(QStringLiteral(".")).size(), 1);
    EXPECT_EQ(annasGames(keeper.statistics()), 1) << "this run's games are still shown";
    EXPECT_FALSE(keeper.note().isEmpty());

    keeper.clear();
    EXPECT_EQ(saved(stuck), Statistics{});
    EXPECT_TRUE(keeper.note().isEmpty());
    keeper.gameEnded(game(true), Moves);
    EXPECT_EQ(annasGames(saved(stuck)), 1);
}

TEST_F(StatisticsStore, TheKeeperCountsEachGameAndAddsToAnotherCopysFigures)
{
    StatisticsKeeper keeper(path);
    keeper.gameEnded(game(true), Moves);
    keeper.gameAbandoned(game());
    keeper.gameAbandoned(initialGameState()); // no game in progress
    const Statistics first = saved(path);
    EXPECT_EQ(first, keeper.statistics());
    EXPECT_EQ(first.withPersons.at(PlayerKey{"Anna", PlayerKind::Person}), (PlayerFigures{1, {1, 0, 0}, 1, 1, 52, 52}));

    StatisticsKeeper other(path); // a second copy of the program
    other.gameEnded(game(true), Moves);
    keeper.gameEnded(game(true), Moves);
    EXPECT_EQ(annasGames(saved(path)), 3);
    EXPECT_TRUE(keeper.note().isEmpty());
}

namespace {

QStringList column(const QTableWidget* table, int c)
{
    QStringList texts;
    for (int r = 0; r < table->rowCount(); ++r)
        texts << table->item(r, c)->text();
    return texts;
}

// The row's texts as shown: hidden columns left out.
QStringList row(const QTableWidget* table, int r)
{
    QStringList texts;
    for (int c = 0; c < table->columnCount(); ++c)
        if (!table->isColumnHidden(c))
            texts << table->item(r, c)->text();
    return texts;
}

void clickHeading(QTableWidget* table, int c)
{
    QHeaderView* header = table->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(c) + header->sectionSize(c) / 2, header->height() / 2));
}

QTableWidget* table(const QWidget* dialog, const char* name)
{
    return dialog->findChild<QTableWidget*>(QLatin1String(name));
}

const QString Dash(QChar(0x2013));

} // namespace

TEST(StatisticsWindow, ShowsEachPlayerOnTheTabOfItsGamesAndSortsFiguresAsNumbers)
{
    Statistics s;
    addEndedGame(s, game(true), Moves);
    for (auto [name, games] : {std::pair{"Bert", 100}, {"Carl", 10}, {"Dora", 9}})
        s.amongComputers[{name, PlayerKind::BeginnerComputer}].games = games;
    StatisticsDialog dialog(s, nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTableWidget* persons = table(&dialog, "personsTable");
    QTableWidget* computers = table(&dialog, "computersTable");
    ASSERT_TRUE(persons && computers);
    EXPECT_TRUE(persons->isVisible()) << "games with persons come first";
    EXPECT_EQ(row(persons, 0), (QStringList{"Anna", "Person", "1", "1", "0", "0", "0", "52.0", "52"}));
    EXPECT_EQ(row(persons, 1), (QStringList{"Positron", "Computer (Expert)", "1", "0", "1", "0", "0", "61.0", "61"}));
    EXPECT_EQ(row(persons, 2), (QStringList{"Silicon", "Computer (Standard)", "1", "0", "0", "1", "0", Dash, Dash}));

    dialog.findChild<QTabWidget*>()->setCurrentIndex(1);
    EXPECT_TRUE(computers->isVisible());
    clickHeading(computers, StatisticsDialog::GamesColumn);
    const bool up = computers->horizontalHeader()->sortIndicatorOrder() == Qt::AscendingOrder;
    EXPECT_EQ(column(computers, 0), up ? QStringList({"Dora", "Carl", "Bert"}) : QStringList({"Bert", "Carl", "Dora"}));
    clickHeading(computers, StatisticsDialog::GamesColumn);
    EXPECT_EQ(column(computers, 0), up ? QStringList({"Bert", "Carl", "Dora"}) : QStringList({"Dora", "Carl", "Bert"}));

    // A player without a finish comes after the best; new figures keep the
    // order chosen.
    persons->sortByColumn(StatisticsDialog::BestColumn, Qt::AscendingOrder);
    s.withPersons[{"Zoe", PlayerKind::Person}] = {1, {1, 0, 0}, 0, 1, 12, 12};
    s.amongComputers.clear();
    dialog.setStatistics(s);
    EXPECT_EQ(column(persons, StatisticsDialog::BestColumn), (QStringList{"12", "52", "61", Dash}));
    EXPECT_FALSE(computers->isVisible());
    EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("computersEmpty"))->isVisible());

    // A fifth place from a bigger table brings the fourth to sixth places
    // onto that tab, and only onto it.
    s.withPersons[{"Zoe", PlayerKind::Person}] = {2, {1, 0, 0, 0, 1, 0}, 0, 1, 12, 12};
    s.amongComputers[{"Bert", PlayerKind::BeginnerComputer}].games = 1;
    dialog.setStatistics(s);
    persons->sortByColumn(StatisticsDialog::PlayerColumn, Qt::AscendingOrder);
    EXPECT_EQ(row(persons, 3), (QStringList{"Zoe", "Person", "2", "1", "0", "0", "0", "1", "0", "0", "12.0", "12"}));
    EXPECT_EQ(persons->horizontalHeaderItem(StatisticsDialog::FifthColumn)->text(), "5th");
    EXPECT_TRUE(computers->isColumnHidden(StatisticsDialog::SixthColumn));
}

TEST(StatisticsWindow, ClearAsksThenEmptiesAndSaves)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("statistics.txt"));
    StatisticsKeeper keeper(path);
    keeper.gameEnded(game(true), Moves);
    const QByteArray before = contents(path);

    BoxSeen asked;
    bool shown = false;
    whenOpen([&](QWidget* dialog) {
        shown = true;
        auto* clear = dialog->findChild<QPushButton*>(QStringLiteral("clearButton"));
        QTableWidget* persons = table(dialog, "personsTable");
        ASSERT_TRUE(clear && persons);
        answerNextBox(QMessageBox::No, &asked);
        clear->click();
        EXPECT_EQ(persons->rowCount(), 3);
        EXPECT_EQ(contents(path), before);

        answerNextBox(QMessageBox::Yes, &asked);
        clear->click();
        EXPECT_EQ(asked.count, 2);
        EXPECT_EQ(persons->rowCount(), 0);
        EXPECT_FALSE(clear->isEnabled());
        EXPECT_EQ(saved(path), Statistics{});
        dialog->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
    });
    keeper.showDialog(nullptr);
    EXPECT_TRUE(shown);
    EXPECT_EQ(asked.title, QStringLiteral("Statistics"));
}

TEST(StatisticsWindow, FitsASmallScreenInEnglishAndGerman)
{
    Statistics s;
    addEndedGame(s, game(true), Moves);
    QTemporaryDir dir;
    for (const char* language : {"en", "de"}) {
        installTranslations({QLatin1String(language)}, translationFolders());
        const QString path = dir.filePath(QLatin1String(language));
        put(path, "damaged");
        StatisticsKeeper keeper(path);
        keeper.statistics();
        StatisticsDialog dialog(s, nullptr);
        dialog.setNote(keeper.note());
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        EXPECT_TRUE(dialog.grab().save(QStringLiteral(SCREENSHOT_DIR "/statistics-%1.png").arg(QLatin1String(language))));
        EXPECT_LE(dialog.frameGeometry().width(), 1024) << language;
        EXPECT_LE(dialog.frameGeometry().height(), 768) << language;
        EXPECT_FALSE(table(&dialog, "personsTable")->horizontalScrollBar()->isVisible()) << language;
        QHeaderView* header = table(&dialog, "personsTable")->horizontalHeader();
        for (int c = 1; c < StatisticsDialog::ColumnCount; ++c)
            EXPECT_GE(header->sectionSize(c), header->sectionSizeHint(c)) << language << " column " << c;
        EXPECT_EQ(dialog.windowTitle(), QLatin1String(language) == QLatin1String("de") ? "Statistik" : "Statistics");
    }
    installTranslations({QStringLiteral("en")}, translationFolders());
}
