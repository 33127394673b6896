// The hole names and game records: every hole named and read back, moves
// written as their landings, records read with every move checked, written
// back byte for byte, refused with the line at fault, and the fuzzer's kept
// inputs replayed through the reader.

#include "cli/recordfaults.h"
#include "model/board.h"
#include "model/gamerecord.h"
#include "model/movegen.h"
#include "model/movepath.h"
#include "model/moverules.h"
#include "model/notation.h"
#include "model/savefile.h"
#include "tests/fuzz/gamerecord_checks.h"

#include "tests/support/walled_in.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <sstream>

#include <unistd.h>

namespace fs = std::filesystem;
using namespace tavolux;

namespace {

int hole(const char* name)
{
    const auto h = parseHole(name);
    EXPECT_TRUE(h.has_value()) << name;
    return h.value_or(0);
}

// ---- Hole names and move texts ----

TEST(HoleNames, EveryHoleHasOneNameCountedOnTheBoard)
{
    std::set<std::string> names;
    for (int h = 0; h < HoleCount; ++h) {
        const std::string name = holeName(h);
        names.insert(name);
        EXPECT_EQ(parseHole(name), h) << name;
        std::string upper = name;
        upper[0] = static_cast<char>(upper[0] - 'a' + 'A');
        EXPECT_EQ(parseHole(upper), h) << upper;
        EXPECT_EQ(name[0], 'a' + holeCoord(h).row) << h;
        // Places count from the left: one more than the hole to the left.
        if (h > 0 && holeCoord(h - 1).row == holeCoord(h).row) {
            EXPECT_EQ(std::stoi(name.substr(1)), std::stoi(holeName(h - 1).substr(1)) + 1);
            EXPECT_GT(holeCoord(h).col, holeCoord(h - 1).col);
        } else {
            EXPECT_EQ(name.substr(1), "1") << h;
        }
    }
    EXPECT_EQ(names.size(), std::size_t(HoleCount));
    EXPECT_EQ(holeName(0), "a1");
    EXPECT_EQ(holeName(120), "q1");
    EXPECT_EQ(hole("e1"), 10);
    EXPECT_EQ(hole("e13"), 22);
    EXPECT_EQ(holeCoord(hole("i5")).col, 0) << "the middle of the board";
    EXPECT_EQ(holeName(-1), "");
    EXPECT_EQ(holeName(HoleCount), "");
}

TEST(HoleNames, AnythingElseIsRefused)
{
    for (const char* text : {"", "a", "1", "a0", "a2", "r1", "e14", "e01", " a1", "a1 ", "a-1", "aa", "1a", "e1x",
                             "e100", "\xc3\xa9" "1", "q1\n"})
        EXPECT_FALSE(parseHole(text).has_value()) << "'" << text << "'";
}

TEST(MoveTexts, StepsAndChainsReadAsTheyAreWritten)
{
    EXPECT_EQ(holeDistance(hole("e5"), hole("f5")), 1);
    EXPECT_EQ(moveText(hole("e5"), {hole("f5")}), "e5-f5");
    const MoveText chain{hole("m4"), {hole("k4"), hole("i4")}};
    EXPECT_EQ(moveText(chain.start, chain.path), "m4-k4-i4");
    EXPECT_EQ(parseMoveText("m4-k4-i4"), chain);
    EXPECT_EQ(parseMoveText("M4-k4-I4"), chain);
    EXPECT_EQ(jump(hole("m4"), NorthEast), hole("k4")) << "a chain of real jumps";
    EXPECT_EQ(jump(hole("k4"), NorthEast), hole("i4"));

    for (const char* text : {"", "e5", "e5-", "-e5", "e5--f5", "e5 -f5", "e5-f5-", "e5-x9", "e5,f5"})
        EXPECT_FALSE(parseMoveText(text).has_value()) << "'" << text << "'";
    std::string longest = "i5";
    for (int i = 0; i < HoleCount; ++i)
        longest += "-i5";
    EXPECT_TRUE(parseMoveText(longest).has_value());
    EXPECT_FALSE(parseMoveText(longest + "-i5").has_value()) << "more landings than holes";
}

// ---- Reading and writing records ----

// The start of a game, written as writeRecord writes it. Line numbers
// matter to the tests below: the moves are lines 12 to 17.
const std::string Opening = "# Tavolux game record\n"
                            "Tavolux-Record: 1\n"
                            "Date: 2026-12-09 14:03\n"
                            "Program: Tavolux 1.32\n"
                            "Player1: Human | person\n"
                            "Player2: Silicon | computer | Expert | Hostile, Friendly\n"
                            "Player3: -\n"
                            "Start: opening\n"
                            "ToMove: 1\n"
                            "Result: unfinished\n"
                            "Moves: 6\n"
                            "1. P1 o1-m7\n"
                            "2. P2 e3-e5\n"
                            "3. P1 q1-o1-m5\n"
                            "4. P2 e1-e3-g3\n"
                            "5. P1 n2-l7\n"
                            "6. P2 f3-h3\n";

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

// The text with line n (from 1) replaced.
std::string withLine(const std::string& text, std::size_t n, const std::string& line)
{
    std::vector<std::string> lines = linesOf(text);
    lines.at(n - 1) = line;
    return joined(lines);
}

// The text with a line added after line n.
std::string withLineAdded(const std::string& text, std::size_t n, const std::string& line)
{
    std::vector<std::string> lines = linesOf(text);
    lines.insert(lines.begin() + std::ptrdiff_t(n), line);
    return joined(lines);
}

// The first n lines.
std::string cutAfter(const std::string& text, std::size_t n)
{
    std::vector<std::string> lines = linesOf(text);
    lines.resize(n);
    return joined(lines);
}

GameRecord accepted(const std::string& text)
{
    const RecordReading reading = readRecord(text);
    if (const auto* error = std::get_if<RecordError>(&reading)) {
        ADD_FAILURE() << "refused on line " << error->line << ": " << recordFaultText(*error);
        return {};
    }
    return std::get<GameRecord>(reading);
}

RecordError refused(const std::string& text)
{
    const RecordReading reading = readRecord(text);
    if (std::holds_alternative<GameRecord>(reading)) {
        ADD_FAILURE() << "accepted:\n" << text;
        return {};
    }
    return std::get<RecordError>(reading);
}

#define EXPECT_REFUSED(text, lineNumber, fragment)                                                         \
    do {                                                                                                   \
        const RecordError error_ = refused(text);                                                          \
        const std::string text_ = recordFaultText(error_);                                                 \
        EXPECT_EQ(error_.line, std::size_t(lineNumber)) << text_;                                          \
        EXPECT_NE(text_.find(fragment), std::string::npos) << text_;                                       \
    } while (false)

int pieceOn(const GameState& s, int h)
{
    for (int k = 0; k < PieceCount; ++k)
        if (s.pieces[k].owner != 0 && s.pieces[k].hole == h)
            return k;
    return -1;
}

TEST(GameRecordReading, ARecordReadsWithItsPlayersAndMovesAndWritesBackTheSame)
{
    const GameRecord r = accepted(Opening);
    EXPECT_EQ(r.date, "2026-12-09 14:03");
    EXPECT_EQ(r.program, "Tavolux 1.32");
    EXPECT_EQ(r.slots[0], (RecordSlot{true, "Human", false, Standard, Neutral, Neutral}));
    EXPECT_EQ(r.slots[1], (RecordSlot{true, "Silicon", true, Expert, Hostile, Friendly}));
    EXPECT_FALSE(r.slots[2].active);
    EXPECT_EQ(r.toMove, 0);
    EXPECT_TRUE(r.result.empty());
    ASSERT_EQ(r.moves.size(), 6u);
    EXPECT_EQ(r.moves[2], (RecordedMove{0, 9, hole("q1"), {hole("o1"), hole("m5")}, true}));
    EXPECT_EQ(r.moves[3], (RecordedMove{1, 10, hole("e1"), {hole("e3"), hole("g3")}, false}));
    EXPECT_EQ(writeRecord(r), Opening);

    const GameState before = replayTo(r, 0);
    EXPECT_EQ(pieceOn(before, hole("q1")), 9);
    EXPECT_EQ(pieceOn(before, hole("m5")), -1);
    const GameState after = replayTo(r, 6);
    EXPECT_EQ(pieceOn(after, hole("q1")), -1);
    EXPECT_EQ(pieceOn(after, hole("m5")), 9);
    EXPECT_EQ(pieceOn(after, hole("h3")), 16);
    EXPECT_EQ(after.playerToMove, 0);
    EXPECT_EQ(after.slots[1].strength, Expert);
    EXPECT_TRUE(after.slots[1].isComputer());
    EXPECT_FALSE(after.slots[0].isComputer());
    EXPECT_TRUE(after.gameInProgress());
    EXPECT_EQ(replayTo(r, 99).pieces, after.pieces);
}

TEST(GameRecordReading, CommentsBlankLinesCrLfOrderAndCaseAreAllowed)
{
    const std::string loose = "\xEF\xBB\xBF# made by hand\r\n"
                              "\r\n"
                              "  Tavolux-Record:1\r\n"
                              "Program:   Tavolux 1.32  \r\n"
                              "# the players\n"
                              "Player3: -\n"
                              "Player2: Silicon|COMPUTER|expert|hostile ,friendly\n"
                              "Player1:\tHuman\t| Person\n"
                              "Date: 2026-12-09 14:03\n"
                              "Result: Unfinished\n"
                              "ToMove: 1\n"
                              "Start: OPENING\n"
                              "Moves: 6\n"
                              "\n"
                              "1. P1 O1-M7   # the first move\n"
                              "2.  p2  e3-e5#no space needed\n"
                              "3. P1 q1-o1-m5\n"
                              "4. P2 e1-e3-g3\n"
                              "5. P1 n2-l7\n"
                              "6. P2 f3-h3\n"
                              "# the end\n\n";
    EXPECT_EQ(accepted(loose), accepted(Opening));
}

TEST(GameRecordReading, AMoveOfTheOtherKindOfPlayerIsMarked)
{
    GameRecord r = accepted(Opening);
    r.moves[0].byPerson = false;
    r.moves[1].byPerson = true;
    const std::string text = writeRecord(r);
    EXPECT_NE(text.find("\n1. P1 o1-m7 (computer)\n2. P2 e3-e5 (person)\n"), std::string::npos) << text;
    EXPECT_EQ(accepted(text), r);
    EXPECT_REFUSED(withLine(Opening, 12, "1. P1 o1-m7 (person)"), 12, "only when its seat is the other's");
    EXPECT_REFUSED(withLine(Opening, 12, "1. P1 o1-m7 (robot)"), 12, "only when");
}

TEST(GameRecordRefusals, AnIllegalMoveIsNamedByItsLine)
{
    const struct {
        std::size_t line;
        const char* move;
        const char* fault;
    } cases[] = {
        {12, "1. P1 o1-m6", "move 1: o1-m6 is neither a step nor a jump"},
        {12, "1. P2 e3-e5", "P2 moves out of turn: P1 is to move"},
        {12, "1. P1 e3-e5", "P1 has no piece on e3"},
        {12, "1. P1 n1-n2", "n2 is taken"},
        {12, "1. P3 q1-o1", "P3 does not take part"},
        {14, "3. P1 q1-o1-m7", "m7 is taken"},
        {16, "5. P1 m5-m4", "P1 may not stop on m4"},
        {17, "6. P2 e2-e4-e2", "no piece to jump over between e2 and e4"},
        {13, "3. P2 e3-e5", "move 3 where move 2 was expected"},
        {12, "1 P1 o1-m7", "expected a move such as '1. P1 n2-m6'"},
        {12, "1. X1 o1-m7", "the mover is P1 to P6"},
        {12, "1. P1 o1m7", "'o1m7' is not a move in hole names"},
    };
    for (const auto& c : cases)
        EXPECT_REFUSED(withLine(Opening, c.line, c.move), c.line, c.fault);
}

TEST(GameRecordRefusals, ATruncatedRecordIsNamedWhereItEnds)
{
    EXPECT_REFUSED(cutAfter(Opening, 14), 14, "the record ends after 3 of its 6 moves");
    EXPECT_REFUSED(cutAfter(Opening, 7), 7, "the record ends before its Moves line");
    EXPECT_REFUSED(Opening.substr(0, Opening.find("-m5")), 14, "the record ends after 3 of its 6 moves");
    EXPECT_REFUSED(Opening.substr(0, Opening.find("o1-m5")), 14, "'q1-' is not a move");
    EXPECT_REFUSED(Opening + "7. P1 n3-l6\n", 18, "more moves than the 6 of the Moves line");
}

TEST(GameRecordRefusals, WhatIsNotARecordIsSaidSo)
{
    GameState s = initialGameState();
    s.noGameStarted = 0;
    placeStartingPieces(s);
    const std::vector<uint8_t> saved = encodeGame(s);
    for (const std::string& text : {std::string(), std::string("\n\n"), std::string("hello\n"),
                                    std::string(saved.begin(), saved.end()), std::string(10000, 'x'),
                                    std::string("Tavolux-Record\n")})
        EXPECT_REFUSED(text, 1, "not a Tavolux game record");
    EXPECT_REFUSED(cutAfter(Opening, 1) + "Date: 2026-12-09 14:03\n", 2, "not a Tavolux game record");
}

TEST(GameRecordRefusals, AWrongHeaderFieldIsNamedByItsLine)
{
    const struct {
        std::size_t line;
        std::string text;
        std::size_t faultLine;
        const char* fault;
    } cases[] = {
        {2, "Tavolux-Record: 2", 2, "record version 2 is not known here"},
        {2, "Tavolux-Record: one", 2, "the record's version is not a number"},
        {3, "Date: 2026-02-29 14:03", 3, "YYYY-MM-DD HH:MM"},
        {3, "Colour: red", 3, "unknown field 'Colour'"},
        {3, "Tavolux-Record: 1", 3, "unknown field 'Tavolux-Record'"},
        {3, "Program: Tavolux", 4, "Program is given twice (first on line 3)"},
        {3, "Start and nothing else", 3, "expected a field such as 'Start: opening'"},
        {3, "# the date left out", 11, "the Date field is missing"},
        {4, "Program:", 4, "the program is not named"},
        {5, "Player1: Human", 5, "expected '-', 'NAME | person'"},
        {5, "Player1: Human | robot", 5, "expected '-', 'NAME | person'"},
        {5, "Player1:  | person", 5, "a name is 1 to 63 bytes"},
        {5, "Player1: " + std::string(64, 'x') + " | person", 5, "a name is 1 to 63 bytes"},
        {5, "Player1: Hu\xffman | person", 5, "the line is not UTF-8 text"},
        {5, "Player1: -", 7, "fewer than two players take part"},
        {6, "Player2: Silicon | computer | Master | Hostile, Friendly", 6, "the strength is one of"},
        {6, "Player2: Silicon | computer | Expert | Hostile", 6, "the styles are two of"},
        {8, "Start: middle", 8, "Start is 'opening' or 'position'"},
        {9, "ToMove: 3", 9, "ToMove names no player taking part"},
        {10, "Result: 1", 10, "Result takes 'unfinished' or the players"},
        {10, "Result: 1 3", 10, "Result takes 'unfinished' or the players"},
        {11, "Moves: many", 11, "Moves takes the number of moves"},
        {4, "Program: " + std::string(5000, 'x'), 4, "the line is longer than 4096 bytes"},
    };
    for (const auto& c : cases)
        EXPECT_REFUSED(withLine(Opening, c.line, c.text), c.faultLine, c.fault);

    std::string huge = Opening;
    while (huge.size() <= MaxRecordBytes)
        huge += "# " + std::string(4000, '#') + "\n";
    EXPECT_REFUSED(huge, 0, "larger than 4 MiB");
}

// Player #1 a step from home, Player #2 (and #3) on their start holes.
std::string nearTheEnd(bool threePlayers, const std::string& result, const std::string& moves)
{
    std::string text = "Tavolux-Record: 1\n"
                       "Date: 2026-12-09 14:03\n"
                       "Program: Tavolux 1.32\n"
                       "Player1: Human | person\n"
                       "Player2: Silicon | computer | Standard | Neutral, Neutral\n";
    text += threePlayers ? "Player3: Positron | computer | Beginner | Friendly, Hostile\n" : "Player3: -\n";
    text += "Start: position\n"
            "Pieces1: a1 b1 b2 c1 c2 c3 d2 d3 d4 e5\n"
            "Pieces2: e1 e2 e3 e4 f1 f2 f3 g1 g2 h1\n";
    if (threePlayers)
        text += "Pieces3: e10 e11 e12 e13 f10 f11 f12 g10 g11 h10\n";
    text += "Finished: none\nToMove: 1\nResult: " + result + "\n";
    return text + "Moves: " + std::to_string(std::count(moves.begin(), moves.end(), '\n')) + "\n" + moves;
}

TEST(GameRecordResults, TheResultAgreesWithTheLastPosition)
{
    const std::string finish = "1. P1 e5-d1\n";
    const GameRecord won = accepted(nearTheEnd(false, "1 2", finish));
    EXPECT_EQ(won.result, (std::vector<int>{0, 1}));
    const GameState over = replayTo(won, 1);
    EXPECT_TRUE(over.gameOver);
    EXPECT_EQ(over.finishCount, 2);
    EXPECT_EQ(over.finishOrder[0], 0);
    EXPECT_EQ(accepted(writeRecord(won)), won);

    EXPECT_REFUSED(nearTheEnd(false, "unfinished", finish), 12, "the game is over with the finishing order 1 2, not unfinished");
    EXPECT_REFUSED(nearTheEnd(false, "2 1", finish), 12, "finishing order 1 2, not 2 1");
    EXPECT_REFUSED(nearTheEnd(false, "1 2", "1. P1 e5-e6\n"), 12, "the result is 1 2 but the game is not over");
    EXPECT_REFUSED(nearTheEnd(false, "1 2", finish + "2. P2 f3-f4\n"), 15, "move 2: the game is over");

    // With three, the others may stop after the first finisher or play on.
    const GameRecord stopped = accepted(nearTheEnd(true, "1 2 3", finish));
    const GameState atStop = replayTo(stopped, 1);
    EXPECT_TRUE(atStop.gameOver);
    EXPECT_EQ(std::vector<int>(atStop.finishOrder, atStop.finishOrder + atStop.finishCount), stopped.result);
    EXPECT_REFUSED(nearTheEnd(true, "1 3 2", finish), 13, "a game stopped after its first finisher ends 1 2 3, not 1 3 2");
    const GameRecord goesOn = accepted(nearTheEnd(true, "unfinished", finish + "2. P2 f3-f4\n3. P3 f10-f9\n"));
    const GameState playing = replayTo(goesOn, 3);
    EXPECT_FALSE(playing.gameOver);
    EXPECT_TRUE(playing.slots[0].finished);
    EXPECT_EQ(playing.playerToMove, 1) << "the finished player is skipped";
    EXPECT_REFUSED(nearTheEnd(true, "unfinished", finish + "2. P2 f3-f4\n3. P3 f10-f9\n4. P1 d1-e5\n"), 18,
                   "P1 has finished and moves no more");
    EXPECT_REFUSED(nearTheEnd(true, "1 2 3", finish + "2. P2 f3-f4\n"), 13, "the result is 1 2 3 but the game is not over");
}

TEST(GameRecordRefusals, AStartPositionMustBeAGameInProgress)
{
    const std::string good = nearTheEnd(false, "unfinished", "");
    EXPECT_TRUE(std::holds_alternative<GameRecord>(readRecord(good)));
    EXPECT_REFUSED(withLine(good, 8, "Pieces1: a1 b1 b2 c1 c2 c3 d2 d3 d4 d1"), 8, "P1 is home but not among the finished");
    EXPECT_REFUSED(withLine(good, 10, "Finished: 1"), 10, "P1 has finished but is not home");
    EXPECT_REFUSED(withLine(good, 10, "Finished:"), 10, "Finished takes 'none'");
    EXPECT_REFUSED(withLine(good, 10, "Finished: 3"), 10, "Finished takes 'none' or players taking part");
    EXPECT_REFUSED(withLine(good, 8, "Pieces1: a1 b1 b2 c1 c2 c3 d2 d3 d4 e1"), 9, "two pieces on e1");
    EXPECT_REFUSED(withLine(good, 8, "Pieces1: a1 b1 b2 c1 c2 c3 d2 d3 d4"), 8, "a player has ten pieces");
    EXPECT_REFUSED(withLine(good, 8, "Pieces1: a1 b1 b2 c1 c2 c3 d2 d3 d4 z9"), 8, "'z9' is not a hole");
    EXPECT_REFUSED(withLine(good, 8, "Pieces3: a1 b1 b2 c1 c2 c3 d2 d3 d4 e5"), 8, "Pieces3 belongs to");
    EXPECT_REFUSED(withLine(good, 10, "# Finished left out"), 13, "the Finished field is missing");
    EXPECT_REFUSED(withLineAdded(Opening, 8, "Finished: none"), 9, "Finished belongs to");
}

// ---- Records of games ----

// Plays `count` random legal moves from `start` into a move list, as the
// turn cycle would, the paths found as the game finds them.
MoveList randomGame(const GameState& start, int count, unsigned seed)
{
    std::mt19937 rng(seed);
    MoveList list;
    list.restart(start);
    GameState s = start;
    MoveGenerator gen;
    for (int i = 0; i < count; ++i) {
        const int p = s.playerToMove;
        std::vector<std::pair<int, int>> choices;
        for (int k = 0; k < PieceCount; ++k) {
            if (s.pieces[k].owner != OwnerMark[p])
                continue;
            gen.findDestinations(p, k, s.pieces);
            for (const uint16_t* d = gen.destinations; *d != ListEnd; ++d)
                choices.emplace_back(k, *d);
        }
        if (choices.empty())
            break;
        const auto [k, d] = choices[rng() % choices.size()];
        const std::vector<int> path = findMovePath(s.pieces, s.pieces[k].hole, d);
        list.add({p, k, s.pieces[k].hole, path, p == 0});
        s = applyMove(s, k, path, true).after;
    }
    return list;
}

GameState newGame(std::array<int, DesignSeatCount> active)
{
    GameState s = initialGameState();
    for (int p = 0; p < DesignSeatCount; ++p)
        s.slots[p].active = active[p];
    s.noGameStarted = 0;
    placeStartingPieces(s);
    return s;
}

TEST(GameRecordOfAGame, RandomGamesReadBackEqualAndReplayMoveByMove)
{
    for (const auto& active : {std::array<int, DesignSeatCount>{1, 1, 1}, {0, 1, 1}, {1, 0, 1}}) {
        const MoveList list = randomGame(newGame(active), 120, 7);
        const GameState now = list.positionAfter(120);
        const GameRecord r = recordOf(now, list);
        const std::string text = writeRecord(r);
        EXPECT_NE(text.find("Start: opening\n"), std::string::npos);
        const GameRecord back = accepted(text);
        EXPECT_EQ(back, r);
        EXPECT_EQ(writeRecord(back), text);
        for (std::size_t n = 0; n <= 120; n += 7)
            EXPECT_EQ(replayTo(back, n).pieces, list.positionAfter(n).pieces) << n;
        EXPECT_EQ(replayTo(back, 120).playerToMove, now.playerToMove);

        // Started from the middle of that game, its record holds the position.
        const MoveList later = randomGame(now, 30, 8);
        const GameRecord fromMiddle = recordOf(later.positionAfter(30), later);
        const std::string middleText = writeRecord(fromMiddle);
        EXPECT_NE(middleText.find("Start: position\n"), std::string::npos);
        EXPECT_EQ(accepted(middleText), fromMiddle);
        EXPECT_EQ(replayTo(fromMiddle, 0).pieces, now.pieces);
        EXPECT_EQ(replayTo(fromMiddle, 30).pieces, later.positionAfter(30).pieces);
    }
}

TEST(GameRecordOfAGame, SixSeatTablesNameSixPlayersTheirTableAndTheirRule)
{
    GameState start = initialGameState();
    for (PlayerSlot& slot : start.slots)
        slot.active = 1;
    start.slots[2].active = 0;
    start.noGameStarted = 0;
    placeStartingPieces(start);
    const MoveList list = randomGame(start, 150, 11);
    const GameRecord r = recordOf(list.positionAfter(150), list);
    const std::string text = writeRecord(r);
    const std::vector<std::string> lines = linesOf(text);
    EXPECT_EQ(lines.at(7), "Player4: Photon | computer | Standard | Hostile, Friendly");
    EXPECT_EQ(lines.at(9), "Player6: Neutrino | computer | Standard | Hostile, Friendly");
    EXPECT_EQ(lines.at(10), "Table: 1 2 4 5 6");
    EXPECT_EQ(lines.at(11), "Rule: full target");
    const GameRecord back = accepted(text);
    EXPECT_EQ(back, r);
    EXPECT_EQ(writeRecord(back), text);
    for (std::size_t n = 0; n <= 150; n += 10)
        EXPECT_EQ(replayTo(back, n).pieces, list.positionAfter(n).pieces) << n;

    EXPECT_REFUSED(withLine(text, 11, "Table: 1 2 4 5"), 11, "Table names the players");
    EXPECT_REFUSED(withLine(text, 12, "Rule: all home"), 12, "Rule how they finish");
    EXPECT_REFUSED(withLine(text, 12, "# no rule"), lines.size() - 150, "Rule");

    // A classic table names three players, no table and no rule, and may
    // give the ones it has.
    const std::string classic = writeRecord(recordOf(newGame({1, 1, 0}), randomGame(newGame({1, 1, 0}), 0, 1)));
    EXPECT_EQ(classic.find("Player4"), std::string::npos);
    EXPECT_EQ(classic.find("Table"), std::string::npos);
    accepted(withLineAdded(classic, 7, "Table: 1 2\nRule: all home"));
    EXPECT_REFUSED(withLineAdded(classic, 7, "Table: 1 3"), 8, "Table names the players");
}

TEST(GameRecordOfAGame, TheMovesUpToTheCurrentPointAndNamesARecordCanHold)
{
    GameState start = newGame({1, 1, 1});
    start.slots[0].name = "A|B";
    start.slots[1].name = "\tTabbed\n";
    start.slots[2].name = std::string("Caf\xc3\xa9 \xff") + std::string(70, 'z');
    MoveList list = randomGame(start, 10, 3);
    GameState now = list.positionAfter(10);
    list.follow(list.positionAfter(4)); // as Undo leaves it
    ASSERT_EQ(list.current(), 4u);
    const GameRecord r = recordOf(now, list);
    EXPECT_EQ(r.moves.size(), 4u);
    EXPECT_EQ(r.slots[0].name, "A/B");
    EXPECT_EQ(r.slots[1].name, "Tabbed");
    EXPECT_EQ(r.slots[2].name, "Caf\xc3\xa9 ?" + std::string(56, 'z'));
    EXPECT_EQ(r.slots[2].name.size(), MaxNameLength);
    EXPECT_EQ(r.program, std::string("Tavolux ") + TAVOLUX_VERSION);
    EXPECT_EQ(accepted(writeRecord(r)), r);

    now.slots[2].name = " ";
    EXPECT_EQ(recordOf(now, list).slots[2].name, "Player #3");
}

TEST(GameRecordOfAGame, APlayerWithoutAMovePasses)
{
    // Player #2 walled in on its start holes by everyone else's pieces.
    GameState s = newGame({1, 1, 1});
    tavolux::testing::wallInPlayerTwo(s.pieces);
    s.playerToMove = 1;
    MoveList list;
    list.restart(s);
    MoveGenerator gen;
    for (int k = 20; k < PieceCount && list.moves().empty(); ++k) {
        gen.findDestinations(2, k, s.pieces);
        if (gen.destinations[0] != ListEnd)
            list.add({2, k, s.pieces[k].hole, findMovePath(s.pieces, s.pieces[k].hole, gen.destinations[0]), false});
    }
    ASSERT_EQ(list.moves().size(), 1u);
    const GameRecord r = recordOf(list.positionAfter(1), list);
    const std::string text = writeRecord(r);
    EXPECT_EQ(accepted(text), r);
    EXPECT_EQ(replayTo(r, 1).playerToMove, 0);

    // Had Player #1 been to move, the same move would be out of turn.
    std::string outOfTurn = text;
    const std::size_t at = outOfTurn.find("ToMove: 2\n");
    ASSERT_NE(at, std::string::npos);
    outOfTurn.replace(at, 9, "ToMove: 1");
    EXPECT_REFUSED(outOfTurn, linesOf(text).size(), "P3 moves out of turn: P1 is to move");
}

TEST(GameRecordFiles, WrittenAndReadInAFolder)
{
    const fs::path dir = fs::temp_directory_path() / ("tavolux-record-test-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const GameRecord r = accepted(Opening);
    EXPECT_TRUE(writeRecordFile((dir / "game.txt").string(), r));
    const RecordReading back = readRecordFile((dir / "game.txt").string());
    ASSERT_TRUE(std::holds_alternative<GameRecord>(back));
    EXPECT_EQ(std::get<GameRecord>(back), r);
    const RecordReading missing = readRecordFile((dir / "none.txt").string());
    ASSERT_TRUE(std::holds_alternative<RecordError>(missing));
    EXPECT_EQ(std::get<RecordError>(missing).line, 0u);
    EXPECT_FALSE(writeRecordFile((dir / "no-folder" / "game.txt").string(), r));
    fs::remove_all(dir);
}

// ---- The fuzzer's kept inputs ----

TEST(GameRecordCorpus, EveryKeptInputReadsSoundly)
{
    int replayed = 0;
    for (const char* folder : {"corpus/gamerecord", "regressions/gamerecord"}) {
        const fs::path dir = fs::path(TAVOLUX_FUZZ_DIR) / folder;
        ASSERT_TRUE(fs::is_directory(dir)) << dir;
        for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
            if (!entry.is_regular_file() || entry.path().filename() == ".keep")
                continue;
            std::ifstream in(entry.path(), std::ios::binary);
            const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            EXPECT_EQ(tavolux::fuzz::checkRecordReading(bytes.data(), bytes.size()), "") << entry.path();
            ++replayed;
        }
    }
    EXPECT_GE(replayed, 3) << "the seed corpus is missing";
}

} // namespace
