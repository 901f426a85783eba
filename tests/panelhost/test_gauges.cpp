// A small gauge module for the host's tests: one gauge per thing to check, bitmaps of plain
// colours made when the module loads, and counters the tests read back through dlsym.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "gauges/panel_records.h"
#include "winapi/resource_pack.h"

#define EXPORT __attribute__((visibility("default")))

namespace {

// ---- Resources ---------------------------------------------------------------------------------

void put16(std::vector<unsigned char>& out, unsigned v) {
  out.push_back(static_cast<unsigned char>(v & 0xFF));
  out.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}
void put32(std::vector<unsigned char>& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

// A 24-bit bitmap without its file header (as resource compilers store it), of one colour
// (0x00BBGGRR), with the top-left pixel pure black.
std::vector<unsigned char> bitmap(int w, int h, std::uint32_t colour) {
  std::vector<unsigned char> out;
  const int stride = (w * 3 + 3) & ~3;
  put32(out, 40);
  put32(out, static_cast<std::uint32_t>(w));
  put32(out, static_cast<std::uint32_t>(h));
  put16(out, 1);
  put16(out, 24);
  for (int i = 0; i < 6; ++i) put32(out, 0);
  for (int row = h - 1; row >= 0; --row) {
    for (int x = 0; x < w; ++x) {
      const bool black = row == 0 && x == 0;
      out.push_back(black ? 0 : static_cast<unsigned char>((colour >> 16) & 0xFF));
      out.push_back(black ? 0 : static_cast<unsigned char>((colour >> 8) & 0xFF));
      out.push_back(black ? 0 : static_cast<unsigned char>(colour & 0xFF));
    }
    for (int pad = w * 3; pad < stride; ++pad) out.push_back(0);
  }
  return out;
}

std::vector<unsigned char> wave(unsigned samples) {
  std::vector<unsigned char> out{'R', 'I', 'F', 'F'};
  put32(out, 36 + samples);
  for (char c : std::string("WAVEfmt ")) out.push_back(static_cast<unsigned char>(c));
  put32(out, 16);
  put16(out, 1);
  put16(out, 1);
  put32(out, 11025);
  put32(out, 11025);
  put16(out, 1);
  put16(out, 8);
  for (char c : std::string("data")) out.push_back(static_cast<unsigned char>(c));
  put32(out, samples);
  for (unsigned i = 0; i < samples; ++i) out.push_back(static_cast<unsigned char>(128 + (i % 7)));
  return out;
}

struct Resource {
  std::uint32_t id;
  const char* type;
  std::vector<unsigned char> bytes;
};

std::vector<unsigned char> makePack() {
  std::vector<Resource> resources = {
      {100, "BITMAP", bitmap(40, 40, 0x808080)},  // DIAL background
      {101, "BITMAP", bitmap(20, 3, 0x0000FF)},   // needle
      {110, "BITMAP", bitmap(20, 20, 0x400000)},  // LAMP background
      {111, "BITMAP", bitmap(10, 10, 0x0000FF)},  // lamp images: red, green, blue
      {112, "BITMAP", bitmap(10, 10, 0x00FF00)},
      {113, "BITMAP", bitmap(10, 10, 0xFF0000)},
      {120, "BITMAP", bitmap(60, 40, 0x202020)},   // MOVE background
      {121, "BITMAP", bitmap(4, 4, 0xFFFFFF)},     // slider
      {122, "BITMAP", bitmap(100, 10, 0x00FFFF)},  // moving strip
      {123, "BITMAP", bitmap(8, 8, 0xFF00FF)},     // sprite
      {130, "BITMAP", bitmap(50, 50, 0x004000)},   // KNOB background
      {140, "BITMAP", bitmap(80, 20, 0x000040)},   // TEXT background
      {500, "WAVE", wave(301)},
  };
  std::vector<unsigned char> pack(std::begin(respack::kMagic), std::end(respack::kMagic));
  put32(pack, static_cast<std::uint32_t>(resources.size()));
  put32(pack, 0);
  std::uint32_t offset = static_cast<std::uint32_t>(16 + 28 * resources.size());
  for (const Resource& r : resources) {
    const bool bitmapType = std::strcmp(r.type, "BITMAP") == 0;
    put32(pack, bitmapType ? 2 : 0);
    char name[respack::kTypeNameSize] = {};
    if (!bitmapType) std::strncpy(name, r.type, sizeof name - 1);
    pack.insert(pack.end(), name, name + sizeof name);
    put32(pack, r.id);
    put32(pack, offset);
    put32(pack, static_cast<std::uint32_t>(r.bytes.size()));
    offset += static_cast<std::uint32_t>((r.bytes.size() + 3) & ~std::size_t{3});
  }
  for (const Resource& r : resources) {
    pack.insert(pack.end(), r.bytes.begin(), r.bytes.end());
    pack.resize((pack.size() + 3) & ~std::size_t{3});
  }
  return pack;
}

// The pack lives in the module's own data, not on the heap, so that a reloaded module hands
// the resource calls the same addresses again.
constexpr std::size_t kPackCapacity = 64 * 1024;
alignas(8) unsigned char g_pack[kPackCapacity];

std::uint64_t fillPack() {
  const std::vector<unsigned char> pack = makePack();
  if (pack.size() > kPackCapacity) return 0;
  std::memcpy(g_pack, pack.data(), pack.size());
  return pack.size();
}

}  // namespace

extern "C" {
EXPORT QtpResourceDirectory qtp_resource_directory = {g_pack, fillPack()};

// ---- Counters the tests read -------------------------------------------------------------------

EXPORT int test_needle_calls = 0;
EXPORT int test_gauge_services[16] = {};
EXPORT int test_last_mouse_x = 0;
EXPORT int test_last_mouse_y = 0;
EXPORT unsigned test_last_mouse_flags = 0;
EXPORT int test_repeat_presses = 0;
EXPORT int test_call_bad_slot = 0;

EXPORT IMPORT_TABLE ImportTable = {{IMPORT_ID_PANELS, nullptr}, {0, nullptr}};
}  // extern "C"

extern GAUGEHDR dial;

namespace {

PANELS* panels() {
  return static_cast<PANELS*>(ImportTable.panels.pointer);
}

double lookup(ID32 token) {
  MODULE_VAR var{};
  var.id = token;
  panels()->lookup_var(&var);
  return var.var_value.n;
}

// ---- Shared routines, forwarding as the real module's do: always the first gauge's list ------

void query() {
  panels()->element_list_query(dial.elements_list[0]);
}
void install(PVOID file) {
  panels()->element_list_install(dial.elements_list[0], file);
}
void initialize() {
  panels()->element_list_initialize(dial.elements_list[0]);
}
void update() {
  panels()->element_list_update(dial.elements_list[0]);
}
void generate(UINT32 phase) {
  panels()->element_list_generate(dial.elements_list[0], phase);
}
void draw() {
  panels()->element_list_plot(dial.elements_list[0]);
}
void kill() {
  panels()->element_list_kill(dial.elements_list[0]);
}

GAUGEHDR header(const char* name, PELEMENT_HEADER* list, PMOUSERECT mouse,
                PGAUGE_CALLBACK callback = nullptr) {
  GAUGEHDR h{};
  h.gauge_header_version = GAUGE_HEADER_VERSION;
  h.gauge_name = name;
  h.elements_list = list;
  h.query_routine = query;
  h.install_routine = install;
  h.initialize_routine = initialize;
  h.update_routine = update;
  h.generate_routine = generate;
  h.draw_routine = draw;
  h.kill_routine = kill;
  h.size_x_mm = 100;
  h.mouse_rect = mouse;
  h.gauge_callback = callback;
  return h;
}

ELEMENT_HEADER element(ElementType type, SINT32 id, PIXPOINT at, PELEMENT_HEADER* next,
                       FLAGS32 flags = IMAGE_TRANSPARENT, PIXPOINT ofs = {0, 0}) {
  ELEMENT_HEADER e{};
  e.element_type = type;
  e.resource_id = id;
  e.position = at;
  e.ofs = ofs;
  e.next_element = next;
  e.image_flags = flags;
  return e;
}

MODULE_VAR var(ID32 token) {
  MODULE_VAR v{};
  v.id = token;
  return v;
}

MOUSERECT rect(MouseRectType type, PIXBOX box = {}, SINT32 cursor = CURSOR_NONE, ID32 help = 0,
               FLAGS32 flags = 0, ID32 event = 0, PMOUSE_FUNCTION fn = nullptr) {
  return MOUSERECT{type, box, cursor, help, flags, event, fn, nullptr};
}

MOUSERECT kEnd = rect(MOUSE_RECT_EOL);
MOUSERECT kEndParent = rect(MOUSE_RECT_END_OF_PARENT);
MOUSERECT helpOnly[] = {rect(MOUSE_RECT_PARENT, {}, CURSOR_NONE, 0x1), kEndParent, kEnd};

// ---- DIAL: a needle through a table, a needle without one limited to 6 degrees a cycle --------

NONLINEARITY dialTable[] = {{{20, 0}, 0, 0}, {{39, 20}, 100, 0}, {{20, 39}, 200, 0}};

FLOAT64 countedNeedle(PELEMENT element) {
  ++test_needle_calls;
  return reinterpret_cast<ELEMENT_NEEDLE*>(element)->source_var.var_value.n;
}

ELEMENT_NEEDLE slowNeedle{
    element(ELEMENT_TYPE_NEEDLE, 101, {20, 20}, nullptr, IMAGE_TRANSPARENT, {0, 1}),
    var(0x4B),
    nullptr,
    nullptr,
    0,
    6.0,
    nullptr};
PELEMENT_HEADER afterTableNeedle[] = {&slowNeedle.header, nullptr};
ELEMENT_NEEDLE tableNeedle{
    element(ELEMENT_TYPE_NEEDLE, 101, {20, 20}, afterTableNeedle, IMAGE_TRANSPARENT, {0, 1}),
    var(0x4A),
    countedNeedle,
    dialTable,
    3,
    0,
    nullptr};
PELEMENT_HEADER afterDial[] = {&tableNeedle.header, nullptr};
ELEMENT_STATIC_IMAGE dialBackground{element(ELEMENT_TYPE_STATIC_IMAGE, 100, {0, 0}, afterDial, 0),
                                    nullptr};
PELEMENT_HEADER dialList[] = {&dialBackground.header, nullptr};

// ---- LAMP: an icon of three images on the raw token value --------------------------------------

ELEMENT_ICON lamp{
    element(ELEMENT_TYPE_ICON, 111, {5, 5}, nullptr), var(0x50), nullptr, 0, 3, nullptr};
PELEMENT_HEADER afterLampBackground[] = {&lamp.header, nullptr};
ELEMENT_STATIC_IMAGE lampBackground{
    element(ELEMENT_TYPE_STATIC_IMAGE, 110, {0, 0}, afterLampBackground, 0), nullptr};
PELEMENT_HEADER lampList[] = {&lampBackground.header, nullptr};

// ---- MOVE: slider, moving image and sprite
// -------------------------------------------------------

ELEMENT_SPRITE sprite{
    element(ELEMENT_TYPE_SPRITE, 123, {30, 15}, nullptr, IMAGE_TRANSPARENT, {4, 4}),
    var(0),
    1.0,
    var(0),
    1.0,
    var(0x63),
    1.0,
    nullptr,
    nullptr,
    nullptr,
    1.0f,
    1.0f,
    nullptr};
PELEMENT_HEADER afterMoving[] = {&sprite.header, nullptr};
ELEMENT_MOVING_IMAGE moving{element(ELEMENT_TYPE_MOVING_IMAGE, 122, {0, 30}, afterMoving),
                            var(0x62),
                            0,
                            100,
                            var(0),
                            0,
                            0,
                            nullptr,
                            nullptr,
                            nullptr};
PELEMENT_HEADER afterSlider[] = {&moving.header, nullptr};
ELEMENT_SLIDER slider{element(ELEMENT_TYPE_SLIDER, 121, {10, 10}, afterSlider),
                      var(0x60),
                      1.0,
                      var(0x61),
                      2.0,
                      nullptr,
                      nullptr,
                      nullptr};
PELEMENT_HEADER afterMoveBackground[] = {&slider.header, nullptr};
ELEMENT_STATIC_IMAGE moveBackground{
    element(ELEMENT_TYPE_STATIC_IMAGE, 120, {0, 0}, afterMoveBackground, 0), nullptr};
PELEMENT_HEADER moveList[] = {&moveBackground.header, nullptr};

// ---- TEXT: a string element that prints its token -------------------------------------------

FLOAT64 printToken(PELEMENT element) {
  auto* s = reinterpret_cast<ELEMENT_STRING*>(element);
  const double value = s->source_var[0].var_value.n;
  std::snprintf(s->text, sizeof s->text, "%06.2f", value);
  return value;
}

ELEMENT_STRING text{element(ELEMENT_TYPE_STRING, -1, {4, 2}, nullptr, 0x6),
                    {var(0x64), var(0), var(0)},
                    72,
                    16,
                    6,
                    0x0000FF,
                    0x000000,
                    0x00FFFF,
                    "Quartz",
                    400,
                    1,
                    0x25,
                    printToken,
                    {},
                    nullptr};
PELEMENT_HEADER afterTextBackground[] = {&text.header, nullptr};
ELEMENT_STATIC_IMAGE textBackground{
    element(ELEMENT_TYPE_STATIC_IMAGE, 140, {0, 0}, afterTextBackground, 0), nullptr};
PELEMENT_HEADER textList[] = {&textBackground.header, nullptr};

// ---- KNOB: mouse areas, a callback that hides and shows, and a call of a slot nobody offers ----

int pointReporter(PPIXPOINT point, FLAGS32 flags) {
  test_last_mouse_x = point->x;
  test_last_mouse_y = point->y;
  test_last_mouse_flags = flags;
  panels()->trigger_key_event(0x20001, static_cast<UINT32>(point->x * 1000 + point->y));
  return 0;
}

int repeater(PPIXPOINT, FLAGS32) {
  ++test_repeat_presses;
  panels()->trigger_key_event(0x20002, static_cast<UINT32>(test_repeat_presses));
  return 0;
}

int dragger(PPIXPOINT point, FLAGS32) {
  panels()->trigger_key_event(0x20003, static_cast<UINT32>(point->y));
  return 1;
}

MOUSERECT knobMouse[] = {
    rect(MOUSE_RECT_PARENT, {}, CURSOR_NONE, 0x100),
    rect(MOUSE_RECT_CHILD, {0, 0, 10, 10}, CURSOR_HAND, 0, MOUSE_LEFT_SINGLE, 0, pointReporter),
    rect(MOUSE_RECT_PARENT, {20, 20, 30, 20}, CURSOR_NONE, 0x200),
    rect(MOUSE_RECT_CHILD, {5, 5, 10, 10}, CURSOR_UP_ARROW, 0,
         MOUSE_LEFT_SINGLE | MOUSE_REPEAT_WHILE_HELD, 0, repeater),
    kEndParent,
    rect(MOUSE_RECT_CHILD, {0, 40, 50, 10}, CURSOR_DOWN_ARROW, 0, MOUSE_LEFT_SINGLE | MOUSE_DRAG, 0,
         dragger),
    rect(MOUSE_RECT_CHILD, {40, 0, 10, 10}, CURSOR_HAND, 0, 0x80000000, 0x20004, nullptr),
    kEndParent,
    kEnd,
};

ELEMENT_ICON knobFlag{
    element(ELEMENT_TYPE_ICON, 111, {0, 0}, nullptr), var(0), nullptr, 0, 1, nullptr};
PELEMENT_HEADER afterKnobBackground[] = {&knobFlag.header, nullptr};
ELEMENT_STATIC_IMAGE knobBackground{
    element(ELEMENT_TYPE_STATIC_IMAGE, 130, {0, 0}, afterKnobBackground, 0), nullptr};
PELEMENT_HEADER knobList[] = {&knobBackground.header, nullptr};

void knobCallback(PGAUGEHDR, SINT32 service, UINTPTR) {
  if (service >= 0 && service < 16) ++test_gauge_services[service];
  if (service != GAUGE_SERVICE_PRE_UPDATE) return;
  if (lookup(0x70) > 0) {
    knobFlag.header.image_flags |= IMAGE_HIDDEN;
  } else {
    knobFlag.header.image_flags &= ~IMAGE_HIDDEN;
  }
  if (test_call_bad_slot) reinterpret_cast<void (*)()>(panels()->slots_0_23[10])();
}

}  // namespace

GAUGEHDR dial = header("DIAL", dialList, helpOnly);
GAUGEHDR lampGauge = header("LAMP", lampList, helpOnly);
GAUGEHDR moveGauge = header("MOVE", moveList, helpOnly);
GAUGEHDR textGauge = header("TEXT", textList, helpOnly);
GAUGEHDR knob = header("KNOB", knobList, knobMouse, knobCallback);

extern "C" {
EXPORT LINKAGE<6> Linkage = {{LINKAGE_MODULE_ID, nullptr, nullptr, 0, 0, 0},
                             {&dial, &lampGauge, &moveGauge, &textGauge, &knob, nullptr}};
}
