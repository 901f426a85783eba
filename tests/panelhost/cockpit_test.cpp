// The cockpit window: zoomed clicks and tooltips land on the same gauge point, the flight keys
// move the controls they are bound to, pause holds simulated time, title and status line, the
// tooltip names for the product module's help ids, and the command line without a panel.
#include <gtest/gtest.h>

#include <QHelpEvent>
#include <QProcess>
#include <QTest>
#include <QToolTip>
#include <cmath>
#include <set>

#include "gauges/sim_ids.h"
#include "host_fixture.h"
#include "panelhost/cockpit_keys.h"
#include "panelhost/cockpit_status.h"
#include "panelhost/cockpit_title.h"
#include "panelhost/cockpit_window.h"
#include "panelhost/help_texts.h"

using namespace panelhost;
using namespace panelhost_test;

TEST_F(HostTest, EveryZoomRoutesClicksAndTooltipsToTheSameGaugePoint) {
  const QSize panel = host_->panelSize();
  struct Case {
    Zoom zoom;
    QSize widget;  // Fit only: the size it is given
    double scale;
    QPointF offset;
  };
  for (const Case& c :
       {Case{Zoom::Actual, {}, 1, {}}, Case{Zoom::Double, {}, 2, {}},
        Case{Zoom::Fit, {panel.width() * 3, panel.height() * 2}, 2, {panel.width() / 2.0, 0}}}) {
    SCOPED_TRACE(int(c.zoom));
    PanelWindow window(*host_);
    window.setZoom(c.zoom);
    if (c.zoom == Zoom::Fit) window.resize(c.widget);
    window.show();
    const auto at = [&](QPoint panelPoint) {
      const QPointF centre = c.offset + (QPointF(panelPoint) + QPointF(0.5, 0.5)) * c.scale;
      return QPoint(int(centre.x()), int(centre.y()));
    };
    const QPoint knob = gauge("KNOB").placement.topLeft();
    QTest::mouseClick(&window, Qt::LeftButton, {}, at(knob + QPoint(4, 5)));
    ASSERT_EQ(host_->events().size(), 1u);
    EXPECT_EQ(host_->takeEvents()[0].value, 4005u);
    QHelpEvent help(QEvent::ToolTip, at(knob + QPoint(27, 27)), {});
    QApplication::sendEvent(&window, &help);
    EXPECT_EQ(QToolTip::text(), QString::fromUtf8(kUnnamedHelpText));
  }
}

// Whole zooms copy pixels: each panel pixel becomes a 2 x 2 block of the same colour.
TEST_F(HostTest, DoubleZoomIsCrisp) {
  PanelWindow window(*host_);
  window.setZoom(Zoom::Double);
  const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage expected = host_->panelImage()
                              .convertToFormat(QImage::Format_RGB32)
                              .scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
  EXPECT_EQ(shown, expected);
}

// Each key of the map, pressed on the panel, moves the control it names the way it says; the
// keypad keys only from the keypad, and the conventions easiest to get backwards hold.
TEST_F(HostTest, FlightKeysMoveTheirControls) {
  PanelWindow window(*host_);
  SimulatedAircraft& aircraft = host_->aircraft();
  for (const CockpitKey& key : cockpitKeys()) {
    SCOPED_TRACE(QKeySequence(key.key | int(key.modifiers)).toString().toStdString());
    aircraft.reset(AircraftStart::Cruise);
    const Control control = key.control;
    const double middle = (controlLow(control) + kControlHigh) / 2;
    for (Control axis : {control, Control::Aileron, Control::Rudder})
      setControl(aircraft, axis, middle);
    const double before = controlValue(aircraft, control);
    QTest::keyPress(&window, Qt::Key(key.key), key.modifiers);
    const double after = controlValue(aircraft, control);
    switch (key.does) {
      case CockpitKey::Does::Nudge:
        EXPECT_NEAR(after - before, key.amount, 1e-9);
        break;
      case CockpitKey::Does::SetTo:
      case CockpitKey::Does::HoldAt:
        EXPECT_EQ(after, key.amount);
        break;
      case CockpitKey::Does::Toggle:
        EXPECT_EQ(after, before > 0.5 ? controlLow(control) : kControlHigh);
        break;
      case CockpitKey::Does::Centre:
        for (Control axis : {Control::Elevator, Control::Aileron, Control::Rudder})
          EXPECT_EQ(controlValue(aircraft, axis), 0);
        break;
    }
    QTest::keyRelease(&window, Qt::Key(key.key), key.modifiers);
    if (key.does == CockpitKey::Does::HoldAt) {
      EXPECT_EQ(controlValue(aircraft, control), 0);
    }
    if (key.modifiers & Qt::KeypadModifier) {
      setControl(aircraft, control, middle);
      QTest::keyPress(&window, Qt::Key(key.key), key.modifiers & ~Qt::KeypadModifier);
      EXPECT_EQ(controlValue(aircraft, control), middle) << "not from the keypad";
    }
  }
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    Control control;
    int sign;
  } kConventions[] = {{Qt::Key_Up, Qt::KeypadModifier, Control::Elevator, -1},
                      {Qt::Key_Home, {}, Control::ElevatorTrim, -1},
                      {Qt::Key_0, Qt::KeypadModifier, Control::Rudder, -1},
                      {Qt::Key_F7, {}, Control::Flaps, 1}};
  for (const auto& c : kConventions) {
    aircraft.reset(AircraftStart::Cruise);
    const double before = controlValue(aircraft, c.control);
    QTest::keyClick(&window, c.key, c.modifiers);
    EXPECT_EQ(std::copysign(1.0, controlValue(aircraft, c.control) - before), c.sign)
        << int(c.control);
  }
}

TEST_F(HostTest, PauseHoldsSimulatedTimeAndResetStartsItAgain) {
  CockpitWindow window(*host_, AircraftStart::Cruise, "t");
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  const auto advance = [&](int cycles) {
    for (int i = 0; i < cycles; ++i) window.panel().advance();
  };
  advance(36);
  EXPECT_TRUE(window.statusText().contains("Zeit 0:00:02")) << window.statusText().toStdString();
  QTest::keyClick(&window, Qt::Key_P);
  ASSERT_TRUE(window.panel().paused());
  const double seconds = host_->aircraft().elapsedSeconds();
  const std::uint64_t cycle = host_->cycle();
  advance(36);
  EXPECT_EQ(host_->aircraft().elapsedSeconds(), seconds);
  EXPECT_EQ(host_->cycle(), cycle);
  EXPECT_TRUE(window.statusText().endsWith("ANGEHALTEN"));
  QTest::keyClick(&window, Qt::Key_P);
  advance(1);
  EXPECT_GT(host_->aircraft().elapsedSeconds(), seconds);
  host_->vars().write(tok::kAltitude, 1234);
  QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
  EXPECT_TRUE(window.statusText().startsWith("Höhe 3.000 ft")) << window.statusText().toStdString();
  EXPECT_TRUE(window.statusText().contains("Zeit 0:00:00"));
}

TEST(CockpitStatus, ShowsTheAircraftInTheGaugesUnits) {
  VariableStore vars;
  SimulatedAircraft aircraft(vars);
  vars.write(tok::kVerticalSpeed, 256 * 2.54);  // 500 ft/min
  vars.write(tok::kHeading, 5.4);
  EXPECT_EQ(cockpitStatus(vars, 3725.5, false),
            "Höhe 3.000 ft   Fahrt 110 kt   Kurs 005°   Steigen +500 ft/min   Drehzahl 2.320 "
            "U/min   Kraftstoff 38,0 gal   Zeit 1:02:05");
  vars.write(tok::kAltitude, std::nan(""));
  vars.write(tok::kHeading, -90);
  const QString odd = cockpitStatus(vars, 0, true);
  EXPECT_TRUE(odd.startsWith("Höhe –   ") && odd.contains("Kurs 270°") &&
              odd.endsWith("ANGEHALTEN"))
      << odd.toStdString();
}

TEST(CockpitTitle, NamesTheAircraftAndItsPanel) {
  QTemporaryDir dir;
  const std::filesystem::path aircraft = std::filesystem::path(dir.path().toStdString()) / "NV36";
  const auto panel = aircraft / "panel" / "panel.cfg";
  struct Case {
    const char* aircraftCfg;  // null: none
    const char* panelCfg;
    const char* title;
  };
  for (const Case& c : {
           Case{"[fltsim.0]\r\ntitle=Norvane PA28\r\n", "[Window Titles]\nWindow00=Haupt\n",
                "Norvane PA28 - Haupt"},
           Case{"[general]\ntitle=nicht diese\n[FLTSIM.1]\nTitle = Norvane \xC4 \n", "",
                "Norvane Ä"},
           Case{nullptr, "[Window Titles]\nWindow01=Nebenpanel\n", "NV36"},
       }) {
    std::filesystem::remove(aircraft / "AIRCRAFT.CFG");
    if (c.aircraftCfg) writeFile(aircraft / "AIRCRAFT.CFG", c.aircraftCfg);
    writeFile(panel, c.panelCfg);
    EXPECT_EQ(cockpitTitle(panel, std::nullopt), QString::fromUtf8(c.title));
  }
  EXPECT_EQ(cockpitTitle(std::nullopt, "/x/NOR_NV36.gau"), "NOR_NV36");
}

#ifdef NOR_NV36_PATH
// The names come from the module as loaded, so a help id added to a gauge without a name fails.
TEST(CockpitTooltips, NameEveryHelpIdOfTheProductModule) {
  qputenv("ALSOFT_DRIVERS", "null");
  PanelCore core;
  std::string error;
  ASSERT_TRUE(core.loadModule(NOR_NV36_PATH, error)) << error;
  std::set<ID32> ids;
  for (const auto& gauge : core.gauges())
    for (const MouseArea& area : gauge->mouse.areas())
      if (area.record->help_id != 0) ids.insert(area.record->help_id);
  EXPECT_GT(ids.size(), 30u);
  for (ID32 id : ids) EXPECT_NE(helpText(id), kUnnamedHelpText) << std::hex << id;
}
#endif

TEST(CockpitCommandLine, HelpListsTheKeysAndNoArgumentsIsAUsageError) {
  QProcess process;
  process.start(PANELHOST_EXE, {"--help"});
  ASSERT_TRUE(process.waitForFinished(30000));
  EXPECT_EQ(process.exitCode(), 0);
  EXPECT_TRUE(process.readAllStandardOutput().contains("\nkeys:\n"));
  for (const QStringList& arguments : {QStringList{}, QStringList{"--aircraft", "cold"}}) {
    process.start(PANELHOST_EXE, arguments);
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(process.readAllStandardError().startsWith("usage: panelhost"));
  }
}
