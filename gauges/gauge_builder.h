#pragma once
// Small constant builders for the gauges' static tables, so that every table reads as data.
#include "gauges/frame.h"
#include "gauges/panel_records.h"

// Image flags as the gauges store them.
constexpr FLAGS32 kBackgroundFlags = IMAGE_TRANSPARENT;                         // 0x1
constexpr FLAGS32 kDialBackgroundFlags = IMAGE_DYNAMIC | IMAGE_TRANSPARENT;     // 0x4001
constexpr FLAGS32 kImageFlags = IMAGE_ERASE_BEHIND | IMAGE_TRANSPARENT;         // 0x3
constexpr FLAGS32 kMovingImageFlags = IMAGE_DYNAMIC | kImageFlags;              // 0x4003
constexpr FLAGS32 kLampFlags = IMAGE_LUMINOUS | kImageFlags;                    // 0x7
constexpr FLAGS32 kStringFlags = IMAGE_LUMINOUS | IMAGE_ERASE_BEHIND;           // 0x6
constexpr FLAGS32 kBrightBackgroundFlags = IMAGE_LUMINOUS | IMAGE_TRANSPARENT;  // 0x5

// Failure lists, one entry each, ended by key 0; the host only reads them.
namespace failures {
inline FAILURE_RECORD key20_action0[] = {{20, 0}, {0, 0}};
inline FAILURE_RECORD key20_action1[] = {{20, 1}, {0, 0}};
inline FAILURE_RECORD key20_action2[] = {{20, 2}, {0, 0}};
inline FAILURE_RECORD key20_action3[] = {{20, 3}, {0, 0}};
inline FAILURE_RECORD key12_action1[] = {{12, 1}, {0, 0}};
inline FAILURE_RECORD key15_action1[] = {{15, 1}, {0, 0}};
inline FAILURE_RECORD key8_action0[] = {{8, 0}, {0, 0}};
inline FAILURE_RECORD key5_action2[] = {{5, 2}, {0, 0}};
}  // namespace failures

namespace build {

constexpr ELEMENT_HEADER elementHeader(ElementType type, SINT32 bitmap, PIXPOINT at,
                                       GAUGEHDR& gauge, FLAGS32 flags,
                                       PFAILURE_RECORD failureList = nullptr,
                                       PELEMENT_HEADER* next = nullptr, PIXPOINT ofs = {0, 0}) {
  return {.element_type = type,
          .resource_id = bitmap,
          .position = at,
          .previous_position = {0, 0},
          .ofs = ofs,
          .gauge_header = &gauge,
          .previous_element = nullptr,
          .next_element = next,
          .failure_systems = failureList,
          .image_flags = flags,
          .aux_image_flags = 0,
          .reserved = 0};
}

constexpr ELEMENT_STATIC_IMAGE staticImage(SINT32 bitmap, PIXPOINT at, GAUGEHDR& gauge,
                                           FLAGS32 flags, PFAILURE_RECORD failureList = nullptr,
                                           PELEMENT_HEADER* next = nullptr) {
  return {.header =
              elementHeader(ELEMENT_TYPE_STATIC_IMAGE, bitmap, at, gauge, flags, failureList, next),
          .host_data = nullptr};
}

constexpr MOUSERECT parent(PIXBOX box, ID32 helpId) {
  return {.rect_type = MOUSE_RECT_PARENT,
          .relative_box = box,
          .cursor = CURSOR_NONE,
          .help_id = helpId,
          .mouse_flags = 0,
          .event_id = 0,
          .mouse_function = nullptr,
          .api_data = nullptr};
}

// The parent that opens every mouse list: the whole gauge.
constexpr MOUSERECT wholeGauge(ID32 helpId) {
  return parent({0, 0, 0, 0}, helpId);
}

constexpr MOUSERECT child(PIXBOX box, CursorType cursor, FLAGS32 mouseFlags,
                          PMOUSE_FUNCTION function) {
  return {.rect_type = MOUSE_RECT_CHILD,
          .relative_box = box,
          .cursor = cursor,
          .help_id = 0,
          .mouse_flags = mouseFlags,
          .event_id = 0,
          .mouse_function = function,
          .api_data = nullptr};
}

constexpr MOUSERECT endOfParent() {
  MOUSERECT end = parent({0, 0, 0, 0}, 0);
  end.rect_type = MOUSE_RECT_END_OF_PARENT;
  return end;
}

constexpr MOUSERECT endOfList() {
  MOUSERECT end = parent({0, 0, 0, 0}, 0);
  end.rect_type = MOUSE_RECT_EOL;
  return end;
}

constexpr GAUGEHDR gaugeHeader(const char* name, PELEMENT_HEADER* elements, PMOUSERECT mouse,
                               PGAUGE_CALLBACK callback = nullptr) {
  return {.gauge_header_version = GAUGE_HEADER_VERSION,
          .gauge_name = name,
          .elements_list = elements,
          .query_routine = frame::query,
          .install_routine = frame::install,
          .initialize_routine = frame::initialize,
          .update_routine = frame::update,
          .generate_routine = frame::generate,
          .draw_routine = frame::draw,
          .kill_routine = frame::kill,
          .size_x_mm = 100,
          .size_y_mm = 0,
          .mouse_rect = mouse,
          .gauge_callback = callback,
          .position = {0, 0},
          .scale_x = 0.0f,
          .scale_y = 0.0f,
          .host_flags = 0,
          .parameters = nullptr,
          .host_data = nullptr};
}

}  // namespace build

// A mouse list that only gives help over the whole gauge.
#define QTP_HELP_ONLY_MOUSE(helpId) \
  build::wholeGauge(helpId), build::endOfParent(), build::endOfList()

// A gauge whose element tree is its background alone: the background static image, the element
// list holding it, the mouse list given after the callback, and the header `gauge_<NAME>`.
#define QTP_BACKGROUND_GAUGE(NAME, BITMAP, FLAGS, FAILURES, CALLBACK, ...) \
  namespace NAME##_gauge {                                                 \
    ELEMENT_STATIC_IMAGE background =                                      \
        build::staticImage(BITMAP, {0, 0}, gauge_##NAME, FLAGS, FAILURES); \
    PELEMENT_HEADER elements[] = {&background.header, nullptr};            \
    MOUSERECT mouse[] = {__VA_ARGS__};                                     \
  }                                                                        \
  GAUGEHDR gauge_##NAME =                                                  \
      build::gaugeHeader(#NAME, NAME##_gauge::elements, NAME##_gauge::mouse, CALLBACK)
