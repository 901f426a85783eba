// What the gauges' callbacks cost a panel cycle: the switch panel, the flight and engine
// instruments, the radio stack and the cockpit group (gear, DME, clock, levers, fuel selector,
// parking brake, warning lights) of the real module, bound by a panel configuration into the
// real host core, over 10,000 panel cycles an iteration against the aircraft in cruise. Each
// group is measured twice: the whole host cycle (aircraft step, gauge callbacks, every element's
// callbacks, drawing routines), and the module's callbacks called on their own. The groups are
// measured together too, and so are all 44 gauges of the module. The counter "per_cycle" is the
// time of one panel cycle.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "panelhost/element_state.h"
#include "panelhost/gauge_module.h"
#include "panelhost/panel_host.h"

namespace {

namespace fs = std::filesystem;

constexpr int kCycles = 10'000;

struct GaugeGroup {
  const char* name;
  std::vector<std::string> gauges;
};

const std::vector<GaugeGroup>& groups() {
  static const std::vector<GaugeGroup> all = {
      {"switches", {"SWIT", "THR1", "AVMA", "TOG2", "TOG3", "TOG4", "TOG5", "TOG6"}},
      {"instruments",
       {"RPM", "MAP", "FL1", "FL2", "FLID", "ALT", "VSI", "VAC", "ASI", "TURN", "WCMP", "ENG"}},
      {"radios", {"COM1", "COM2", "NAV1", "NAV2"}},
      {"cockpit",
       {"GEAR", "DME", "CLK", "THR2", "THR3", "THR4", "THR5", "FSEL", "PBRK", "CBPL", "WARN"}},
  };
  return all;
}

// A simulator folder with the module in its Gauges folder, removed when the run ends.
class SimulatorFolder {
 public:
  SimulatorFolder() {
    std::string pattern = (fs::temp_directory_path() / "gauge_bench_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
      std::fprintf(stderr, "no temporary folder\n");
      std::exit(1);
    }
    root_ = pattern;
    fs::create_directories(root_ / "Gauges");
    fs::copy_file(NOR_NV36_PATH, root_ / "Gauges" / "NOR_NV36.gau");
  }
  ~SimulatorFolder() {
    std::error_code ec;
    fs::remove_all(root_, ec);
  }

  // A panel configuration binding the gauges in one window, one row each.
  fs::path panel(const std::string& name, const std::vector<std::string>& gauges) const {
    const fs::path path = root_ / "Aircraft" / name / "Panel" / "panel.cfg";
    fs::create_directories(path.parent_path());
    std::ofstream out(path);
    out << "[Window00]\nsize=1100,2000\n";
    for (std::size_t i = 0; i < gauges.size(); ++i)
      out << "gauge" << (i < 10 ? "0" : "") << i << "=NOR_NV36!" << gauges[i] << ", 0, " << 60 * i
          << "\n";
    return path;
  }

 private:
  fs::path root_;
};

const SimulatorFolder& folder() {
  static const SimulatorFolder instance;
  return instance;
}

std::unique_ptr<panelhost::PanelHost> hostFor(const GaugeGroup& group) {
  auto host = std::make_unique<panelhost::PanelHost>();
  std::string error;
  std::vector<std::string> warnings;
  if (!host->loadPanel(folder().panel(group.name, group.gauges), error, warnings) ||
      !warnings.empty() || host->gauges().size() != group.gauges.size()) {
    std::fprintf(stderr, "panel of %s did not load: %s\n", group.name, error.c_str());
    std::exit(1);
  }
  host->runCycles(1);
  return host;
}

void reportPerCycle(benchmark::State& state) {
  state.counters["per_cycle"] =
      benchmark::Counter(double(state.iterations()) * kCycles,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void HostCycles(benchmark::State& state, const GaugeGroup& group) {
  auto host = hostFor(group);
  for (auto _ : state) {
    host->runCycles(kCycles);
    // What the gauges sent piles up otherwise (the knob callbacks send at every update).
    state.PauseTiming();
    benchmark::DoNotOptimize(host->takeEvents().size());
    benchmark::DoNotOptimize(host->takeSounds().size());
    state.ResumeTiming();
  }
  reportPerCycle(state);
}

// The module's share: gauge callbacks and update routines, then every element's callbacks.
void CallbacksOnly(benchmark::State& state, const GaugeGroup& group) {
  auto host = hostFor(group);
  std::vector<GAUGEHDR*> headers;
  std::vector<PELEMENT_HEADER> elements;
  for (const auto& gauge : host->gauges()) {
    headers.push_back(gauge->header);
    panelhost::forEachElement(gauge->background(),
                              [&](PELEMENT_HEADER e) { elements.push_back(e); });
  }
  panelhost::ElementValues scratch;
  for (auto _ : state) {
    for (int cycle = 0; cycle < kCycles; ++cycle) {
      for (GAUGEHDR* h : headers) {
        if (h->gauge_callback) h->gauge_callback(h, GAUGE_SERVICE_PRE_UPDATE, 0);
        if (h->update_routine) h->update_routine();
      }
      for (PELEMENT_HEADER e : elements) panelhost::updateElement(*e, host->vars(), scratch);
      benchmark::DoNotOptimize(scratch.value);
    }
    state.PauseTiming();
    benchmark::DoNotOptimize(host->takeEvents().size());
    state.ResumeTiming();
  }
  reportPerCycle(state);
}

void registerAll() {
  static GaugeGroup together{"together", {}};
  for (const GaugeGroup& group : groups())
    together.gauges.insert(together.gauges.end(), group.gauges.begin(), group.gauges.end());
  static GaugeGroup all{"all44", {}};
  std::string error;
  const auto module = panelhost::GaugeModule::load(NOR_NV36_PATH, error);
  if (!module) {
    std::fprintf(stderr, "%s\n", error.c_str());
    std::exit(1);
  }
  for (const GAUGEHDR* header : module->gauges()) all.gauges.emplace_back(header->gauge_name);
  std::vector<const GaugeGroup*> measured;
  for (const GaugeGroup& group : groups()) measured.push_back(&group);
  measured.push_back(&together);
  measured.push_back(&all);
  for (const GaugeGroup* group : measured) {
    benchmark::RegisterBenchmark((std::string("HostCycles/") + group->name).c_str(), HostCycles,
                                 *group)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((std::string("CallbacksOnly/") + group->name).c_str(),
                                 CallbacksOnly, *group)
        ->Unit(benchmark::kMillisecond);
  }
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("ALSOFT_DRIVERS", "null");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  registerAll();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
