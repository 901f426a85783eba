// Fuzz target: the bytes as a panel configuration. Whatever they hold, what loads keeps the
// promises the panel drawing relies on: gauges in drawing order, each naming a module and a
// gauge, sizes positive, and every problem tied to a line.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "panelhost/panel_config.h"

namespace {

bool Positive(const std::optional<int>& size) {
  return !size || *size > 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const panelhost::PanelConfig config =
      panelhost::parsePanelConfig({reinterpret_cast<const char*>(data), size});
  for (const panelhost::PanelWindowConfig& window : config.windows) {
    if (!Positive(window.width) || !Positive(window.height)) std::abort();
    int previous = INT32_MIN;
    for (const panelhost::GaugePlacement& gauge : window.gauges) {
      if (gauge.number < previous || gauge.module.empty() || gauge.gauge.empty() ||
          gauge.line < 1 || !Positive(gauge.width) || !Positive(gauge.height))
        std::abort();
      previous = gauge.number;
    }
  }
  for (const std::string& problem : config.problems)
    if (!problem.starts_with("line ")) std::abort();
  return 0;
}
