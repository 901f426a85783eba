#pragma once
// The built gauge module, loaded as a host loads it: dlopen, a service table written into its
// ImportTable, gauges found by name in its Linkage, callbacks called with the module's handle.
#include <cstdint>
#include <string>
#include <vector>

#include "gauges/panel_records.h"
#include "wave_images.h"

namespace soundtest {

class GaugeModule {
 public:
  GaugeModule();  // fails the calling test (and leaves handle() null) when it cannot load
  ~GaugeModule();
  GaugeModule(const GaugeModule&) = delete;
  GaugeModule& operator=(const GaugeModule&) = delete;

  void* handle() const { return handle_; }
  PGAUGEHDR gauge(const std::string& name) const;  // null when the module has none of that name
  // Calls the gauge's callback as the host does, with the module's handle as extra data.
  void service(PGAUGEHDR gauge, SINT32 serviceId) const;

  // The samples of the module's WAVE resource `id`, found through the module's handle.
  Bytes soundSamples(std::uint32_t id) const;

 private:
  void* handle_ = nullptr;
  const LINKAGE_HEAD* linkage_ = nullptr;
};

// The resource ids of the module's sounds.
const std::vector<std::uint32_t>& gaugeSoundIds();

}  // namespace soundtest
