// The radio faces as a host reads them from the built module: element chains, displays, mouse
// lists, and what each mouse function returns.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "gauges/panel_records.h"
#include "tests/gauges/loaded_module.h"

namespace {

// The module as a host loads it; its mouse functions are called here, on module state that no
// panel of the other tests shares (each of those loads a copy of its own).
const GAUGEHDR* findGauge(const char* name) {
  const LoadedModule& module = LoadedModule::get();
  if (module.linkage == nullptr) return nullptr;
  for (PGAUGEHDR gauge : module.gauges())
    if (std::strcmp(gauge->gauge_name, name) == 0) return gauge;
  return nullptr;
}

std::vector<ELEMENT_HEADER*> chainOf(const GAUGEHDR& gauge) {
  std::vector<ELEMENT_HEADER*> chain;
  EXPECT_EQ(gauge.elements_list[1], nullptr);
  for (ELEMENT_HEADER* e = gauge.elements_list[0]; e != nullptr && chain.size() < 16;
       e = e->next_element ? e->next_element[0] : nullptr)
    chain.push_back(e);
  return chain;
}

struct Face {
  const char* name;
  SINT32 background, lit;
  ID32 help;
  ID32 activeToken;
  bool com;
};

const Face kFaces[] = {{"COM1", 280, 285, 0xA701, 0x17, true},
                       {"COM2", 290, 291, 0xA703, 0, true},
                       {"NAV1", 292, 293, 0xA700, 0x18, false},
                       {"NAV2", 294, 295, 0xA702, 0x1B, false}};

class FaceTable : public ::testing::TestWithParam<Face> {};

TEST_P(FaceTable, ElementsRunFromTheBackgroundToTheActiveDisplay) {
  const Face face = GetParam();
  const GAUGEHDR* gauge = findGauge(face.name);
  ASSERT_NE(gauge, nullptr);
  const auto chain = chainOf(*gauge);
  ASSERT_EQ(chain.size(), face.com ? 6u : 5u);
  for (ELEMENT_HEADER* e : chain) EXPECT_EQ(e->gauge_header, gauge);

  EXPECT_EQ(chain[0]->element_type, ELEMENT_TYPE_STATIC_IMAGE);
  EXPECT_EQ(chain[0]->resource_id, face.background);
  EXPECT_EQ(chain[0]->image_flags, 0x1u);

  const auto& lit = reinterpret_cast<const ELEMENT_ICON&>(*chain[1]);
  EXPECT_EQ(lit.header.element_type, ELEMENT_TYPE_ICON);
  EXPECT_EQ(lit.header.resource_id, face.lit);
  EXPECT_EQ(lit.num_icons, 1u);
  EXPECT_EQ(lit.header.image_flags, 0x4003u);
  ASSERT_NE(lit.header.failure_systems, nullptr);
  EXPECT_EQ(lit.header.failure_systems[0].key, 20u);
  EXPECT_EQ(lit.header.failure_systems[0].action, 3u);
  EXPECT_EQ(lit.header.failure_systems[1].key, 0u);

  std::size_t next = 2;
  if (face.com) {
    const auto& light = reinterpret_cast<const ELEMENT_ICON&>(*chain[next++]);
    EXPECT_EQ(light.header.resource_id, 286);
    EXPECT_EQ(light.num_icons, 2u);
    EXPECT_EQ(light.header.position.x, 232);
    EXPECT_EQ(light.header.position.y, 17);
  }
  const auto& knob = reinterpret_cast<const ELEMENT_ICON&>(*chain[next++]);
  EXPECT_EQ(knob.header.element_type, ELEMENT_TYPE_ICON);
  EXPECT_EQ(knob.header.resource_id, 281);
  EXPECT_EQ(knob.num_icons, 4u);
  EXPECT_EQ(knob.header.position.x, 191);
  EXPECT_EQ(knob.header.position.y, 30);

  const PIXPOINT places[] = {{112, 8}, {34, 8}};
  for (const PIXPOINT at : places) {
    const auto& display = reinterpret_cast<const ELEMENT_STRING&>(*chain[next++]);
    SCOPED_TRACE(at.x);
    EXPECT_EQ(display.header.element_type, ELEMENT_TYPE_STRING);
    EXPECT_EQ(display.header.position.x, at.x);
    EXPECT_EQ(display.header.position.y, at.y);
    EXPECT_EQ(display.header.image_flags, 0x6u);
    EXPECT_EQ(display.box_width, 48);
    EXPECT_EQ(display.box_height, 14);
    EXPECT_EQ(display.char_count, 6u);
    EXPECT_EQ(display.fg_color, 0x0000FFu);
    EXPECT_EQ(display.bg_color, 0x080808u);
    EXPECT_EQ(display.hilite_color, 0x080808u);
    EXPECT_STREQ(display.font_face, "Quartz");
    EXPECT_EQ(display.font_weight, 400);
    EXPECT_EQ(display.char_set, 1u);
    EXPECT_EQ(display.draw_text_flags, 0x25u);
    EXPECT_NE(display.update_cb, nullptr);
    ASSERT_NE(display.header.failure_systems, nullptr);
    EXPECT_EQ(display.header.failure_systems[0].key, 20u);
    EXPECT_EQ(display.header.failure_systems[0].action, 3u);
  }
  EXPECT_EQ(reinterpret_cast<const ELEMENT_STRING&>(*chain.back()).source_var[0].id,
            face.activeToken);
  EXPECT_EQ(chain.back()->next_element, nullptr);
}

struct Click {
  PIXBOX box;
  SINT32 cursor;
  FLAGS32 flags;
  int result;
};

TEST_P(FaceTable, MouseListHoldsEachAreaWithItsCursorClickKindAndResult) {
  const Face face = GetParam();
  const GAUGEHDR* gauge = findGauge(face.name);
  ASSERT_NE(gauge, nullptr);
  const SINT32 down = face.com ? 223 : 229;
  const SINT32 up = face.com ? 249 : 243;
  std::vector<Click> expected = {
      {{88, 36, 18, 11}, CURSOR_HAND, 0x20000000, 1},
      {{down, 14, 14, 14}, CURSOR_DOWN_ARROW, 0x20200000, 1},
      {{down, 28, 14, 14}, CURSOR_DOWN_ARROW, 0x20200000, 1},
      {{up, 14, 14, 14}, CURSOR_UP_ARROW, 0x20200000, 1},
      {{up, 28, 14, 14}, CURSOR_UP_ARROW, 0x20200000, 1},
      {{175, 40, 16, 11}, CURSOR_HAND, 0x20000000, 0},
      {{191, 30, 16, 15}, CURSOR_HAND, 0x20000000, 0},
  };
  if (face.com) expected.push_back({{237, 22, 12, 14}, CURSOR_HAND, 0x20000000, 0});

  const MOUSERECT* list = gauge->mouse_rect;
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list[0].rect_type, MOUSE_RECT_PARENT);
  EXPECT_EQ(list[0].help_id, face.help);
  EXPECT_EQ(list[0].relative_box.width, 0);
  EXPECT_EQ(list[0].relative_box.height, 0);
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    const MOUSERECT& area = list[i + 1];
    EXPECT_EQ(area.rect_type, MOUSE_RECT_CHILD);
    EXPECT_EQ(area.relative_box.x, expected[i].box.x);
    EXPECT_EQ(area.relative_box.y, expected[i].box.y);
    EXPECT_EQ(area.relative_box.width, expected[i].box.width);
    EXPECT_EQ(area.relative_box.height, expected[i].box.height);
    EXPECT_EQ(area.cursor, expected[i].cursor);
    EXPECT_EQ(area.mouse_flags, expected[i].flags);
    EXPECT_EQ(area.event_id, 0u);
    ASSERT_NE(area.mouse_function, nullptr);
    PIXPOINT point = {0, 0};
    EXPECT_EQ(area.mouse_function(&point, area.mouse_flags), expected[i].result);
  }
  EXPECT_EQ(list[expected.size() + 1].rect_type, MOUSE_RECT_END_OF_PARENT);
  EXPECT_EQ(list[expected.size() + 2].rect_type, MOUSE_RECT_EOL);
}

INSTANTIATE_TEST_SUITE_P(Faces, FaceTable, ::testing::ValuesIn(kFaces),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
