#pragma once
// The dial behind the run window's compass needle: a dark face with a tick every 10 degrees,
// longer ones every 30, drawn for the size of the window's picture.
#include <QImage>
#include <QSize>

// `centre` is the needle's pivot in the picture's coordinates.
QImage DrawProgressDial(QSize size, QPointF centre, double radius);
