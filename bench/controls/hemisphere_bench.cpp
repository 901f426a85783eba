#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "controls/hemisphere_render.h"

namespace {

// The message box's buttons: 129 x 41 with a bold caption.
void RenderMessageBoxButton(benchmark::State& state) {
  controls::HemisphereLook look;
  look.size = {129, 41};
  look.faceColor = RGBColor(0, 160, 160);
  look.caption = QStringLiteral("Abbruch");
  look.font.setPixelSize(13);
  look.font.setBold(true);
  for (auto _ : state) benchmark::DoNotOptimize(controls::RenderHemisphere(look));
}
BENCHMARK(RenderMessageBoxButton);

// A large face with a glyph wrapped over it.
void RenderMappedGlyph(benchmark::State& state) {
  controls::HemisphereLook look;
  look.size = {200, 200};
  look.glyph = QImage(64, 64, QImage::Format_RGB32);
  look.glyph.fill(Qt::red);
  look.glyphMapped = true;
  for (auto _ : state) benchmark::DoNotOptimize(controls::RenderHemisphere(look));
}
BENCHMARK(RenderMappedGlyph);

}  // namespace

int main(int argc, char** argv) {
  // Captions need fonts, which need a GUI application (the offscreen platform will do).
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
