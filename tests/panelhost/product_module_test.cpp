// The product's gauge module under the host: all 44 gauges bound, run, drawn and killed.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "host_fixture.h"

using namespace panelhost;
using namespace panelhost_test;

#ifdef NOR_NV36_PATH

TEST(ProductModule, BindsAll44GaugesRunsThemAndRendersThePanel) {
  ensureGuiApp();
  qputenv("ALSOFT_DRIVERS", "null");  // sound through OpenAL's null device
  QTemporaryDir dir;
  const std::filesystem::path root = dir.path().toStdString();
  const auto panelFolder = root / "FS2000" / "Aircraft" / "NV36" / "Panel";
  std::filesystem::create_directories(root / "FS2000" / "Gauges");
  std::filesystem::copy_file(NOR_NV36_PATH, root / "FS2000" / "Gauges" / "NOR_NV36.gau");
  std::string config = "[Window00]\nsize=1024,768\n";
  {
    std::string error;
    auto module = GaugeModule::load(NOR_NV36_PATH, error);
    ASSERT_TRUE(module) << error;
    ASSERT_EQ(module->gauges().size(), 44u);
    for (std::size_t i = 0; i < module->gauges().size(); ++i) {
      config += "gauge" + std::to_string(i) + "=NOR_NV36!" + module->gauges()[i]->gauge_name +
                ", " + std::to_string((i % 6) * 170) + ", " + std::to_string((i / 6) * 100) + "\n";
    }
  }
  writeFile(panelFolder / "panel.cfg", config);

  PanelHost host;
  std::string error;
  std::vector<std::string> warnings;
  ASSERT_TRUE(host.loadPanel(panelFolder / "panel.cfg", error, warnings)) << error;
  EXPECT_TRUE(warnings.empty()) << warnings.front();
  ASSERT_EQ(host.gauges().size(), 44u);
  for (const auto& gauge : host.gauges()) EXPECT_FALSE(gauge->size.isEmpty()) << gauge->name;
  host.runCycles(20);
  EXPECT_TRUE(host.takeServiceErrors().empty());
  const QImage panel = host.renderPanel();
  EXPECT_EQ(panel.size(), QSize(1024, 768));
  const auto png = root / "panel.png";
  ASSERT_TRUE(panel.save(QString::fromStdString(png.string()), "PNG"));
  EXPECT_GT(std::filesystem::file_size(png), 1000u);
  const Gauge* alt = host.findGauge("ALT");
  ASSERT_NE(alt, nullptr);
  EXPECT_EQ(host.help(*alt, QPoint(70, 70)).helpId, 0xAB07u);
}

// Switching the battery on and starting the engine changes some gauges and leaves others; the
// panel drawn only where gauges changed must equal the panel drawn afresh after every step.
TEST(ProductModule, ChangedOnlyRedrawEqualsFullRedraw) {
  ensureGuiApp();
  qputenv("ALSOFT_DRIVERS", "null");
  PanelHost host;
  std::string error;
  ASSERT_TRUE(host.loadModule(NOR_NV36_PATH, error)) << error;
  host.aircraft().reset(AircraftStart::Cold);
  host.runCycles(2);
  host.redrawPanel(Redraw::Full);
  const QRegion whole(QRect(QPoint(0, 0), host.panelSize()));
  Gauge& switches = *host.findGauge("SWIT");
  Gauge& throttle = *host.findGauge("THR1");
  int partial = 0;
  const std::vector<std::function<void()>> steps = {
      [&] { host.click(switches, QPoint(125, 45), MOUSE_LEFT_SINGLE); },
      [&] { host.click(throttle, QPoint(210, 30), MOUSE_LEFT_SINGLE); },
      [&] { host.hold(switches, QPoint(80, 50), 60); },
      [&] { host.runCycles(40); },
  };
  for (const auto& step : steps) {
    step();
    host.runCycles(1);
    const QRegion changed = host.redrawPanel(Redraw::Changed);
    partial += !changed.isEmpty() && changed != whole;
    const QImage image = host.panelImage();
    EXPECT_EQ(image, host.renderPanel(Redraw::Full));
  }
  EXPECT_GE(partial, 3);
}

#endif
