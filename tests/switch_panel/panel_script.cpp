#include "panel_script.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>

namespace switch_panel_test {
namespace {

constexpr const char* kPanel =
    "[Window00]\n"
    "size=1100,400\n"
    "gauge00=NOR_NV36!ALT, 0, 0\n"
    "gauge01=NOR_NV36!SWIT, 0, 150\n"
    "gauge02=NOR_NV36!THR1, 0, 260\n"
    "gauge03=NOR_NV36!AVMA, 400, 260\n"
    "gauge04=NOR_NV36!TOG2, 500, 260\n"
    "gauge05=NOR_NV36!TOG3, 530, 260\n"
    "gauge06=NOR_NV36!TOG4, 560, 260\n"
    "gauge07=NOR_NV36!TOG5, 590, 260\n"
    "gauge08=NOR_NV36!TOG6, 620, 260\n";

void writeText(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

std::filesystem::path panelConfig(const std::filesystem::path& root) {
  return root / "FS2000" / "Aircraft" / "NV36" / "Panel" / "panel.cfg";
}

}  // namespace

PanelScript::PanelScript() : PanelScript(kPanel) {}

PanelScript::PanelScript(const std::string& panel) {
  std::string pattern = (std::filesystem::temp_directory_path() / "switch_panel_XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    ADD_FAILURE() << "no temporary folder";
    return;
  }
  root_ = pattern;
  std::filesystem::create_directories(root_ / "FS2000" / "Gauges");
  std::filesystem::copy_file(NOR_NV36_PATH, root_ / "FS2000" / "Gauges" / "NOR_NV36.gau");
  writeText(panelConfig(root_), panel);
}

PanelScript::~PanelScript() {
  std::error_code ec;
  if (!root_.empty()) std::filesystem::remove_all(root_, ec);
}

ScriptResult PanelScript::run(const std::string& body) const {
  const auto script = root_ / "script.txt";
  writeText(script, "load " + panelConfig(root_).string() + "\n" + body);
  return testsupport::runPanelhostScript(PANELHOST_EXE, script);
}

std::vector<std::string> PanelScript::lines(const std::string& body) const {
  ScriptResult result = run(body);
  EXPECT_EQ(result.exitCode, 0) << result.text();
  return result.lines;
}

std::vector<std::string> linesStartingWith(const std::vector<std::string>& lines,
                                           const std::string& prefix) {
  std::vector<std::string> out;
  for (const auto& line : lines)
    if (line.rfind(prefix, 0) == 0) out.push_back(line);
  return out;
}

std::vector<std::string> withoutStops(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  for (const auto& line : lines)
    if (line.rfind("stop", 0) != 0) out.push_back(line);
  return out;
}

}  // namespace switch_panel_test
