#pragma once
// The host's panel service table that every loaded module's import table points at. The slots a
// module may call forward to the current sink; every other slot is a trap that reports its slot
// number loudly, since a module calling it expects a service this host does not have.
#include <cstddef>

#include "gauges/panel_records.h"

namespace panelhost {

class ServiceSink {
 public:
  virtual ~ServiceSink() = default;
  virtual void lookupVar(MODULE_VAR& var) = 0;
  virtual void keyEvent(ID32 event, UINT32 value) = 0;
  // One of the element-list services (slots 24-29, 31) was called.
  virtual void elementListService(std::size_t slot) = 0;
  virtual void unsupportedService(std::size_t slot) = 0;
};

// The table is shared; the sink is the host that currently runs gauges (null: calls are
// reported and do nothing).
PANELS* serviceTable();
void setServiceSink(ServiceSink* sink);
ServiceSink* serviceSink();

}  // namespace panelhost
