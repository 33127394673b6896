#pragma once
// Where the parts of the referee's head lie. The outline is fixed by the
// screen size when the window is made; the eyes and the text lines are
// fractions of the client area, the part below the small caption bar. All
// values are whole pixels, every product truncated toward zero.

#include <QPoint>
#include <QRect>

namespace tavolux {

// The window's outline in window coordinates: an ellipse for the lower part
// of the head and a rounded rectangle for the upper part.
struct RefereeOutline {
    int width = 0;
    int height = 0;
    QRect ellipse;
    QRect roundedRect;
    int cornerWidth = 0;  // the corner ellipse's full width and height
    int cornerHeight = 0;
};

RefereeOutline refereeOutline(int screenWidth, int screenHeight);

// Eyes and text, in client coordinates.
struct RefereeFace {
    QPoint eyeCentre[2];
    int eyeHalfWidth = 0;
    int eyeHalfHeight = 0;
    int pupilHalfWidth = 0;
    int pupilHalfHeight = 0;
    int textTop = 0;
    int textAnchorX = 0;
    int linePitch = 0;
};

RefereeFace refereeFace(int clientWidth, int clientHeight);

// The pupil's centre when the pointer lies at `toPointer` from the eye's
// centre. The pupil always sits at its full offset, 3 pixels inside the rim
// along the line toward the pointer; a pointer on the centre puts it straight
// below.
QPoint pupilCentre(const RefereeFace& face, int eye, QPoint toPointer);

} // namespace tavolux
