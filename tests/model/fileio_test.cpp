// Files read and written whole: only regular files are opened and nothing
// waits on a FIFO; a write that fails or is killed half-way leaves the old
// file byte for byte and nothing beside it.

#include "model/fileio.h"
#include "model/gamerecord.h"
#include "model/savefile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tavolux;
namespace fs = std::filesystem;

namespace {

class SafeFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "tavolux-fileio-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        // A read or write that blocks ends the test run instead of hanging it.
        ::alarm(20);
    }
    void TearDown() override
    {
        ::alarm(0);
        fs::remove_all(dir);
    }
    std::string at(const std::string& name) const { return (dir / name).string(); }
    static std::string contents(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir;
};

GameState placedGame()
{
    GameState s = initialGameState();
    s.noGameStarted = 0;
    placeStartingPieces(s);
    return s;
}

// Runs `write` with the process allowed files of `limit` bytes at most; a
// larger write fails with EFBIG as on a full disk.
template <class Write>
auto withSizeLimit(rlim_t limit, Write write)
{
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = limit;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const auto result = write();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    return result;
}

} // namespace

TEST_F(SafeFiles, OnlyRegularFilesAreReadAndAFifoIsRefusedAtOnce)
{
    std::ofstream(at("game.txt")) << "0123456789";
    EXPECT_EQ(readRegularFile(at("game.txt"), 4).bytes, "0123");
    EXPECT_EQ(readRegularFile(at("game.txt"), 100).bytes, "0123456789");
    EXPECT_EQ(readRegularFile(at("none"), 4).result.fault, FileFault::NotFound);
    EXPECT_EQ(readRegularFile(dir.string(), 4).result.fault, FileFault::NotRegular);

    ASSERT_EQ(::mkfifo(at("fifo.tvx").c_str(), 0600), 0);
    const FileReading fifo = readRegularFile(at("fifo.tvx"), 10);
    EXPECT_EQ(fifo.result.fault, FileFault::NotRegular);
    EXPECT_EQ(faultText(fifo.result), "not a regular file");
    GameState s = initialGameState();
    EXPECT_EQ(loadGameFile(at("fifo.tvx"), s), LoadStatus::CannotOpen);
    EXPECT_TRUE(std::holds_alternative<RecordError>(readRecordFile(at("fifo.tvx"))));
    // Written over neither: a FIFO is no place for a game.
    EXPECT_EQ(writeFileAtomically(at("fifo.tvx"), "x").fault, FileFault::NotRegular);
    EXPECT_FALSE(saveGameFile(at("fifo.tvx"), placedGame()));
    EXPECT_TRUE(fs::is_fifo(at("fifo.tvx")));
}

TEST_F(SafeFiles, AWriteReplacesTheWholeFileKeepingItsModeAndLinks)
{
    std::ofstream(at("real.tvx")) << "old";
    ASSERT_EQ(::chmod(at("real.tvx").c_str(), 0640), 0);
    fs::create_symlink("real.tvx", at("link.tvx"));
    ASSERT_TRUE(writeFileAtomically(at("link.tvx"), "new text"));
    EXPECT_EQ(contents(at("real.tvx")), "new text");
    EXPECT_TRUE(fs::is_symlink(at("link.tvx")));
    struct stat info {};
    ASSERT_EQ(::stat(at("real.tvx").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(entries(), (std::vector<std::string>{"link.tvx", "real.tvx"}));
    EXPECT_EQ(writeFileAtomically(at("no-folder/x"), "x").fault, FileFault::NotFound);
}

TEST_F(SafeFiles, AWriteThatFailsLeavesTheOldFileAndNothingElse)
{
    const std::string old(900, 'x');
    std::ofstream(at("game.tvx")) << old;
    std::ofstream(at("game.tvr")) << old;
    const FileResult limited =
        withSizeLimit(100, [&] { return writeFileAtomically(at("game.tvx"), std::string(300, 'y')); });
    EXPECT_EQ(limited.fault, FileFault::SizeLimit);
    EXPECT_EQ(faultOfErrno(ENOSPC), FileFault::NoSpace);
    EXPECT_EQ(faultOfErrno(EROFS), FileFault::NotAllowed);
    EXPECT_FALSE(withSizeLimit(100, [&] { return saveGameFile(at("game.tvx"), placedGame()); }));
    GameRecord record;
    record.program = std::string(200, 'p');
    EXPECT_FALSE(withSizeLimit(100, [&] { return writeRecordFile(at("game.tvr"), record); }));
    EXPECT_EQ(contents(at("game.tvx")), old);
    EXPECT_EQ(contents(at("game.tvr")), old);
    EXPECT_EQ(entries(), (std::vector<std::string>{"game.tvr", "game.tvx"}));
}

// Killed by the size limit's own signal half-way through the bytes, as a
// process killed while saving would be.
TEST_F(SafeFiles, AWriteKilledHalfWayLeavesTheOldFile)
{
    const std::string old(900, 'x');
    std::ofstream(at("game.tvx")) << old;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit small{200, 200};
        setrlimit(RLIMIT_FSIZE, &small);
        saveGameFile(at("game.tvx"), placedGame());
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child was to be stopped half-way";
    EXPECT_EQ(contents(at("game.tvx")), old);
    GameState s = initialGameState();
    EXPECT_EQ(loadGameFile(at("game.tvx"), s), LoadStatus::NotTavolux);
}
