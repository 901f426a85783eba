// How long a panel cycle of the 44 product gauges takes: the update alone (the module's
// callbacks and the host's bookkeeping), the module's routines and callbacks on their own, and
// update plus drawing the panel, once drawing only the gauges that changed (what the window does
// every cycle) and once drawing every gauge. The aircraft flies in cruise.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>

#include "panelhost/element_state.h"
#include "panelhost/panel_host.h"

namespace {

panelhost::PanelHost& host() {
  static panelhost::PanelHost* instance = [] {
    auto* h = new panelhost::PanelHost;
    std::string error;
    if (!h->loadModule(NOR_NV36_PATH, error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      std::exit(1);
    }
    h->runCycles(1);
    return h;
  }();
  return *instance;
}

void PanelUpdate(benchmark::State& state) {
  for (auto _ : state) host().runCycles(1);
}
BENCHMARK(PanelUpdate);

// The module's share: its gauge callbacks, routines and element callbacks called directly.
void ModuleCallbacksOnly(benchmark::State& state) {
  std::vector<GAUGEHDR*> headers;
  std::vector<PELEMENT_HEADER> elements;
  for (const auto& gauge : host().gauges()) {
    headers.push_back(gauge->header);
    panelhost::forEachElement(gauge->background(),
                              [&](PELEMENT_HEADER e) { elements.push_back(e); });
  }
  panelhost::ElementValues scratch;
  for (auto _ : state) {
    for (GAUGEHDR* h : headers) {
      if (h->gauge_callback) h->gauge_callback(h, GAUGE_SERVICE_PRE_UPDATE, 0);
      if (h->update_routine) h->update_routine();
    }
    for (PELEMENT_HEADER e : elements) panelhost::updateElement(*e, host().vars(), scratch);
    benchmark::DoNotOptimize(scratch.value);
  }
}
BENCHMARK(ModuleCallbacksOnly);

// The counter "redrawn" is the share of the panel's pixels composed again per cycle.
void PanelUpdateAndDraw(benchmark::State& state, panelhost::Redraw redraw) {
  double redrawn = 0;
  for (auto _ : state) {
    host().runCycles(1);
    for (const QRect& rect : host().redrawPanel(redraw)) redrawn += rect.width() * rect.height();
  }
  const QSize size = host().panelSize();
  state.counters["redrawn"] =
      redrawn / (double(size.width()) * size.height() * double(state.iterations()));
}
BENCHMARK_CAPTURE(PanelUpdateAndDraw, changed, panelhost::Redraw::Changed)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PanelUpdateAndDraw, full, panelhost::Redraw::Full)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
