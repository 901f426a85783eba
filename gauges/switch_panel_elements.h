#pragma once
// Builders for the switch panels' element records and the links of their chains, so that each
// gauge's elements read as one table from the background outwards.
#include "gauges/gauge_builder.h"

namespace build {

// A source variable naming only its token (0: no token).
constexpr MODULE_VAR token(ID32 id) {
  return {
      .id = id, .var_ptr = nullptr, .var_type = 0, .var_value = {.n = 0.0}, .var_old = {.n = 0.0}};
}

// The next-element list of an element whose chain continues with `Element`. The element may
// be declared before it is defined, so a chain is written from the background outwards.
template <auto& Element>
inline PELEMENT_HEADER next[] = {&Element.header, nullptr};

struct IconSpec {
  SINT32 bitmap;  // first image; image n is bitmap + n
  UINT32 images = 2;
  PIXPOINT at = {0, 0};
  ID32 source = 0;                       // token, 0 for none
  PELEMENT_CALLBACK callback = nullptr;  // null: the token's own value is the index
  FLAGS32 flags = kImageFlags;
  PFAILURE_RECORD failures = nullptr;
  UINT32 switchType = 0;
};

constexpr ELEMENT_ICON icon(GAUGEHDR& gauge, const IconSpec& desc,
                            PELEMENT_HEADER* nextList = nullptr) {
  return {.header = elementHeader(ELEMENT_TYPE_ICON, desc.bitmap, desc.at, gauge, desc.flags,
                                  desc.failures, nextList),
          .source_var = token(desc.source),
          .update_cb = desc.callback,
          .switch_type = desc.switchType,
          .num_icons = desc.images,
          .host_data = nullptr};
}

struct SliderSpec {
  SINT32 bitmap;
  PIXPOINT at = {0, 0};
  ID32 sourceX = 0;
  FLOAT64 scaleX = 0.0;
  ID32 sourceY = 0;
  FLOAT64 scaleY = 0.0;
  FLAGS32 flags = kMovingImageFlags;
  PELEMENT_CALLBACK callbackX = nullptr;  // null: the token's own value
  PELEMENT_CALLBACK callbackY = nullptr;
};

constexpr ELEMENT_SLIDER slider(GAUGEHDR& gauge, const SliderSpec& desc,
                                PELEMENT_HEADER* nextList = nullptr) {
  return {.header = elementHeader(ELEMENT_TYPE_SLIDER, desc.bitmap, desc.at, gauge, desc.flags,
                                  nullptr, nextList),
          .source_var_x = token(desc.sourceX),
          .scale_x = desc.scaleX,
          .source_var_y = token(desc.sourceY),
          .scale_y = desc.scaleY,
          .update_x_cb = desc.callbackX,
          .update_y_cb = desc.callbackY,
          .host_data = nullptr};
}

struct MovingImageSpec {
  SINT32 bitmap;
  PIXPOINT at = {0, 0};
  ID32 sourceY = 0;
  FLOAT64 minY = 0.0;
  FLOAT64 maxY = 0.0;
  PELEMENT_CALLBACK callbackX = nullptr;
  PELEMENT_CALLBACK callbackY = nullptr;
  FLAGS32 flags = kMovingImageFlags;
};

// An image that slides vertically only: no x token and an empty x range.
constexpr ELEMENT_MOVING_IMAGE verticalMovingImage(GAUGEHDR& gauge, const MovingImageSpec& desc,
                                                   PELEMENT_HEADER* nextList = nullptr) {
  return {.header = elementHeader(ELEMENT_TYPE_MOVING_IMAGE, desc.bitmap, desc.at, gauge,
                                  desc.flags, nullptr, nextList),
          .source_var_x = token(0),
          .min_x = 0.0,
          .max_x = 0.0,
          .source_var_y = token(desc.sourceY),
          .min_y = desc.minY,
          .max_y = desc.maxY,
          .update_x_cb = desc.callbackX,
          .update_y_cb = desc.callbackY,
          .host_data = nullptr};
}

}  // namespace build
