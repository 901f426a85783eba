#include "panel_layout.h"

#include "file_data.h"

namespace samplecd {

namespace {

// Flight instruments on the left in rows, the radio stack on the right, engine gauges between,
// pedestal levers and the circuit-breaker panel below, the switch panel along the bottom edge.
constexpr PanelGauge kGauges[] = {
    {"WARN", 280, 2},   {"WCMP", 500, 0},   {"AUDP", 745, 0},    {"COM1", 745, 60},
    {"NAV1", 745, 117}, {"COM2", 745, 174}, {"NAV2", 745, 231},  {"ADF", 745, 288},
    {"XPDR", 745, 345}, {"DME", 745, 410},  {"ASI", 10, 50},     {"ADI", 165, 50},
    {"ALT", 335, 50},   {"RPM", 490, 50},   {"FL1", 640, 50},    {"FL2", 640, 140},
    {"TURN", 10, 215},  {"HSI", 165, 215},  {"VSI", 335, 215},   {"MAP", 490, 215},
    {"FLID", 640, 235}, {"RMI", 10, 380},   {"RMSW", 165, 380},  {"AVMA", 165, 445},
    {"CDI2", 220, 380}, {"VAC", 380, 380},  {"ENG", 495, 380},   {"GEAR", 640, 380},
    {"CLK", 745, 490},  {"PBRK", 860, 495}, {"TOG2", 905, 500},  {"TOG3", 929, 500},
    {"TOG4", 953, 500}, {"TOG5", 977, 500}, {"TOG6", 1001, 500}, {"CBPL", 10, 540},
    {"THR2", 530, 545}, {"THR3", 615, 545}, {"THR4", 700, 545},  {"THR5", 785, 545},
    {"OMI", 870, 545},  {"FSEL", 10, 650},  {"THR1", 355, 650},  {"SWIT", 0, 830},
};

}  // namespace

std::span<const PanelGauge> panelGauges() {
  return kGauges;
}

std::string panelConfig(const std::string& aircraftTitle) {
  std::string text = "; " + aircraftTitle + "\n[Window Titles]\nWindow00=Hauptpanel\n\n" +
                     "[Window00]\nfile=panel.bmp\nsize=" + std::to_string(kPanelWidth) + "," +
                     std::to_string(kPanelHeight) + "\nposition=7\nvisible=1\nident=MAIN_PANEL\n";
  int number = 0;
  for (const PanelGauge& gauge : kGauges) {
    text += "gauge" + twoDigits(number++) + "=NOR_NV36!" + gauge.name + ", " +
            std::to_string(gauge.x) + ", " + std::to_string(gauge.y) + "\n";
  }
  return text;
}

}  // namespace samplecd
