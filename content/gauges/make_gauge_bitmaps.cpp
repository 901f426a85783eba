// Writes the gauge module's bitmaps as OUTDIR/<id>.bmp (24-bit). Deterministic: the same
// program draws the same bytes.
#include <QDir>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <set>

#include "bmp_writer.h"
#include "gauge_bitmaps.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
    return 2;
  }
  const QString outDir = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(outDir)) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return 1;
  }
  gaugeart::Bitmaps all;
  for (auto group : {gaugeart::flightInstrumentBitmaps, gaugeart::attitudeNavBitmaps,
                     gaugeart::radioBitmaps, gaugeart::cockpitBitmaps}) {
    gaugeart::Bitmaps bitmaps = group();
    std::move(bitmaps.begin(), bitmaps.end(), std::back_inserter(all));
  }
  std::set<int> ids;
  for (const gaugeart::GaugeBitmap& bitmap : all) {
    if (!ids.insert(bitmap.id).second) {
      std::fprintf(stderr, "bitmap %d drawn twice\n", bitmap.id);
      return 1;
    }
    if (!gaugeart::writeBmp24(bitmap.image, outDir + QStringLiteral("/%1.bmp").arg(bitmap.id))) {
      std::fprintf(stderr, "cannot write bitmap %d\n", bitmap.id);
      return 1;
    }
  }
  std::printf("%zu gauge bitmaps\n", all.size());
  return 0;
}
