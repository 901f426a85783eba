// Reads: kEngineSpeed, and kMagnetos as the source of the key's element.
// Sends: kMagnetosOff, kMagnetoRight, kMagnetoLeft, kMagnetosBoth, kMagnetoStart.
#include "gauges/switch_panel_ignition.h"

#include <algorithm>
#include <array>

#include "gauges/panel_state.h"
#include "gauges/sim_ids.h"
#include "gauges/switch_panel_actions.h"
#include "gauges/switch_panel_elements.h"

namespace switch_panel {
namespace {

enum KeyPosition : SINT32 { kOff = 0, kRight = 1, kLeft = 2, kBoth = 3, kStart = 4 };

// The magneto event for each position below START.
constexpr std::array<ID32, 4> kMagnetoEvents = {evt::kMagnetosOff, evt::kMagnetoRight,
                                                evt::kMagnetoLeft, evt::kMagnetosBoth};

// Updates the starter turns before the key springs back to BOTH, the update of a primed start
// on which the engine catches, and the updates of a run-down.
constexpr SINT32 kCrankUpdates = 54;
constexpr SINT32 kCatchUpdate = 51;
constexpr SINT32 kRunDownUpdates = 60;
constexpr FLOAT64 kRunningSpeed = 3000.0;
constexpr FLOAT64 kStoppingSpeed = 2900.0;

struct TimedSequence {
  SINT32 active = 0;
  SINT32 counter = 0;
};

SINT32 keyPosition = kOff;
TimedSequence dryCrank;
TimedSequence engineStart;
TimedSequence runDown;
MODULE_VAR engineSpeed = build::token(tok::kEngineSpeed);

FLOAT64 engineSpeedNow() {
  return frame::valueOf(engineSpeed);
}

void releaseKeyToBoth(TimedSequence& sequence) {
  sequence = {};
  keyPosition = kBoth;
}

void advanceDryCrank() {
  if (dryCrank.active == 1) ++dryCrank.counter;
  if (dryCrank.counter > kCrankUpdates) releaseKeyToBoth(dryCrank);
}

void advanceEngineStart() {
  if (engineStart.active == 1) ++engineStart.counter;
  if (engineStart.counter == kCatchUpdate) {
    frame::triggerKeyEvent(evt::kMagnetoStart, 1);
  } else if (engineStart.counter > kCrankUpdates) {
    releaseKeyToBoth(engineStart);
  }
}

// The latch holds from the first update above running speed until a run-down below stopping
// speed has lasted its time; the run-down sound starts with it.
void advanceRunDown() {
  const FLOAT64 speed = engineSpeedNow();
  if (speed > kRunningSpeed) panelState.engine_speed_latch = 1;
  if (speed < kStoppingSpeed && panelState.engine_speed_latch == 1) {
    runDown.active = 1;
    ++runDown.counter;
  } else if (runDown.active == 1) {
    ++runDown.counter;
  }
  if (runDown.counter == 1) PlaySound(SoundId::RunDown);
  if (runDown.counter > kRunDownUpdates) {
    runDown = {};
    panelState.engine_speed_latch = 0;
  }
}

void sendMagnetoEvent(SINT32 position) {
  frame::triggerKeyEvent(kMagnetoEvents[static_cast<std::size_t>(position)], 1);
}

}  // namespace

FLOAT64 ignitionKeyImage(PELEMENT element) {
  panelState.starter = keyPosition == kStart ? 1 : 0;
  advanceDryCrank();
  advanceEngineStart();
  advanceRunDown();
  if (engineSpeedNow() > 0) {
    return truncateToInt32(ownSourceValue(element, &ELEMENT_ICON::source_var));
  }
  return keyPosition;
}

int ignitionKeyDown(PPIXPOINT, FLAGS32) {
  keyPosition = std::max(keyPosition - 1, static_cast<SINT32>(kOff));
  if (engineSpeedNow() > 0) sendMagnetoEvent(keyPosition);
  return 0;
}

// With the engine turning a click up only moves the magnetos; with it stopped the key goes
// straight to START and cranks, starting the engine only when it was primed.
int ignitionKeyUp(PPIXPOINT, FLAGS32) {
  if (keyPosition < kStart) ++keyPosition;
  const FLOAT64 speed = engineSpeedNow();
  if (keyPosition >= kRight && keyPosition <= kBoth && speed > 0) {
    sendMagnetoEvent(keyPosition);
    return 0;
  }
  if (speed >= 1.0) return 0;
  keyPosition = kStart;
  const bool batteryOn = panelState.battery == 1;
  if (panelState.primed == 1) {
    engineStart.active = 1;
    if (batteryOn) PlaySound(SoundId::StarterCatch);
  } else {
    dryCrank.active = 1;
    if (batteryOn) PlaySound(SoundId::StarterCrank);
  }
  return 0;
}

}  // namespace switch_panel
