#pragma once
// The referee's colours and caption font, shared by its layout and its
// drawing.

#include <QColor>
#include <QFont>

namespace tavolux::referee_style {

inline const QColor Brown(128, 64, 0);
inline const QColor DarkBrown(72, 34, 0);
inline const QColor CaptionTop(96, 48, 8);
inline const QColor CaptionBottom(52, 24, 0);
inline const QColor CaptionText(255, 236, 200);

inline QFont captionFont()
{
    QFont font;
    font.setBold(true);
    font.setPixelSize(11);
    return font;
}

} // namespace tavolux::referee_style
