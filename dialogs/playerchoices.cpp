#include "dialogs/playerchoices.h"

#include "model/gamestate.h"

#include <QCoreApplication>

#include <iterator>
#include <string_view>

namespace tavolux {

namespace {

constexpr const char* Context = "PlayerChoices";

// The same texts as the game record's tables, written out so that lupdate
// finds them; the checks below keep the two lists alike.
constexpr const char* Pictures[PictureCount] = {
    //: The picture of a player the computer plays.
    QT_TRANSLATE_NOOP("PlayerChoices", "Computer"),
    //: A player's picture: a grown man.
    QT_TRANSLATE_NOOP("PlayerChoices", "Guy"),
    //: A player's picture: a grown woman.
    QT_TRANSLATE_NOOP("PlayerChoices", "Lady"),
    QT_TRANSLATE_NOOP("PlayerChoices", "Boy"),
    QT_TRANSLATE_NOOP("PlayerChoices", "Girl"),
    QT_TRANSLATE_NOOP("PlayerChoices", "Baby"),
    //: A player's picture: a teddy bear.
    QT_TRANSLATE_NOOP("PlayerChoices", "Bear"),
};

constexpr const char* Views[std::size(ViewNames)] = {
    //: The board turned so that the player's home point lies at the bottom.
    QT_TRANSLATE_NOOP("PlayerChoices", "Bottom"),
    QT_TRANSLATE_NOOP("PlayerChoices", "Top"),
    QT_TRANSLATE_NOOP("PlayerChoices", "Lower-Left"),
    QT_TRANSLATE_NOOP("PlayerChoices", "Lower-Right"),
    QT_TRANSLATE_NOOP("PlayerChoices", "Upper-Left"),
    QT_TRANSLATE_NOOP("PlayerChoices", "Upper-Right"),
};

// The side panel shows the same names under a computer player's name
// (view/windowpainter.cpp), translated in this context.
constexpr const char* Strengths[StrengthCount] = {
    //: How well a computer player plays: the weakest of three levels.
    QT_TRANSLATE_NOOP("PlayerChoices", "Beginner"),
    //: How well a computer player plays: the middle of three levels, the usual one.
    QT_TRANSLATE_NOOP("PlayerChoices", "Standard"),
    //: How well a computer player plays: the strongest of three levels.
    QT_TRANSLATE_NOOP("PlayerChoices", "Expert"),
};

template <std::size_t N>
constexpr bool sameTexts(const char* const (&a)[N], const char* const (&b)[N])
{
    for (std::size_t i = 0; i < N; ++i)
        if (std::string_view(a[i]) != std::string_view(b[i]))
            return false;
    return true;
}
static_assert(sameTexts(Pictures, PictureNames), "the picture names differ from the game record's");
static_assert(sameTexts(Views, ViewNames), "the view names differ from the game record's");
static_assert(sameTexts(Strengths, StrengthNames), "the strength names differ from the game record's");

QString shown(const char* const* names, int count, int index)
{
    if (index < 0 || index >= count)
        return {};
    return QCoreApplication::translate(Context, names[index]);
}

} // namespace

QString pictureName(int picture) { return shown(Pictures, PictureCount, picture); }

QString viewName(int view) { return shown(Views, static_cast<int>(std::size(Views)), view); }

QString strengthName(int strength) { return shown(Strengths, StrengthCount, strength); }

} // namespace tavolux
