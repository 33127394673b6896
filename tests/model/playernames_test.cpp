// Names as shown (spaces around them gone) and told apart letter case aside,
// in the scripts players write their names in.

#include "model/gamestate.h"
#include "model/playernames.h"

#include <gtest/gtest.h>

using namespace tavolux;

TEST(PlayerNames, AreShownWithoutTheSpacesAroundThem)
{
    EXPECT_EQ(shownName(" human "), "human");
    EXPECT_EQ(shownName("\t Anna Lee\xC2\xA0\xE3\x80\x80"), "Anna Lee"); // no-break and ideographic spaces
    EXPECT_EQ(shownName("   "), "");
    EXPECT_EQ(shownName("bad\xFF "), "bad\xFF");
    // Cut to the longest name kept, and no space left at the cut.
    const std::string longName = " " + std::string(62, 'a') + " b";
    EXPECT_EQ(shownName(longName), std::string(62, 'a'));
}

TEST(PlayerNames, DifferingOnlyInCaseAreOneInEveryScript)
{
    const std::pair<const char*, const char*> same[] = {
        {"Human", "hUMAN"},
        {"\xC3\x89LODIE \xC3\x98ST", "\xC3\xA9lodie \xC3\xB8st"},               // Latin-1
        {"\xC5\x90Z \xC4\x8C", "\xC5\x91z \xC4\x8D"},                           // Latin Extended-A
        {"\xCE\xA3\xCE\x9F\xCE\xA6\xCE\x99\xCE\x91", "\xCF\x83\xCE\xBF\xCF\x86\xCE\xB9\xCE\xB1"}, // Greek
        {"\xCE\xA3", "\xCF\x82"},                                               // final sigma
        {"\xD0\x96\xD0\x81\xD0\x9B\xD0\xAF", "\xD0\xB6\xD1\x91\xD0\xBB\xD1\x8F"}, // Cyrillic
        {"\xE1\xBA\x9E", "\xC3\x9F"},                                           // capital sharp s
        {"\xEF\xBC\xA1", "\xEF\xBD\x81"},                                       // full-width A
    };
    for (const auto& [a, b] : same) {
        EXPECT_EQ(compareFolded(a, b), 0) << a << " / " << b;
        EXPECT_EQ(compareFolded(b, a), 0) << a << " / " << b;
    }
    EXPECT_LT(compareFolded("anna", "Bob"), 0);
    EXPECT_GT(compareFolded("BOB", "anna"), 0);
    EXPECT_LT(compareFolded("Ann", "anna"), 0);
    EXPECT_NE(compareFolded("\xC3\xA9", "e"), 0);
    EXPECT_GT(compareFolded("a\xFF", "a\xE4\xB8\xAD"), 0); // a byte that is no UTF-8 after every character
    EXPECT_EQ(compareFolded("A\xFF", "a\xFF"), 0);
    EXPECT_EQ(foldedCase(U'\u4E2D'), U'\u4E2D');
    EXPECT_EQ(foldedCase(U'\u0130'), U'\u0130'); // dotted capital I has no one-letter folding
    EXPECT_EQ(foldedCase(U'\U00010400'), U'\U00010428');
}
