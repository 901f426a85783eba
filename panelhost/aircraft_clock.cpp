// The clock runs in simulated time and wraps at midnight; the local time follows it.
#include <cmath>

#include "gauges/sim_ids.h"
#include "panelhost/aircraft_systems.h"

namespace panelhost {
namespace {

constexpr double kSecondsPerDay = 86400;

}  // namespace

void stepClock(VariableStore& vars, AircraftMemory& memory, double seconds) {
  const double hour = std::trunc(reading(vars, tok::kClockHour, 0, 23, 12));
  const double minute = std::trunc(reading(vars, tok::kClockMinute, 0, 59, 0));
  const double second = std::trunc(reading(vars, tok::kClockSecond, 0, 59, 0));
  memory.clockFraction += std::fmod(seconds, kSecondsPerDay);
  // Eighteen cycles of 1/18 s may add up to a hair below one second.
  const double whole = std::floor(memory.clockFraction + 1e-9);
  memory.clockFraction -= whole;
  const double now = std::fmod(hour * 3600 + minute * 60 + second + whole, kSecondsPerDay);
  const double nextHour = std::floor(now / 3600);
  const double nextMinute = std::floor((now - nextHour * 3600) / 60);
  vars.write(tok::kClockHour, nextHour);
  vars.write(tok::kClockMinute, nextMinute);
  vars.write(tok::kClockSecond, now - nextHour * 3600 - nextMinute * 60);
  vars.write(tok::kLocalHour, nextHour);
  vars.write(tok::kLocalMinute, nextMinute);
}

}  // namespace panelhost
