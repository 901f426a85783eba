#pragma once
// The 44 gauge headers of the module, by instrument group, and the linkage that lists them in
// the order the host knows them by (gauge_table.cpp).
#include <cstddef>

#include "gauges/frame.h"
#include "gauges/panel_records.h"

constexpr std::size_t kGaugeCount = 44;

QTP_MODULE_EXPORT LINKAGE<kGaugeCount + 1> Linkage;

// flight_instruments.cpp
extern GAUGEHDR gauge_RPM, gauge_MAP, gauge_FL1, gauge_FL2, gauge_FLID, gauge_ALT, gauge_VSI,
    gauge_VAC, gauge_ASI, gauge_TURN, gauge_WCMP, gauge_ENG;
// attitude_rmi_markers.cpp
extern GAUGEHDR gauge_ADI, gauge_RMI, gauge_RMSW, gauge_OMI;
// gear_panel.cpp, dme.cpp, cockpit_clock.cpp
extern GAUGEHDR gauge_GEAR, gauge_DME, gauge_CLK;
// nav_indicators.cpp
extern GAUGEHDR gauge_HSI, gauge_CDI2;
// switch_panel.cpp
extern GAUGEHDR gauge_SWIT, gauge_THR1, gauge_AVMA, gauge_TOG2, gauge_TOG3, gauge_TOG4, gauge_TOG5,
    gauge_TOG6;
// levers_fuel_brake.cpp
extern GAUGEHDR gauge_THR2, gauge_THR3, gauge_THR4, gauge_THR5, gauge_FSEL, gauge_PBRK;
// warning_lights.cpp
extern GAUGEHDR gauge_CBPL, gauge_WARN;
// transponder.cpp, adf_receiver.cpp, audio_panel.cpp
extern GAUGEHDR gauge_XPDR, gauge_ADF, gauge_AUDP;
// radio_stack.cpp
extern GAUGEHDR gauge_COM1, gauge_COM2, gauge_NAV1, gauge_NAV2;
