#pragma once
// Every JPEG the product ships is written here, through libjpeg, so that the program's own
// libjpeg decoder reads exactly what the generator meant.
#include <QImage>
#include <QString>

namespace content {

// Writes `image` as a baseline RGB JPEG. Returns false (and says why in `why`) on any failure;
// a half-written file is removed.
bool writeJpeg(const QImage& image, const QString& path, int quality, QString* why);

}  // namespace content
