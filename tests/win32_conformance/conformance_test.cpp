// The Windows gauge module in the Windows console host under Wine against the Linux module in
// the Linux host: every script gives the same standard output, line for line, and the same
// exit status. Without Wine or the Windows build the test skips and says why; with
// QTP_REQUIRE_WINE set (CI) it fails instead, so a missing install step cannot pass for green.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <set>

#include "tests/support/panelhost_process.h"
#include "tests/win32_conformance/conformance_scripts.h"

namespace {

namespace fs = std::filesystem;
using testsupport::quoted;

const fs::path kWin32Dir = WIN32_BUILD_DIR;

struct Host {
  const char* name;
  fs::path module;
  fs::path refusedModules;
  std::string command;  // runs the host with the arguments that follow
};

// What keeps the Windows side from running here, or nothing.
std::string missingPiece() {
  if (testsupport::runShellCommand("command -v wine >/dev/null").exitCode != 0)
    return "wine is not installed (scripts/install-deps.sh --windows installs it)";
  for (const char* file : {"bin/panelhost-win32.exe", "bin/NOR_NV36.gau"})
    if (!fs::exists(kWin32Dir / file))
      return (kWin32Dir / file).string() + " is missing (install i686-w64-mingw32-g++ and build)";
  return {};
}

class Win32Conformance : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string pattern = (fs::temp_directory_path() / "win32_conformance_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    // Sound through OpenAL's and ALSA's null devices; for the case without a device OpenAL's wave
    // writer without a file and an empty ALSA configuration, neither of which opens.
    std::ofstream(root_ / "null-device.conf") << "pcm.!default { type null }\n"
                                              << "ctl.!default { type hw card 0 }\n";
    std::ofstream(root_ / "no-device.conf") << "\n";
  }
  static void TearDownTestSuite() {
    testsupport::runShellCommand("WINEPREFIX=" + quoted((root_ / "wine").string()) +
                                 " wineserver -k 2>/dev/null");
    std::error_code ec;
    fs::remove_all(root_, ec);
  }
  void SetUp() override {
    const std::string missing = missingPiece();
    if (missing.empty()) return;
    if (getenv("QTP_REQUIRE_WINE")) FAIL() << missing;
    GTEST_SKIP() << "the Windows build was not compared: " << missing;
  }

  // The script's output on one host, run from a simulator folder of its own as a user would.
  testsupport::ProcessOutput run(const Host& host, const conformance::PanelScript& script) {
    const fs::path simulator = root_ / host.name / "FS2000";
    const fs::path panel = simulator / "Aircraft" / "NV36" / "Panel";
    fs::remove_all(simulator);
    fs::create_directories(panel);
    fs::create_directories(simulator / "Gauges");
    fs::copy_file(host.module, simulator / "Gauges" / "NOR_NV36.gau");
    for (const char* refused : {"REFUSED_NO_IMPORTS.gau", "REFUSED_OLD_HEADER.gau"})
      fs::copy_file(host.refusedModules / refused, simulator / "Gauges" / refused);
    for (const fs::path& file : script.beside) fs::copy_file(file, panel / file.filename());
    std::ofstream(panel / "run.script", std::ios::binary) << script.text;
    const std::string device = script.noSoundDevice ? "no-device.conf" : "null-device.conf";
    return testsupport::runShellCommand(
        "cd " + quoted(simulator.string()) +
        " && ALSOFT_CONF=/dev/null ALSOFT_DRIVERS=" + (script.noSoundDevice ? "wave" : "null") +
        " ALSA_CONFIG_PATH=" + quoted((root_ / device).string()) +
        " WINEPREFIX=" + quoted((root_ / "wine").string()) + " WINEDEBUG=-all " + host.command +
        " --script Aircraft/NV36/Panel/run.script 2>/dev/null");
  }

  // Both hosts, compared; the first line that differs is named.
  void compare(const conformance::PanelScript& script) {
    const Host linuxHost{"linux", NOR_NV36_PATH, REFUSED_MODULES_DIR,
                         "QT_QPA_PLATFORM=offscreen " + quoted(PANELHOST_EXE)};
    const Host windowsHost{"windows", kWin32Dir / "bin" / "NOR_NV36.gau",
                           kWin32Dir / "tests" / "win32_conformance",
                           "wine " + quoted((kWin32Dir / "bin" / "panelhost-win32.exe").string())};
    const auto expected = run(linuxHost, script);
    const auto actual = run(windowsHost, script);
    // Two hosts failing alike would compare equal, so the Linux run must do what it should.
    ASSERT_EQ(expected.exitCode, script.refused ? 1 : 0) << script.name << "\n" << expected.text();
    const std::size_t common = std::min(expected.lines.size(), actual.lines.size());
    for (std::size_t i = 0; i < common; ++i)
      ASSERT_EQ(actual.lines[i], expected.lines[i])
          << script.name << ": output line " << i + 1 << " differs (Windows, then Linux)";
    ASSERT_EQ(actual.lines.size(), expected.lines.size())
        << script.name << ": after " << common << " equal lines only one host went on:\n"
        << (actual.lines.size() > common ? actual.text() : expected.text());
    EXPECT_EQ(actual.exitCode, expected.exitCode) << script.name;
  }

  static fs::path root_;
};

fs::path Win32Conformance::root_;

TEST_F(Win32Conformance, CheckedInPanelScriptsGiveTheSameOutput) {
  const auto scripts = conformance::checkedInScripts(fs::path(getenv("QTP_SOURCE_DIR")) / "tests");
  ASSERT_GE(scripts.size(), 2u);
  for (const auto& script : scripts) compare(script);
}

TEST_F(Win32Conformance, HostileValuesAndClicksOnEveryCornerGiveTheSameOutput) {
  setenv("ALSOFT_DRIVERS", "null", 1);  // the scripts are made from the module in this process
  const auto scripts = conformance::hostileScripts(NOR_NV36_PATH);
  ASSERT_FALSE(scripts.empty());
  for (const auto& script : scripts) compare(script);
}

TEST_F(Win32Conformance, BadModulesMissingGaugesAndNoSoundDeviceGiveTheSameOutput) {
  for (const auto& script : conformance::badInputScripts()) compare(script);
}

// The file the simulator loads: a PE32 DLL that exports Linkage and ImportTable and imports
// nothing but system DLLs.
TEST_F(Win32Conformance, TheModuleIsA32BitDllExportingItsTablesAndImportingSystemDllsOnly) {
  const auto dump = testsupport::runShellCommand(
      "i686-w64-mingw32-objdump -p " + quoted((kWin32Dir / "bin" / "NOR_NV36.gau").string()));
  ASSERT_EQ(dump.exitCode, 0) << dump.text();
  const std::set<std::string> system = {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "DSOUND.DLL",
                                        "MSVCRT.DLL"};
  const std::regex exported(R"(^\s*\[\s*\d+\]\s+(\w+)$)");
  std::set<std::string> exports;
  bool dll = false;
  bool pe32 = false;
  for (const std::string& line : dump.lines) {
    std::smatch match;
    if (line == "\tDLL") dll = true;
    if (line.find("(PE32)") != std::string::npos) pe32 = true;
    if (const auto at = line.find("DLL Name: "); at != std::string::npos) {
      std::string name = line.substr(at + 10);
      std::transform(name.begin(), name.end(), name.begin(), ::toupper);
      EXPECT_TRUE(system.count(name) || name.rfind("API-MS-WIN-CRT-", 0) == 0) << name;
    } else if (std::regex_match(line, match, exported)) {
      exports.insert(match[1]);
    }
  }
  EXPECT_TRUE(dll && pe32) << dump.text();
  EXPECT_EQ(exports, (std::set<std::string>{"ImportTable", "Linkage"}));
}

}  // namespace
