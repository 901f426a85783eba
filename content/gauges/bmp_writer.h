#pragma once
#include <QImage>
#include <QString>

namespace gaugeart {

// Writes the image as an uncompressed 24-bit BMP (bottom-up rows padded to four bytes), the
// form the module's bitmap resources take. Returns false when the file cannot be written.
bool writeBmp24(const QImage& image, const QString& path);

}  // namespace gaugeart
