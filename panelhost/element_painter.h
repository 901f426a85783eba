#pragma once
// Draws one element of a gauge from its record and its last values, in gauge pixels.
#include <QPainter>
#include <QSize>

#include "gauges/panel_records.h"
#include "panelhost/bitmap_source.h"
#include "panelhost/element_state.h"

namespace panelhost {

// Which image of an icon a value selects: -1 (nothing) below 0 or for NaN, the last image at or
// beyond the count (one-image lamps return 1 to be lit), else the value truncated.
int iconIndex(double value, UINT32 count);

// The "Quartz" display face: a seven-segment font; the default family when it is missing.
QString sevenSegmentFamily();

void paintElement(QPainter& painter, BitmapSource& bitmaps, const ELEMENT_HEADER& element,
                  const ElementValues& values, QSize gaugeSize);

}  // namespace panelhost
