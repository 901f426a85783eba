#include "panelhost/cockpit_keys.h"

#include <algorithm>
#include <array>

#include "panelhost/aircraft.h"

namespace panelhost {
namespace {

using Does = CockpitKey::Does;
constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kPad = Qt::KeypadModifier;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;

// About twenty presses from the middle to a stop; trim finer, flaps in three notches.
constexpr double kStick = 0.05;
constexpr double kTrim = 0.02;
constexpr double kThrottle = 0.05;
constexpr double kFlapNotch = 1.0 / 3.0;

// Up pushes the stick forward (nose down); Num Lock off turns keypad 8 into Up, 7 into Home.
// clang-format off
constexpr auto kKeys = std::to_array<CockpitKey>({
    {Qt::Key_Up,       kNone, Does::Nudge,  Control::Elevator,     -kStick},
    {Qt::Key_8,        kPad,  Does::Nudge,  Control::Elevator,     -kStick},
    {Qt::Key_Down,     kNone, Does::Nudge,  Control::Elevator,      kStick},
    {Qt::Key_2,        kPad,  Does::Nudge,  Control::Elevator,      kStick},
    {Qt::Key_Left,     kNone, Does::Nudge,  Control::Aileron,      -kStick},
    {Qt::Key_4,        kPad,  Does::Nudge,  Control::Aileron,      -kStick},
    {Qt::Key_Right,    kNone, Does::Nudge,  Control::Aileron,       kStick},
    {Qt::Key_6,        kPad,  Does::Nudge,  Control::Aileron,       kStick},
    {Qt::Key_0,        kPad,  Does::Nudge,  Control::Rudder,       -kStick},
    {Qt::Key_Insert,   kPad,  Does::Nudge,  Control::Rudder,       -kStick},
    {Qt::Key_Enter,    kPad,  Does::Nudge,  Control::Rudder,        kStick},
    {Qt::Key_5,        kPad,  Does::Centre, Control::Elevator,      0},
    {Qt::Key_Clear,    kPad,  Does::Centre, Control::Elevator,      0},
    {Qt::Key_7,        kPad,  Does::Nudge,  Control::ElevatorTrim, -kTrim},
    {Qt::Key_Home,     kNone, Does::Nudge,  Control::ElevatorTrim, -kTrim},
    {Qt::Key_1,        kPad,  Does::Nudge,  Control::ElevatorTrim,  kTrim},
    {Qt::Key_End,      kNone, Does::Nudge,  Control::ElevatorTrim,  kTrim},
    {Qt::Key_F1,       kNone, Does::SetTo,  Control::Throttle,      0},
    {Qt::Key_F2,       kNone, Does::Nudge,  Control::Throttle,     -kThrottle},
    {Qt::Key_F3,       kNone, Does::Nudge,  Control::Throttle,      kThrottle},
    {Qt::Key_F4,       kNone, Does::SetTo,  Control::Throttle,      1},
    {Qt::Key_F5,       kNone, Does::SetTo,  Control::Flaps,         0},
    {Qt::Key_F6,       kNone, Does::Nudge,  Control::Flaps,        -kFlapNotch},
    {Qt::Key_F7,       kNone, Does::Nudge,  Control::Flaps,         kFlapNotch},
    {Qt::Key_F8,       kNone, Does::SetTo,  Control::Flaps,         1},
    {Qt::Key_Period,   kNone, Does::HoldAt, Control::Brakes,        1},
    {Qt::Key_Delete,   kPad,  Does::HoldAt, Control::Brakes,        1},
    {Qt::Key_Period,   kCtrl, Does::Toggle, Control::ParkingBrake,  0},
});
// clang-format on

// The keypad flag only narrows a key to the keypad: the arrows, Home and End come with it too
// when Num Lock is off.
bool matches(const CockpitKey& binding, int key, Qt::KeyboardModifiers modifiers) {
  const auto others = [](Qt::KeyboardModifiers m) { return m & ~Qt::KeypadModifier; };
  if (binding.key != key || others(binding.modifiers) != others(modifiers)) return false;
  return !(binding.modifiers & Qt::KeypadModifier) || (modifiers & Qt::KeypadModifier);
}

}  // namespace

std::span<const CockpitKey> cockpitKeys() {
  return kKeys;
}

bool applyCockpitKey(SimulatedAircraft& aircraft, int key, Qt::KeyboardModifiers modifiers,
                     KeyMotion motion) {
  const auto binding = std::find_if(
      kKeys.begin(), kKeys.end(), [&](const CockpitKey& k) { return matches(k, key, modifiers); });
  if (binding == kKeys.end()) return false;
  const Control control = binding->control;
  if (motion == KeyMotion::Up) {
    if (binding->does == Does::HoldAt) setControl(aircraft, control, controlLow(control));
    return true;
  }
  switch (binding->does) {
    case Does::Nudge:
      nudgeControl(aircraft, control, binding->amount);
      break;
    case Does::SetTo:
    case Does::HoldAt:
      setControl(aircraft, control, binding->amount);
      break;
    case Does::Toggle:
      if (motion == KeyMotion::Repeat) break;
      setControl(aircraft, control,
                 controlValue(aircraft, control) > 0.5 ? controlLow(control) : kControlHigh);
      break;
    case Does::Centre:
      for (Control axis : {Control::Elevator, Control::Aileron, Control::Rudder})
        setControl(aircraft, axis, 0);
      break;
  }
  return true;
}

}  // namespace panelhost
