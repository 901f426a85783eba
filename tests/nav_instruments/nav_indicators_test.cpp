// The HSI's card-relative pointers, its show and hide decisions and flags, the second CDI's
// to-from window, and both instruments' double knobs.
#include <cmath>
#include <limits>

#include "instrument_probe.h"

namespace {

using namespace nav_test;
using namespace tok;
using radio_test::Event;

enum HsiDepth { Card = 1, Marker, Course, Bar, Arrow, Hdg, Nav = 8, GsFlag, GsPointer, GsScale };

TEST(Hsi, PointersRideTheCardRelativeToTheHeading) {
  RadioPanel panel;
  panel.set(kNav1Deviation, -7);
  const double toFrom[] = {1, 2, 7}, arrow[] = {20, -160, 50};
  for (int i = 0; i < 3; ++i) {
    settle(panel,
           {{kHeading, 30}, {kHeadingMarker, 100}, {kNav1Course, 50}, {kNav1ToFrom, toFrom[i]}});
    EXPECT_EQ(reading(panel, "HSI", Arrow), arrow[i]) << toFrom[i];
  }
  const double expected[] = {330, 160, 20, -7, 20};
  const double shown[] = {reading(panel, "HSI", Card), reading(panel, "HSI", Marker),
                          reading(panel, "HSI", Course), reading(panel, "HSI", Bar, X),
                          reading(panel, "HSI", Bar, Angle)};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(shown[i], expected[i]) << i;
}

// Headings and courses at the far ends of the numbers: their differences must not overflow.
TEST(Hsi, PointersStayFiniteForHeadingsAndCoursesOfAnySize) {
  RadioPanel panel;
  const double huge = std::numeric_limits<double>::max();
  settle(panel, {{kHeading, -huge}, {kHeadingMarker, huge}, {kNav1Course, huge}, {kNav1ToFrom, 2}});
  for (int depth : {Marker, Course, Arrow})
    EXPECT_TRUE(std::isfinite(reading(panel, "HSI", depth)));
  EXPECT_TRUE(std::isfinite(reading(panel, "HSI", Bar, Angle)));
}

TEST(Hsi, GaugeCallbackShowsArrowAndGlideSlopeOnlyWhereTheReceiverGivesThem) {
  RadioPanel panel;
  const double toFrom[] = {0, 1, 2, 0, 2, 7, -1}, flags[] = {0, 0, 0x40, 0x40, 0xBF, 0, 0};
  const double valid[] = {1, 1, 1, 0.5, 0, kNaN, kInf};
  const char* hides[] = {"a", "", "as", "asp", "p", "ap", "ap"};  // arrow, scale, pointer
  for (int i = 0; i < 7; ++i) {
    settle(panel, {{kNav1ToFrom, toFrom[i]}, {kNav1Flags, flags[i]}, {kGlideSlopeValid, valid[i]}});
    const std::string hid = std::string(hidden(panel, "HSI", Arrow) ? "a" : "") +
                            (hidden(panel, "HSI", GsScale) ? "s" : "") +
                            (hidden(panel, "HSI", GsPointer) ? "p" : "");
    EXPECT_EQ(hid, hides[i]) << i;
  }
}

TEST(Hsi, GlideSlopeFlagShowsOnLocalizerChannelsWithoutSignal) {
  RadioPanel panel;
  const UINT32 bcd[] = {0x1030, 0x1020, 0x1210, 0x0810, 0x1190, 0x1195, 0x1030, 0x1030, 0xFFFFFFFF};
  const double signal[] = {0, 0, 0, 0, 0, 0, 1, kNaN, 0}, flag[] = {1, -1, -1, 1, 1, -1, -1, 1, -1};
  for (int i = 0; i < 9; ++i) {
    settle(panel, {{kNav1Frequency, bcd[i]}, {kNav1Signal, signal[i]}});
    EXPECT_EQ(reading(panel, "HSI", GsFlag), flag[i]) << std::hex << bcd[i];
  }
}

TEST(NavIndicators, FlagsComeIntoViewWithoutSignalWarningOrAvionics) {
  RadioPanel panel;
  settle(panel, {{kNav1Signal, 1}, {kWarning, 0}, {kNav2Course, 20}});
  EXPECT_EQ(reading(panel, "HSI", Nav) + reading(panel, "HSI", Hdg), -2);
  EXPECT_EQ(reading(panel, "CDI2", 2), 340);
  settle(panel, {{kNav1Signal, 0}, {kWarning, 2}});
  EXPECT_EQ(reading(panel, "HSI", Nav) + reading(panel, "HSI", Hdg), 2);
  // The CDI's window: to, from, off; anything else shows nothing; off without avionics.
  const double states[] = {1, 2, 0, 7, kNaN, 4294967295.0}, images[] = {0, 1, 2, -1, 2, -1};
  for (int i = 0; i < 6; ++i) {
    settle(panel, {{kNav2ToFrom, states[i]}, {kAvionicsMaster, 1}, {kNav1Signal, 1}});
    EXPECT_EQ(reading(panel, "CDI2", 3), images[i]) << states[i];
    settle(panel, {{kAvionicsMaster, 0}});
    EXPECT_EQ(reading(panel, "CDI2", 3) + reading(panel, "HSI", Nav), 2 + 1);
  }
}

TEST(NavIndicators, DoubleKnobsSendTheirEventsUpToTheirEdges) {
  using namespace evt;
  RadioPanel panel;
  const char* gauge[] = {"HSI", "HSI", "HSI", "HSI", "HSI", "HSI", "CDI2", "CDI2", "CDI2"};
  const int x[] = {30, 31, 122, 151, 46, 137, 0, 18, 36},
            y[] = {140, 121, 140, 121, 130, 141, 117, 147, 116};
  // clang-format off
  const ID32 sent[] = {kHeadingMarkerDec, kHeadingMarkerInc, kNav1CourseDec, kNav1CourseInc, 0, 0,
                       kNav2CourseDec, kNav2CourseInc, 0};  // 0: no knob takes the click
  // clang-format on
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(panel.clickAt(gauge[i], x[i], y[i]), sent[i] != 0) << i;
    const Event event = {sent[i], gauge[i][0] == 'C' ? 1u : 0u};  // the CDI's knob sends 1
    EXPECT_EQ(panel.events(), sent[i] ? std::vector<Event>{event} : std::vector<Event>{}) << i;
    EXPECT_EQ(panel.sounds(), sent[i] ? std::vector<int>{118} : std::vector<int>{}) << i;
  }
  panel.update();
  EXPECT_EQ(panel.token(kNav1Course) + panel.token(kNav2Course), 180);  // down, up
}

// No callback of these gauges returns NaN, whatever any token holds. The sliders and the
// horizon's bank have none: the host draws those tokens as they are.
TEST(NavInstruments, BadTokenValuesNeverReachADrawingValue) {
  RadioPanel panel;
  for (const double bad : {kNaN, kInf, -kInf, -1e300}) {
    for (ID32 token = 1; token < 0x400; ++token) panel.set(token, bad);
    panel.update(2);
    for (const char* gauge : {"ADI", "RMI", "RMSW", "OMI", "HSI", "CDI2"})
      for (int depth = 1; elementOf(panel, gauge, depth) != nullptr; ++depth)
        for (const Axis axis : {X, Y, Angle}) {
          const bool raw = elementOf(panel, gauge, depth)->element_type == ELEMENT_TYPE_SLIDER ||
                           (gauge[0] == 'A' && axis == Angle);
          EXPECT_TRUE(raw || !std::isnan(reading(panel, gauge, depth, axis))) << gauge << depth;
        }
  }
}

}  // namespace
