#pragma once
// A simulated aircraft on a store of its own, stepped in panel cycles, read through its tokens.
#include <gtest/gtest.h>

#include <cmath>

#include "gauges/sim_ids.h"
#include "panelhost/aircraft.h"

namespace aircraft_test {

class AircraftTest : public ::testing::Test {
 protected:
  explicit AircraftTest(panelhost::AircraftStart start = panelhost::AircraftStart::Cold)
      : aircraft_(vars_, start) {}

  void fly(double seconds) {
    const int cycles = static_cast<int>(std::lround(seconds * 18));
    for (int i = 0; i < cycles; ++i) aircraft_.step(panelhost::SimulatedAircraft::kCycleSeconds);
  }
  void send(ID32 event, std::uint32_t value = 1) {
    EXPECT_TRUE(aircraft_.onKeyEvent(event, value)) << std::hex << event;
  }
  double value(ID32 token) const { return vars_.value(token); }
  void write(ID32 token, double v) { vars_.write(token, v); }

  // Revolutions per minute, from the engine speed token and its scale.
  double rpm() const { return value(tok::kEngineSpeed) * value(tok::kEngineSpeedScale) / 65536; }
  double amperes() const { return value(tok::kAmperes); }

  // Battery on and the key to start, as the switch panel does it.
  void batteryOnAndStart() {
    write(tok::kBatteryMaster, 1);
    send(evt::kMagnetoStart);
  }

  panelhost::VariableStore vars_;
  panelhost::SimulatedAircraft aircraft_;
};

class CruiseTest : public AircraftTest {
 protected:
  CruiseTest() : AircraftTest(panelhost::AircraftStart::Cruise) {}
};

}  // namespace aircraft_test
