#pragma once
// The digital displays' string records and the text their callbacks write: every display draws
// in the panel's segment font, centred on one line, and fails with the radio bus.
#include <array>
#include <cstdio>

#include "gauges/finite_reading.h"
#include "gauges/switch_panel_elements.h"

namespace build {

struct StringSpec {
  PIXPOINT at;
  std::array<ID32, 3> sources = {};  // tokens the host fills before the callback, 0 for none
  SINT32 width;
  SINT32 height;
  UINT32 chars;
  COLORREF32 foreground;
  COLORREF32 background;
  COLORREF32 highlight;
  PELEMENT_CALLBACK callback;
};

constexpr ELEMENT_STRING string(GAUGEHDR& gauge, const StringSpec& desc,
                                PELEMENT_HEADER* nextList = nullptr) {
  return {.header = elementHeader(ELEMENT_TYPE_STRING, -1, desc.at, gauge, kStringFlags,
                                  failures::key20_action3, nextList),
          .source_var = {token(desc.sources[0]), token(desc.sources[1]), token(desc.sources[2])},
          .box_width = desc.width,
          .box_height = desc.height,
          .char_count = desc.chars,
          .fg_color = desc.foreground,
          .bg_color = desc.background,
          .hilite_color = desc.highlight,
          .font_face = "Quartz",
          .font_weight = 400,
          .char_set = 1,
          .draw_text_flags = DRAW_TEXT_CENTER | DRAW_TEXT_VCENTER | DRAW_TEXT_SINGLELINE,
          .update_cb = desc.callback,
          .text = {},
          .host_data = nullptr};
}

}  // namespace build

namespace display {

// The text buffer of a string element, which its callback fills.
inline char (&textOf(PELEMENT element))[STRING_ELEMENT_TEXT_SIZE] {
  return reinterpret_cast<ELEMENT_STRING*>(element)->text;
}

// Writes printf-formatted values into the element's buffer, cut to the buffer's size.
template <typename First, typename... Rest>
void format(PELEMENT element, const char* format, First first, Rest... rest) {
  std::snprintf(textOf(element), STRING_ELEMENT_TEXT_SIZE, format, first, rest...);
}

inline void show(PELEMENT element, const char* text) {
  format(element, "%s", text);
}

// One of the string element's three source values, as the host filled them; NaN reads as 0.
inline FLOAT64 sourceValue(PELEMENT element, int index) {
  return reading::numberOrZero(
      reinterpret_cast<ELEMENT_STRING*>(element)->source_var[index].var_value.n);
}

}  // namespace display
