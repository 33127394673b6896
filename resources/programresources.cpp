#include "resources/programresources.h"

#include "resources/artwork.h"

#include <QBitmap>

namespace tavolux {

namespace {

// The title is drawn with its pure black pixels left out.
QPixmap withoutBlack(const QPixmap& picture)
{
    QPixmap result = picture;
    result.setMask(picture.createMaskFromColor(Qt::black, Qt::MaskInColor));
    return result;
}

} // namespace

ProgramResources ProgramResources::load()
{
    ProgramResources r = loadForFirstPicture();
    r.loadRest();
    return r;
}

ProgramResources ProgramResources::loadForFirstPicture()
{
    ProgramResources r;
    r.ownPieceCursor = art::ownPieceCursor();
    r.otherPieceCursor = art::otherPieceCursor();
    for (int clockwise = 0; clockwise < 2; ++clockwise)
        for (int pressed = 0; pressed < 2; ++pressed)
            r.rotateFaces[clockwise][pressed] = art::rotateButtonFace(clockwise != 0, pressed != 0);
    r.title = withoutBlack(art::titlePicture());
    for (int w = 0; w < WallpaperCount; ++w)
        r.wallpapers[w] = art::wallpaper(w);
    return r;
}

void ProgramResources::loadRest()
{
    if (!appIcon.isNull())
        return;
    for (int p = 0; p < PlayerCount; ++p)
        playerIcons[p] = art::playerIcon(p);
    for (int p = 0; p < PictureCount; ++p)
        pictures[p] = art::playerPicture(p);
    appIcon = art::appIcon();
}

const QPixmap& ProgramResources::wallpaper(int index) const
{
    return wallpapers[index >= 0 && index < WallpaperCount ? index : 0];
}

} // namespace tavolux
