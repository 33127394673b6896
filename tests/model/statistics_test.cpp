// Each player's figures: what an ended and an abandoned game add, where
// games among computers go, and the statistics file read back and refused.

#include "model/board.h"
#include "model/movelist.h"
#include "model/statistics.h"

#include <gtest/gtest.h>

using namespace tavolux;

namespace {

constexpr PlayerKind Person = PlayerKind::Person;
constexpr PlayerKind StandardComputer = PlayerKind::StandardComputer;
constexpr PlayerKind ExpertComputer = PlayerKind::ExpertComputer;

// Anna (a person), Silicon (Standard) and Positron (Expert) at the opening;
// `active` picks the slots, `order` and `home` end the game.
GameState game(int active = 7, std::vector<int> order = {}, std::vector<int> home = {})
{
    GameState s = initialGameState();
    const char* names[DesignSeatCount] = {"Anna", "Silicon", "Positron"};
    for (int p = 0; p < DesignSeatCount; ++p) {
        s.slots[p].name = names[p];
        s.slots[p].picture = p == 0 ? 2 : 0;
        s.slots[p].strength = p == 2 ? Expert : Standard;
        s.slots[p].active = (active >> p) & 1;
    }
    placeStartingPieces(s);
    s.noGameStarted = 0;
    for (int p : home) {
        int k = 0;
        for (int h = 0; h < HoleCount && k < PiecesPerPlayer; ++h)
            if (holeDistance(h, TargetApex[p]) <= 3)
                s.pieces[s.slots[p].firstPiece + k++].hole = static_cast<uint16_t>(h);
    }
    s.finishCount = static_cast<uint16_t>(order.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        s.finishOrder[i] = static_cast<uint16_t>(order[i]);
    return s;
}

// The game after its first move: the lowest active player's first piece
// stands on a free hole.
GameState played(GameState s)
{
    const int p = s.slots[0].active ? 0 : s.slots[1].active ? 1 : 2;
    for (uint16_t h = 0; h < HoleCount; ++h)
        if (std::none_of(s.pieces.begin(), s.pieces.end(), [&](const PieceRecord& r) { return r.owner && r.hole == h; })) {
            s.pieces[s.slots[p].firstPiece].hole = h;
            break;
        }
    return s;
}

// games, first, second, third, abandoned, finishes, total moves, best.
PlayerFigures figures(std::array<int64_t, 8> v)
{
    return {v[0], {v[1], v[2], v[3]}, v[4], v[5], v[6], v[7]};
}

PlayerFigures of(const PlayerTable& table, const std::string& name, PlayerKind kind)
{
    const auto found = table.find(PlayerKey{name, kind});
    return found == table.end() ? PlayerFigures{} : found->second;
}

} // namespace

TEST(EndedGames, GiveEachPlayerAGameItsPlaceAndTheMovesOfThoseHome)
{
    Statistics s;
    const int moves[] = {61, 55, 70};
    ASSERT_TRUE(addEndedGame(s, game(7, {1, 0, 2}, {1, 0}), moves)); // Positron last, not home
    const int faster[] = {48, 66, -1};
    ASSERT_TRUE(addEndedGame(s, game(7, {0, 2, 1}, {0, 2}), faster)); // Positron's moves not known
    const int twoPlayers[] = {0, 44, 99};
    ASSERT_TRUE(addEndedGame(s, game(0b011, {1, 0}, {1}), twoPlayers)); // Anna's moves not known

    EXPECT_EQ(of(s.withPersons, "Anna", Person), figures({3, 1, 2, 0, 0, 2, 109, 48}));
    EXPECT_EQ(of(s.withPersons, "Silicon", StandardComputer), figures({3, 2, 0, 1, 0, 2, 99, 44}));
    EXPECT_EQ(of(s.withPersons, "Positron", ExpertComputer), figures({2, 0, 1, 1, 0, 0, 0, 0}));
    EXPECT_DOUBLE_EQ(of(s.withPersons, "Anna", Person).averageMoves(), 54.5);
    EXPECT_EQ(s.withPersons.size(), 3u);
    EXPECT_TRUE(s.amongComputers.empty());

    GameState never = game(7, {0, 1, 2}, {0});
    never.noGameStarted = 1;
    const Statistics before = s;
    EXPECT_FALSE(addEndedGame(s, never, moves));
    EXPECT_EQ(s, before);
}

TEST(AbandonedGames, CountForEachActivePlayerOfAGameInProgressOnly)
{
    Statistics s;
    ASSERT_TRUE(addAbandonedGame(s, played(game(0b101))));
    EXPECT_EQ(s.withPersons.size(), 2u);
    EXPECT_EQ(of(s.withPersons, "Anna", Person), figures({0, 0, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(of(s.withPersons, "Positron", ExpertComputer).abandoned, 1);

    GameState over = played(game());
    over.gameOver = 1;
    GameState none = played(game());
    none.noGameStarted = 1;
    const Statistics before = s;
    EXPECT_FALSE(addAbandonedGame(s, over));
    EXPECT_FALSE(addAbandonedGame(s, none));
    EXPECT_EQ(s, before);
}

TEST(AbandonedGames, CountOnlyOnceAMoveIsMadeAndFinishersKeepTheirPlaces)
{
    Statistics s;
    EXPECT_FALSE(game().gameUnderway());
    EXPECT_TRUE(played(game()).gameUnderway());
    EXPECT_FALSE(addAbandonedGame(s, game())) << "a game nobody played in";
    EXPECT_TRUE(s.empty());

    // Positron finished first, the others played on and gave up.
    GameState left = game(7, {2}, {2});
    left.slots[2].finished = 1;
    const int moves[] = {40, 41, 38};
    ASSERT_TRUE(addAbandonedGame(s, left, moves));
    EXPECT_EQ(of(s.withPersons, "Positron", ExpertComputer), figures({1, 1, 0, 0, 0, 1, 38, 38}));
    EXPECT_EQ(of(s.withPersons, "Anna", Person), figures({0, 0, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(of(s.withPersons, "Silicon", StandardComputer), figures({0, 0, 0, 0, 1, 0, 0, 0}));
    ASSERT_TRUE(addAbandonedGame(s, left)); // moves not known
    EXPECT_EQ(of(s.withPersons, "Positron", ExpertComputer), figures({2, 2, 0, 0, 0, 1, 38, 38}));
    EXPECT_FALSE(parseStatistics(formatStatistics(s)).damaged);
}

TEST(Players, AreCountedByTheNameShownLetterCaseAside)
{
    Statistics s;
    GameState spaced = played(game(0b011));
    spaced.slots[0].name = " human ";
    ASSERT_TRUE(addAbandonedGame(s, spaced));
    GameState capital = game(0b011, {0, 1}, {0});
    capital.slots[0].name = "Human";
    const int moves[] = {33, 0, 0};
    ASSERT_TRUE(addEndedGame(s, capital, moves));
    ASSERT_EQ(s.withPersons.size(), 2u);
    EXPECT_EQ(s.withPersons.begin()->first.name, "Human") << "the latest spelling";
    EXPECT_EQ(of(s.withPersons, "hUMAN", Person), figures({1, 1, 0, 0, 1, 1, 33, 33}));

    // Rows of one player in an older file are added up, in the file's first spelling.
    const std::string older = "Tavolux statistics 1\n"
                              "persons\tperson\t2\t1\t1\t0\t0\t2\t100\t45\t\xC3\x89va\n"
                              "persons\tperson\t3\t0\t1\t1\t2\t1\t40\t40\t\xC3\xA9VA \n"
                              "persons\tperson\t1\t0\t0\t0\t0\t0\t0\t0\t\xC3\x89va\n"
                              "persons\texpert\t1\t0\t0\t0\t0\t0\t0\t0\t\xC3\x89va\n"
                              "end 4\n";
    const ParsedStatistics parsed = parseStatistics(older);
    ASSERT_FALSE(parsed.damaged);
    ASSERT_EQ(parsed.statistics.withPersons.size(), 2u);
    EXPECT_EQ(parsed.statistics.withPersons.begin()->first.name, "\xC3\x89va");
    EXPECT_EQ(of(parsed.statistics.withPersons, "\xC3\xA9va", Person), figures({6, 1, 2, 1, 2, 3, 140, 40}));
    EXPECT_EQ(of(parsed.statistics.withPersons, "\xC3\x89VA", ExpertComputer).games, 1);
}

TEST(Players, AreANameAndAKindAndGamesAmongComputersAreKeptApart)
{
    Statistics s;
    GameState computers = game(7, {2, 1, 0}, {2});
    computers.slots[0].picture = 0; // Anna plays as a Standard computer
    const int moves[] = {0, 0, 45};
    ASSERT_TRUE(addEndedGame(s, computers, moves));
    ASSERT_TRUE(addAbandonedGame(s, played(game(0b110))));
    EXPECT_TRUE(s.withPersons.empty());
    EXPECT_EQ(of(s.amongComputers, "Positron", ExpertComputer), figures({1, 1, 0, 0, 1, 1, 45, 45}));
    EXPECT_EQ(of(s.amongComputers, "Anna", StandardComputer).places[2], 1);

    GameState sameName = played(game(0b011));
    sameName.slots[1].name = "Anna";
    ASSERT_TRUE(addAbandonedGame(s, sameName));
    EXPECT_EQ(of(s.withPersons, "Anna", Person).abandoned, 1);
    EXPECT_EQ(of(s.withPersons, "Anna", StandardComputer).abandoned, 1);

    PlayerSlot slot;
    slot.picture = 0;
    slot.strength = 7; // no strength plays as Standard
    EXPECT_EQ(kindOf(slot), StandardComputer);

    // A name too long is cut before a character it would split.
    GameState longName = played(game(0b011));
    longName.slots[0].name = "A";
    for (int i = 0; i < 30; ++i)
        longName.slots[0].name += "\xE6\x9D\x8E"; // three bytes
    Statistics cut;
    ASSERT_TRUE(addAbandonedGame(cut, longName));
    EXPECT_EQ(cut.withPersons.begin()->first.name, longName.slots[0].name.substr(0, 61));
}

TEST(MovesPerPlayer, CountUpToTheCurrentMoveFromTheOpeningOnly)
{
    MoveList list;
    list.restart(game());
    const int players[] = {0, 1, 2, 0, 1, 0};
    for (int i = 0; i < 6; ++i)
        list.add(RecordedMove{players[i], players[i] * 10 + i, 0, {60 + i}, players[i] == 0});
    EXPECT_EQ(movesPerPlayer(list), (std::array<int, PlayerCount>{3, 2, 1, 0, 0, 0}));
    list.follow(list.positionAfter(4));
    EXPECT_EQ(movesPerPlayer(list), (std::array<int, PlayerCount>{2, 1, 1, 0, 0, 0}));

    list.restart(game(7, {}, {1})); // loaded part-way through
    EXPECT_EQ(movesPerPlayer(list), (std::array<int, PlayerCount>{-1, -1, -1, -1, -1, -1}));
}

namespace {

const std::string Sample = "Tavolux statistics 1\n"
                           "persons\tperson\t12\t5\t4\t3\t1\t5\t480\t89\tAnna\n"
                           "persons\texpert\t12\t4\t5\t2\t1\t0\t0\t0\tSilicon\n"
                           "computers\tbeginner\t3\t0\t1\t2\t0\t1\t140\t140\tPositron\n"
                           "end 3\n";

} // namespace

TEST(StatisticsFile, IsReadBackExactly)
{
    Statistics s;
    s.withPersons[{"Anna", Person}] = figures({12, 5, 4, 3, 1, 5, 480, 89});
    s.withPersons[{"Silicon", ExpertComputer}] = figures({12, 4, 5, 2, 1, 0, 0, 0});
    s.amongComputers[{"Positron", PlayerKind::BeginnerComputer}] = figures({3, 0, 1, 2, 0, 1, 140, 140});
    EXPECT_EQ(formatStatistics(s), Sample);
    EXPECT_EQ(parseStatistics(Sample).statistics, s);
    EXPECT_FALSE(parseStatistics(formatStatistics(Statistics{})).damaged);

    Statistics names;
    for (const char* name : {"", "tab\there", "two\nlines\r!", "back\\slash\\", "\x01\x7F", "\\x41", "Zo\xC3\xAB",
                             "\xF0\x9F\x8E\xB2", "bad \xFF\xC3", "\xED\xA0\x80", "\xC0\xAF", "\xE0\x80\xAF", "end 3"})
        names.withPersons[{name, Person}] = figures({1, 1, 0, 0, 0, 1, 50, 50});
    const std::string text = formatStatistics(names);
    EXPECT_EQ(text.find_first_of("\r\x01\xFF\xC0\xE0"), std::string::npos);
    EXPECT_NE(text.find("\tZo\xC3\xAB\n"), std::string::npos) << "readable UTF-8 stays as it is";
    const ParsedStatistics parsed = parseStatistics(text);
    EXPECT_FALSE(parsed.damaged);
    EXPECT_EQ(parsed.statistics, names);
}

TEST(StatisticsFile, JunkAndCutCopiesAreRefusedWhole)
{
    const std::string head = "Tavolux statistics 1\n";
    const auto line = [&](const std::string& fields) { return head + "persons\tperson\t" + fields + "\nend 1\n"; };
    const std::string good = "2\t1\t1\t0\t0\t2\t100\t45\tAnna";
    ASSERT_FALSE(parseStatistics(line(good)).damaged);
    ASSERT_FALSE(parseStatistics(line("1\t1\t0\t0\t0\t0\t0\t0\t" + std::string(63, 'A'))).damaged);
    const std::vector<std::string> junk = {
        "Tavolux statistics 2\nend 0\n", "Tavolux statistics 1\r\nend 0\r\n", head + "end 0\nmore\n",
        head + "end 1\n", head + "\nend 1\n", std::string("Tavolux statistics 1\nend 0\n\0", 28),
        head + "players\tperson\t" + good + "\nend 1\n", head + "persons\tgenius\t" + good + "\nend 1\n",
        line("2\t1\t1\t0\t0\t2\t100\tAnna"),          // a figure missing
        line(good + "\tx"), line("02\t1\t1\t0\t0\t2\t100\t45\tAnna"), line("-2\t1\t1\t0\t0\t2\t100\t45\tAnna"),
        line("99999999999999\t0\t0\t0\t0\t0\t0\t0\tAnna"),
        line("1\t1\t1\t0\t0\t0\t0\t0\tAnna"),          // more places than games
        line("1\t1\t0\t0\t0\t2\t90\t45\tAnna"),        // more finishes than games
        line("2\t1\t1\t0\t0\t2\t100\t51\tAnna"),       // the best above the average
        line("2\t1\t1\t0\t0\t1\t0\t0\tAnna"),          // a finish without moves
        line("2\t1\t1\t0\t0\t0\t50\t0\tAnna"),         // moves without a finish
        line("0\t0\t0\t0\t0\t0\t0\t0\tAnna"),          // no game at all
        line("1\t1\t0\t0\t0\t0\t0\t0\tAn\\qna"), line("1\t1\t0\t0\t0\t0\t0\t0\tAnna\\"),
        line("1\t1\t0\t0\t0\t0\t0\t0\tAnna\\x4"), line("1\t1\t0\t0\t0\t0\t0\t0\tAn\x01na"),
        line("1\t1\t0\t0\t0\t0\t0\t0\tAnn\xE4"),       // Latin-1
        line("1\t1\t0\t0\t0\t0\t0\t0\t" + std::string(64, 'A')),
    };
    for (const std::string& text : junk) {
        const ParsedStatistics parsed = parseStatistics(text);
        EXPECT_TRUE(parsed.damaged && parsed.statistics.empty()) << text;
    }
    for (std::size_t length = 0; length < Sample.size(); ++length) {
        const ParsedStatistics parsed = parseStatistics(std::string_view(Sample).substr(0, length));
        EXPECT_TRUE(parsed.damaged && parsed.statistics.empty()) << length;
    }
}

TEST(StatisticsFile, FiguresAtTheirLimitStayReadable)
{
    Statistics s;
    s.withPersons[{"Anna", Person}] = figures({MaxFigure, MaxFigure, 0, 0, MaxFigure, 1, 100, 5});
    s.withPersons[{"Silicon", StandardComputer}] = figures({5, 0, 5, 0, 0, 5, MaxFigure - 10, 20});
    const int moves[] = {30, 30, 30};
    ASSERT_TRUE(addEndedGame(s, game(7, {0, 1, 2}, {0, 1}), moves));
    ASSERT_TRUE(addAbandonedGame(s, played(game())));
    EXPECT_EQ(of(s.withPersons, "Anna", Person), figures({MaxFigure, MaxFigure, 0, 0, MaxFigure, 1, 100, 5}));
    EXPECT_EQ(of(s.withPersons, "Silicon", StandardComputer), figures({6, 0, 6, 0, 1, 5, MaxFigure - 10, 20}));
    const ParsedStatistics parsed = parseStatistics(formatStatistics(s));
    EXPECT_FALSE(parsed.damaged);
    EXPECT_EQ(parsed.statistics, s);
}

TEST(StatisticsFile, PlacesBeyondTheThirdAreCountedAndKeptBesideTheOthers)
{
    GameState six = game(7, {5, 4, 3, 2, 1, 0});
    for (int p = DesignSeatCount; p < PlayerCount; ++p)
        six.slots[p].active = 1;
    six.slots[5].name = "Bea";
    six.slots[5].picture = 2;
    Statistics s;
    const int moves[PlayerCount] = {};
    ASSERT_TRUE(addEndedGame(s, six, moves));
    ASSERT_TRUE(addEndedGame(s, game(7, {0, 1, 2}), moves));
    const PlayerFigures anna = of(s.withPersons, "Anna", Person);
    EXPECT_EQ(anna.games, 2);
    EXPECT_EQ(anna.places, (std::array<int64_t, PlayerCount>{1, 0, 0, 0, 0, 1}));
    EXPECT_EQ(of(s.withPersons, "Quark", StandardComputer).places[1], 1);

    // Only a player with a place beyond the third gets the wider line.
    const std::string text = formatStatistics(s);
    EXPECT_NE(text.find("persons\tperson\t2\t1\t0\t0\t0\t0\t0\t0\t0\t0\t1\tAnna\n"), std::string::npos) << text;
    EXPECT_NE(text.find("persons\tstandard\t1\t0\t1\t0\t0\t0\t0\t0\tQuark\n"), std::string::npos) << text;
    EXPECT_NE(text.find("persons\tstandard\t2\t0\t1\t0\t0\t0\t0\t0\t0\t1\t0\tSilicon\n"), std::string::npos) << text;
    EXPECT_NE(text.find("persons\tperson\t1\t1\t0\t0\t0\t0\t0\t0\tBea\n"), std::string::npos) << text;
    const ParsedStatistics back = parseStatistics(text);
    ASSERT_FALSE(back.damaged);
    EXPECT_EQ(back.statistics, s);
    EXPECT_EQ(formatStatistics(back.statistics), text);

    // More places than games, or twelve figures, is no file this wrote.
    std::string tooMany = text;
    tooMany.replace(tooMany.find("\t1\tAnna"), 7, "\t5\tAnna");
    EXPECT_TRUE(parseStatistics(tooMany).damaged);
    std::string twelve = text;
    twelve.replace(twelve.find("\t0\t0\t1\tAnna"), 11, "\t0\t1\tAnna");
    EXPECT_TRUE(parseStatistics(twelve).damaged);
}
