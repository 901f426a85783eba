#pragma once
// Pictures with a see-through colour, the way the platform's transparent bitmaps work: the
// colour of the bottom-left pixel is the one that is not drawn.
#include <QImage>
#include <QRegion>

#include "controls/tcolor.h"

namespace controls {

// The see-through colour of a picture (its bottom-left pixel); white for an empty picture.
TColor SeeThroughColour(const QImage& picture);

// Monochrome hit mask: black (index 1) where the picture is not `seeThrough`, white elsewhere.
QImage HitMaskOf(const QImage& picture, TColor seeThrough);

// True when the mask's pixel at `pos` is black; false outside the mask.
bool MaskContains(const QImage& mask, QPoint pos);

// The black pixels of a monochrome mask as a region, for QWidget::setMask.
QRegion RegionOfMask(const QImage& mask);

// The picture ready to be drawn over a background: pixels of its own see-through colour clear.
QImage WithoutSeeThrough(const QImage& picture);

}  // namespace controls
