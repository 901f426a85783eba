// Frames per second of the cockpit's panel at 2:1 in software rendering (the offscreen
// platform): the real panel of the product aircraft, 44 gauges on 1024 x 940 pixels, shown as
// 2048 x 1880. A frame is what the window's timer does each panel cycle: the cycle, the changed
// gauges drawn again and the changed part of the window painted at 2:1; the full frame paints
// the whole window afresh, as after a zoom change or when it is uncovered. The counter
// "painted" is the share of the window's pixels painted per frame.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPaintEvent>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>

#include "content/sample_cd/panel_layout.h"
#include "panelhost/panel_window.h"

namespace {

namespace fs = std::filesystem;

struct Cockpit {
  QTemporaryDir dir;
  panelhost::PanelHost host;
  std::unique_ptr<panelhost::PanelWindow> window;

  Cockpit() {
    const fs::path root = dir.path().toStdString();
    const fs::path panel = root / "Aircraft" / "NV36" / "panel" / "panel.cfg";
    fs::create_directories(panel.parent_path());
    fs::create_directories(root / "Gauges");
    fs::copy_file(NOR_NV36_PATH, root / "Gauges" / "NOR_NV36.gau");
    std::ofstream(panel) << samplecd::panelConfig("Norvane NV36");
    std::string error;
    std::vector<std::string> warnings;
    if (!host.loadPanel(panel, error, warnings) || host.gauges().size() != 44) {
      std::fprintf(stderr, "cannot load the panel: %s\n", error.c_str());
      std::exit(1);
    }
    window = std::make_unique<panelhost::PanelWindow>(host);
    window->setZoom(panelhost::Zoom::Double);
    window->show();
    QApplication::processEvents();
  }
};

Cockpit& cockpit() {
  static Cockpit* instance = new Cockpit;
  return *instance;
}

// Adds up the pixels of every paint the window gets.
class PaintedPixels : public QObject {
 public:
  double pixels = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      for (const QRect& rect : static_cast<QPaintEvent*>(event)->region())
        pixels += double(rect.width()) * rect.height();
    return false;
  }
};

// Posted paints only: the window's timer must not add cycles of its own to the measurement.
void paintPending() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

void CockpitFrame(benchmark::State& state, bool full) {
  panelhost::PanelWindow& window = *cockpit().window;
  PaintedPixels painted;
  window.installEventFilter(&painted);
  for (auto _ : state) {
    window.advance();
    if (full) window.update();
    paintPending();
  }
  window.removeEventFilter(&painted);
  const double frames = double(state.iterations());
  state.counters["fps"] = benchmark::Counter(frames, benchmark::Counter::kIsRate);
  state.counters["painted"] = painted.pixels / (double(window.width()) * window.height() * frames);
}
BENCHMARK_CAPTURE(CockpitFrame, changed, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(CockpitFrame, full, true)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("ALSOFT_DRIVERS", "null");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
