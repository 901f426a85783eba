// Fuzz target: any SCENERY.CFG text scans without failing, and an entry appended after it is
// found again as registered.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "installer/scenery_cfg.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const scenerycfg::Scan scan = scenerycfg::scan(text);
  if (scan.outcome != scenerycfg::Scan::Outcome::Append) return 0;
  if (scan.next < 1) std::abort();
  const std::string appended = text + scenerycfg::areaEntry(scan.next);
  if (scenerycfg::scan(appended).outcome != scenerycfg::Scan::Outcome::Registered) std::abort();
  return 0;
}
