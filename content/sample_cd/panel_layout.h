#pragma once
// The panel of every product aircraft: the 44 gauges of NOR_NV36 on one panel window.
#include <span>
#include <string>

namespace samplecd {

struct PanelGauge {
  const char* name;  // the gauge name the module exports
  int x;
  int y;
};

inline constexpr int kPanelWidth = 1024;
inline constexpr int kPanelHeight = 940;

std::span<const PanelGauge> panelGauges();

// panel.cfg in the simulator's form (LF line ends).
std::string panelConfig(const std::string& aircraftTitle);

}  // namespace samplecd
