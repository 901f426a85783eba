// The radios' active frequencies in BCD: the transfer events tune them, frequencies that are
// no BCD or lie outside the band leave them alone; the transponder's octal digits wrap.
#include "aircraft_fixture.h"

namespace aircraft_test {
namespace {

using Radios = CruiseTest;

std::uint32_t bcd(double v) {
  return panelhost::toUint32(v);
}

TEST_F(Radios, TransferEventsSetTheActiveFrequencies) {
  EXPECT_EQ(vars_.kind(tok::kCom1Frequency), panelhost::VarKind::Integer);
  send(evt::kCom1FrequencySet, 0x2152);  // 121.525
  EXPECT_EQ(bcd(value(tok::kCom1Frequency)), 0x2152u);
  send(evt::kCom1FrequencySet, 0x1850);  // and back: a swap there and back restores it
  EXPECT_EQ(bcd(value(tok::kCom1Frequency)), 0x1850u);
  send(evt::kNav1FrequencySet, 0x1030);
  send(evt::kNav2FrequencySet, 0x0800);
  EXPECT_EQ(bcd(value(tok::kNav1Frequency)), 0x1030u);
  EXPECT_EQ(bcd(value(tok::kNav2Frequency)), 0x0800u);
  send(evt::kNav2FrequencySet, 0x1795);
  EXPECT_EQ(bcd(value(tok::kNav2Frequency)), 0x1795u);
}

TEST_F(Radios, FrequenciesThatAreNoBcdOrOutOfBandAreRefused) {
  for (std::uint32_t wrong : {0x21A0u, 0x1799u, 0x3700u, 0x12152u, 0xFFFFFFFFu})
    send(evt::kCom1FrequencySet, wrong);
  EXPECT_EQ(bcd(value(tok::kCom1Frequency)), 0x1850u);
  for (std::uint32_t wrong : {0x0799u, 0x1800u, 0x10F0u}) send(evt::kNav1FrequencySet, wrong);
  EXPECT_EQ(bcd(value(tok::kNav1Frequency)), 0x1030u);
  send(evt::kAdfFrequencySet, 0x650);
  EXPECT_EQ(bcd(value(tok::kAdfFrequency)), 0x650u);
  send(evt::kAdfFrequencySet, 0x6A0);
  send(evt::kAdfFrequencySet, 0x1650);
  EXPECT_EQ(bcd(value(tok::kAdfFrequency)), 0x650u);
  send(evt::kAdfExtensionSet, 261);
  EXPECT_EQ(value(tok::kAdfExtension), 261);
}

TEST_F(Radios, TransponderDigitsCountOctallyAndWrap) {
  send(evt::kTransponderThousandsInc);  // 1200 -> 2200
  EXPECT_EQ(bcd(value(tok::kTransponderCode)), 0x2200u);
  for (int i = 0; i < 6; ++i) send(evt::kTransponderHundredsInc);  // hundreds 2 -> 7 -> 0
  EXPECT_EQ(bcd(value(tok::kTransponderCode)), 0x2000u);
  send(evt::kTransponderTensInc);
  send(evt::kTransponderUnitsInc);
  EXPECT_EQ(bcd(value(tok::kTransponderCode)), 0x2011u);
}

TEST_F(Radios, CourseAndHeadingKnobsTurnAroundTheCompass) {
  write(tok::kNav1Course, 359);
  send(evt::kNav1CourseInc);
  EXPECT_EQ(value(tok::kNav1Course), 0);
  send(evt::kNav1CourseDec);
  EXPECT_EQ(value(tok::kNav1Course), 359);
  write(tok::kHeadingMarker, 0);
  send(evt::kHeadingMarkerDec);
  EXPECT_EQ(value(tok::kHeadingMarker), 359);
  send(evt::kNav2CourseInc);
  EXPECT_EQ(value(tok::kNav2Course), 91);
}

}  // namespace
}  // namespace aircraft_test
