#pragma once
// The landing-gear lights that the gear panel and the circuit-breaker panel both show: a green
// light per leg while it is down and locked, and the red light of a gear in transit that also
// flashes while the aircraft flies with the throttle closed and the nose gear up.
#include "gauges/instrument_elements.h"

namespace gear_lights {

// Where each leg counts as down and locked.
constexpr int kRightLegDown = 15900;
constexpr int kNoseLegDown = 12000;
constexpr int kLeftLegDown = 15500;

// A leg's light: lit (1) past the leg's threshold while the handle is down, else dark (-1).
FLOAT64 legLight(FLOAT64 leg, FLOAT64 threshold);

template <int Threshold>
FLOAT64 legLightOf(PELEMENT element) {
  return legLight(reading::ownValue<ELEMENT_ICON>(element), Threshold);
}

// Each panel's red light flashes by its own counter, one step per call: lit for 22 of every 29
// calls while the warning holds.
class TransitLight {
 public:
  FLOAT64 lamp(FLOAT64 noseGear);

 private:
  SINT32 counter_ = 0;
};

}  // namespace gear_lights
