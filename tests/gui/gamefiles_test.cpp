// Save Game, Load Game and opening a file through GameFiles, with the file
// dialog replaced by a script of paths and the boxes logged by a small UI.

#include "app/gamefiles.h"
#include "app/messageboxes.h"
#include "tests/support/window_fixture.h"
#include "model/board.h"
#include "model/game.h"
#include "model/savefile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <deque>

using namespace tavolux;

namespace {

// Answers questions from a queue (No when it runs dry) and logs the boxes
// and the board-view events a load makes.
class BoxLog : public MessageBoxes, public GameEvents {
public:
    std::deque<bool> answers;
    std::vector<std::string> log;

    bool askYesNo(const QString& caption, const QString& text) override
    {
        note("ask", caption, text);
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void warn(const QString& caption, const QString& text) override { note("warn", caption, text); }
    void reportError(const QString& caption, const QString& text) override { note("error", caption, text); }
    void personToMove(int p) override { log.push_back("personToMove " + std::to_string(p)); }
    void repaint() override { log.push_back("repaint"); }
    void boardRotationChanged() override { log.push_back("rotation"); }

private:
    void note(const char* kind, const QString& caption, const QString& text)
    {
        log.push_back(std::string(kind) + " " + caption.toStdString() + ": " + text.toStdString());
    }
};

using tavolux::testing::ScriptedChooser;

// A computer that finds no move, noting who it played for.
class PassingTurn : public MoveChooser {
public:
    std::vector<int> playedFor;
    ChosenMove chooseMove(const GameState& s) override
    {
        playedFor.push_back(s.playerToMove);
        const int piece = s.slots[s.playerToMove].firstPiece;
        return {false, piece, {s.pieces[piece].hole}};
    }
};

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray bytesOf(const GameState& s)
{
    const std::vector<uint8_t> v = encodeGame(s);
    return QByteArray(reinterpret_cast<const char*>(v.data()), static_cast<qsizetype>(v.size()));
}

class GameFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        tavolux::testing::loadEdited(game, [](GameState& s) {
            s.noGameStarted = 0;
            placeStartingPieces(s);
        });
        ui.log.clear();
    }

    // Player 1 moves a piece a step; the computers then pass.
    void playOnALittle()
    {
        ASSERT_TRUE(game.moveByHand(0, 103));
        ASSERT_TRUE(game.history().canUndo());
    }

    QString at(const QString& name) const { return dir.filePath(name); }
    QStringList folderEntries() const { return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }
    std::string lastLog() const { return ui.log.empty() ? std::string() : ui.log.back(); }

    // Saves with the scripted name; the log must then hold one error box.
    void expectSaveFails(const QString& name)
    {
        ui.log.clear();
        chooser.path = at(name);
        files.saveGame();
        ASSERT_FALSE(ui.log.empty());
        EXPECT_EQ(lastLog().rfind("error Save Game: The game could not be saved as \"", 0), 0u) << lastLog();
    }

    QTemporaryDir dir;
    BoxLog ui;
    PassingTurn computer;
    Game game{ui, &computer};
    ScriptedChooser chooser;
    GameFiles files{game, ui, chooser, nullptr};
};

TEST_F(GameFilesTest, SaveWritesTheRecordUnderTheForcedName)
{
    chooser.path = at("game.old.sav");
    files.saveGame();

    EXPECT_TRUE(ui.log.empty()) << lastLog();
    const QByteArray bytes = readAll(at("game.tvx"));
    ASSERT_EQ(bytes.size(), 395);
    EXPECT_EQ(bytes.left(10), QByteArray::fromHex("0110000148756d616e00"));
    EXPECT_EQ(bytes, bytesOf(game.state()));
    EXPECT_EQ(folderEntries(), QStringList{"game.tvx"}) << "no temporary file is left behind";
}

TEST_F(GameFilesTest, SaveNeedsAnUnfinishedGame)
{
    GameState over = game.state();
    over.gameOver = 1;
    chooser.path = at("game.tvx");
    for (const GameState& record : {over, initialGameState()}) {
        game.load(record);
        ui.log.clear();
        files.saveGame();
        ASSERT_EQ(ui.log.size(), 1u);
        EXPECT_EQ(ui.log[0], "warn Save Game: There is no unfinished game to save!");
        EXPECT_EQ(ui.log[0], std::string("warn Save Game: ") + NothingToSaveMessage);
    }
    EXPECT_EQ(chooser.asked, 0);
    EXPECT_TRUE(folderEntries().isEmpty());
}

TEST_F(GameFilesTest, ReplacingAnotherFileThanTheChosenOneIsAsked)
{
    writeAll(at("game.tvx"), "older game");
    chooser.path = at("game.old.sav");

    ui.answers = {false};
    files.saveGame();
    EXPECT_EQ(lastLog(), "ask Save Game: game.tvx already exists.\nDo you want to replace it?");
    EXPECT_EQ(readAll(at("game.tvx")), "older game");

    ui.answers = {true};
    files.saveGame();
    EXPECT_EQ(readAll(at("game.tvx")), bytesOf(game.state()));

    // A name the dialog confirmed itself is not asked about again.
    ui.log.clear();
    chooser.path = at("game.tvx");
    files.saveGame();
    EXPECT_TRUE(ui.log.empty()) << lastLog();
}

// Root ignores permissions, so the writes are made to fail otherwise: a
// folder that does not exist, a folder where the file should be, and a file
// size limit that stops the bytes half-way as a full disk would.
TEST_F(GameFilesTest, FailedSavesAreReportedAndLeaveEverythingAsItWas)
{
    const QByteArray before = bytesOf(game.state());
    expectSaveFails("no-such-folder/game.tvx");
    EXPECT_TRUE(folderEntries().isEmpty());

    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.tvx"));
    expectSaveFails("taken.tvx");
    EXPECT_TRUE(QFileInfo(at("taken.tvx")).isDir());
    EXPECT_EQ(folderEntries(), QStringList{"taken.tvx"});

    QByteArray existing(900, 'x');
    writeAll(at("full.tvx"), existing);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 100;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    expectSaveFails("full.tvx");
    EXPECT_NE(lastLog().find("larger than the program is allowed to write"), std::string::npos) << lastLog();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(readAll(at("full.tvx")), existing) << "the old file is kept byte for byte";
    EXPECT_EQ(folderEntries(), (QStringList{"full.tvx", "taken.tvx"}));
    EXPECT_EQ(bytesOf(game.state()), before) << "the game stays as it was";
}

TEST_F(GameFilesTest, LoadBringsBackTheSavedGame)
{
    tavolux::testing::loadEdited(game, [](GameState& s) {
        s.slots[0].name = "Ann";
        s.boardRotation = 3;
        s.pieces[2].hole = 60;
    });
    const GameState saved = game.state();
    chooser.path = at("ann.tvx");
    files.saveGame();

    // Play on a little, then go back to the file.
    playOnALittle();
    game.setBoardRotation(0);
    ASSERT_NE(bytesOf(game.state()), bytesOf(saved));
    ui.log.clear();
    ui.answers = {true};
    files.loadGame();

    EXPECT_EQ(ui.log.front(), "ask Load Game: There is still a game in progress.  Do you want to abandon it?");
    EXPECT_EQ(bytesOf(game.state()), bytesOf(saved));
    EXPECT_FALSE(game.history().canUndo());
    EXPECT_EQ(game.state().slots[2].firstPiece, 20);
    EXPECT_NE(std::find(ui.log.begin(), ui.log.end(), "rotation"), ui.log.end());
}

TEST_F(GameFilesTest, AnsweringNoOrCancellingChangesNothing)
{
    writeAll(at("other.tvx"), bytesOf(initialGameState()));
    const QByteArray before = bytesOf(game.state());
    chooser.path = at("other.tvx");
    files.loadGame();
    EXPECT_EQ(chooser.asked, 0) << "No to the abandon question stops";

    // Without a game in progress there is no question.
    tavolux::testing::loadEdited(game, [](GameState& s) { s.gameOver = 1; });
    ui.log.clear();
    chooser.path.clear();
    files.loadGame();
    EXPECT_EQ(chooser.asked, 1);
    EXPECT_TRUE(ui.log.empty());
    tavolux::testing::loadEdited(game, [](GameState& s) { s.gameOver = 0; });
    EXPECT_EQ(bytesOf(game.state()), before);
}

TEST_F(GameFilesTest, RefusedAndUnreadableFilesChangeNothing)
{
    playOnALittle();
    const QByteArray before = bytesOf(game.state());
    writeAll(at("notes.tvx"), "These are my notes, not a game.");
    QByteArray tiny = QByteArray::fromHex("011000");
    writeAll(at("tiny.tvx"), tiny);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.tvx"));

    const std::string refused = std::string("error Load Game: ") + NotTavoluxMessage;
    EXPECT_FALSE(files.openFile(at("notes.tvx")));
    EXPECT_EQ(lastLog(), refused);
    EXPECT_FALSE(files.openFile(at("tiny.tvx")));
    EXPECT_EQ(lastLog(), refused);

    const QString missing = at("missing.tvx");
    EXPECT_FALSE(files.openFile(missing));
    EXPECT_EQ(lastLog().rfind("error Load Game: The file \"" + missing.toStdString() + "\" could not be opened.\n\n", 0), 0u)
        << lastLog();
    EXPECT_GT(lastLog().size(), 40 + missing.size()) << "the reason follows";
    EXPECT_FALSE(files.openFile(at("folder.tvx")));
    EXPECT_NE(lastLog().find("could not be opened"), std::string::npos) << lastLog();

    EXPECT_EQ(bytesOf(game.state()), before);
    EXPECT_TRUE(game.history().canUndo());
    EXPECT_EQ(std::count(ui.log.begin(), ui.log.end(), "rotation"), 0);
}

// A player to move who has finished or sits out passes the turn on to the
// next player in play; a game in progress with fewer than two players in
// play is refused, since its turn cycle would never end.
TEST_F(GameFilesTest, LoadedTurnGoesToAPlayerInPlay)
{
    GameState s = initialGameState();
    s.noGameStarted = 0;
    placeStartingPieces(s);
    for (int k = 0; k < PiecesPerPlayer; ++k) // player 1's pieces on the top point
        s.pieces[k].hole = static_cast<uint16_t>(k);
    s.slots[0].finished = 1;
    s.finishOrder[0] = 0;
    s.finishCount = 1;
    s.slots[2].picture = 4; // a person, so that the cycle waits
    s.playerToMove = 0;
    writeAll(at("finished.tvx"), bytesOf(s));

    ASSERT_TRUE(files.openFile(at("finished.tvx")));
    EXPECT_EQ(computer.playedFor, std::vector<int>{1}) << "the computer to move plays without being asked";
    EXPECT_EQ(game.state().playerToMove, 2);
    EXPECT_EQ(lastLog(), "personToMove 2");

    s.slots[1].finished = 1;
    writeAll(at("alone.tvx"), bytesOf(s));
    const QByteArray before = bytesOf(game.state());
    EXPECT_FALSE(files.openFile(at("alone.tvx")));
    EXPECT_EQ(lastLog(), std::string("error Load Game: ") + NotTavoluxMessage);
    EXPECT_EQ(bytesOf(game.state()), before);
}

} // namespace

namespace {

class SpecialFiles : public tavolux::testing::WindowPlayTest {};

} // namespace

// "tavolux FIFO.tvx" (or .tvr) and Load Game of a FIFO: refused at once
// with the reason, the game as it was. A read that waited for a writer
// would end the run by the alarm.
TEST_F(SpecialFiles, AFifoIsRefusedAtOnceAndNothingWaits)
{
    QTemporaryDir dir;
    startGame(1, 0, 0);
    const GameState before = window->game().state();
    for (const char* name : {"fifo.tvx", "fifo.tvr"}) {
        const QString fifo = dir.filePath(QLatin1String(name));
        ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        tavolux::testing::BoxSeen box;
        tavolux::testing::answerNextBox(QMessageBox::Ok, &box);
        ::alarm(20);
        EXPECT_FALSE(window->openGameFile(fifo));
        ::alarm(0);
        EXPECT_EQ(box.count, 1) << name;
        EXPECT_TRUE(box.text.contains(QStringLiteral("could not be opened"))) << box.text.toStdString();
        EXPECT_TRUE(box.text.contains(QStringLiteral("It is not a regular file."))) << box.text.toStdString();
    }
    EXPECT_EQ(bytesOf(window->game().state()), bytesOf(before));
}
