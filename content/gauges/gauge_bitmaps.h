#pragma once
// The module's bitmaps by resource id, one function per group of instruments.
#include <QImage>
#include <vector>

namespace gaugeart {

struct GaugeBitmap {
  int id;
  QImage image;
};
using Bitmaps = std::vector<GaugeBitmap>;

Bitmaps flightInstrumentBitmaps();  // tachometer to engine cluster
Bitmaps attitudeNavBitmaps();       // ADI, RMI, markers, HSI, CDI
Bitmaps radioBitmaps();             // COM, NAV, transponder, ADF, audio panel, DME, clock
Bitmaps cockpitBitmaps();           // switch panel, pedestal, levers, selector, lights, gear

}  // namespace gaugeart
