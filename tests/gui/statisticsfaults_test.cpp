// The statistics when their file cannot be written as it should: a full
// disk leaves the old file whole and the player is told why, at once; two
// copies of the program adding results at the same time lose none; and the
// window says so as the game ends, before the results.

#include "app/statisticskeeper.h"
#include "dialogs/resultsdialog.h"
#include "model/board.h"
#include "tests/support/window_fixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

using namespace tavolux;
using namespace tavolux::testing;

namespace {

// `name` (a person) beat Silicon in a two-player game.
GameState endedGame(const char* name)
{
    GameState s = initialGameState();
    s.slots[0].name = name;
    s.slots[0].picture = 2;
    s.slots[1].active = 0;
    s.slots[2].name = "Silicon";
    placeStartingPieces(s);
    s.noGameStarted = 0;
    s.gameOver = 1;
    s.finishCount = 2;
    s.finishOrder[0] = 0;
    s.finishOrder[1] = 2;
    return s;
}
const int Moves[DesignSeatCount] = {40, 0, 45};

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int64_t gamesOf(const QString& path, const char* name)
{
    const QByteArray bytes = contents(path);
    const ParsedStatistics p = parseStatistics(std::string_view(bytes.constData(), bytes.size()));
    EXPECT_FALSE(p.damaged);
    const auto found = p.statistics.withPersons.find(PlayerKey{name, PlayerKind::Person});
    return found == p.statistics.withPersons.end() ? 0 : found->second.games;
}

// Files larger than `limit` bytes cannot be written while it lasts, as on a
// full disk; the signal that would end the process is ignored.
class SizeLimit {
public:
    explicit SizeLimit(rlim_t limit)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit small = saved_;
        small.rlim_cur = limit;
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~SizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

} // namespace

TEST(StatisticsFaults, AFullDiskLeavesTheOldFileWholeAndSaysWhyAtOnce)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("statistics.txt"));
    StatisticsKeeper keeper(path);
    for (const char* name : {"Anna", "Bert", "Carla", "Dieter", "Emma", "Franz"})
        ASSERT_TRUE(keeper.gameEnded(endedGame(name), Moves).isEmpty());
    const QByteArray before = contents(path);

    QString told;
    {
        const SizeLimit full(before.size() / 2);
        told = keeper.gameEnded(endedGame("Anna"), Moves);
    }
    EXPECT_TRUE(told.contains(QStringLiteral("could not be saved"))) << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("larger than the program is allowed to write"))) << told.toStdString();
    EXPECT_FALSE(told.contains(QStringLiteral("damaged"))) << told.toStdString();
    EXPECT_EQ(contents(path), before) << "the old file is kept byte for byte";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("statistics.txt")});

    // With room again, the next game is added to the file as it was.
    EXPECT_TRUE(keeper.gameEnded(endedGame("Anna"), Moves).isEmpty());
    EXPECT_EQ(gamesOf(path, "Anna"), 2);
}

namespace {

constexpr int Rounds = 60;

} // namespace

// Run twice at once by the test below; each copy adds its games as soon as
// both are ready.
TEST(StatisticsCopies, DISABLED_AddGamesAsAnotherCopy)
{
    const QString folder = qEnvironmentVariable("TAVOLUX_TEST_COPIES");
    ASSERT_FALSE(folder.isEmpty());
    QFile ready(folder + QStringLiteral("/ready-") + QString::number(QCoreApplication::applicationPid()));
    ASSERT_TRUE(ready.open(QIODevice::WriteOnly));
    ASSERT_TRUE(eventually([&] { return QFile::exists(folder + QStringLiteral("/go")); }, 30000));
    StatisticsKeeper keeper(folder + QStringLiteral("/statistics.txt"));
    for (int i = 0; i < Rounds; ++i)
        ASSERT_TRUE(keeper.gameEnded(endedGame("Anna"), Moves).isEmpty());
}

TEST(StatisticsCopies, TwoCopiesAddingAtOnceLoseNoGame)
{
    QTemporaryDir dir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TAVOLUX_TEST_COPIES"), dir.path());
    QProcess copies[2];
    for (QProcess& copy : copies) {
        copy.setProcessEnvironment(environment);
        copy.setProcessChannelMode(QProcess::ForwardedChannels);
        copy.start(QCoreApplication::applicationFilePath(),
                   {QStringLiteral("--gtest_filter=StatisticsCopies.DISABLED_AddGamesAsAnotherCopy"),
                    QStringLiteral("--gtest_also_run_disabled_tests")});
        ASSERT_TRUE(copy.waitForStarted());
    }
    ASSERT_TRUE(eventually([&] { return QDir(dir.path()).entryList({QStringLiteral("ready-*")}).size() == 2; }, 30000));
    QFile go(dir.filePath(QStringLiteral("go")));
    ASSERT_TRUE(go.open(QIODevice::WriteOnly));
    for (QProcess& copy : copies) {
        ASSERT_TRUE(copy.waitForFinished(60000));
        EXPECT_EQ(copy.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(copy.exitCode(), 0);
    }
    EXPECT_EQ(gamesOf(dir.filePath(QStringLiteral("statistics.txt")), "Anna"), 2 * Rounds);
}

namespace {

class StatisticsInTheWindow : public WindowPlayTest {};

} // namespace

// A game that ends while its result cannot be saved: the warning comes
// first, naming the cause, then the results.
TEST_F(StatisticsInTheWindow, AResultThatCannotBeSavedIsSaidAsTheGameEnds)
{
    const QString path = window->statistics().path();
    QDir().mkpath(QFileInfo(path).absolutePath());
    ASSERT_TRUE(window->statistics().gameEnded(endedGame("Anna"), Moves).isEmpty());
    const QByteArray before = contents(path);

    startGame(1, 0, 0);
    const auto homeAndOver = [](GameState& s) {
        s.slots[1].active = 0;
        placeStartingPieces(s);
        int k = 0;
        for (int h = 0; h < HoleCount && k < PiecesPerPlayer; ++h)
            if (holeDistance(h, TargetApex[0]) <= 3)
                s.pieces[s.slots[0].firstPiece + k++].hole = static_cast<uint16_t>(h);
        s.playerToMove = 2; // player 0 has just moved home
    };

    QStringList seen;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen << box->windowTitle() + QStringLiteral(": ") + box->text();
            box->button(QMessageBox::Ok)->click();
        } else if (auto* results = qobject_cast<ResultsDialog*>(modal)) {
            seen << QStringLiteral("results");
            results->accept();
        }
    });
    answer.start(10);
    {
        const SizeLimit full(10);
        loadEdited(homeAndOver);
        ASSERT_TRUE(eventually([&] { return seen.contains(QStringLiteral("results")); }));
    }
    ASSERT_EQ(seen.size(), 3) << seen.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(seen[1].startsWith(QStringLiteral("Statistics: The statistics could not be saved in")))
        << seen[1].toStdString();
    EXPECT_TRUE(seen[1].contains(QStringLiteral("larger than the program is allowed"))) << seen[1].toStdString();
    EXPECT_EQ(seen[2], QStringLiteral("results"));
    EXPECT_EQ(contents(path), before);
    EXPECT_EQ(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("statistics.txt")});
}
