#pragma once
// Sizes given in dialog units, as the dialog descriptions measure them: a
// horizontal unit is a quarter of the font's average character width, a
// vertical unit an eighth of its height.

#include <QFontMetrics>
#include <QSize>
#include <QWidget>

namespace tavolux {

inline QSize dialogUnits(const QWidget* widget, int x, int y)
{
    const QFontMetrics metrics(widget->font());
    return QSize(x * metrics.averageCharWidth() / 4, y * metrics.height() / 8);
}

} // namespace tavolux
