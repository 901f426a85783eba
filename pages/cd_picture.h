#pragma once
// The pictures the information pages show from the CD (previews, photographs).
#include <QImage>
#include <QString>

// The JPEG at the Windows path `winPath`. A picture that is missing, not a regular file, not a
// JPEG or damaged (a truncated file included) gives a null image, and the reason goes to
// standard error: the page then shows without it.
QImage LoadCdPicture(const QString& winPath);
