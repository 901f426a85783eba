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
  } switches[] = {
      {0x102C1, tok::kBattery},      {0x102C2, tok::kAlternator}, {0x102F5, tok::kAvionics},
      {0x100D7, tok::kLandingLight}, {0x102C0, tok::kTaxiLight},  {0x1034B, tok::kNavigationLights},
      {0x102BF, tok::kBeacon},       {0x10018, tok::kStrobes},    {0x10023, tok::kPropDeIce},
      {0x10142, tok::kPitotHeat},    {0x10173, tok::kToggle2},    {0x10178, tok::kToggle6}};
  for (const auto& s : switches) {
    EXPECT_EQ(value(s.token), 0) << std::hex << s.token;
    send(s.event);
    EXPECT_EQ(value(s.token), 1) << std::hex << s.token;
    send(s.event);
    EXPECT_EQ(value(s.token), 0) << std::hex << s.token;
  }
  write(tok::kBattery, 0.5);  // reads as off, as the switch panel truncates it
  send(0x102C1);
  EXPECT_EQ(value(tok::kBattery), 1);
  send(0x10208);
  EXPECT_EQ(value(tok::kPanelLights), 1);
  send(0x10209);
  EXPECT_EQ(value(tok::kPanelLights), 0);
}

TEST_F(Electrics, TheBatteryAloneShowsTheLoadAsDischarge) {
  fly(1);
  EXPECT_EQ(amperes(), 0);  // everything off
  send(0x102C1);
  fly(1);
  EXPECT_EQ(amperes(), -2);  // the bus itself
  send(0x102F5);
  send(0x10142);
  send(0x100D7);
  fly(1);
  EXPECT_EQ(amperes(), -(2 + 3 + 10 + 8));
  send(0x102C2);  // the alternator does nothing while the engine stands
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

  send(0x102C2);  // alternator off: the battery carries the bus
  fly(1);
  EXPECT_EQ(amperes(), -2);
  send(0x102C1);  // battery off: no current through the ammeter
  fly(1);
  EXPECT_EQ(amperes(), 0);
}

}  // namespace
}  // namespace aircraft_test
