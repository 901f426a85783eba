// The clock: the time of day, and a stopwatch that its button starts, stops and clears.
//
// Reads: kClockHour, kClockMinute, kClockSecond, kLocalHour, kLocalMinute.
// Sends: nothing.
#include <cstdint>

#include "gauges/display_elements.h"
#include "gauges/gauge_headers.h"
#include "gauges/panel_state.h"
#include "gauges/sim_ids.h"
#include "gauges/switch_panel_actions.h"

namespace cockpit_clock {
namespace {

// Each press of the button moves on: time of day, stopwatch at zero, running, stopped.
enum Mode : SINT32 { kTimeOfDay, kStopwatchZero, kStopwatchRunning, kStopwatchStopped };

constexpr std::int64_t kSecondsPerDay = 86400;

SINT32 mode = kTimeOfDay;
SINT32 hour = 0;  // the time of day as last read
SINT32 minute = 0;
SINT32 second = 0;
std::int64_t stopwatchStart = 0;  // seconds of the day
std::int64_t stopwatchMinutes = 0;
std::int64_t stopwatchSeconds = 0;

MODULE_VAR localHour = build::token(tok::kLocalHour);
MODULE_VAR localMinute = build::token(tok::kLocalMinute);

// Wide enough that no time the simulator reports can overflow it.
std::int64_t secondsOfDay() {
  return second + (minute + std::int64_t{hour} * 60) * 60;
}

void showMinutesAndSeconds(PELEMENT element) {
  display::format(element, "%02lld:%02lld", static_cast<long long>(stopwatchMinutes),
                  static_cast<long long>(stopwatchSeconds));
}

// The stopwatch shows minutes and seconds only: its hours wrap out of sight.
FLOAT64 clockText(PELEMENT element) {
  second = truncateToInt32(display::sourceValue(element, 2));
  hour = truncateToInt32(frame::valueOf(localHour));
  minute = truncateToInt32(frame::valueOf(localMinute));
  const std::int64_t now = secondsOfDay();
  switch (mode) {
    case kTimeOfDay:
      display::format(element, "%02d:%02d", hour, minute);
      break;
    case kStopwatchZero:
      stopwatchMinutes = stopwatchSeconds = 0;
      showMinutesAndSeconds(element);
      break;
    case kStopwatchRunning: {
      // Started before midnight, the stopwatch runs on into the new day.
      const std::int64_t elapsed =
          now - stopwatchStart + (now < stopwatchStart ? kSecondsPerDay : 0);
      const std::int64_t hours = elapsed / 3600;
      stopwatchMinutes = (elapsed - hours * 3600) / 60;
      stopwatchSeconds = elapsed - hours * 3600 - stopwatchMinutes * 60;
      showMinutesAndSeconds(element);
      break;
    }
    default:
      showMinutesAndSeconds(element);
      break;
  }
  return static_cast<FLOAT64>(now);
}

int pressButton(PPIXPOINT, FLAGS32) {
  mode = mode >= kStopwatchStopped ? kTimeOfDay : mode + 1;
  if (mode == kStopwatchRunning) stopwatchStart = secondsOfDay();
  PlaySound(SoundId::Click);
  return 0;
}

}  // namespace
}  // namespace cockpit_clock

using build::next;
using switch_panel::kSingleClick;

namespace CLK_gauge {
using namespace cockpit_clock;

extern ELEMENT_STRING readout;

ELEMENT_STATIC_IMAGE background = build::staticImage(169, {0, 0}, gauge_CLK, kBrightBackgroundFlags,
                                                     failures::key20_action3, next<readout>);
ELEMENT_STRING readout =
    build::string(gauge_CLK, {.at = {24, 14},
                              .sources = {tok::kClockHour, tok::kClockMinute, tok::kClockSecond},
                              .width = 60,
                              .height = 20,
                              .chars = 5,
                              .foreground = 0x101010,
                              .background = 0x808080,
                              .highlight = 0x080808,
                              .callback = clockText});

PELEMENT_HEADER elements[] = {&background.header, nullptr};

// The button sits beside the clock's face, outside its background.
MOUSERECT mouse[] = {
    build::wholeGauge(0xAB16),
    build::child({175, -90, 20, 20}, CURSOR_HAND, kSingleClick, pressButton),
    build::endOfParent(),
    build::endOfList(),
};

}  // namespace CLK_gauge

GAUGEHDR gauge_CLK = build::gaugeHeader("CLK", CLK_gauge::elements, CLK_gauge::mouse);
