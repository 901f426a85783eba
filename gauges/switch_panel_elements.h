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

constexpr ELEMENT_ICON icon(GAUGEHDR& gauge, const IconSpec& spec,
                            PELEMENT_HEADER* nextList = nullptr) {
  return {.header = elementHeader(ELEMENT_TYPE_ICON, spec.bitmap, spec.at, gauge, spec.flags,
                                  spec.failures, nextList),
          .source_var = token(spec.source),
          .update_cb = spec.callback,
          .switch_type = spec.switchType,
          .num_icons = spec.images,
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
};

constexpr ELEMENT_SLIDER slider(GAUGEHDR& gauge, const SliderSpec& spec,
                                PELEMENT_HEADER* nextList = nullptr) {
  return {.header = elementHeader(ELEMENT_TYPE_SLIDER, spec.bitmap, spec.at, gauge, spec.flags,
                                  nullptr, nextList),
          .source_var_x = token(spec.sourceX),
          .scale_x = spec.scaleX,
          .source_var_y = token(spec.sourceY),
          .scale_y = spec.scaleY,
          .update_x_cb = nullptr,
          .update_y_cb = nullptr,
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
constexpr ELEMENT_MOVING_IMAGE verticalMovingImage(GAUGEHDR& gauge, const MovingImageSpec& spec,
                                                   PELEMENT_HEADER* nextList = nullptr) {
  return {.header = elementHeader(ELEMENT_TYPE_MOVING_IMAGE, spec.bitmap, spec.at, gauge,
                                  spec.flags, nullptr, nextList),
          .source_var_x = token(0),
          .min_x = 0.0,
          .max_x = 0.0,
          .source_var_y = token(spec.sourceY),
          .min_y = spec.minY,
          .max_y = spec.maxY,
          .update_x_cb = spec.callbackX,
          .update_y_cb = spec.callbackY,
          .host_data = nullptr};
}

}  // namespace build
