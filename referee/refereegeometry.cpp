#include "referee/refereegeometry.h"

#include <cmath>

namespace tavolux {

namespace {

int part(int size, double fraction)
{
    return static_cast<int>(size * fraction);
}

// A rectangle from its edges, right and bottom exclusive.
QRect edges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

} // namespace

RefereeOutline refereeOutline(int screenWidth, int screenHeight)
{
    RefereeOutline o;
    o.width = part(screenWidth, 0.185);
    o.height = part(screenHeight, 0.3);
    o.ellipse = edges(5, part(o.height, 0.5), o.width - 5, o.height - 5);
    o.roundedRect = edges(5, 2, o.width - 5, part(o.height, 0.55));
    o.cornerWidth = part(o.width, 0.25);
    o.cornerHeight = part(o.height, 0.25);
    return o;
}

RefereeFace refereeFace(int clientWidth, int clientHeight)
{
    RefereeFace f;
    f.eyeCentre[0] = QPoint(part(clientWidth, 0.28), part(clientHeight, 0.27));
    f.eyeCentre[1] = QPoint(part(clientWidth, 0.72), part(clientHeight, 0.27));
    f.eyeHalfWidth = part(clientWidth, 0.2);
    f.eyeHalfHeight = part(clientHeight, 0.26);
    f.pupilHalfWidth = part(clientWidth, 0.13);
    f.pupilHalfHeight = part(clientHeight, 0.1);
    f.textTop = part(clientHeight, 0.55);
    f.textAnchorX = part(clientWidth, 0.5);
    f.linePitch = part(clientHeight, 0.1);
    return f;
}

QPoint pupilCentre(const RefereeFace& face, int eye, QPoint toPointer)
{
    const QPoint centre = face.eyeCentre[eye];
    const double angle = 1.5707963 - std::atan2(double(toPointer.x()), double(toPointer.y()));
    const int reachX = face.eyeHalfWidth - face.pupilHalfWidth - 3;
    const int reachY = face.eyeHalfHeight - face.pupilHalfHeight - 3;
    return QPoint(static_cast<int>(std::cos(angle) * reachX + centre.x()),
                  static_cast<int>(std::sin(angle) * reachY + centre.y()));
}

} // namespace tavolux
