#include "resources/artcache.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSaveFile>

namespace tavolux::art {

namespace {

QHash<QString, QPixmap>* store = nullptr;
QString* keptIn = nullptr; // the folder of this program's pictures, or none

void dropStore()
{
    delete store;
    store = nullptr;
    delete keptIn;
    keptIn = nullptr;
}

void makeStore()
{
    if (!store) {
        store = new QHash<QString, QPixmap>;
        qAddPostRoutine(dropStore);
    }
}

// A kept picture: "TVXP", a version, its size, format and density, then its
// pixels as they lie in memory.
constexpr quint32 Magic = 0x54565850;
constexpr quint32 Version = 1;
constexpr int LargestSide = 4096;

bool keepable(QImage::Format format)
{
    return format == QImage::Format_ARGB32_Premultiplied || format == QImage::Format_ARGB32
           || format == QImage::Format_RGB32;
}

QString fileFor(const QString& key)
{
    QString name = key;
    for (QChar& c : name)
        if (!c.isLetterOrNumber())
            c = QLatin1Char('_');
    return *keptIn + QLatin1Char('/') + name + QLatin1String(".pic");
}

QPixmap readKept(const QString& key)
{
    QFile file(fileFor(key));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QDataStream in(&file);
    quint32 magic = 0, version = 0, format = 0;
    qint32 w = 0, h = 0;
    double density = 0;
    in >> magic >> version >> w >> h >> format >> density;
    if (in.status() != QDataStream::Ok || magic != Magic || version != Version || w < 1 || h < 1
        || w > LargestSide || h > LargestSide || !keepable(QImage::Format(format)) || !(density >= 1 && density <= 8))
        return {};
    QImage image(w, h, QImage::Format(format));
    const qint64 bytes = image.sizeInBytes();
    if (file.size() - file.pos() != bytes || file.read(reinterpret_cast<char*>(image.bits()), bytes) != bytes)
        return {};
    image.setDevicePixelRatio(density);
    return QPixmap::fromImage(std::move(image));
}

void writeKept(const QString& key, const QPixmap& picture)
{
    const QImage image = picture.toImage();
    if (image.isNull() || !keepable(image.format()))
        return;
    QSaveFile file(fileFor(key));
    if (!file.open(QIODevice::WriteOnly))
        return;
    QDataStream out(&file);
    out << Magic << Version << qint32(image.width()) << qint32(image.height()) << quint32(image.format())
        << double(image.devicePixelRatio());
    file.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    file.commit();
}

} // namespace

void keepPicturesIn(const QString& folder, const QString& edition)
{
    makeStore();
    store->clear();
    delete keptIn;
    keptIn = nullptr;
    QDir root(folder);
    if (folder.isEmpty() || edition.isEmpty() || !root.mkpath(edition))
        return;
    // The pictures of other editions of the program are stale.
    for (const QString& other : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (other != edition)
            QDir(root.filePath(other)).removeRecursively();
    keptIn = new QString(root.filePath(edition));
}

QPixmap cachedPixmap(const QString& key, const std::function<QPixmap()>& draw)
{
    makeStore();
    auto found = store->constFind(key);
    if (found != store->constEnd())
        return *found;
    QPixmap picture = keptIn ? readKept(key) : QPixmap();
    if (picture.isNull()) {
        picture = draw();
        if (keptIn)
            writeKept(key, picture);
    }
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
