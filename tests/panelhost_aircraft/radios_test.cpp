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
  EXPECT_EQ(vars_.kind(tok::kCom1), panelhost::VarKind::Integer);
  send(0x100AB, 0x2152);  // 121.525
  EXPECT_EQ(bcd(value(tok::kCom1)), 0x2152u);
  send(0x100AB, 0x1850);  // and back: a swap there and back restores it
  EXPECT_EQ(bcd(value(tok::kCom1)), 0x1850u);
  send(0x100AC, 0x1030);
  send(0x100AD, 0x0800);
  EXPECT_EQ(bcd(value(tok::kNav1)), 0x1030u);
  EXPECT_EQ(bcd(value(tok::kNav2)), 0x0800u);
  send(0x100AD, 0x1795);
  EXPECT_EQ(bcd(value(tok::kNav2)), 0x1795u);
}

TEST_F(Radios, FrequenciesThatAreNoBcdOrOutOfBandAreRefused) {
  for (std::uint32_t wrong : {0x21A0u, 0x1799u, 0x3700u, 0x12152u, 0xFFFFFFFFu})
    send(0x100AB, wrong);
  EXPECT_EQ(bcd(value(tok::kCom1)), 0x1850u);
  for (std::uint32_t wrong : {0x0799u, 0x1800u, 0x10F0u}) send(0x100AC, wrong);
  EXPECT_EQ(bcd(value(tok::kNav1)), 0x1030u);
  send(0x100B2, 0x650);
  EXPECT_EQ(bcd(value(tok::kAdfFrequency)), 0x650u);
  send(0x100B2, 0x6A0);
  send(0x100B2, 0x1650);
  EXPECT_EQ(bcd(value(tok::kAdfFrequency)), 0x650u);
  send(0x101FF, 261);
  EXPECT_EQ(value(tok::kAdfExtension), 261);
}

TEST_F(Radios, TransponderDigitsCountOctallyAndWrap) {
  send(0x10073);  // 1200 -> 2200
  EXPECT_EQ(bcd(value(tok::kTransponder)), 0x2200u);
  for (int i = 0; i < 6; ++i) send(0x10074);  // hundreds 2 -> 7 -> 0
  EXPECT_EQ(bcd(value(tok::kTransponder)), 0x2000u);
  send(0x10075);
  send(0x10076);
  EXPECT_EQ(bcd(value(tok::kTransponder)), 0x2011u);
}

TEST_F(Radios, CourseAndHeadingKnobsTurnAroundTheCompass) {
  write(0x2D, 359);
  send(0x1007F);
  EXPECT_EQ(value(0x2D), 0);
  send(0x1007E);
  EXPECT_EQ(value(0x2D), 359);
  write(0x6B, 0);
  send(0x10158);
  EXPECT_EQ(value(0x6B), 359);
  send(0x10081);
  EXPECT_EQ(value(0x36), 91);
}

}  // namespace
}  // namespace aircraft_test
