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

// A transparent canvas of w x h logical pixels and its pixel density.
QImage canvas(int w, int h, qreal density = 2.0);

} // namespace tavolux::art
