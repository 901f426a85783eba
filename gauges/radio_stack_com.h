#pragma once
// The two COM radios' callbacks. COM1 tunes the simulator's COM radio: it reads the active
// frequency back at every draw and sends a transfer as a key event. COM2 is the panel's own
// radio: both its frequencies live in the module and nothing goes to the simulator.
#include "gauges/radio_stack_face.h"
#include "gauges/sim_ids.h"

namespace radio_face {

// The power and pull switches and the spacing light of a COM face. Switched on with avionics
// power, the radio plays its own sound before the switch clicks.
template <auto radio::RadioState::*Radio>
struct ComSwitches : FaceBasics<Radio> {
  using Base = FaceBasics<Radio>;

  static FLOAT64 spacingLight(PELEMENT) { return Base::state().spacing; }

  static int togglePower(PPIXPOINT, FLAGS32) {
    radio::Switches& switches = Base::state().switches;
    if (switches.power == 1) {
      switches.power = 0;
    } else {
      switches.power = 1;
      if (panelState.avionics != 0) PlaySound(SoundId::ComPowerOn);
    }
    PlaySound(SoundId::Click);
    return kClickPassed;
  }

  static int togglePull(PPIXPOINT, FLAGS32) {
    radio::Switches& switches = Base::state().switches;
    if (switches.pull == 1) {
      switches.pull = 0;
    } else {
      switches.pull = 1;
      if (panelState.avionics != 0 && switches.power != 0) PlaySound(SoundId::ComPullOn);
    }
    PlaySound(SoundId::Click);
    return kClickPassed;
  }
};

struct Com1Actions : ComSwitches<&radio::RadioState::com1> {
  static constexpr ID32 kToken = tok::kCom1Frequency;
  static inline MODULE_VAR frequency = build::token(kToken);

  static FLOAT64 activeDisplay(PELEMENT element) {
    frame::lookupVar(frequency);
    const radio::Decoded active = radio::decodeComBcd(frequency.var_value.d);
    state().active = active.channel;
    showFrequency(element, shows(), Digits::Com, active.megahertz);
    return active.megahertz;
  }

  static FLOAT64 standbyDisplay(PELEMENT element) {
    const FLOAT64 megahertz = state().standby * 0.001;
    showFrequency(element, shows(), Digits::Com, megahertz);
    return megahertz;
  }

  static int transfer(PPIXPOINT, FLAGS32) {
    return transferThroughSimulator(
        state(), {evt::kCom1FrequencySet, radio::comChannelOf, radio::comBcd, SoundId::Toggle});
  }

  static int wholeDown(PPIXPOINT, FLAGS32) { return tune(radio::comWholeDown(state().standby)); }
  static int wholeUp(PPIXPOINT, FLAGS32) { return tune(radio::comWholeUp(state().standby)); }
  static int fractionDown(PPIXPOINT, FLAGS32) {
    return tune(radio::comFractionDown(state().standby, state().spacing));
  }
  static int fractionUp(PPIXPOINT, FLAGS32) {
    return tune(radio::comFractionUp(state().standby, state().spacing));
  }

  static int toggleSpacing(PPIXPOINT, FLAGS32) {
    state().spacing = radio::toggled(state().spacing);
    PlaySound(SoundId::RadioBeep);
    return kClickPassed;
  }

 private:
  static int tune(UINT32 standby) {
    state().standby = standby;
    return tuned();
  }
};

struct Com2Actions : ComSwitches<&radio::RadioState::com2> {
  static constexpr ID32 kToken = 0;  // nothing read from the simulator

  static FLOAT64 activeDisplay(PELEMENT element) {
    showFrequency(element, shows(), Digits::Com, state().active);
    return state().active;
  }

  static FLOAT64 standbyDisplay(PELEMENT element) {
    const FLOAT64 megahertz = state().standbyMegahertz();
    showFrequency(element, shows(), Digits::Com, megahertz);
    return megahertz;
  }

  // Swaps the radio's own frequencies as they are now, so that a step taken since the last
  // draw is not lost and a transfer before the first draw swaps real channels.
  static int transfer(PPIXPOINT, FLAGS32) {
    radio::Com2State& com = state();
    const FLOAT64 standby = com.standbyMegahertz();
    com.standby = radio::splitCom2(com.active);
    com.active = standby;
    PlaySound(SoundId::Toggle);
    return kClickTaken;
  }

  static int wholeDown(PPIXPOINT, FLAGS32) {
    state().standby.whole = radio::com2WholeDown(state().standby.whole);
    return tuned();
  }
  static int wholeUp(PPIXPOINT, FLAGS32) {
    state().standby.whole = radio::com2WholeUp(state().standby.whole);
    return tuned();
  }
  static int fractionDown(PPIXPOINT, FLAGS32) {
    state().standby.fraction = radio::com2FractionDown(state().standby.fraction, state().spacing);
    return tuned();
  }
  static int fractionUp(PPIXPOINT, FLAGS32) {
    state().standby.fraction = radio::com2FractionUp(state().standby.fraction, state().spacing);
    return tuned();
  }

  static int toggleSpacing(PPIXPOINT, FLAGS32) {
    radio::Com2State& com = state();
    com.spacing = radio::toggled(com.spacing);
    com.standby.fraction = radio::com2FractionForSpacing(com.standby.fraction, com.spacing);
    PlaySound(SoundId::RadioBeep);
    return kClickPassed;
  }
};

}  // namespace radio_face
