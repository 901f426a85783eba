#include "panelhost/service_table.h"

#include <cstdio>
#include <cstring>
#include <utility>

namespace panelhost {
namespace {

ServiceSink* g_sink = nullptr;

void reportUnsupported(std::size_t slot) {
  std::fprintf(stderr,
               "panelhost: a module called service slot %zu, which this host does not offer\n",
               slot);
  if (g_sink) g_sink->unsupportedService(slot);
}

// Called through a pointer of whatever type the module assumed; it only looks at its own slot.
template <std::size_t Slot>
void trap() {
  reportUnsupported(Slot);
}

void elementList(std::size_t slot) {
  if (g_sink) g_sink->elementListService(slot);
}

void lookupVar(PMODULE_VAR var) {
  if (!var) {
    reportUnsupported(40);
    return;
  }
  if (g_sink) {
    g_sink->lookupVar(*var);
  } else {
    std::memset(&var->var_value, 0, sizeof var->var_value);
  }
}

int triggerKeyEvent(ID32 event, UINT32 value) {
  if (g_sink) g_sink->keyEvent(event, value);
  return 1;
}

template <std::size_t... Slots>
PANELS buildTable(std::index_sequence<Slots...>) {
  PANELS table{};
  using Trap = void (*)();
  const Trap traps[] = {&trap<Slots>...};
  static_assert(sizeof(traps) == sizeof(PANELS));
  std::memcpy(&table, traps, sizeof table);
  table.element_list_query = [](PELEMENT_HEADER) { elementList(24); };
  table.element_list_install = [](PELEMENT_HEADER, PVOID) { elementList(25); };
  table.element_list_initialize = [](PELEMENT_HEADER) { elementList(26); };
  table.element_list_update = [](PELEMENT_HEADER) { elementList(27); };
  table.element_list_generate = [](PELEMENT_HEADER, UINT32) { elementList(28); };
  table.element_list_plot = [](PELEMENT_HEADER) { elementList(29); };
  table.element_list_kill = [](PELEMENT_HEADER) { elementList(31); };
  table.trigger_key_event = &triggerKeyEvent;
  table.lookup_var = &lookupVar;
  return table;
}

}  // namespace

PANELS* serviceTable() {
  static PANELS table = buildTable(std::make_index_sequence<PANELS_SLOT_COUNT>());
  return &table;
}

void setServiceSink(ServiceSink* sink) {
  g_sink = sink;
}
ServiceSink* serviceSink() {
  return g_sink;
}

}  // namespace panelhost
