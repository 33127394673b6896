#include "resources/artwork.h"

#include "resources/artcache.h"
#include "resources/portrait.h"

namespace tavolux::art {

QPixmap playerPicture(int index)
{
    using Painter = void (*)(QPainter&);
    static constexpr Painter Painters[] = {portrait::computer, portrait::guy, portrait::lady, portrait::boy,
                                           portrait::girl, portrait::baby, portrait::bear};
    if (index < 0 || index >= int(std::size(Painters)))
        return QPixmap();
    return cachedPixmap(QStringLiteral("player%1").arg(index),
                        [index] { return portrait::make(Painters[index]); });
}

} // namespace tavolux::art
