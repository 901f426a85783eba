#include "radio_panel.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QGuiApplication>
#include <filesystem>

namespace radio_test {
namespace {

struct Point {
  int x, y;
};

// The middle of each area, COM face / NAV face.
Point centreOf(Area area, bool nav) {
  switch (area) {
    case Area::Transfer:
      return {96, 41};
    case Area::WholeDown:
      return {nav ? 235 : 229, 20};
    case Area::FractionDown:
      return {nav ? 235 : 229, 34};
    case Area::WholeUp:
      return {nav ? 249 : 255, 20};
    case Area::FractionUp:
      return {nav ? 249 : 255, 34};
    case Area::Power:
      return {182, 45};
    case Area::Pull:
      return {198, 37};
    case Area::Spacing:
      return {242, 28};
  }
  return {0, 0};
}

void ensureApplication() {
  static int argc = 1;
  static char name[] = "radio_stack_tests";
  static char* argv[] = {name, nullptr};
  if (QGuiApplication::instance() == nullptr) new QGuiApplication(argc, argv);
}

}  // namespace

bool isNav(const std::string& face) {
  return face.rfind("NAV", 0) == 0;
}

const Depths& depthsOf(const std::string& face) {
  return isNav(face) ? kNavDepths : kComDepths;
}

void expectSteps(RadioPanel& panel, const std::string& face, std::initializer_list<Step> steps) {
  int number = 0;
  for (const Step& step : steps) {
    for (int i = 0; i < step.times; ++i) panel.click(face, step.area);
    EXPECT_EQ(panel.standby(face), step.standby) << face << " step " << number;
    ++number;
  }
}

RadioPanel::RadioPanel() {
  setenv("ALSOFT_DRIVERS", "null", 1);  // sound through OpenAL's null device
  ensureApplication();
  EXPECT_TRUE(dir_.isValid());
  const std::filesystem::path copy = dir_.path().toStdString() + "/NOR_NV36.gau";
  std::filesystem::copy_file(NOR_NV36_PATH, copy);
  host_ = std::make_unique<panelhost::PanelHost>();
  std::string error;
  EXPECT_TRUE(host_->loadModule(copy, error)) << error;
  set(tok::kAvionicsMaster, 1.0);  // the avionics master on, whatever the aircraft starts with
  update();
  events();
  sounds();
}

RadioPanel::~RadioPanel() = default;

void RadioPanel::click(const std::string& face, Area area, int updates) {
  const Point at = centreOf(area, isNav(face));
  EXPECT_TRUE(clickAt(face, at.x, at.y)) << face << " area " << static_cast<int>(area);
  update(updates);
}

bool RadioPanel::clickAt(const std::string& face, int x, int y) {
  panelhost::Gauge* gauge = host_->findGauge(face);
  EXPECT_NE(gauge, nullptr) << face;
  return gauge != nullptr && host_->click(*gauge, QPoint(x, y), MOUSE_LEFT_SINGLE);
}

void RadioPanel::update(int cycles) {
  host_->runCycles(cycles);
  const auto errors = host_->takeServiceErrors();
  EXPECT_TRUE(errors.empty()) << errors.front();
}

void RadioPanel::set(ID32 token, double value) {
  host_->vars().pin(token, value);
}

double RadioPanel::token(ID32 id) {
  return host_->vars().value(id);
}

const panelhost::ElementValues& RadioPanel::values(const std::string& face, int depth) {
  static const panelhost::ElementValues none;
  panelhost::Gauge* gauge = host_->findGauge(face);
  PELEMENT_HEADER element = gauge ? panelhost::elementAtDepth(gauge->background(), depth) : nullptr;
  const panelhost::ElementValues* found = element ? host_->valuesOf(element) : nullptr;
  EXPECT_NE(found, nullptr) << face << " depth " << depth;
  return found ? *found : none;
}

std::string RadioPanel::standby(const std::string& face) {
  return values(face, depthsOf(face).standby).text;
}

std::string RadioPanel::active(const std::string& face) {
  return values(face, depthsOf(face).active).text;
}

double RadioPanel::value(const std::string& face, int depth) {
  return values(face, depth).value[0];
}

std::vector<Event> RadioPanel::allEvents() {
  std::vector<Event> out;
  for (const panelhost::KeyEvent& event : host_->takeEvents())
    if (event.id != evt::kAdfIdentOn && event.id != evt::kAdfIdentOff)
      out.push_back({event.id, event.value});
  return out;
}

std::vector<Event> RadioPanel::events() {
  std::vector<Event> out;
  for (const Event& event : allEvents())
    if (event.id != evt::kNavIdentOn && event.id != evt::kNavIdentOff) out.push_back(event);
  return out;
}

std::vector<int> RadioPanel::sounds() {
  std::vector<int> out;
  for (const panelhost::SoundEvent& sound : host_->takeSounds())
    if (sound.play) out.push_back(static_cast<int>(sound.id));
  return out;
}

}  // namespace radio_test
