#include "gauges/frame.h"

#include "gauges/finite_reading.h"
#include "gauges/gauge_headers.h"

IMPORT_TABLE ImportTable = {{IMPORT_ID_PANELS, nullptr}, {0, nullptr}};

namespace frame {
namespace {

// Read afresh at every call: the host may write the table at any time before gauge code runs.
PANELS* panels() {
  return static_cast<PANELS*>(ImportTable.panels.pointer);
}

PELEMENT_HEADER firstElement() {
  const PGAUGEHDR first = linkageGaugeTable(&Linkage.head)[0];
  return first->elements_list[0];
}

// Calls a list service of the host with the first element and the routine's argument.
template <typename Slot, typename... Args>
void forward(Slot PANELS::*slot, Args... args) {
  PANELS* table = panels();
  if (table != nullptr && table->*slot != nullptr) (table->*slot)(firstElement(), args...);
}

}  // namespace

void moduleInitDeinit() {}

void query() {
  forward(&PANELS::element_list_query);
}
void install(PVOID resourceFile) {
  forward(&PANELS::element_list_install, resourceFile);
}
void initialize() {
  forward(&PANELS::element_list_initialize);
}
void update() {
  forward(&PANELS::element_list_update);
}
void generate(UINT32 phase) {
  forward(&PANELS::element_list_generate, phase);
}
void draw() {
  forward(&PANELS::element_list_plot);
}
void kill() {
  forward(&PANELS::element_list_kill);
}

void lookupVar(MODULE_VAR& var) {
  PANELS* table = panels();
  if (table != nullptr && table->lookup_var != nullptr) table->lookup_var(&var);
}

void triggerKeyEvent(ID32 eventId, UINT32 value) {
  PANELS* table = panels();
  if (table != nullptr && table->trigger_key_event != nullptr)
    table->trigger_key_event(eventId, value);
}

FLOAT64 valueOf(MODULE_VAR& var) {
  lookupVar(var);
  return reading::numberOrZero(var.var_value.n);
}

}  // namespace frame
