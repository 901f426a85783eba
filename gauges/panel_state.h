#pragma once
// The module-wide panel state that several instruments share. It starts at these values when
// the module is loaded and is never saved.
#include "gauges/panel_records.h"

// A token value as the whole number a flag or position keeps: truncated towards zero, NaN as 0,
// and values beyond the 32-bit range held at its ends rather than overflowing.
SINT32 truncateToInt32(FLOAT64 value);

struct PanelState {
  // Electrical flags and engine start, kept by the switch panel.
  SINT32 battery = 0;             // tok::kBatteryMaster, truncated
  SINT32 alternator = 0;          // tok::kAlternator, truncated
  SINT32 engine_speed_latch = 0;  // 1 from engine speed above 3000 until the run-down ends
  SINT32 avionics = 0;            // tok::kAvionicsMaster, truncated, kept by AVMA
  SINT32 starter = 0;             // 1 while the key is at START
  SINT32 primed = 0;              // 1 for a while after an auxiliary fuel pump press

  // Audio selection of the audio panel, read by the NAV and ADF knobs.
  SINT32 nav1_audio = 0;
  SINT32 nav2_audio = 0;
  SINT32 adf_audio = 0;

  // Suction as the turn coordinator last read it, for the attitude warning flag.
  FLOAT64 stored_suction = 0.0;

  // RMI source: the switch's state (1 = first source) and the copy its icon refreshes for the
  // RMI at every update.
  SINT32 rmi_source_state = 1;
  SINT32 rmi_source_copy = 0;

  // The instruments work while the battery is on, or the alternator with the engine running.
  bool powered() const { return battery == 1 || (alternator == 1 && engine_speed_latch == 1); }
};

extern PanelState panelState;
