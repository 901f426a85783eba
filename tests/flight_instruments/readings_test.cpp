// What each instrument shows for the simulator's values: the callbacks' formulas, their limits,
// power, and values that are not numbers, infinite, negative or huge.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "instrument_panel.h"

namespace {

using instruments_test::InstrumentPanel;
using instruments_test::ScriptRun;
// For each input: `setup` with the input set on `token`, one update, then the element's reading.
std::vector<double> readingsFor(const InstrumentPanel& panel, const std::string& setup,
                                const std::string& token, const std::vector<std::string>& inputs,
                                const std::string& gauge, const std::string& depth) {
  std::string body = setup;
  for (const std::string& input : inputs)
    body += "set " + token + " " + input + "\nupdate\nvalue " + gauge + " " + depth + "\n";
  const ScriptRun run = panel.run(body);
  const auto values = run.values(gauge, depth);
  EXPECT_EQ(values.size(), inputs.size()) << run.all();
  return values;
}

void expectReadings(const std::vector<double>& actual, const std::vector<double>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    if (std::isinf(expected[i])) {
      EXPECT_EQ(actual[i], expected[i]) << "input " << i;
    } else {
      EXPECT_NEAR(actual[i], expected[i], 1e-6 * std::max(1.0, std::abs(expected[i])))
          << "input " << i;
    }
  }
}

class InstrumentReadings : public ::testing::Test {
 protected:
  InstrumentPanel panel;
};

TEST_F(InstrumentReadings, TachometerScalesByItsScalerAndStopsAt3500) {
  expectReadings(
      readingsFor(panel, "set 0x9A 65536\n", "0x87",
                  {"2345", "0", "3499.5", "3500", "9000", "1e300", "nan", "inf"}, "RPM", "1"),
      {2345, 0, 3499.5, 3500, 3500, 3500, 0, 3500});
  // Half the scaler halves the reading; no scaler gives no reading, whatever the speed.
  expectReadings(
      readingsFor(panel, "set 0x87 3000\n", "0x9A", {"32768", "0", "nan", "-0"}, "RPM", "1"),
      {1500, 0, 0, 0});
  expectReadings(readingsFor(panel, "set 0x9A 0\n", "0x87", {"inf", "-inf", "1e308"}, "RPM", "1"),
                 {0, 0, 0});
  // The speed is read afresh on each update: a new scaler shows at once.
  const ScriptRun run = panel.run(
      "set 0x87 2000\nset 0x9A 65536\nupdate\nvalue RPM 1\nset 0x9A 131072\nupdate\n"
      "value RPM 1\n");
  EXPECT_EQ(run.values("RPM", "1"), (std::vector<double>{2000, 3500}));
}

TEST_F(InstrumentReadings, ManifoldPressureAndFuelFlowStopAtTheirScaleEnds) {
  expectReadings(
      readingsFor(panel, "", "0x98", {"0", "26624", "40960", "1e12", "nan", "-inf"}, "MAP", "2"),
      {0, 26, 40, 40, 0, 0});
  expectReadings(
      readingsFor(panel, "", "0x89", {"0", "11.5", "24", "30", "nan", "inf"}, "MAP", "1"),
      {0, 11.5, 24, 24, 0, 24});
}

TEST_F(InstrumentReadings, FuelGaugesShowPercentOfTheirOwnTank) {
  const std::string tanks = "set 0x124 40\nset 0x12A 20\nset 0x12F 5\n";
  expectReadings(readingsFor(panel, tanks, "0x130", {"10", "40", "60", "-3", "nan", "inf", "1e308"},
                             "FL1", "1"),
                 {25, 100, 100, 0, 0, 100, 100});
  // The right gauge reads the right tank, whatever the left one holds.
  expectReadings(readingsFor(panel, tanks, "0x130", {"10", "30"}, "FL2", "1"), {25, 25});
  expectReadings(readingsFor(panel, tanks, "0x12F", {"15", "0"}, "FL2", "1"), {75, 0});
  // A tank without a (sensible) capacity reads empty.
  expectReadings(
      readingsFor(panel, "set 0x130 10\n", "0x124", {"0", "-5", "nan", "inf"}, "FL1", "1"),
      {0, 0, 0, 0});
}

TEST_F(InstrumentReadings, FuelGaugesNeedPowerFromBatteryOrRunningAlternator) {
  const std::string full = "set 0x124 40\nset 0x130 20\nset 0x12A 40\nset 0x12F 30\n";
  const ScriptRun run = panel.run(full +
                                  "set 0x16C 0\nset 0x16B 0\nupdate 2\nvalue FL1 1\nvalue FL2 1\n"
                                  "set 0x16C 1\nupdate 2\nvalue FL1 1\nvalue FL2 1\n"
                                  "set 0x16C 0\nset 0x16B 1\nset 0x87 3100\nupdate 3\n"
                                  "value FL1 1\nvalue FL2 1\n");
  EXPECT_EQ(run.values("FL1", "1"), (std::vector<double>{0, 50, 50}));
  EXPECT_EQ(run.values("FL2", "1"), (std::vector<double>{0, 75, 75}));
  // The alternator alone, with the engine stopped, powers nothing.
  const ScriptRun stopped =
      panel.run(full + "set 0x16C 0\nset 0x16B 1\nset 0x87 0\nupdate 3\nvalue FL1 1\n");
  EXPECT_EQ(stopped.value("FL1", "1"), 0.0);
}

TEST_F(InstrumentReadings, FlapIndicatorShowsTheFlapPositionAsItIs) {
  expectReadings(
      readingsFor(panel, "", "0x14A", {"0", "8190", "16384", "20000", "nan", "inf"}, "FLID", "1"),
      {0, 8190, 16384, 20000, 0, 16384});
}

TEST_F(InstrumentReadings, VerticalSpeedTurnsMetresPerSecondIntoFeetPerMinute) {
  expectReadings(
      readingsFor(panel, "", "0x41", {"0", "256", "-1300", "6000", "-6000", "nan", "inf", "-inf"},
                  "VSI", "1"),
      {0, 196.8503937007874, -999.6309055118109, 4000, -4000, 0, 4000, -4000});
}

TEST_F(InstrumentReadings, SuctionNeedlesAndAirspeedStopAtTheirScaleEnds) {
  const auto upper = readingsFor(panel, "", "0x161", {"4.5", "7", "12", "nan"}, "VAC", "1");
  const auto lower = readingsFor(panel, "", "0x161", {"4.5", "7", "12", "nan"}, "VAC", "2");
  expectReadings(upper, {4.5, 7, 7, 0});
  EXPECT_EQ(upper, lower);
  expectReadings(readingsFor(panel, "", "0x3D", {"0", "123", "200", "450", "nan"}, "ASI", "1"),
                 {0, 123, 200, 200, 0});
}

TEST_F(InstrumentReadings, AltimeterHandsTurnOncePerTheirHeightAndDrumFollowsTheSetting) {
  const std::vector<std::string> feet = {"0", "250", "3000", "12345", "nan", "inf"};
  expectReadings(readingsFor(panel, "", "0x4A", feet, "ALT", "4"), {-90, 0, 990, 4354.2, -90, -90});
  expectReadings(readingsFor(panel, "", "0x4A", feet, "ALT", "3"),
                 {-90, -81, 18, 354.42, -90, -90});
  expectReadings(readingsFor(panel, "", "0x4A", feet, "ALT", "2"),
                 {-90, -89.1, -79.2, -45.558, -90, -90});
  expectReadings(readingsFor(panel, "", "0x4C", {"29.92", "27.5", "32.5", "nan"}, "ALT", "1:y"),
                 {29.92, 27.5, 32.5, 0});
  expectReadings(readingsFor(panel, "", "0x4C", {"29.92", "nan"}, "ALT", "1:x"), {1, 1});
}

TEST_F(InstrumentReadings, CompassCardRunsAgainstTheHeadingAndRestsOutsideItsRange) {
  expectReadings(
      readingsFor(panel, "", "0x53",
                  {"0", "360", "90", "359.5", "-10", "400", "nan", "inf", "-inf"}, "WCMP", "1"),
      {360, 0, 270, 0.5, 0, 0, 360, 0, 0});
}

TEST_F(InstrumentReadings, TurnRateNeedleIsLimitedAndNeedsPower) {
  expectReadings(
      readingsFor(panel, "", "0x46", {"450", "-900", "2000", "-2000", "nan", "inf"}, "TURN", "5"),
      {450, -900, 900, -900, 0, 900});
  const ScriptRun run = panel.run(
      "set 0x46 300\nset 0x16C 0\nset 0x16B 0\nupdate 2\nvalue TURN 5\nvalue TURN 1\n"
      "set 0x16C 1\nupdate\nvalue TURN 5\nvalue TURN 1\n");
  EXPECT_EQ(run.values("TURN", "5"), (std::vector<double>{0, 300}));
  // The flag drops without power (its one image) and is not drawn with it.
  EXPECT_EQ(run.values("TURN", "1"), (std::vector<double>{1, -1}));
}

TEST_F(InstrumentReadings, EngineDialsConvertAndClampTheirReadings) {
  expectReadings(
      readingsFor(panel, "", "0x92", {"212", "32", "0", "900", "nan", "-inf"}, "ENG", "1"),
      {100, 0, 0, 250, 0, 0});
  expectReadings(readingsFor(panel, "", "0x93", {"9362", "0", "-40", "1e9", "nan"}, "ENG", "2"),
                 {9362 * 0.008544921, 0, 0, 125, 0});
  expectReadings(readingsFor(panel, "", "0x94", {"17874", "0", "-1", "1e300", "nan"}, "ENG", "3"),
                 {17874 * 0.003356933, 0, 0, 100, 0});
}

TEST_F(InstrumentReadings, AmmeterMultipliesChargeByFiveAndKeepsDischargeAsItIs) {
  // With the engine stopped the charge pulse cannot come; readings follow the value alone.
  expectReadings(readingsFor(panel, "set 0x87 0\n", "0x2EF",
                             {"0", "2", "5.9", "7", "-4", "-31", "nan", "inf", "-inf"}, "ENG", "4"),
                 {0, 10, 29.5, 30, -4, -30, 0, 30, -30});
}

}  // namespace
