#pragma once
// The radios' own state and the arithmetic of their displays and tuning rings.
//
// Every standby frequency a radio can hold is a channel: COM 118.000 to 136.975 MHz on the
// 25 kHz grid, NAV 108.00 to 117.95 MHz on the 50 kHz grid. Tuning keeps a channel a channel;
// the one value that comes from outside, the simulator's active frequency taken over by a
// transfer, is brought into the band and onto the grid first.
#include "gauges/panel_records.h"

namespace radio {

// COM channels in kHz.
inline constexpr UINT32 kComLowest = 118000;
inline constexpr UINT32 kComHighest = 136975;
inline constexpr UINT32 kComGrid = 25;
// NAV channels in units of 10 kHz.
inline constexpr UINT32 kNavLowest = 10800;
inline constexpr UINT32 kNavHighest = 11795;
inline constexpr UINT32 kNavGrid = 5;

// A COM radio's channel spacing.
inline constexpr SINT32 kSpacing50 = 0;
inline constexpr SINT32 kSpacing25 = 1;

// A frequency as the simulator keeps it (four BCD digits of the frequency less 100 MHz, in the
// low 16 bits): in MHz for the display and as the radio counts it (COM kHz, NAV 10 kHz).
struct Decoded {
  FLOAT64 megahertz = 0.0;
  UINT32 channel = 0;
};
// A hundredths digit 2 or 7 stands for 25 or 75 kHz.
Decoded decodeComBcd(UINT32 bcd);
Decoded decodeNavBcd(UINT32 bcd);

// A channel in the simulator's BCD form; COM drops its units digit of kHz.
UINT32 comBcd(UINT32 khz);
UINT32 navBcd(UINT32 units);

// The channel a transfer takes over for a frequency read from the simulator: held in the band,
// then down onto the grid.
UINT32 comChannelOf(UINT32 khz);
UINT32 navChannelOf(UINT32 units);

// The tuning rings. Whole MHz wraps over the band keeping the fraction; the fraction wraps
// within its MHz.
UINT32 comWholeDown(UINT32 khz);
UINT32 comWholeUp(UINT32 khz);
UINT32 comFractionDown(UINT32 khz, SINT32 spacing);
UINT32 comFractionUp(UINT32 khz, SINT32 spacing);
UINT32 navWholeDown(UINT32 units);
UINT32 navWholeUp(UINT32 units);
UINT32 navFractionDown(UINT32 units);
UINT32 navFractionUp(UINT32 units);

// The second COM radio keeps its standby as a whole MHz and a fraction, both in MHz. The
// fraction only ever holds a multiple of 25 kHz (the nearest double to it), never a sum that
// has drifted.
struct SplitFrequency {
  FLOAT64 whole = 118.0;
  FLOAT64 fraction = 0.0;
};
FLOAT64 com2WholeDown(FLOAT64 whole);
FLOAT64 com2WholeUp(FLOAT64 whole);
FLOAT64 com2FractionDown(FLOAT64 fraction, SINT32 spacing);
FLOAT64 com2FractionUp(FLOAT64 fraction, SINT32 spacing);
// The fraction after the spacing changed to `newSpacing`: 50 kHz steps start from .500.
FLOAT64 com2FractionForSpacing(FLOAT64 fraction, SINT32 newSpacing);
// A frequency as whole MHz and fraction: the nearest channel in the band.
SplitFrequency splitCom2(FLOAT64 megahertz);

// The power switch and the pull switch on the power knob.
struct Switches {
  SINT32 power = 1;
  SINT32 pull = 0;

  // The knob's image: off/pushed 0, on/pushed 1, off/pulled 2, on/pulled 3.
  FLOAT64 knobImage() const;
  // The face is lit and the displays show while the radio is on with avionics power.
  bool shows(SINT32 avionics) const;
  // The station's identifier is heard while the knob is pulled, the radio shows and the audio
  // panel selects the receiver.
  bool identHeard(SINT32 avionics, SINT32 audioSelected) const;
};

inline SINT32 toggled(SINT32 flag) {
  return flag == 1 ? 0 : 1;
}

// The event the NAV knob sends at every update: whether the receiver's identifier is heard.
ID32 navIdentEvent(const Switches& switches, SINT32 avionics, SINT32 audioSelected);

struct Com1State {
  UINT32 standby = 118000;  // kHz
  UINT32 active = 0;        // kHz, from the simulator at the last draw
  Switches switches;
  SINT32 spacing = kSpacing50;
};

struct Com2State {
  SplitFrequency standby;
  FLOAT64 active = 118.0;  // MHz
  Switches switches;
  SINT32 spacing = kSpacing50;

  FLOAT64 standbyMegahertz() const { return standby.whole + standby.fraction; }
};

struct NavState {
  UINT32 standby = 10800;  // 10 kHz
  UINT32 active = 0;       // 10 kHz, from the simulator at the last draw
  Switches switches;
};

struct RadioState {
  Com1State com1;
  Com2State com2;
  NavState nav1;
  NavState nav2;
};

// Starts at the values above when the module is loaded and is never saved.
extern RadioState radioState;

}  // namespace radio
