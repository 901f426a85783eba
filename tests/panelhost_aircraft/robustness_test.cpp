// Whatever a script sets or a module sends, the aircraft keeps going: values that are no
// number, infinite or absurd are read as something usable, and once released every token the
// aircraft moves is finite again. The tables agree with each other.
#include <set>

#include "aircraft_fixture.h"

namespace aircraft_test {
namespace {

using panelhost::aircraftEventHandlers;
using panelhost::aircraftTokens;

const double kBadValues[] = {std::nan(""), INFINITY, -INFINITY, 1e308, -1e308, 4e9};

// The tokens the aircraft moves itself at every step.
const ID32 kMovedTokens[] = {
    tok::kEngineSpeed,  tok::kManifoldPressure, tok::kFuelFlow,    tok::kOilTemperature,
    tok::kOilPressure,  tok::kCylinderHead,     tok::kSuction,     tok::kAmperes,
    tok::kAirspeed,     tok::kAltitude,         tok::kHeading,     tok::kCompass,
    tok::kFlapPosition, tok::kNoseGear,         tok::kClockSecond, tok::kClockHour};

using BadValues = CruiseTest;

TEST_F(BadValues, EveryTokenRecoversFromEveryBadValue) {
  for (double bad : kBadValues) {
    aircraft_.reset(panelhost::AircraftStart::Cruise);
    for (const auto& token : aircraftTokens()) vars_.pin(token.token, bad);
    fly(2);
    for (const auto& handler : aircraftEventHandlers()) aircraft_.onKeyEvent(handler.event, 1);
    for (const auto& token : aircraftTokens()) vars_.release(token.token);
    fly(2);
    // Tokens the aircraft only keeps (switches, settings) hold what they were given; every
    // value it moves itself is finite again, and the engine within its limits.
    for (ID32 moved : kMovedTokens)
      EXPECT_TRUE(std::isfinite(value(moved))) << std::hex << moved << " after " << bad;
    EXPECT_GE(value(tok::kEngineSpeed), 0) << bad;
    write(tok::kEngineSpeedScale, 16384);
    fly(1);
    EXPECT_LE(rpm(), 4000) << bad;
  }
}

TEST_F(BadValues, MovedTokensAreFiniteWhileOthersAreBad) {
  for (double bad : kBadValues) {
    aircraft_.reset(panelhost::AircraftStart::Cruise);
    for (ID32 input :
         {tok::kThrottle, tok::kPropeller, tok::kMixture, tok::kMagnetos, tok::kEngineSpeedScale,
          tok::kFuelSelector, tok::kAltitude, tok::kVerticalSpeed, tok::kTurnRate, tok::kFlapHandle,
          tok::kGearHandle, tok::kCowlFlaps, tok::kBatteryMaster})
      vars_.pin(input, bad);
    fly(5);
    for (ID32 moved : kMovedTokens) {
      if (!vars_.pinned(moved)) {
        EXPECT_TRUE(std::isfinite(value(moved))) << std::hex << moved << " with " << bad;
      }
    }
    EXPECT_TRUE(std::isfinite(value(tok::kLeftQuantity)));
    EXPECT_GE(value(tok::kLeftQuantity), 0);
    EXPECT_GE(value(tok::kHeading), 0);
    EXPECT_LT(value(tok::kHeading), 360);
  }
}

TEST_F(BadValues, ExtremeEventValuesStayWithinTheirRanges) {
  for (std::uint32_t extreme : {0u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
    for (const auto& handler : aircraftEventHandlers())
      aircraft_.onKeyEvent(handler.event, extreme);
    for (ID32 lever : {tok::kThrottle, tok::kPropeller, tok::kMixture}) {
      EXPECT_GE(value(lever), 0);
      EXPECT_LE(value(lever), 16383);
    }
    EXPECT_LE(value(tok::kAdfExtension), 265);
    EXPECT_LE(panelhost::toUint32(value(tok::kTransponderCode)), 0x7777u);
  }
  send(evt::kThrottleSet, 0xFFFFFFFF);  // a lever dragged past its lower stop arrives as -1
  EXPECT_EQ(value(tok::kThrottle), 0);
}

TEST_F(BadValues, StepsThatAreNoTimeDoNothing) {
  const double altitude = value(tok::kAltitude);
  write(tok::kVerticalSpeed, 256);
  for (double seconds : {0.0, -1.0, std::nan(""), double(INFINITY), -double(INFINITY)})
    aircraft_.step(seconds);
  EXPECT_EQ(aircraft_.elapsedSeconds(), 0);
  EXPECT_EQ(value(tok::kAltitude), altitude);
  aircraft_.step(1e12);  // a long jump lands on the limits, not beyond them
  EXPECT_LE(value(tok::kAltitude), 100000);
  EXPECT_GE(value(tok::kLeftQuantity), 0);
  EXPECT_LT(value(tok::kClockHour), 24);
  EXPECT_TRUE(std::isfinite(rpm()));
}

TEST(AircraftTables, TokensAndEventsAreListedOnceAndEveryEventMovesAListedToken) {
  std::set<ID32> tokens;
  for (const auto& token : aircraftTokens()) {
    EXPECT_TRUE(tokens.insert(token.token).second) << std::hex << token.token;
    EXPECT_NE(std::string(token.meaning), "");
  }
  std::set<ID32> events;
  for (const auto& handler : aircraftEventHandlers()) {
    EXPECT_TRUE(events.insert(handler.event).second) << std::hex << handler.event;
    EXPECT_NE(std::string(handler.meaning), "");
    if (handler.action.kind == panelhost::EventAction::Kind::Special) {
      EXPECT_NE(handler.action.special, nullptr);
    } else {
      EXPECT_TRUE(tokens.count(handler.action.token)) << std::hex << handler.event;
    }
  }
}

TEST(AircraftTables, ResetReleasesPinsAndRestoresTheStart) {
  panelhost::VariableStore vars;
  panelhost::SimulatedAircraft aircraft(vars);
  vars.pin(tok::kBatteryMaster, 0);
  vars.pin(tok::kEngineSpeed, 0);
  aircraft.reset(panelhost::AircraftStart::Cruise);
  EXPECT_FALSE(vars.pinned(tok::kBatteryMaster));
  EXPECT_EQ(vars.value(tok::kBatteryMaster), 1);
  aircraft.reset(panelhost::AircraftStart::Cold);
  for (const auto& token : aircraftTokens()) EXPECT_EQ(vars.value(token.token), token.cold);
  EXPECT_EQ(panelhost::aircraftStartNamed("cold"), panelhost::AircraftStart::Cold);
  EXPECT_EQ(panelhost::aircraftStartNamed("warm"), std::nullopt);
}

}  // namespace
}  // namespace aircraft_test
