#include "resources/artcache.h"

#include <QCoreApplication>
#include <QHash>

namespace tavolux::art {

namespace {

QHash<QString, QPixmap>* store = nullptr;

void dropStore()
{
    delete store;
    store = nullptr;
}

} // namespace

QPixmap cachedPixmap(const QString& key, const std::function<QPixmap()>& draw)
{
    if (!store) {
        store = new QHash<QString, QPixmap>;
        qAddPostRoutine(dropStore);
    }
    auto found = store->constFind(key);
    if (found != store->constEnd())
        return *found;
    QPixmap picture = draw();
    store->insert(key, picture);
    return picture;
}

QImage canvas(int w, int h, qreal density)
{
    QImage image(qRound(w * density), qRound(h * density), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(density);
    return image;
}

} // namespace tavolux::art
