#pragma once
// Each picture is drawn once, on first use, and then kept. The cache empties
// itself while the application object is destroyed, so no pixmap outlives
// the GUI it belongs to.

#include <QImage>
#include <QPixmap>
#include <QString>

#include <functional>

namespace tavolux::art {

// The pixmap stored under key, drawn by draw the first time it is asked for.
QPixmap cachedPixmap(const QString& key, const std::function<QPixmap()>& draw);

// From now on pictures are also kept in files under folder/edition, and read
// from there instead of drawn on later starts of the same edition of the
// program; the folders of other editions are removed. A file that cannot be
// read whole is drawn anew. The pictures in memory are dropped. Without this
// call, or with an empty folder or edition, pictures live in memory only.
void keepPicturesIn(const QString& folder, const QString& edition);

// A transparent canvas of w x h logical pixels and its pixel density.
QImage canvas(int w, int h, qreal density = 2.0);

} // namespace tavolux::art
