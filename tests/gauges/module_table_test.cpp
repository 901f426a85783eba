// The module's exports and its gauge table as a host reads them.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "loaded_module.h"

namespace {

struct ExpectedGauge {
  const char* name;
  SINT32 background;
  ID32 wholeGaugeHelp;
  bool callback;
};

// In table order: the order is the gauges' identity to the host.
const ExpectedGauge kGauges[] = {
    {"RPM", 101, 0xAB58, false},  {"MAP", 103, 0, false},       {"FL1", 105, 0xAB29, false},
    {"FL2", 105, 0xAB2A, false},  {"FLID", 108, 0xAB24, false}, {"ALT", 110, 0xAB07, true},
    {"VSI", 119, 0xAB76, false},  {"VAC", 121, 0xAB66, false},  {"ASI", 124, 0xAB02, false},
    {"TURN", 125, 0xAB71, true},  {"WCMP", 129, 0xAB77, false}, {"ENG", 132, 0, false},
    {"GEAR", 137, 0xAB30, false}, {"DME", 143, 0xA704, false},  {"RMI", 152, 0xAB5A, false},
    {"RMSW", 160, 0, false},      {"ADI", 163, 0xAB0D, false},  {"CLK", 169, 0xAB16, false},
    {"OMI", 170, 0xAB50, false},  {"HSI", 178, 0xAB36, true},   {"TOG2", 191, 0, false},
    {"TOG3", 193, 0, false},      {"TOG4", 195, 0, false},      {"TOG5", 197, 0, false},
    {"TOG6", 200, 0, false},      {"CDI2", 202, 0xAB74, false}, {"CBPL", 209, 0, false},
    {"FSEL", 213, 0xAB2D, false}, {"THR1", 220, 0, false},      {"THR2", 227, 0xAB6C, false},
    {"THR3", 229, 0xAB6A, false}, {"THR4", 231, 0xAB6B, false}, {"THR5", 278, 0, false},
    {"AVMA", 233, 0xAB0F, false}, {"XPDR", 236, 0xA70A, true},  {"ADF", 256, 0xA709, false},
    {"AUDP", 262, 0, true},       {"COM1", 280, 0xA701, false}, {"COM2", 290, 0xA703, false},
    {"NAV1", 292, 0xA700, false}, {"NAV2", 294, 0xA702, false}, {"SWIT", 296, 0, false},
    {"PBRK", 319, 0xAB51, false}, {"WARN", 321, 0, false},
};
constexpr std::size_t kGaugeCount = std::size(kGauges);

// Sub-areas with their own help ids under the whole-gauge parent.
const std::pair<const char*, std::set<ID32>> kSubParentHelp[] = {
    {"MAP", {0xAB46, 0xAB28}},
    {"ENG", {0xAB15, 0xAB4F, 0xAB0B, 0xAB4E}},
    {"SWIT", {0xAB45, 0xAB17, 0xAB53}},
};

TEST(ModuleExports, LinkageAndImportTableHoldTheHostsValues) {
  LoadedModule& module = LoadedModule::get();
  ASSERT_MODULE_LOADED(module);
  EXPECT_EQ(module.linkage->ModuleID, 0x13u);
  ASSERT_NE(module.linkage->ModuleInit, nullptr);
  EXPECT_EQ(module.linkage->ModuleInit, module.linkage->ModuleDeinit);
  module.linkage->ModuleInit();  // does nothing, and may be called
  EXPECT_EQ(module.linkage->ModuleFlags, 0u);
  EXPECT_EQ(module.linkage->ModulePriority, 0u);
  EXPECT_EQ(module.linkage->ModuleVersion, 0u);
  EXPECT_EQ(module.imports->panels.module_id, IMPORT_ID_PANELS);
  EXPECT_EQ(module.imports->terminator.module_id, 0u);
  EXPECT_EQ(module.imports->terminator.pointer, nullptr);
}

TEST(ModuleExports, OnlyTheBindingAndResourceSymbolsAreVisible) {
  LoadedModule& module = LoadedModule::get();
  ASSERT_MODULE_LOADED(module);
  EXPECT_NE(dlsym(module.handle, "qtp_resource_directory"), nullptr);
  for (const char* hidden : {"gauge_RPM", "panelState", "ModuleInit", "failures"})
    EXPECT_EQ(dlsym(module.handle, hidden), nullptr) << hidden;
}

TEST(GaugeTable, HoldsTheFortyFourHeadersInOrderThenNull) {
  LoadedModule& module = LoadedModule::get();
  ASSERT_MODULE_LOADED(module);
  const auto gauges = module.gauges();
  ASSERT_EQ(gauges.size(), kGaugeCount);
  EXPECT_EQ(linkageGaugeTable(module.linkage)[kGaugeCount], nullptr);
  for (std::size_t i = 0; i < kGaugeCount; ++i) {
    SCOPED_TRACE(kGauges[i].name);
    const GAUGEHDR& gauge = *gauges[i];
    ASSERT_NE(gauge.gauge_name, nullptr);
    EXPECT_STREQ(gauge.gauge_name, kGauges[i].name);
    EXPECT_EQ(gauge.gauge_header_version, 700u);
    EXPECT_EQ(gauge.size_x_mm, 100u);
    EXPECT_EQ(gauge.size_y_mm, 0u);
    EXPECT_EQ(gauge.gauge_callback != nullptr, kGauges[i].callback);
    EXPECT_EQ(gauge.host_data, nullptr);
    EXPECT_EQ(gauge.parameters, nullptr);
  }
}

TEST(GaugeTable, EveryHeaderSharesTheSameSevenRoutines) {
  LoadedModule& module = LoadedModule::get();
  ASSERT_MODULE_LOADED(module);
  const GAUGEHDR& first = *module.gauges()[0];
  for (const GAUGEHDR* gauge : module.gauges()) {
    SCOPED_TRACE(gauge->gauge_name);
    EXPECT_NE(gauge->query_routine, nullptr);
    EXPECT_EQ(gauge->query_routine, first.query_routine);
    EXPECT_EQ(gauge->install_routine, first.install_routine);
    EXPECT_EQ(gauge->initialize_routine, first.initialize_routine);
    EXPECT_EQ(gauge->update_routine, first.update_routine);
    EXPECT_EQ(gauge->generate_routine, first.generate_routine);
    EXPECT_EQ(gauge->draw_routine, first.draw_routine);
    EXPECT_EQ(gauge->kill_routine, first.kill_routine);
  }
}

TEST(GaugeTable, EachElementListHoldsOnlyItsBackground) {
  LoadedModule& module = LoadedModule::get();
  ASSERT_MODULE_LOADED(module);
  const auto gauges = module.gauges();
  ASSERT_EQ(gauges.size(), kGaugeCount);
  std::multiset<FLAGS32> backgroundFlags;
  for (std::size_t i = 0; i < kGaugeCount; ++i) {
    SCOPED_TRACE(kGauges[i].name);
    PELEMENT_HEADER* list = gauges[i]->elements_list;
    ASSERT_NE(list, nullptr);
    ASSERT_NE(list[0], nullptr);
    EXPECT_EQ(list[1], nullptr);
    const ELEMENT_HEADER& background = *list[0];
    EXPECT_EQ(background.element_type, ELEMENT_TYPE_STATIC_IMAGE);
    EXPECT_EQ(background.resource_id, kGauges[i].background);
    EXPECT_EQ(background.position.x, 0);
    EXPECT_EQ(background.position.y, 0);
    EXPECT_EQ(background.gauge_header, gauges[i]);
    EXPECT_EQ(background.previous_element, nullptr);
    EXPECT_EQ(background.image_flags & IMAGE_HIDDEN, 0u);
    EXPECT_EQ(background.aux_image_flags, 0u);
    backgroundFlags.insert(background.image_flags);
  }
  // Backgrounds carry 0x1 or, behind the round dials, 0x4001; the clock's is 0x5.
  EXPECT_EQ(backgroundFlags.count(0x4001), 11u);
  EXPECT_EQ(backgroundFlags.count(0x5), 1u);
  EXPECT_EQ(backgroundFlags.count(0x1), kGaugeCount - 12);
}

TEST(GaugeTable, FuelGaugesShareTheirBackgroundBitmap) {
  LoadedModule& module = LoadedModule::get();
  ASSERT_MODULE_LOADED(module);
  const auto gauges = module.gauges();
  ASSERT_EQ(gauges.size(), kGaugeCount);
  EXPECT_EQ(gauges[2]->elements_list[0]->resource_id, 105);
  EXPECT_EQ(gauges[3]->elements_list[0]->resource_id, 105);
  // Shared bitmap, separate records: each background belongs to its own gauge.
  EXPECT_NE(gauges[2]->elements_list[0], gauges[3]->elements_list[0]);
}

TEST(GaugeTable, FailureListsEndWithKeyZero) {
  LoadedModule& module = LoadedModule::get();
  ASSERT_MODULE_LOADED(module);
  int withFailures = 0;
  for (const GAUGEHDR* gauge : module.gauges()) {
    const FAILURE_RECORD* failures = gauge->elements_list[0]->failure_systems;
    if (failures == nullptr) continue;
    ++withFailures;
    SCOPED_TRACE(gauge->gauge_name);
    EXPECT_NE(failures[0].key, 0u);
    EXPECT_EQ(failures[1].key, 0u);
  }
  EXPECT_GT(withFailures, 0);
}

// Walks a mouse list: it opens with the whole-gauge parent, parents and their ends balance, and
// the list ends with an end-of-parent for the whole gauge followed by the end of the list.
TEST(MouseLists, OpenWithTheWholeGaugeParentAndEndProperly) {
  LoadedModule& module = LoadedModule::get();
  ASSERT_MODULE_LOADED(module);
  const auto gauges = module.gauges();
  ASSERT_EQ(gauges.size(), kGaugeCount);
  for (std::size_t i = 0; i < kGaugeCount; ++i) {
    SCOPED_TRACE(kGauges[i].name);
    const MOUSERECT* rect = gauges[i]->mouse_rect;
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect[0].rect_type, MOUSE_RECT_PARENT);
    EXPECT_EQ(rect[0].relative_box.x, 0);
    EXPECT_EQ(rect[0].relative_box.y, 0);
    EXPECT_EQ(rect[0].relative_box.width, 0);
    EXPECT_EQ(rect[0].relative_box.height, 0);
    EXPECT_EQ(rect[0].help_id, kGauges[i].wholeGaugeHelp);
    int open = 0;
    std::size_t n = 0;
    std::set<ID32> subHelp;
    for (; n < 64 && rect[n].rect_type != MOUSE_RECT_EOL; ++n) {
      if (rect[n].rect_type == MOUSE_RECT_PARENT) {
        if (n > 0) subHelp.insert(rect[n].help_id);
        ++open;
      } else if (rect[n].rect_type == MOUSE_RECT_END_OF_PARENT) {
        ASSERT_GT(open, 0) << "end of parent without a parent at record " << n;
        --open;
        if (open == 0) {
          EXPECT_EQ(rect[n + 1].rect_type, MOUSE_RECT_EOL) << "records after the whole gauge";
        }
      } else {
        EXPECT_EQ(rect[n].rect_type, MOUSE_RECT_CHILD);
      }
      EXPECT_EQ(rect[n].event_id, 0u);
      EXPECT_EQ(rect[n].api_data, nullptr);
    }
    ASSERT_LT(n, 64u) << "no end-of-list record";
    EXPECT_EQ(open, 0);
    std::set<ID32> expected;
    for (const auto& [name, help] : kSubParentHelp)
      if (std::strcmp(name, kGauges[i].name) == 0) expected = help;
    EXPECT_EQ(subHelp, expected);
  }
}

}  // namespace
