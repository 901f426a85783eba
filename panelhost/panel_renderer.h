#pragma once
// What a host that draws offers the script's `render` command. The panel core does not draw;
// the Linux host does (panel_host.h), and a script runner finds out which it was given.
#include <optional>
#include <string>

namespace panelhost {

struct Gauge;

class PanelRenderer {
 public:
  virtual ~PanelRenderer() = default;
  // Writes one gauge drawn afresh, or (gauge null) the panel with only the changed gauges drawn
  // again or with all of them (`full`), as a PNG file; the reason when it cannot be written.
  virtual std::optional<std::string> renderToFile(const Gauge* gauge, const std::string& file,
                                                  bool full) = 0;
};

}  // namespace panelhost
