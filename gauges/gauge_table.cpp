// The gauge table: the order is the gauges' identity to the host.
#include "gauges/gauge_headers.h"

LINKAGE<kGaugeCount + 1> Linkage = {
    .head = {.ModuleID = LINKAGE_MODULE_ID,
             .ModuleInit = frame::moduleInitDeinit,
             .ModuleDeinit = frame::moduleInitDeinit,
             .ModuleFlags = 0,
             .ModulePriority = 0,
             .ModuleVersion = 0},
    .gauge_header_ptr = {
        &gauge_RPM,  &gauge_MAP,  &gauge_FL1,  &gauge_FL2,  &gauge_FLID, &gauge_ALT,  &gauge_VSI,
        &gauge_VAC,  &gauge_ASI,  &gauge_TURN, &gauge_WCMP, &gauge_ENG,  &gauge_GEAR, &gauge_DME,
        &gauge_RMI,  &gauge_RMSW, &gauge_ADI,  &gauge_CLK,  &gauge_OMI,  &gauge_HSI,  &gauge_TOG2,
        &gauge_TOG3, &gauge_TOG4, &gauge_TOG5, &gauge_TOG6, &gauge_CDI2, &gauge_CBPL, &gauge_FSEL,
        &gauge_THR1, &gauge_THR2, &gauge_THR3, &gauge_THR4, &gauge_THR5, &gauge_AVMA, &gauge_XPDR,
        &gauge_ADF,  &gauge_AUDP, &gauge_COM1, &gauge_COM2, &gauge_NAV1, &gauge_NAV2, &gauge_SWIT,
        &gauge_PBRK, &gauge_WARN, nullptr}};
