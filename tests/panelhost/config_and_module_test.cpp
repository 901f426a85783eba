// Panel configurations, module lookup and loading, the service table and the gauge lifecycle.
#include <gtest/gtest.h>

#include "gauges/sim_ids.h"
#include "host_fixture.h"
#include "panelhost/number_text.h"
#include "panelhost/panel_config.h"
#include "panelhost/service_table.h"

using namespace panelhost;
using namespace panelhost_test;

TEST(PanelConfig, ReadsWindowsGaugesInNumberOrderAndReportsBadLines) {
  const PanelConfig config = parsePanelConfig(
      "[Window Titles]\nwindow00=Main\n"
      "[Window00]\nsize=640,300\n"
      "gauge01=NOR_NV36!ASI, 160, 20, 147\n"
      "gauge00=NOR_NV36!ALT,10,20\n"
      "gauge02=NOR_NV36, 1, 2\n"
      "gauge03=NOR_NV36!RPM, x, 2\n"
      "gauge04=NOR_NV36!RPM, 1, 2, 0\n"
      "no equals here\n"
      "[WINDOW01]\n"
      "gauge00=OTHER!X, -5, 7, 30, 40\n");
  ASSERT_EQ(config.windows.size(), 2u);
  const auto& main = config.windows[0];
  EXPECT_EQ(main.width, 640);
  EXPECT_EQ(main.height, 300);
  ASSERT_EQ(main.gauges.size(), 2u);
  EXPECT_EQ(main.gauges[0].gauge, "ALT");
  EXPECT_EQ(main.gauges[0].x, 10);
  EXPECT_FALSE(main.gauges[0].width);
  EXPECT_EQ(main.gauges[1].gauge, "ASI");
  EXPECT_EQ(main.gauges[1].width, 147);
  const auto& second = config.windows[1].gauges.at(0);
  EXPECT_EQ(second.module, "OTHER");
  EXPECT_EQ(second.x, -5);
  EXPECT_EQ(second.height, 40);
  ASSERT_EQ(config.problems.size(), 4u);
  EXPECT_EQ(config.problems[0].rfind("line 7:", 0), 0u) << config.problems[0];
  EXPECT_EQ(config.problems[3].rfind("line 10:", 0), 0u) << config.problems[3];
}

TEST(PanelConfig, FindsModulesBesideThePanelThenInTheSimulatorsGaugesFolder) {
  QTemporaryDir dir;
  const std::filesystem::path root = dir.path().toStdString();
  writeFile(root / "GAUGES" / "Nor_NV36.GAU", "x");
  writeFile(root / "Aircraft" / "A" / "Panel" / "local.gau", "x");
  const auto panel = root / "Aircraft" / "A" / "Panel";
  EXPECT_EQ(findModule(panel, "NOR_NV36"), root / "GAUGES" / "Nor_NV36.GAU");
  EXPECT_EQ(findModule(panel, "LOCAL"), panel / "local.gau");
  EXPECT_FALSE(findModule(panel, "missing"));
  EXPECT_FALSE(findModule(panel, "../../../GAUGES/NOR_NV36"));
}

// A CD with both builds leaves the Windows DLL as NOR_NV36.gau and the Linux object beside it.
TEST(PanelConfig, PrefersTheLinuxObjectToTheGauFileInEachFolder) {
  QTemporaryDir dir;
  const std::filesystem::path root = dir.path().toStdString();
  const auto panel = root / "Aircraft" / "A" / "Panel";
  writeFile(root / "Gauges" / "NOR_NV36.gau", "x");
  writeFile(root / "Gauges" / "nor_nv36.SO", "x");
  writeFile(panel / "HERE.gau", "x");
  writeFile(root / "Gauges" / "HERE.so", "x");
  EXPECT_EQ(findModule(panel, "NOR_NV36"), root / "Gauges" / "nor_nv36.SO");
  EXPECT_EQ(findModule(panel, "NOR_NV36.gau"), root / "Gauges" / "nor_nv36.SO");
  EXPECT_EQ(findModule(panel, "HERE"), panel / "HERE.gau");  // the panel folder comes first
}

TEST(Numbers, ParseDecimalAndHexAndPrintShortest) {
  EXPECT_EQ(parseNumber("0x1A"), 26.0);
  EXPECT_EQ(parseNumber("-2.5e1"), -25.0);
  EXPECT_FALSE(parseNumber("12abc"));
  EXPECT_FALSE(parseNumber("0x"));
  for (const char* twoSigns : {"--5", "+-5", "-+5"})
    EXPECT_FALSE(parseNumber(twoSigns)) << twoSigns;
  EXPECT_EQ(parseInteger("-0x10"), -16);
  EXPECT_FALSE(parseInteger("1.5"));
  EXPECT_EQ(formatNumber(0.1 + 0.2), "0.30000000000000004");
  EXPECT_EQ(formatNumber(-0.0), "0");
  EXPECT_EQ(formatNumber(std::nan("")), "nan");
  EXPECT_EQ(formatHex(0xAB07), "0xAB07");
}

TEST(VariableStore, PinnedTokensIgnoreTheAircraftUntilReleased) {
  VariableStore vars;
  vars.define(0x17, VarKind::Integer, 0x1850);
  vars.pin(0x4A, 100);
  vars.write(0x4A, 200);
  EXPECT_EQ(vars.value(0x4A), 100);
  vars.release(0x4A);
  vars.write(0x4A, 200);
  EXPECT_EQ(vars.value(0x4A), 200);

  MODULE_VAR bcd{};
  bcd.id = 0x17;
  vars.fill(bcd);
  EXPECT_EQ(bcd.var_value.d, 0x1850u);
  MODULE_VAR number{};
  number.id = 0x4A;
  vars.fill(number);
  EXPECT_EQ(number.var_value.n, 200);
  EXPECT_EQ(toUint32(-1), 0xFFFFFFFFu);
  EXPECT_EQ(toUint32(std::nan("")), 0u);
}

TEST(SimulatedAircraft, ActsOnKeyEventsAndStepsInSimulatedTime) {
  VariableStore vars;
  SimulatedAircraft aircraft(vars);
  EXPECT_TRUE(aircraft.onKeyEvent(evt::kAltimeterSettingInc, 0));
  EXPECT_NEAR(vars.value(tok::kAltimeterSetting), 29.93, 1e-9);
  EXPECT_TRUE(aircraft.onKeyEvent(evt::kTransponderThousandsInc, 1));  // 1200 -> 2200
  EXPECT_EQ(toUint32(vars.value(tok::kTransponderCode)), 0x2200u);
  for (int i = 0; i < 8; ++i) aircraft.onKeyEvent(evt::kTransponderUnitsInc, 1);  // 0 -> 7 -> 0
  EXPECT_EQ(toUint32(vars.value(tok::kTransponderCode)), 0x2200u);
  EXPECT_FALSE(aircraft.onKeyEvent(0x99999, 0));

  vars.write(tok::kThrottle, 16383);   // full throttle: the engine spools up towards 2700 rpm
  vars.pin(tok::kVerticalSpeed, 256);  // 1 m/s climb, held as a script's "set" holds it
  const double altitude = vars.value(tok::kAltitude);
  for (int i = 0; i < 18 * 20; ++i) aircraft.step(SimulatedAircraft::kCycleSeconds);
  // The engine speed in revolutions per minute, through its scale.
  EXPECT_NEAR(vars.value(tok::kEngineSpeed) * vars.value(tok::kEngineSpeedScale) / 65536, 2700, 5);
  EXPECT_NEAR(vars.value(tok::kAltitude) - altitude, 20 * 3.28084, 0.01);
  EXPECT_NEAR(aircraft.elapsedSeconds(), 20, 1e-6);
}

TEST(GaugeModuleLoad, RefusesMissingFilesNonElfFilesAndLibrariesWithoutExports) {
  QTemporaryDir dir;
  const std::filesystem::path root = dir.path().toStdString();
  std::string error;
  EXPECT_FALSE(GaugeModule::load(root / "none.gau", error));
  EXPECT_NE(error.find("not found"), std::string::npos) << error;

  writeFile(root / "text.gau", "MZ this is no shared object");
  EXPECT_FALSE(GaugeModule::load(root / "text.gau", error));
  EXPECT_NE(error.find("not a shared object"), std::string::npos) << error;

  writeFile(root / "broken.gau", std::string("\x7F"
                                             "ELF",
                                             4) +
                                     std::string(60, '\0'));
  EXPECT_FALSE(GaugeModule::load(root / "broken.gau", error));
  EXPECT_NE(error.find("cannot be loaded"), std::string::npos) << error;

  EXPECT_FALSE(GaugeModule::load(QTP_WINAPI_PATH, error));
  EXPECT_NE(error.find("exports no Linkage"), std::string::npos) << error;
}

TEST(GaugeModuleLoad, WritesTheServiceTableAndListsGaugesInTableOrder) {
  std::string error;
  auto module = GaugeModule::load(testModulePath(), error);
  ASSERT_TRUE(module) << error;
  auto* imports = static_cast<IMPORT_TABLE*>(dlsym(module->handle(), "ImportTable"));
  EXPECT_EQ(imports->panels.pointer, serviceTable());
  ASSERT_EQ(module->gauges().size(), 5u);
  EXPECT_STREQ(module->gauges()[0]->gauge_name, "DIAL");
  EXPECT_STREQ(module->gauges()[4]->gauge_name, "KNOB");
  EXPECT_EQ(module->gauge("knob"), module->gauges()[4]);
  EXPECT_EQ(module->gauge("NONE"), nullptr);
}

TEST_F(HostTest, LoadingAPanelReportsUnknownGaugesAndModulesAndLoadsTheRest) {
  const auto panel = temp() / "panel" / "panel.cfg";
  std::filesystem::create_directories(panel.parent_path());
  std::filesystem::copy_file(testModulePath(), panel.parent_path() / "TESTGAUGES.gau");
  writeFile(panel,
            "[Window00]\nsize=300,200\n"
            "gauge00=TESTGAUGES!DIAL, 0, 0\n"
            "gauge01=TESTGAUGES!NOPE, 10, 0\n"
            "gauge02=MISSING!DIAL, 20, 0\n"
            "gauge03=testgauges!lamp, 100, 50, 40\n");
  PanelHost host;
  std::string error;
  std::vector<std::string> warnings;
  ASSERT_TRUE(host.loadPanel(panel, error, warnings)) << error;
  ASSERT_EQ(warnings.size(), 2u);
  EXPECT_NE(warnings[0].find("has no gauge NOPE"), std::string::npos) << warnings[0];
  EXPECT_NE(warnings[1].find("MISSING not found"), std::string::npos) << warnings[1];
  ASSERT_EQ(host.gauges().size(), 2u);
  EXPECT_EQ(host.gauges()[1]->placement, QRect(100, 50, 40, 40));  // height kept in proportion
  EXPECT_EQ(host.panelSize(), QSize(300, 200));
  EXPECT_FALSE(host.loadPanel(temp() / "absent.cfg", error, warnings));
}

TEST_F(HostTest, EachElementCallbackRunsExactlyOncePerCycle) {
  // The module's own routines forward to the element-list services with the first gauge's
  // list, and the host walks every gauge itself: neither may add calls.
  host_->runCycles(7);
  EXPECT_EQ(counter<int>("test_needle_calls"), 7);
  EXPECT_EQ(host_->elementListCalls().at(27), 5 * 7);  // one update routine per gauge and cycle
  EXPECT_EQ(host_->elementListCalls().at(25), 5);      // installed once each
}

TEST_F(HostTest, GaugeCallbackSeesInstallEveryUpdateAndKill) {
  host_->runCycles(3);
  int* services = &counter<int>("test_gauge_services");
  EXPECT_EQ(services[GAUGE_SERVICE_POST_INSTALL], 1);
  EXPECT_EQ(services[GAUGE_SERVICE_PRE_UPDATE], 3);
  EXPECT_EQ(services[GAUGE_SERVICE_PRE_KILL], 0);
  void* keep = dlopen(TEST_GAUGES_PATH, RTLD_NOW | RTLD_NOLOAD);
  host_.reset();
  EXPECT_EQ(services[GAUGE_SERVICE_PRE_KILL], 1);
  dlclose(keep);
}

TEST_F(HostTest, ACallOfAnUnofferedServiceSlotIsReported) {
  counter<int>("test_call_bad_slot") = 1;
  host_->runCycles(1);
  const auto errors = host_->takeServiceErrors();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("slot 10"), std::string::npos) << errors[0];
  counter<int>("test_call_bad_slot") = 0;
}
