#pragma once
// The panel-system records: the binary interface between a gauge module and the panel host.
//
// The module's static tables are built from these records and the host (panelhost) reads them
// through the module's data exports `Linkage` and `ImportTable`; both sides include this one
// header, so a field moved here moves on both sides. Records are packed on 4-byte boundaries.
// Built for a 32-bit target (the Windows DLL) the sizes are those of the original 32-bit records
// (asserted below); on a 64-bit target pointers keep their natural 8 bytes inside the same
// packing, and the checks written in pointer sizes hold on both.
//
// Fields marked "host" belong to the host: the module leaves them zero and never reads them.
#include <cstddef>
#include <cstdint>

using UINT8 = std::uint8_t;
using UINT32 = std::uint32_t;
using SINT32 = std::int32_t;
using FLOAT32 = float;
using FLOAT64 = double;
using FLAGS32 = std::uint32_t;
using ID32 = std::uint32_t;
using COLORREF32 = std::uint32_t;  // 0x00BBGGRR
using UINTPTR = std::uintptr_t;
using PVOID = void*;

// The gauge header version this module is written for.
constexpr UINT32 GAUGE_HEADER_VERSION = 700;

#pragma pack(push, 4)

struct GAUGEHDR;
struct ELEMENT_HEADER;
struct MODULE_VAR;
using PGAUGEHDR = GAUGEHDR*;
using PELEMENT_HEADER = ELEMENT_HEADER*;
using PELEMENT = PELEMENT_HEADER;
using PMODULE_VAR = MODULE_VAR*;

struct PIXPOINT {
  SINT32 x;
  SINT32 y;
};
using PPIXPOINT = PIXPOINT*;

struct PIXBOX {
  SINT32 x;
  SINT32 y;
  SINT32 width;
  SINT32 height;
};

// ---- Callbacks -------------------------------------------------------------------------------

// Gauge callback: service id (see GaugeService) and its extra data (after install: the gauge
// file's instance handle).
using PGAUGE_CALLBACK = void (*)(PGAUGEHDR gauge, SINT32 service_id, UINTPTR extra_data);
// Element callback: returns the value drawn in place of the raw source value.
using PELEMENT_CALLBACK = FLOAT64 (*)(PELEMENT element);
// Mouse function: called on a click (or while held, or while dragging) in its rectangle.
using PMOUSE_FUNCTION = int (*)(PPIXPOINT point, FLAGS32 mouse_flags);

// The seven routines of a gauge header.
using PQUERY_ROUTINE = void (*)();
using PINSTALL_ROUTINE = void (*)(PVOID resource_file_handle);
using PINITIALIZE_ROUTINE = void (*)();
using PUPDATE_ROUTINE = void (*)();
using PGENERATE_ROUTINE = void (*)(UINT32 phase);
using PDRAW_ROUTINE = void (*)();
using PKILL_ROUTINE = void (*)();

// Services the host sends to a gauge callback; the module acts on these three only.
enum GaugeService : SINT32 {
  GAUGE_SERVICE_POST_INSTALL = 3,
  GAUGE_SERVICE_PRE_UPDATE = 6,
  GAUGE_SERVICE_PRE_KILL = 12,
};

// ---- Module variables ------------------------------------------------------------------------

union VAR_VALUE {
  FLOAT64 n;  // numbers
  UINT32 d;   // BCD frequencies, transponder code, to-from state, selector position
  SINT32 o;
  UINT8 bytes[8];
};

// A simulator variable by token. The module sets only the token; lookup_var (or the host before
// an element callback) fills the value.
struct MODULE_VAR {
  ID32 id;          // token
  PVOID var_ptr;    // host
  UINT32 var_type;  // host
  VAR_VALUE var_value;
  VAR_VALUE var_old;  // host
};

// ---- Element records ---------------------------------------------------------------------------

enum ElementType : UINT32 {
  ELEMENT_TYPE_STATIC_IMAGE = 0,
  ELEMENT_TYPE_NEEDLE = 1,
  ELEMENT_TYPE_STRING = 2,
  ELEMENT_TYPE_SLIDER = 3,
  ELEMENT_TYPE_ICON = 4,
  ELEMENT_TYPE_MOVING_IMAGE = 5,
  ELEMENT_TYPE_SPRITE = 6,
};

// Image flags.
constexpr FLAGS32 IMAGE_TRANSPARENT = 0x00000001;  // pure black pixels are see-through
constexpr FLAGS32 IMAGE_ERASE_BEHIND = 0x00000002;
constexpr FLAGS32 IMAGE_LUMINOUS = 0x00000004;
constexpr FLAGS32 IMAGE_DYNAMIC = 0x00004000;
constexpr FLAGS32 IMAGE_HIDDEN = 0x40000000;  // the element is not drawn

// Failure list entry; a list ends with an entry whose key is 0.
struct FAILURE_RECORD {
  UINT32 key;
  UINT32 action;
};
using PFAILURE_RECORD = FAILURE_RECORD*;

// A needle's nonlinearity entry: the dial point at which the needle points for a value.
struct NONLINEARITY {
  PIXPOINT pt;
  FLOAT64 value;
  FLOAT64 degrees;  // host
};
using PNONLINEARITY = NONLINEARITY*;

// The header every element begins with, in this order.
struct ELEMENT_HEADER {
  UINT32 element_type;         // ElementType
  SINT32 resource_id;          // -1: no bitmap
  PIXPOINT position;           // in the gauge's background pixels
  PIXPOINT previous_position;  // host
  PIXPOINT ofs;                // needle pivot / sprite texture centre
  PGAUGEHDR gauge_header;
  PELEMENT_HEADER previous_element;  // host
  PELEMENT_HEADER* next_element;     // null-terminated list, or null
  PFAILURE_RECORD failure_systems;   // list, or null
  FLAGS32 image_flags;
  FLAGS32 aux_image_flags;
  UINT32 reserved;
};

struct ELEMENT_STATIC_IMAGE {
  ELEMENT_HEADER header;
  PVOID host_data;  // host
};

struct ELEMENT_NEEDLE {
  ELEMENT_HEADER header;
  MODULE_VAR source_var;
  PELEMENT_CALLBACK update_cb;
  PNONLINEARITY nonlinearity_table;
  UINT32 nonlinearity_table_size;
  FLOAT64 max_degrees_per_tick;  // 0: instantaneous
  PVOID host_data;               // host
};

constexpr std::size_t STRING_ELEMENT_TEXT_SIZE = 64;

struct ELEMENT_STRING {
  ELEMENT_HEADER header;
  MODULE_VAR source_var[3];
  SINT32 box_width;
  SINT32 box_height;
  UINT32 char_count;
  COLORREF32 fg_color;
  COLORREF32 bg_color;
  COLORREF32 hilite_color;
  const char* font_face;
  SINT32 font_weight;
  UINT32 char_set;
  UINT32 draw_text_flags;
  PELEMENT_CALLBACK update_cb;  // writes `text`
  char text[STRING_ELEMENT_TEXT_SIZE];
  PVOID host_data;  // host
};

// Draw-text flags of the string elements: centred, vertically centred, single line.
constexpr UINT32 DRAW_TEXT_CENTER = 0x01;
constexpr UINT32 DRAW_TEXT_VCENTER = 0x04;
constexpr UINT32 DRAW_TEXT_SINGLELINE = 0x20;

struct ELEMENT_SLIDER {
  ELEMENT_HEADER header;
  MODULE_VAR source_var_x;
  FLOAT64 scale_x;
  MODULE_VAR source_var_y;
  FLOAT64 scale_y;
  PELEMENT_CALLBACK update_x_cb;
  PELEMENT_CALLBACK update_y_cb;
  PVOID host_data;  // host
};

struct ELEMENT_ICON {
  ELEMENT_HEADER header;
  MODULE_VAR source_var;
  PELEMENT_CALLBACK update_cb;  // image index; below 0 draws nothing
  UINT32 switch_type;           // 0 or 3
  UINT32 num_icons;             // bitmaps resource_id .. resource_id + num_icons - 1
  PVOID host_data;              // host
};

struct ELEMENT_MOVING_IMAGE {
  ELEMENT_HEADER header;
  MODULE_VAR source_var_x;
  FLOAT64 min_x;
  FLOAT64 max_x;
  MODULE_VAR source_var_y;
  FLOAT64 min_y;
  FLOAT64 max_y;
  PELEMENT_CALLBACK update_x_cb;
  PELEMENT_CALLBACK update_y_cb;
  PVOID host_data;  // host
};

// The texture centre is the header's `ofs`.
struct ELEMENT_SPRITE {
  ELEMENT_HEADER header;
  MODULE_VAR source_var_x;
  FLOAT64 scale_x;
  MODULE_VAR source_var_y;
  FLOAT64 scale_y;
  MODULE_VAR source_var_angle;
  FLOAT64 scale_angle;
  PELEMENT_CALLBACK update_x_cb;
  PELEMENT_CALLBACK update_y_cb;
  PELEMENT_CALLBACK update_angle_cb;
  FLOAT32 texture_scale_x;
  FLOAT32 texture_scale_y;
  PVOID host_data;  // host
};

// ---- Mouse rectangles ------------------------------------------------------------------------

enum MouseRectType : UINT32 {
  MOUSE_RECT_EOL = 0,     // end of the list
  MOUSE_RECT_PARENT = 1,  // a (sub-)area with a help id; children are relative to it
  MOUSE_RECT_CHILD = 2,   // a clickable area
  MOUSE_RECT_END_OF_PARENT = 3,
};

enum CursorType : SINT32 {
  CURSOR_NONE = -1,
  CURSOR_UP_ARROW = 1,
  CURSOR_DOWN_ARROW = 2,
  CURSOR_HAND = 5,
};

constexpr FLAGS32 MOUSE_LEFT_SINGLE = 0x20000000;
constexpr FLAGS32 MOUSE_REPEAT_WHILE_HELD = 0x00200000;
constexpr FLAGS32 MOUSE_DRAG = 0x00800000;

struct MOUSERECT {
  UINT32 rect_type;  // MouseRectType
  PIXBOX relative_box;
  SINT32 cursor;  // CursorType
  ID32 help_id;
  FLAGS32 mouse_flags;
  ID32 event_id;
  PMOUSE_FUNCTION mouse_function;
  PVOID api_data;
};
using PMOUSERECT = MOUSERECT*;

// ---- Gauge header ----------------------------------------------------------------------------

struct GAUGEHDR {
  UINT32 gauge_header_version;  // GAUGE_HEADER_VERSION
  const char* gauge_name;
  PELEMENT_HEADER* elements_list;  // null-terminated
  PQUERY_ROUTINE query_routine;
  PINSTALL_ROUTINE install_routine;
  PINITIALIZE_ROUTINE initialize_routine;
  PUPDATE_ROUTINE update_routine;
  PGENERATE_ROUTINE generate_routine;
  PDRAW_ROUTINE draw_routine;
  PKILL_ROUTINE kill_routine;
  UINT32 size_x_mm;
  UINT32 size_y_mm;
  PMOUSERECT mouse_rect;
  PGAUGE_CALLBACK gauge_callback;
  // host: where and how the host placed the gauge, and its own state for it
  PIXPOINT position;
  FLOAT32 scale_x;
  FLOAT32 scale_y;
  FLAGS32 host_flags;
  const char* parameters;
  PVOID host_data;
};

// ---- The host's service table ----------------------------------------------------------------

// Slots by position; the module calls only the named ones, the rest are opaque to it.
struct PANELS {
  PVOID slots_0_23[24];
  void (*element_list_query)(PELEMENT_HEADER element);                         // 24
  void (*element_list_install)(PELEMENT_HEADER element, PVOID resource_file);  // 25
  void (*element_list_initialize)(PELEMENT_HEADER element);                    // 26
  void (*element_list_update)(PELEMENT_HEADER element);                        // 27
  void (*element_list_generate)(PELEMENT_HEADER element, UINT32 phase);        // 28
  void (*element_list_plot)(PELEMENT_HEADER element);                          // 29
  PVOID slot_30;
  void (*element_list_kill)(PELEMENT_HEADER element);  // 31
  PVOID slots_32_35[4];
  int (*trigger_key_event)(ID32 event_id, UINT32 value);  // 36
  PVOID slots_37_39[3];
  void (*lookup_var)(PMODULE_VAR module_var);  // 40
  PVOID slots_41_63[23];
};
using PPANELS = PANELS*;

constexpr std::size_t PANELS_SLOT_COUNT = 64;

// ---- The module's exports --------------------------------------------------------------------

// `ImportTable`: the host writes its service table into the first entry before any gauge code
// runs.
constexpr UINT32 IMPORT_ID_PANELS = 0x0F;

struct IMPORT_ENTRY {
  UINT32 module_id;
  PVOID pointer;
};

struct IMPORT_TABLE {
  IMPORT_ENTRY panels;      // {IMPORT_ID_PANELS, PANELS*}
  IMPORT_ENTRY terminator;  // {0, null}
};

using PMODULE_INIT = void (*)();
using PMODULE_DEINIT = void (*)();

constexpr UINT32 LINKAGE_MODULE_ID = 0x13;

// `Linkage`: these fields, then the gauge-header pointers up to a null pointer.
struct LINKAGE_HEAD {
  UINT32 ModuleID;
  PMODULE_INIT ModuleInit;
  PMODULE_DEINIT ModuleDeinit;
  FLAGS32 ModuleFlags;
  UINT32 ModulePriority;
  UINT32 ModuleVersion;
};

template <std::size_t GaugeSlots>
struct LINKAGE {
  LINKAGE_HEAD head;
  PGAUGEHDR gauge_header_ptr[GaugeSlots];  // last one null
};

// The host's view of the gauge table behind any module's linkage.
inline PGAUGEHDR const* linkageGaugeTable(const LINKAGE_HEAD* linkage) {
  return reinterpret_cast<PGAUGEHDR const*>(reinterpret_cast<const char*>(linkage) +
                                            sizeof(LINKAGE_HEAD));
}

#pragma pack(pop)

// ---- Layout checks ---------------------------------------------------------------------------

static_assert(offsetof(MODULE_VAR, var_value) == 8 + sizeof(void*));
static_assert(sizeof(MODULE_VAR) == 24 + sizeof(void*));
static_assert(offsetof(LINKAGE<2>, gauge_header_ptr) == sizeof(LINKAGE_HEAD));
static_assert(offsetof(PANELS, element_list_query) == 24 * sizeof(void*));
static_assert(offsetof(PANELS, element_list_kill) == 31 * sizeof(void*));
static_assert(offsetof(PANELS, trigger_key_event) == 36 * sizeof(void*));
static_assert(offsetof(PANELS, lookup_var) == 40 * sizeof(void*));
static_assert(sizeof(PANELS) == PANELS_SLOT_COUNT * sizeof(void*));
static_assert(sizeof(FAILURE_RECORD) == 8);
static_assert(sizeof(NONLINEARITY) == 24);
static_assert(offsetof(ELEMENT_HEADER, image_flags) == 32 + 4 * sizeof(void*));
static_assert(offsetof(ELEMENT_NEEDLE, source_var) == sizeof(ELEMENT_HEADER));
static_assert(offsetof(ELEMENT_STRING, text) ==
              sizeof(ELEMENT_HEADER) + 3 * sizeof(MODULE_VAR) + 36 + 2 * sizeof(void*));
static_assert(offsetof(MOUSERECT, mouse_function) == 36);
static_assert(sizeof(MOUSERECT) == 36 + 2 * sizeof(void*));
static_assert(offsetof(GAUGEHDR, mouse_rect) == 12 + 9 * sizeof(void*));
static_assert(sizeof(IMPORT_TABLE) == 2 * sizeof(IMPORT_ENTRY));

#if UINTPTR_MAX == 0xFFFFFFFFu
static_assert(sizeof(MODULE_VAR) == 28);
static_assert(offsetof(MODULE_VAR, var_value) == 12);
static_assert(sizeof(ELEMENT_HEADER) == 60);
static_assert(sizeof(MOUSERECT) == 44);
static_assert(sizeof(IMPORT_ENTRY) == 8);
static_assert(sizeof(LINKAGE_HEAD) == 24);
static_assert(sizeof(GAUGEHDR) == 84);
static_assert(sizeof(PANELS) == 256);
static_assert(sizeof(ELEMENT_STATIC_IMAGE) == 64);
static_assert(sizeof(ELEMENT_NEEDLE) == 112);
static_assert(sizeof(ELEMENT_STRING) == 256);
static_assert(sizeof(ELEMENT_SLIDER) == 144);
static_assert(sizeof(ELEMENT_ICON) == 104);
static_assert(sizeof(ELEMENT_MOVING_IMAGE) == 160);
static_assert(sizeof(ELEMENT_SPRITE) == 192);
#endif
