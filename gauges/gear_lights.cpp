#include "gauges/gear_lights.h"

#include "gauges/sim_ids.h"

namespace gear_lights {
namespace {

MODULE_VAR gearHandle = build::token(tok::kGearHandle);
MODULE_VAR throttle = build::token(tok::kThrottle);
MODULE_VAR onGround = build::token(tok::kOnGround);

// Nose-gear positions: barely out of the well, and all the way down.
constexpr FLOAT64 kLeavingWell = 1.0;
constexpr FLOAT64 kHanging = 100.0;
constexpr FLOAT64 kFullyDown = 16380.0;
constexpr SINT32 kFlashPeriod = 28;  // the counter runs 0..28
constexpr SINT32 kFlashDark = 23;    // dark from this count on

}  // namespace

FLOAT64 legLight(FLOAT64 leg, FLOAT64 threshold) {
  return leg > threshold && frame::valueOf(gearHandle) > 1.0 ? 1.0 : -1.0;
}

FLOAT64 TransitLight::lamp(FLOAT64 nose) {
  const FLOAT64 power = frame::valueOf(throttle);
  const FLOAT64 ground = frame::valueOf(onGround);
  const FLOAT64 handle = frame::valueOf(gearHandle);
  if (ground == 0.0 && power < 1.0 && nose < kLeavingWell) ++counter_;
  if (counter_ > kFlashPeriod || power > 1.0) counter_ = 0;
  // The gear on its way down (or hanging with the handle up) lights steadily; once down, the
  // green lights take over.
  if (nose > kLeavingWell && nose < kFullyDown && handle > 0.0) return 1.0;
  if (nose > kHanging && handle < 1.0) return 1.0;
  if (nose > kFullyDown && handle > 0.0) return -1.0;
  return counter_ > 0 && counter_ < kFlashDark ? 1.0 : -1.0;
}

}  // namespace gear_lights
