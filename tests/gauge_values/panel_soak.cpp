// panel_soak MODULE [CYCLES] [SEED]
//
// A long run of the gauge module in the panel core against everything a simulator should never
// report and a pilot's hands gone wild: each cycle a few tokens pinned to random, extreme or NaN
// values (or released again), now and then absurd control inputs or a reset, and clicks, holds
// and drags at random points on random gauges, in and beyond their areas. After every cycle each
// value a gauge computes for drawing must be a finite number. Built under the sanitizers, it
// fails on their first finding too (scripts/soak-panel.sh). Exits 0 after CYCLES (a million by
// default) panel cycles, 1 naming the gauge, the cycle and the seed otherwise.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "panelhost/element_state.h"
#include "panelhost/panel_core.h"
#include "tests/support/element_callbacks.h"

namespace {

using panelhost::Point;
using panelhost::Rect;
using Random = std::mt19937_64;
using Limits = std::numeric_limits<double>;

const double kExtremes[] = {Limits::quiet_NaN(),
                            Limits::infinity(),
                            -Limits::infinity(),
                            Limits::max(),
                            -Limits::max(),
                            Limits::denorm_min(),
                            -0.0,
                            0.0,
                            1e300,
                            -1e300,
                            2147483648.0,
                            -2147483649.0,
                            4294967296.0,
                            9007199254740993.0,
                            65536.0,
                            16384.0,
                            -16384.0,
                            1.0};

int below(Random& random, int count) {
  return std::uniform_int_distribution<int>(0, count - 1)(random);
}

bool chance(Random& random, double p) {
  return std::bernoulli_distribution(p)(random);
}

double hostileValue(Random& random) {
  switch (below(random, 3)) {
    case 0:
      return kExtremes[below(random, int(std::size(kExtremes)))];
    case 1:
      return std::uniform_real_distribution<double>(-1e6, 1e6)(random);
    default:
      return std::uniform_real_distribution<double>(-2, 2)(random) *
             std::pow(10.0, below(random, 40) - 20);
  }
}

Point randomPoint(Random& random, Rect within, int margin) {
  const auto coordinate = [&](int low, int size) {
    return std::uniform_int_distribution<int>(low - margin,
                                              low + std::max(size, 1) + margin)(random);
  };
  return Point(coordinate(within.x(), within.width()), coordinate(within.y(), within.height()));
}

// A click, a hold or a drag on a random gauge: mostly inside one of its areas, else anywhere
// near it; drags may end far beyond it.
void touch(panelhost::PanelCore& core, Random& random) {
  const auto& gauges = core.gauges();
  panelhost::Gauge& gauge = *gauges[std::size_t(below(random, int(gauges.size())))];
  const auto& areas = gauge.mouse.areas();
  const Rect whole(Point(0, 0), gauge.size);
  const Point point =
      areas.empty() || chance(random, 0.2)
          ? randomPoint(random, whole, 20)
          : randomPoint(random, areas[std::size_t(below(random, int(areas.size())))].box, 0);
  switch (below(random, 4)) {
    case 0:
      core.click(gauge, point, MOUSE_LEFT_SINGLE);
      break;
    case 1:
      core.click(gauge, point, panelhost::kMouseRightSingle);
      break;
    case 2:
      core.hold(gauge, point, 1 + below(random, 8));
      break;
    default:
      core.click(gauge, point, MOUSE_LEFT_SINGLE);
      for (int i = below(random, 5); i >= 0; --i) core.drag(gauge, randomPoint(random, whole, 200));
      break;
  }
}

// Every element whose drawing depends on a value the gauge computes, named "GAUGE element N".
struct Drawn {
  std::string where;
  PELEMENT_HEADER element;
};

std::vector<Drawn> drawnElements(const panelhost::PanelCore& core) {
  std::vector<Drawn> drawn;
  for (const auto& gauge : core.gauges()) {
    int index = 0;
    panelhost::forEachElement(gauge->background(), [&](PELEMENT_HEADER e) {
      drawn.push_back({gauge->name + " element " + std::to_string(index++), e});
    });
  }
  return drawn;
}

// The first of them with a needle angle or a computed axis that is no finite number.
const Drawn* nonFiniteValue(const panelhost::PanelCore& core, const std::vector<Drawn>& drawn) {
  for (const Drawn& d : drawn) {
    const panelhost::ElementValues* v = core.valuesOf(d.element);
    if (!v) continue;
    if (v->needleDegrees && !std::isfinite(*v->needleDegrees)) return &d;
    for (int axis = 0; axis < v->axes; ++axis)
      if (testsupport::callbackOf(*d.element, axis) && !std::isfinite(v->value[std::size_t(axis)]))
        return &d;
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 4) {
    std::fputs("usage: panel_soak MODULE [CYCLES] [SEED]\n", stderr);
    return 2;
  }
  const unsigned long long cycles = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1000000;
  const unsigned long long seed = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1;
  setenv("ALSOFT_DRIVERS", "null", 0);
  panelhost::PanelCore core;
  std::string error;
  if (!core.loadModule(argv[1], error)) {
    std::fprintf(stderr, "panel_soak: %s\n", error.c_str());
    return 1;
  }
  const auto tokens = panelhost::aircraftTokens();
  const std::vector<Drawn> drawn = drawnElements(core);
  Random random(seed);
  unsigned long long touches = 0;
  while (core.cycle() < cycles) {
    for (int i = below(random, 4); i > 0; --i) {
      const ID32 token = tokens[std::size_t(below(random, int(tokens.size())))].token;
      if (chance(random, 0.2))
        core.vars().release(token);
      else
        core.vars().pin(token, hostileValue(random));
    }
    if (chance(random, 0.05)) {
      const auto control =
          panelhost::Control(below(random, int(panelhost::Control::ElevatorTrim) + 1));
      panelhost::setControl(core.aircraft(), control, hostileValue(random));
    }
    if (chance(random, 0.0005))
      core.aircraft().reset(chance(random, 0.5) ? panelhost::AircraftStart::Cruise
                                                : panelhost::AircraftStart::Cold);
    if (chance(random, 0.3)) {
      touch(core, random);
      ++touches;
    }
    core.runCycles(1);
    core.takeEvents();
    core.takeSounds();
    if (const Drawn* bad = nonFiniteValue(core, drawn)) {
      std::fprintf(stderr,
                   "panel_soak: %s drew a value that is no number at cycle %llu (seed %llu)\n",
                   bad->where.c_str(), static_cast<unsigned long long>(core.cycle()), seed);
      return 1;
    }
  }
  std::printf(
      "panel_soak: %llu panel cycles, %llu clicks, holds and drags, seed %llu: all finite\n",
      static_cast<unsigned long long>(core.cycle()), touches, seed);
  return 0;
}
