#pragma once
// The builder of a sprite: a texture drawn around its centre, shifted along x and y and turned
// by its sources, each through a scale the host applies.
#include "gauges/switch_panel_elements.h"

namespace build {

struct SpriteAxis {
  ID32 source = 0;  // token, 0 for none
  FLOAT64 scale = 0.0;
  PELEMENT_CALLBACK callback = nullptr;
};

struct SpriteSpec {
  SINT32 bitmap;
  PIXPOINT at;
  PIXPOINT centre;  // the texture's centre
  SpriteAxis x = {};
  SpriteAxis y = {};
  SpriteAxis angle = {};
  FLOAT32 textureScale = 1.0f;
  PFAILURE_RECORD failures = nullptr;
  FLAGS32 flags = kMovingImageFlags;
};

constexpr ELEMENT_SPRITE sprite(GAUGEHDR& gauge, const SpriteSpec& desc,
                                PELEMENT_HEADER* nextList = nullptr) {
  return {.header = elementHeader(ELEMENT_TYPE_SPRITE, desc.bitmap, desc.at, gauge, desc.flags,
                                  desc.failures, nextList, desc.centre),
          .source_var_x = token(desc.x.source),
          .scale_x = desc.x.scale,
          .source_var_y = token(desc.y.source),
          .scale_y = desc.y.scale,
          .source_var_angle = token(desc.angle.source),
          .scale_angle = desc.angle.scale,
          .update_x_cb = desc.x.callback,
          .update_y_cb = desc.y.callback,
          .update_angle_cb = desc.angle.callback,
          .texture_scale_x = desc.textureScale,
          .texture_scale_y = desc.textureScale,
          .host_data = nullptr};
}

}  // namespace build
