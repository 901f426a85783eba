#pragma once
// Builders for the round instruments' needles and moving images, and the rules every reading
// follows on its way to a needle: a value that is not a number reads as 0, limits and infinities
// hold at their ends, so no callback ever hands the host anything but a finite number.
#include <array>
#include <cstddef>

#include "gauges/finite_reading.h"
#include "gauges/panel_state.h"
#include "gauges/switch_panel_elements.h"

namespace build {

struct NeedleSpec {
  SINT32 bitmap;
  PIXPOINT at;
  PIXPOINT pivot;  // the needle bitmap's turning point
  ID32 source = 0;
  PELEMENT_CALLBACK callback = nullptr;
  PFAILURE_RECORD failures = nullptr;
  FLAGS32 flags = kMovingImageFlags;
  // Dial needles swing like the mechanical ones; hands that are computed as angles jump.
  FLOAT64 maxDegreesPerTick = 6.0;
};

constexpr ELEMENT_NEEDLE needle(GAUGEHDR& gauge, const NeedleSpec& desc, NONLINEARITY* table,
                                UINT32 tableSize, PELEMENT_HEADER* nextList = nullptr) {
  return {.header = elementHeader(ELEMENT_TYPE_NEEDLE, desc.bitmap, desc.at, gauge, desc.flags,
                                  desc.failures, nextList, desc.pivot),
          .source_var = token(desc.source),
          .update_cb = desc.callback,
          .nonlinearity_table = table,
          .nonlinearity_table_size = tableSize,
          .max_degrees_per_tick = desc.maxDegreesPerTick,
          .host_data = nullptr};
}

// A needle pointing through its dial's nonlinearity table.
template <std::size_t N>
constexpr ELEMENT_NEEDLE needle(GAUGEHDR& gauge, const NeedleSpec& desc, NONLINEARITY (&table)[N],
                                PELEMENT_HEADER* nextList = nullptr) {
  return needle(gauge, desc, table, static_cast<UINT32>(N), nextList);
}

// A dial table that several needles read: each needle keeps its own copy, since the host fills
// in the degrees for the needle it draws.
template <std::size_t N>
using DialTable = std::array<NONLINEARITY, N>;

template <std::size_t N>
constexpr ELEMENT_NEEDLE needle(GAUGEHDR& gauge, const NeedleSpec& desc, DialTable<N>& table,
                                PELEMENT_HEADER* nextList = nullptr) {
  return needle(gauge, desc, table.data(), static_cast<UINT32>(N), nextList);
}

struct AcrossMovingImageSpec {
  SINT32 bitmap;
  PIXPOINT at;
  ID32 sourceX;
  FLOAT64 minX;
  FLOAT64 maxX;
  PELEMENT_CALLBACK callbackX;
  PELEMENT_CALLBACK callbackY;
  PFAILURE_RECORD failures = nullptr;
};

// An image that slides sideways only: the x token and range, y held by its callback.
constexpr ELEMENT_MOVING_IMAGE acrossMovingImage(GAUGEHDR& gauge, const AcrossMovingImageSpec& desc,
                                                 PELEMENT_HEADER* nextList = nullptr) {
  ELEMENT_MOVING_IMAGE image = verticalMovingImage(gauge,
                                                   {.bitmap = desc.bitmap,
                                                    .at = desc.at,
                                                    .callbackX = desc.callbackX,
                                                    .callbackY = desc.callbackY},
                                                   nextList);
  image.header.failure_systems = desc.failures;
  image.source_var_x = token(desc.sourceX);
  image.min_x = desc.minX;
  image.max_x = desc.maxX;
  return image;
}

// Any element record with its failure list set.
template <typename Record>
constexpr Record withFailures(Record record, PFAILURE_RECORD failureList) {
  record.header.failure_systems = failureList;
  return record;
}

// A warning or indicator lamp: one luminous image, drawn while its callback gives 1 and not at
// -1, failing with the radio bus.
constexpr IconSpec lamp(SINT32 bitmap, PIXPOINT at, ID32 source, PELEMENT_CALLBACK callback) {
  return {.bitmap = bitmap,
          .images = 1,
          .at = at,
          .source = source,
          .callback = callback,
          .flags = kLampFlags,
          .failures = failures::key20_action3};
}

// A static image over the dial (covers, caps, overlays, knobs).
constexpr ELEMENT_STATIC_IMAGE overlayImage(SINT32 bitmap, PIXPOINT at, GAUGEHDR& gauge,
                                            PELEMENT_HEADER* nextList = nullptr) {
  return staticImage(bitmap, at, gauge, kImageFlags, nullptr, nextList);
}

// A dial's background: behind every round dial the panel keeps redrawing.
constexpr ELEMENT_STATIC_IMAGE dialBackground(SINT32 bitmap, GAUGEHDR& gauge,
                                              PFAILURE_RECORD failureList,
                                              PELEMENT_HEADER* nextList) {
  return staticImage(bitmap, {0, 0}, gauge, kDialBackgroundFlags, failureList, nextList);
}

}  // namespace build

namespace reading {

// Readings without ends (hands and cards that turn round, offsets the host holds in range): an
// infinite value has no end to stop at and reads as 0 like NaN.
inline FLOAT64 finiteOrZero(FLOAT64 value) {
  return finiteOr(value, 0.0, 0.0);
}

// At most `high`: a value at or above it gives it, lower values pass unchanged. These readings
// are magnitudes with no lower stop of their own, so -inf reads as 0.
inline FLOAT64 atMost(FLOAT64 value, FLOAT64 high) {
  value = finiteOr(value, 0.0, high);
  return value >= high ? high : value;
}

// Clamped to [low, high]: a value at or above `high` gives `high`, one below `low` gives `low`.
inline FLOAT64 clampTo(FLOAT64 value, FLOAT64 low, FLOAT64 high) {
  value = finiteOr(value, low, high);
  if (value >= high) return high;
  return value < low ? low : value;
}

// The value the host filled into a needle's or an icon's own source variable.
template <typename Record>
FLOAT64 ownValue(PELEMENT element) {
  return numberOrZero(reinterpret_cast<Record*>(element)->source_var.var_value.n);
}

}  // namespace reading
