#pragma once
// The NAV receivers' callbacks: both tune the simulator's receivers, read the active frequency
// back at every draw and send a transfer as a key event.
#include "gauges/radio_stack_face.h"
#include "gauges/sim_ids.h"

namespace radio_face {

template <auto radio::RadioState::*Radio, ID32 Token, ID32 SetFrequency,
          SINT32 PanelState::*AudioSelector>
struct NavActions : FaceBasics<Radio> {
  using Base = FaceBasics<Radio>;
  static constexpr ID32 kToken = Token;
  static inline MODULE_VAR frequency = build::token(Token);

  // At every update the knob tells the simulator whether the receiver's identifier is heard.
  static FLOAT64 knob(PELEMENT element) {
    const radio::Switches& switches = Base::state().switches;
    frame::triggerKeyEvent(
        radio::navIdentEvent(switches, panelState.avionics, panelState.*AudioSelector), 1);
    return Base::knob(element);
  }

  static FLOAT64 activeDisplay(PELEMENT element) {
    frame::lookupVar(frequency);
    const radio::Decoded active = radio::decodeNavBcd(frequency.var_value.d);
    Base::state().active = active.channel;
    showFrequency(element, Base::shows(), Digits::Nav, active.megahertz);
    return active.megahertz;
  }

  static FLOAT64 standbyDisplay(PELEMENT element) {
    const FLOAT64 megahertz = Base::state().standby * 0.01;
    showFrequency(element, Base::shows(), Digits::Nav, megahertz);
    return megahertz;
  }

  static int transfer(PPIXPOINT, FLAGS32) {
    return transferThroughSimulator(
        Base::state(), {SetFrequency, radio::navChannelOf, radio::navBcd, SoundId::RadioBeep});
  }

  static int wholeDown(PPIXPOINT, FLAGS32) { return tune(radio::navWholeDown(standby())); }
  static int wholeUp(PPIXPOINT, FLAGS32) { return tune(radio::navWholeUp(standby())); }
  static int fractionDown(PPIXPOINT, FLAGS32) { return tune(radio::navFractionDown(standby())); }
  static int fractionUp(PPIXPOINT, FLAGS32) { return tune(radio::navFractionUp(standby())); }

  static int togglePower(PPIXPOINT, FLAGS32) {
    radio::Switches& switches = Base::state().switches;
    switches.power = radio::toggled(switches.power);
    PlaySound(SoundId::Click);
    return kClickPassed;
  }

  static int togglePull(PPIXPOINT, FLAGS32) {
    radio::Switches& switches = Base::state().switches;
    switches.pull = radio::toggled(switches.pull);
    PlaySound(SoundId::RadioBeep);
    return kClickPassed;
  }

 private:
  static UINT32 standby() { return Base::state().standby; }
  static int tune(UINT32 units) {
    Base::state().standby = units;
    return tuned();
  }
};

using Nav1Actions = NavActions<&radio::RadioState::nav1, tok::kNav1Frequency,
                               evt::kNav1FrequencySet, &PanelState::nav1_audio>;
using Nav2Actions = NavActions<&radio::RadioState::nav2, tok::kNav2Frequency,
                               evt::kNav2FrequencySet, &PanelState::nav2_audio>;

}  // namespace radio_face
