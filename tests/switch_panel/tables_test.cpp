// The switch gauges' element chains and mouse lists as a host reads them from the built module.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "gauges/panel_records.h"
#include "gauges/sim_ids.h"

namespace {

const GAUGEHDR* findGauge(const char* name) {
  static void* handle = dlopen(NOR_NV36_PATH, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) return nullptr;
  const auto* linkage = static_cast<const LINKAGE_HEAD*>(dlsym(handle, "Linkage"));
  if (linkage == nullptr) return nullptr;
  for (PGAUGEHDR const* gauge = linkageGaugeTable(linkage); *gauge != nullptr; ++gauge)
    if (std::strcmp((*gauge)->gauge_name, name) == 0) return *gauge;
  return nullptr;
}

std::vector<const ELEMENT_HEADER*> chainOf(const GAUGEHDR& gauge) {
  std::vector<const ELEMENT_HEADER*> chain;
  for (const ELEMENT_HEADER* e = gauge.elements_list[0]; e != nullptr && chain.size() < 64;
       e = e->next_element ? e->next_element[0] : nullptr) {
    chain.push_back(e);
    if (e->next_element) {
      EXPECT_EQ(e->next_element[1], nullptr) << "a chain, not a tree";
    }
  }
  return chain;
}

// The token an element shows: an icon's source, a slider's x source, a moving image's y.
ID32 shownToken(const ELEMENT_HEADER& e) {
  switch (e.element_type) {
    case ELEMENT_TYPE_ICON:
      return reinterpret_cast<const ELEMENT_ICON&>(e).source_var.id;
    case ELEMENT_TYPE_SLIDER:
      return reinterpret_cast<const ELEMENT_SLIDER&>(e).source_var_x.id;
    case ELEMENT_TYPE_MOVING_IMAGE:
      return reinterpret_cast<const ELEMENT_MOVING_IMAGE&>(e).source_var_y.id;
    default:
      return 0;
  }
}

struct Element {
  UINT32 type;
  SINT32 bitmap;
  PIXPOINT at;
  FLAGS32 flags;
  UINT32 images;  // icons only
  ID32 token;
};

constexpr UINT32 S = ELEMENT_TYPE_STATIC_IMAGE, I = ELEMENT_TYPE_ICON, L = ELEMENT_TYPE_SLIDER,
                 M = ELEMENT_TYPE_MOVING_IMAGE;

void expectChain(const char* name, const std::vector<Element>& expected,
                 const FAILURE_RECORD* lastFailure = nullptr) {
  SCOPED_TRACE(name);
  const GAUGEHDR* gauge = findGauge(name);
  ASSERT_NE(gauge, nullptr);
  const auto chain = chainOf(*gauge);
  ASSERT_EQ(chain.size(), expected.size());
  for (std::size_t depth = 0; depth < chain.size(); ++depth) {
    SCOPED_TRACE("depth " + std::to_string(depth));
    const ELEMENT_HEADER& e = *chain[depth];
    EXPECT_EQ(e.element_type, expected[depth].type);
    EXPECT_EQ(e.resource_id, expected[depth].bitmap);
    EXPECT_EQ(e.position.x, expected[depth].at.x);
    EXPECT_EQ(e.position.y, expected[depth].at.y);
    EXPECT_EQ(e.image_flags, expected[depth].flags);
    EXPECT_EQ(e.gauge_header, gauge);
    EXPECT_EQ(shownToken(e), expected[depth].token);
    if (e.element_type == ELEMENT_TYPE_ICON) {
      EXPECT_EQ(reinterpret_cast<const ELEMENT_ICON&>(e).num_icons, expected[depth].images);
    }
    const bool last = depth + 1 == chain.size();
    if (last && lastFailure != nullptr) {
      ASSERT_NE(e.failure_systems, nullptr);
      EXPECT_EQ(e.failure_systems[0].key, lastFailure->key);
      EXPECT_EQ(e.failure_systems[0].action, lastFailure->action);
      EXPECT_EQ(e.failure_systems[1].key, 0u);
    } else {
      EXPECT_EQ(e.failure_systems, nullptr);
    }
  }
}

TEST(SwitchPanelTables, SwitchPanelChainFromBackgroundOutwards) {
  expectChain("SWIT", {{S, 296, {0, 0}, 0x1, 0, 0},
                       {S, 297, {0, 0}, 0x4003, 0, 0},
                       {I, 324, {604, 27}, 0x3, 5, 0},
                       {I, 324, {521, 27}, 0x3, 5, 0},
                       {S, 329, {515, 23}, 0x4003, 0, 0},
                       {I, 304, {18, 21}, 0x3, 5, tok::kMagnetos},
                       {L, 314, {740, 41}, 0x4003, 0, tok::kCowlFlaps},
                       {I, 311, {831, 22}, 0x3, 3, tok::kFlapHandle},
                       {M, 309, {654, 30}, 0x4003, 0, tok::kElevatorTrim},
                       {I, 302, {981, 28}, 0x3, 2, 0},
                       {I, 298, {143, 20}, 0x3, 2, tok::kAlternator},
                       {I, 298, {111, 20}, 0x3, 2, tok::kBatteryMaster},
                       {I, 300, {413, 21}, 0x3, 2, tok::kLandingLight},
                       {I, 300, {373, 21}, 0x3, 2, tok::kTaxiLight},
                       {I, 300, {334, 21}, 0x3, 2, tok::kNavigationLights},
                       {I, 300, {295, 21}, 0x3, 2, tok::kBeacon},
                       {I, 300, {255, 21}, 0x3, 2, tok::kStrobes},
                       {I, 298, {180, 20}, 0x3, 2, tok::kPropDeIce},
                       {I, 298, {216, 20}, 0x3, 2, tok::kPitotHeat}});
}

TEST(SwitchPanelTables, KeySliderAndTabCarryTheirKindsFields) {
  const GAUGEHDR* gauge = findGauge("SWIT");
  ASSERT_NE(gauge, nullptr);
  const auto chain = chainOf(*gauge);
  ASSERT_GT(chain.size(), 8u);
  const auto& key = reinterpret_cast<const ELEMENT_ICON&>(*chain[5]);
  EXPECT_EQ(key.switch_type, 3u);
  EXPECT_NE(key.update_cb, nullptr);
  const auto& cowl = reinterpret_cast<const ELEMENT_SLIDER&>(*chain[6]);
  EXPECT_EQ(cowl.source_var_y.id, tok::kCowlFlaps);
  EXPECT_DOUBLE_EQ(cowl.scale_x, 19.0);
  EXPECT_DOUBLE_EQ(cowl.scale_y, 26.0);
  const auto& tab = reinterpret_cast<const ELEMENT_MOVING_IMAGE&>(*chain[8]);
  EXPECT_DOUBLE_EQ(tab.min_y, 16384.0);
  EXPECT_DOUBLE_EQ(tab.max_y, -16384.0);
  ASSERT_NE(tab.update_x_cb, nullptr);
  EXPECT_EQ(tab.update_x_cb(const_cast<ELEMENT_HEADER*>(chain[8])), 1.0);
  // The other icons switch plainly.
  for (std::size_t depth : {2u, 3u, 7u, 9u, 10u, 11u, 12u, 18u})
    EXPECT_EQ(reinterpret_cast<const ELEMENT_ICON&>(*chain[depth]).switch_type, 0u) << depth;
}

TEST(SwitchPanelTables, PedestalAvionicsAndToggleChains) {
  expectChain("THR1", {{S, 220, {0, 0}, 0x1, 0, 0},
                       {S, 221, {0, 0}, 0x4001, 0, 0},
                       {I, 224, {19, 10}, 0x3, 2, 0},
                       {I, 222, {193, 5}, 0x3, 2, 0}});
  expectChain("AVMA",
              {{S, 233, {0, 0}, 0x1, 0, 0}, {I, 234, {12, 24}, 0x3, 2, tok::kAvionicsMaster}});
  const FAILURE_RECORD lampFailure = {20, 2};
  const std::pair<const char*, SINT32> toggles[] = {
      {"TOG2", 191}, {"TOG3", 193}, {"TOG4", 195}, {"TOG5", 197}, {"TOG6", 200}};
  for (const auto& [name, plate] : toggles) {
    const SINT32 lamp = plate == 200 ? 201 : plate + 1;
    expectChain(name, {{S, plate, {0, 0}, 0x1, 0, 0}, {I, lamp, {0, 0}, 0x3, 1, 0}}, &lampFailure);
  }
}

struct MouseCounts {
  const char* gauge;
  std::size_t records;  // with the end of the list
  std::size_t withFunction;
  std::size_t repeating;
};

TEST(SwitchPanelTables, MouseListsHoldEveryAreaWithItsClickKind) {
  for (const MouseCounts& expected : {MouseCounts{"SWIT", 31, 22, 8}, MouseCounts{"THR1", 6, 3, 2},
                                      MouseCounts{"AVMA", 4, 1, 0}, MouseCounts{"TOG4", 4, 1, 0}}) {
    SCOPED_TRACE(expected.gauge);
    const GAUGEHDR* gauge = findGauge(expected.gauge);
    ASSERT_NE(gauge, nullptr);
    std::size_t records = 0, withFunction = 0, repeating = 0;
    for (const MOUSERECT* r = gauge->mouse_rect; records < 64; ++r) {
      ++records;
      if (r->rect_type == MOUSE_RECT_EOL) break;
      if (r->mouse_function == nullptr) continue;
      ++withFunction;
      EXPECT_EQ(r->rect_type, MOUSE_RECT_CHILD);
      EXPECT_EQ(r->mouse_flags & ~MOUSE_REPEAT_WHILE_HELD, MOUSE_LEFT_SINGLE);
      EXPECT_NE(r->cursor, CURSOR_NONE);
      if (r->mouse_flags & MOUSE_REPEAT_WHILE_HELD) ++repeating;
    }
    EXPECT_EQ(records, expected.records);
    EXPECT_EQ(withFunction, expected.withFunction);
    EXPECT_EQ(repeating, expected.repeating);
  }
}

}  // namespace
