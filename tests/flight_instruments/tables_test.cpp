// The round instruments' records as a host reads them from the built module: element chains,
// needles with their pivots and dial tables, failure lists, image flags and mouse lists.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "gauges/sim_ids.h"
#include "module_tables.h"

namespace {

using instruments_test::chainOf;
using instruments_test::elementOf;
using instruments_test::findGauge;

ID32 tokenOf(const ELEMENT_HEADER& e) {
  switch (e.element_type) {
    case ELEMENT_TYPE_NEEDLE:
      return reinterpret_cast<const ELEMENT_NEEDLE&>(e).source_var.id;
    case ELEMENT_TYPE_ICON:
      return reinterpret_cast<const ELEMENT_ICON&>(e).source_var.id;
    case ELEMENT_TYPE_SLIDER:
      return reinterpret_cast<const ELEMENT_SLIDER&>(e).source_var_x.id;
    case ELEMENT_TYPE_MOVING_IMAGE: {
      const auto& m = reinterpret_cast<const ELEMENT_MOVING_IMAGE&>(e);
      return m.source_var_x.id != 0 ? m.source_var_x.id : m.source_var_y.id;
    }
    default:
      return 0;
  }
}

struct Failure {
  UINT32 key;
  UINT32 action;
};

struct Element {
  UINT32 type;
  SINT32 bitmap;
  PIXPOINT at;
  FLAGS32 flags;
  ID32 token = 0;
  std::optional<Failure> failure = std::nullopt;
  PIXPOINT pivot = {0, 0};  // needles
};

constexpr UINT32 S = ELEMENT_TYPE_STATIC_IMAGE, N = ELEMENT_TYPE_NEEDLE, L = ELEMENT_TYPE_SLIDER,
                 I = ELEMENT_TYPE_ICON, M = ELEMENT_TYPE_MOVING_IMAGE;
constexpr Failure kDimmed{20, 2}, kDark{20, 0}, kCompass{12, 1};

void expectChain(const char* name, const std::vector<Element>& expected) {
  SCOPED_TRACE(name);
  const GAUGEHDR* gauge = findGauge(name);
  ASSERT_NE(gauge, nullptr);
  const auto chain = chainOf(*gauge);
  ASSERT_EQ(chain.size(), expected.size());
  for (const ELEMENT_HEADER* e : chain)
    if (e->next_element) {
      EXPECT_EQ(e->next_element[1], nullptr) << "a chain, not a tree";
    }
  for (std::size_t depth = 0; depth < chain.size(); ++depth) {
    SCOPED_TRACE("depth " + std::to_string(depth));
    const ELEMENT_HEADER& e = *chain[depth];
    const Element& want = expected[depth];
    EXPECT_EQ(e.element_type, want.type);
    EXPECT_EQ(e.resource_id, want.bitmap);
    EXPECT_EQ(e.position.x, want.at.x);
    EXPECT_EQ(e.position.y, want.at.y);
    EXPECT_EQ(e.image_flags, want.flags);
    EXPECT_EQ(e.aux_image_flags, 0u);
    EXPECT_EQ(e.gauge_header, gauge);
    EXPECT_EQ(tokenOf(e), want.token);
    EXPECT_EQ(e.ofs.x, want.pivot.x);
    EXPECT_EQ(e.ofs.y, want.pivot.y);
    if (want.failure) {
      ASSERT_NE(e.failure_systems, nullptr);
      EXPECT_EQ(e.failure_systems[0].key, want.failure->key);
      EXPECT_EQ(e.failure_systems[0].action, want.failure->action);
      EXPECT_EQ(e.failure_systems[1].key, 0u);
    } else {
      EXPECT_EQ(e.failure_systems, nullptr);
    }
  }
}

TEST(InstrumentChains, EngineDialsFromTheBackgroundOutwards) {
  expectChain("RPM", {{S, 101, {0, 0}, 0x4001, 0, kDimmed},
                      {N, 102, {67, 67}, 0x4003, tok::kEngineSpeed, kDimmed, {21, 5}}});
  expectChain("MAP", {{S, 103, {0, 0}, 0x4001, 0, kDimmed},
                      {N, 104, {70, 70}, 0x4003, tok::kFuelFlow, kDimmed, {32, 9}},
                      {N, 104, {70, 70}, 0x4003, tok::kManifoldPressure, kDimmed, {32, 9}}});
  for (const char* fuel : {"FL1", "FL2"}) {
    expectChain(fuel, {{S, 105, {0, 0}, 0x4001, 0, kDimmed},
                       {N, 107, {43, 58}, 0x4003, 0, kDimmed, {10, 4}},
                       {S, 106, {23, 50}, 0x3}});
  }
  expectChain("FLID", {{S, 108, {0, 0}, 0x4001, 0, kDimmed},
                       {N, 107, {16, 39}, 0x4003, tok::kFlapPosition, kDimmed, {0, 4}}});
  expectChain("ENG", {{S, 132, {0, 0}, 0x4001, 0, kDimmed},
                      {N, 134, {34, 45}, 0x4003, tok::kCylinderHead, kDimmed, {17, 4}},
                      {N, 134, {100, 45}, 0x4003, tok::kOilTemperature, kDimmed, {17, 4}},
                      {N, 134, {100, 110}, 0x4003, tok::kOilPressure, kDimmed, {17, 4}},
                      {N, 134, {34, 110}, 0x4003, tok::kAmperes, kDimmed, {17, 4}},
                      {S, 133, {0, 0}, 0x3},
                      {I, 135, {119, 115}, 0x3},
                      {I, 135, {53, 115}, 0x3},
                      {I, 135, {119, 50}, 0x3},
                      {I, 135, {53, 50}, 0x3}});
}

TEST(InstrumentChains, FlightInstrumentsFromTheBackgroundOutwards) {
  expectChain("ALT", {{S, 110, {0, 0}, 0x4001},
                      {M, 115, {109, 61}, 0x4003, tok::kAltimeterSetting},
                      {N, 113, {72, 74}, 0x4003, tok::kAltitude, kDark, {30, 5}},
                      {N, 112, {72, 74}, 0x4003, tok::kAltitude, kDark, {31, 6}},
                      {N, 111, {72, 74}, 0x4003, tok::kAltitude, kDark, {33, 4}},
                      {S, 117, {9, 121}, 0x3},
                      {S, 114, {67, 69}, 0x3}});
  expectChain("VSI", {{S, 119, {0, 0}, 0x4001, 0, kDark},
                      {N, 120, {71, 71}, 0x4003, tok::kVerticalSpeed, kDark, {34, 4}},
                      {S, 114, {66, 66}, 0x3}});
  expectChain("ASI", {{S, 124, {0, 0}, 0x4001, 0, kDark},
                      {N, 120, {71, 71}, 0x4003, tok::kAirspeed, kDark, {34, 4}},
                      {S, 114, {67, 67}, 0x3}});
  expectChain("VAC", {{S, 121, {0, 0}, 0x4001, 0, kDimmed},
                      {N, 123, {55, 55}, 0x3, tok::kSuction, kDimmed, {8, 7}},
                      {N, 122, {55, 55}, 0x4003, tok::kSuction, kDimmed, {8, 7}}});
  expectChain("TURN", {{S, 125, {0, 0}, 0x4001},
                       {I, 323, {12, 42}, 0x3, tok::kSuction},
                       {L, 127, {58, 62}, 0x4003, tok::kTurnBall, kDimmed},
                       {L, 127, {58, 62}, 0x4003, tok::kTurnBall, kDimmed},
                       {S, 128, {54, 59}, 0x3},
                       {N, 126, {64, 45}, 0x4003, tok::kTurnRate, kDimmed, {4, 4}}});
  expectChain("WCMP", {{S, 129, {0, 0}, 0x1}, {M, 130, {5, 5}, 0x4003, tok::kCompass, kCompass}});
}

struct DialTable {
  const char* gauge;
  std::size_t depth;
  std::vector<NONLINEARITY> points;  // degrees left at 0 as in the file
};

// The dials that two needles or two gauges read.
const std::vector<NONLINEARITY> kFuelDial = {
    {{9, 32}, 0, 0}, {{31, 20}, 25, 0}, {{43, 17}, 50, 0}, {{62, 22}, 75, 0}, {{77, 32}, 100, 0}};
const std::vector<NONLINEARITY> kSuctionDial = {{{8, 56}, 0, 0},  {{20, 23}, 3, 0},
                                                {{41, 10}, 4, 0}, {{67, 10}, 5, 0},
                                                {{88, 22}, 6, 0}, {{96, 32}, 7, 0}};

// Every dial's table, point for point, so that a needle and its printed dial agree.
const DialTable kDialTables[] = {
    {"RPM",
     1,
     {{{26, 121}, 0, 0},
      {{3, 87}, 500, 0},
      {{7, 40}, 1000, 0},
      {{40, 8}, 1500, 0},
      {{88, 5}, 2000, 0},
      {{125, 34}, 2500, 0},
      {{133, 83}, 3000, 0},
      {{104, 121}, 3500, 0}}},
    {"MAP",
     2,
     {{{68, 135}, 0, 0},
      {{63, 134}, 10, 0},
      {{28, 120}, 15, 0},
      {{6, 88}, 20, 0},
      {{7, 47}, 25, 0},
      {{29, 16}, 30, 0},
      {{66, 2}, 35, 0},
      {{71, 2}, 40, 0}}},
    {"MAP",
     1,
     {{{71, 3}, 0, 0},
      {{107, 15}, 4, 0},
      {{115, 20}, 6, 0},
      {{122, 28}, 8, 0},
      {{128, 37}, 10, 0},
      {{132, 50}, 12, 0},
      {{136, 65}, 14, 0},
      {{135, 81}, 16, 0},
      {{129, 99}, 18, 0},
      {{116, 117}, 20, 0},
      {{96, 130}, 22, 0},
      {{69, 135}, 24, 0}}},
    {"FL1", 1, kFuelDial},
    {"FL2", 1, kFuelDial},
    {"FLID", 1, {{{61, 18}, 0, 0}, {{69, 44}, 8190, 0}, {{60, 60}, 16384, 0}}},
    {"VSI",
     1,
     {{{132, 69}, -4000, 0},
      {{129, 86}, -3500, 0},
      {{121, 104}, -3000, 0},
      {{98, 124}, -2500, 0},
      {{69, 131}, -2000, 0},
      {{42, 124}, -1500, 0},
      {{22, 108}, -1000, 0},
      {{12, 90}, -500, 0},
      {{8, 69}, 0, 0},
      {{12, 46}, 500, 0},
      {{22, 29}, 1000, 0},
      {{42, 13}, 1500, 0},
      {{69, 6}, 2000, 0},
      {{97, 12}, 2500, 0},
      {{121, 32}, 3000, 0},
      {{129, 50}, 3500, 0},
      {{132, 67}, 4000, 0}}},
    {"VAC", 1, kSuctionDial},
    {"VAC", 2, kSuctionDial},
    {"ASI",
     1,
     {{{73, 11}, 0, 0},
      {{92, 13}, 40, 0},
      {{100, 22}, 50, 0},
      {{109, 28}, 60, 0},
      {{119, 39}, 70, 0},
      {{126, 54}, 80, 0},
      {{129, 71}, 90, 0},
      {{127, 89}, 100, 0},
      {{120, 105}, 110, 0},
      {{106, 119}, 120, 0},
      {{89, 127}, 130, 0},
      {{70, 129}, 140, 0},
      {{51, 125}, 150, 0},
      {{31, 112}, 160, 0},
      {{19, 89}, 170, 0},
      {{18, 61}, 180, 0},
      {{32, 34}, 190, 0},
      {{57, 16}, 200, 0}}},
    {"TURN", 5, {{{20, 22}, -900, 0}, {{64, 4}, 0, 0}, {{112, 22}, 900, 0}}},
    {"ENG",
     1,
     {{{9, 27}, 0, 0},
      {{11, 25}, 50, 0},
      {{21, 19}, 100, 0},
      {{34, 15}, 150, 0},
      {{46, 16}, 200, 0},
      {{59, 22}, 250, 0}}},
    {"ENG",
     2,
     {{{78, 24}, 0, 0},
      {{85, 18}, 25, 0},
      {{94, 14}, 50, 0},
      {{106, 14}, 75, 0},
      {{117, 17}, 100, 0},
      {{125, 20}, 125, 0}}},
    {"ENG",
     3,
     {{{74, 91}, 0, 0},
      {{88, 80}, 25, 0},
      {{98, 78}, 50, 0},
      {{112, 80}, 75, 0},
      {{125, 85}, 100, 0}}},
    {"ENG", 4, {{{8, 85}, -30, 0}, {{33, 77}, 0, 0}, {{59, 85}, 30, 0}}},
};

TEST(InstrumentNeedles, EveryDialNeedleCarriesItsTablePointForPoint) {
  std::vector<const NONLINEARITY*> seen;
  for (const DialTable& dial : kDialTables) {
    SCOPED_TRACE(std::string(dial.gauge) + " depth " + std::to_string(dial.depth));
    const auto* needle = reinterpret_cast<const ELEMENT_NEEDLE*>(elementOf(dial.gauge, dial.depth));
    ASSERT_NE(needle, nullptr);
    ASSERT_EQ(needle->header.element_type, ELEMENT_TYPE_NEEDLE);
    ASSERT_NE(needle->update_cb, nullptr);
    ASSERT_EQ(needle->nonlinearity_table_size, dial.points.size());
    for (std::size_t i = 0; i < dial.points.size(); ++i) {
      const NONLINEARITY& entry = needle->nonlinearity_table[i];
      EXPECT_EQ(entry.pt.x, dial.points[i].pt.x) << "entry " << i;
      EXPECT_EQ(entry.pt.y, dial.points[i].pt.y) << "entry " << i;
      EXPECT_EQ(entry.value, dial.points[i].value) << "entry " << i;
      EXPECT_EQ(entry.degrees, 0.0) << "the host fills the degrees";
    }
    // The host writes degrees into the table for the needle it draws: no two needles share one.
    for (const NONLINEARITY* other : seen) EXPECT_NE(other, needle->nonlinearity_table);
    seen.push_back(needle->nonlinearity_table);
    EXPECT_EQ(needle->max_degrees_per_tick, 6.0) << "dial needles swing";
  }
}

TEST(InstrumentNeedles, AltimeterHandsAreAnglesWithoutTablesAndJump) {
  for (std::size_t depth : {2u, 3u, 4u}) {
    const auto* hand = reinterpret_cast<const ELEMENT_NEEDLE*>(elementOf("ALT", depth));
    ASSERT_NE(hand, nullptr);
    EXPECT_EQ(hand->nonlinearity_table, nullptr) << depth;
    EXPECT_EQ(hand->nonlinearity_table_size, 0u) << depth;
    EXPECT_EQ(hand->max_degrees_per_tick, 0.0) << depth;
    EXPECT_NE(hand->update_cb, nullptr) << depth;
  }
}

TEST(InstrumentNeedles, SlidersIconsAndMovingImagesCarryTheirKindsFields) {
  const auto* drum = reinterpret_cast<const ELEMENT_MOVING_IMAGE*>(elementOf("ALT", 1));
  ASSERT_NE(drum, nullptr);
  EXPECT_EQ(drum->source_var_x.id, 0u);
  EXPECT_EQ(drum->source_var_y.id, tok::kAltimeterSetting);
  EXPECT_DOUBLE_EQ(drum->min_y, 27.99);
  EXPECT_DOUBLE_EQ(drum->max_y, 32.01);
  ASSERT_NE(drum->update_x_cb, nullptr);
  EXPECT_EQ(drum->update_x_cb(const_cast<ELEMENT_HEADER*>(&drum->header)), 1.0);

  const auto* card = reinterpret_cast<const ELEMENT_MOVING_IMAGE*>(elementOf("WCMP", 1));
  ASSERT_NE(card, nullptr);
  EXPECT_DOUBLE_EQ(card->min_x, 0.0);
  EXPECT_DOUBLE_EQ(card->max_x, 360.0);
  EXPECT_EQ(card->source_var_y.id, 0u);
  ASSERT_NE(card->update_y_cb, nullptr);
  EXPECT_EQ(card->update_y_cb(const_cast<ELEMENT_HEADER*>(&card->header)), 1.0);

  const double ballScales[] = {-0.035, 0.035};
  for (std::size_t side = 0; side < 2; ++side) {
    const auto* ball = reinterpret_cast<const ELEMENT_SLIDER*>(elementOf("TURN", 2 + side));
    ASSERT_NE(ball, nullptr);
    EXPECT_EQ(ball->source_var_y.id, tok::kTurnBall);
    EXPECT_DOUBLE_EQ(ball->scale_x, 0.3);
    EXPECT_DOUBLE_EQ(ball->scale_y, ballScales[side]);
  }
  const auto* flag = reinterpret_cast<const ELEMENT_ICON*>(elementOf("TURN", 1));
  ASSERT_NE(flag, nullptr);
  EXPECT_EQ(flag->num_icons, 1u);
  for (std::size_t depth = 6; depth < 10; ++depth) {
    const auto* button = reinterpret_cast<const ELEMENT_ICON*>(elementOf("ENG", depth));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->num_icons, 2u) << depth;
    EXPECT_EQ(button->switch_type, 0u) << depth;
    EXPECT_NE(button->update_cb, nullptr) << depth;
  }
}

struct Area {
  UINT32 type;
  PIXBOX box = {0, 0, 0, 0};
  SINT32 cursor = CURSOR_NONE;
  ID32 help = 0;
  FLAGS32 flags = 0;
  bool function = false;
};

constexpr UINT32 P = MOUSE_RECT_PARENT, C = MOUSE_RECT_CHILD, E = MOUSE_RECT_END_OF_PARENT,
                 Z = MOUSE_RECT_EOL;

void expectMouse(const char* name, const std::vector<Area>& expected) {
  SCOPED_TRACE(name);
  const GAUGEHDR* gauge = findGauge(name);
  ASSERT_NE(gauge, nullptr);
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("record " + std::to_string(i));
    const MOUSERECT& r = gauge->mouse_rect[i];
    const Area& want = expected[i];
    ASSERT_EQ(r.rect_type, want.type);
    if (want.type == E || want.type == Z) continue;
    EXPECT_EQ(r.relative_box.x, want.box.x);
    EXPECT_EQ(r.relative_box.y, want.box.y);
    EXPECT_EQ(r.relative_box.width, want.box.width);
    EXPECT_EQ(r.relative_box.height, want.box.height);
    EXPECT_EQ(r.cursor, want.cursor);
    EXPECT_EQ(r.help_id, want.help);
    EXPECT_EQ(r.mouse_flags, want.flags);
    EXPECT_EQ(r.mouse_function != nullptr, want.function);
    EXPECT_EQ(r.event_id, 0u);
  }
}

constexpr SINT32 kNone = CURSOR_NONE, kHand = CURSOR_HAND;

TEST(InstrumentMouse, AltimeterKnobTurnsBothWaysWhileHeld) {
  expectMouse("ALT", {{P, {0, 0, 0, 0}, kNone, 0xAB07, 0, false},
                      {C, {9, 121, 14, 28}, CURSOR_DOWN_ARROW, 0, 0x20200000, true},
                      {C, {23, 121, 14, 28}, CURSOR_UP_ARROW, 0, 0x20200000, true},
                      {E},
                      {Z}});
}

TEST(InstrumentMouse, EngineClusterQuartersGiveHelpAndButtonsTest) {
  expectMouse("ENG", {{P, {0, 0, 0, 0}, kNone, 0, 0, false},
                      {P, {3, 2, 63, 46}, kNone, 0xAB15, 0, false},
                      {E},
                      {C, {53, 50, 13, 13}, kHand, 0, 0x20000000, true},
                      {P, {69, 2, 63, 46}, kNone, 0xAB4F, 0, false},
                      {E},
                      {C, {119, 50, 13, 13}, kHand, 0, 0x20000000, true},
                      {P, {3, 67, 63, 46}, kNone, 0xAB0B, 0, false},
                      {E},
                      {C, {53, 115, 13, 13}, kHand, 0, 0x20000000, true},
                      {P, {69, 67, 63, 46}, kNone, 0xAB4E, 0, false},
                      {E},
                      {C, {119, 115, 13, 13}, kHand, 0, 0x20000000, true},
                      {E},
                      {Z}});
}

TEST(InstrumentMouse, ManifoldPressureHelpsPerScaleAndTheRestOnlyHelp) {
  expectMouse("MAP", {{P, {0, 0, 0, 0}, kNone, 0, 0, false},
                      {P, {3, 1, 75, 152}, kNone, 0xAB46, 0, false},
                      {E},
                      {P, {78, 1, 75, 152}, kNone, 0xAB28, 0, false},
                      {E},
                      {E},
                      {Z}});
  const std::pair<const char*, ID32> helpOnly[] = {
      {"RPM", 0xAB58}, {"FL1", 0xAB29}, {"FL2", 0xAB2A},  {"FLID", 0xAB24}, {"VSI", 0xAB76},
      {"VAC", 0xAB66}, {"ASI", 0xAB02}, {"TURN", 0xAB71}, {"WCMP", 0xAB77}};
  for (const auto& [name, help] : helpOnly)
    expectMouse(name, {{P, {0, 0, 0, 0}, kNone, help, 0, false}, {E}, {Z}});
}

TEST(InstrumentCallbacks, OnlyTheAltimeterAndTheTurnCoordinatorHaveGaugeCallbacks) {
  for (const char* name :
       {"RPM", "MAP", "FL1", "FL2", "FLID", "VSI", "VAC", "ASI", "WCMP", "ENG"}) {
    const GAUGEHDR* gauge = findGauge(name);
    ASSERT_NE(gauge, nullptr) << name;
    EXPECT_EQ(gauge->gauge_callback, nullptr) << name;
  }
  ASSERT_NE(findGauge("ALT"), nullptr);
  ASSERT_NE(findGauge("TURN"), nullptr);
  EXPECT_NE(findGauge("ALT")->gauge_callback, nullptr);
  EXPECT_NE(findGauge("TURN")->gauge_callback, nullptr);
}

}  // namespace
