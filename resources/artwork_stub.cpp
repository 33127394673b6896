// Placeholder artwork of the right sizes until the real drawings land.
#include "resources/artwork.h"

namespace tavolux::art {

namespace {
QPixmap blank(int w, int h, Qt::GlobalColor colour)
{
    QPixmap p(w, h);
    p.fill(colour);
    return p;
}
}

QPixmap playerPicture(int) { return blank(PlayerPictureSize, PlayerPictureSize, Qt::lightGray); }
QPixmap wallpaper(int index) { return index == 0 ? blank(100, 80, Qt::darkGreen) : blank(16, 16, Qt::darkBlue); }
QPixmap titlePicture() { return blank(TitleWidth, TitleHeight, Qt::black); }
QPixmap splashPicture() { return blank(SplashWidth, SplashHeight, Qt::white); }
QPixmap rotateButtonFace(bool, bool pressed) { return blank(ButtonFaceSize, ButtonFaceSize, pressed ? Qt::gray : Qt::lightGray); }
QIcon appIcon() { return QIcon(blank(32, 32, Qt::yellow)); }
QPixmap playerIcon(int) { return blank(32, 32, Qt::yellow); }
QCursor ownPieceCursor() { return QCursor(Qt::OpenHandCursor); }
QCursor otherPieceCursor() { return QCursor(Qt::ForbiddenCursor); }

} // namespace tavolux::art
