#pragma once
// The module frame: the binding to the host's service table, the seven routines every gauge
// header shares, and the helpers that hide and show elements along a gauge's chain.
#include "gauges/element_chain.h"
#include "gauges/panel_records.h"

#ifdef _WIN32
#define QTP_MODULE_EXPORT extern "C" __declspec(dllexport)
#else
#define QTP_MODULE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

// The host writes its service table into the first entry before any gauge code runs.
QTP_MODULE_EXPORT IMPORT_TABLE ImportTable;

namespace frame {

// Module init and deinit: nothing to do.
void moduleInitDeinit();

// The shared routines: each forwards to its service with the first element of the first
// gauge in the table, whichever header it is called through.
void query();
void install(PVOID resourceFile);
void initialize();
void update();
void generate(UINT32 phase);
void draw();
void kill();

// Services; without a service table (or a slot) they do nothing and the value stays as it was.
void lookupVar(MODULE_VAR& var);
void triggerKeyEvent(ID32 eventId, UINT32 value);
// The current value of a module variable, looked up afresh; NaN reads as 0.
FLOAT64 valueOf(MODULE_VAR& var);

}  // namespace frame
