#pragma once
// The program's icon: a light aircraft seen from above on a round patch of sky. The package's
// menu icons and the icon the installed shell carries are drawn by this one function.
#include <QByteArray>
#include <QImage>

namespace content {

// The icon at `size` x `size` pixels, transparent outside the sky.
QImage drawAppIcon(int size);

// The icon as PNG bytes.
QByteArray appIconPng(int size);

}  // namespace content
