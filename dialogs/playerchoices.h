#pragma once
// The names of a player's pictures and of the board views, as the dialogs
// show them: the game record keeps them in English (model/gamestate.h),
// the lists show them in the user's language.

#include <QString>

namespace tavolux {

// The shown name of picture 0..PictureCount-1 ("Computer", "Guy", ...).
QString pictureName(int picture);

// The shown name of board view 0..5 ("Bottom", "Top", ...).
QString viewName(int view);

// The shown name of computer strength 0..StrengthCount-1 ("Beginner", ...).
QString strengthName(int strength);

} // namespace tavolux
