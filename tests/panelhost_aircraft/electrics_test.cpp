// The electrics: switch events flip their switches, the battery carries the load the switches
// put on it, and the alternator charges back what the battery gave once the engine turns.
#include "aircraft_fixture.h"

namespace aircraft_test {
namespace {

using Electrics = AircraftTest;

TEST_F(Electrics, SwitchEventsFlipTheirSwitches) {
  const struct {
    ID32 event;
    ID32 token;
  } switches[] = {{evt::kBatteryMasterToggle, tok::kBatteryMaster},
                  {evt::kAlternatorToggle, tok::kAlternator},
                  {evt::kAvionicsMasterToggle, tok::kAvionicsMaster},
                  {evt::kLandingLightToggle, tok::kLandingLight},
                  {evt::kTaxiLightToggle, tok::kTaxiLight},
                  {evt::kNavigationLightsToggle, tok::kNavigationLights},
                  {evt::kBeaconToggle, tok::kBeacon},
                  {evt::kStrobesToggle, tok::kStrobes},
                  {evt::kPropDeIceToggle, tok::kPropDeIce},
                  {evt::kPitotHeatToggle, tok::kPitotHeat},
                  {evt::kSmallSwitch2Toggle, tok::kSmallSwitch2},
                  {evt::kSmallSwitch6Toggle, tok::kSmallSwitch6}};
  for (const auto& s : switches) {
    EXPECT_EQ(value(s.token), 0) << std::hex << s.token;
    send(s.event);
    EXPECT_EQ(value(s.token), 1) << std::hex << s.token;
    send(s.event);
    EXPECT_EQ(value(s.token), 0) << std::hex << s.token;
  }
  write(tok::kBatteryMaster, 0.5);  // reads as off, as the switch panel truncates it
  send(evt::kBatteryMasterToggle);
  EXPECT_EQ(value(tok::kBatteryMaster), 1);
  send(evt::kPanelLightsOn);
  EXPECT_EQ(value(tok::kPanelLights), 1);
  send(evt::kPanelLightsOff);
  EXPECT_EQ(value(tok::kPanelLights), 0);
}

TEST_F(Electrics, TheBatteryAloneShowsTheLoadAsDischarge) {
  fly(1);
  EXPECT_EQ(amperes(), 0);  // everything off
  send(evt::kBatteryMasterToggle);
  fly(1);
  EXPECT_EQ(amperes(), -2);  // the bus itself
  send(evt::kAvionicsMasterToggle);
  send(evt::kPitotHeatToggle);
  send(evt::kLandingLightToggle);
  fly(1);
  EXPECT_EQ(amperes(), -(2 + 3 + 10 + 8));
  send(evt::kAlternatorToggle);  // the alternator does nothing while the engine stands
  fly(1);
  EXPECT_EQ(amperes(), -(2 + 3 + 10 + 8));
}

TEST_F(Electrics, AfterAStartTheAlternatorChargesBackWhatTheStarterTook) {
  write(tok::kAlternator, 1);
  batteryOnAndStart();
  fly(3.0 / 18);
  EXPECT_LE(amperes(), -100);  // the starter on the battery
  fly(3);
  const double charge = amperes();
  EXPECT_GT(charge, 0.5);
  EXPECT_LE(charge, 6);
  fly(600);
  EXPECT_LT(amperes(), charge);
  EXPECT_NEAR(amperes(), 0.5, 1e-6);  // charged: a trickle

  send(evt::kAlternatorToggle);  // alternator off: the battery carries the bus
  fly(1);
  EXPECT_EQ(amperes(), -2);
  send(evt::kBatteryMasterToggle);  // battery off: no current through the ammeter
  fly(1);
  EXPECT_EQ(amperes(), 0);
}

}  // namespace
}  // namespace aircraft_test
