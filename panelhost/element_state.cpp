#include "panelhost/element_state.h"

#include <bit>
#include <cstddef>
#include <cstring>
#include <unordered_set>
#include <vector>

namespace panelhost {
namespace {

// Where an element kind keeps its variables and callbacks, so one routine serves every kind.
struct Axis {
  std::size_t callback;  // offset of a PELEMENT_CALLBACK
  std::size_t var;       // offset of the MODULE_VAR whose raw value stands in for it
  const char* name;
};

struct KindLayout {
  UINT32 type;
  std::vector<std::size_t> vars;  // every MODULE_VAR the host fills before the callbacks
  std::vector<Axis> axes;
};

// Packed records keep offsetof well defined for these standard-layout types.
const std::vector<KindLayout>& layouts() {
  static const std::vector<KindLayout> table = {
      {ELEMENT_TYPE_NEEDLE,
       {offsetof(ELEMENT_NEEDLE, source_var)},
       {{offsetof(ELEMENT_NEEDLE, update_cb), offsetof(ELEMENT_NEEDLE, source_var), "value"}}},
      {ELEMENT_TYPE_STRING,
       {offsetof(ELEMENT_STRING, source_var),
        offsetof(ELEMENT_STRING, source_var) + sizeof(MODULE_VAR),
        offsetof(ELEMENT_STRING, source_var) + 2 * sizeof(MODULE_VAR)},
       {{offsetof(ELEMENT_STRING, update_cb), offsetof(ELEMENT_STRING, source_var), "value"}}},
      {ELEMENT_TYPE_SLIDER,
       {offsetof(ELEMENT_SLIDER, source_var_x), offsetof(ELEMENT_SLIDER, source_var_y)},
       {{offsetof(ELEMENT_SLIDER, update_x_cb), offsetof(ELEMENT_SLIDER, source_var_x), "x"},
        {offsetof(ELEMENT_SLIDER, update_y_cb), offsetof(ELEMENT_SLIDER, source_var_y), "y"}}},
      {ELEMENT_TYPE_ICON,
       {offsetof(ELEMENT_ICON, source_var)},
       {{offsetof(ELEMENT_ICON, update_cb), offsetof(ELEMENT_ICON, source_var), "value"}}},
      {ELEMENT_TYPE_MOVING_IMAGE,
       {offsetof(ELEMENT_MOVING_IMAGE, source_var_x), offsetof(ELEMENT_MOVING_IMAGE, source_var_y)},
       {{offsetof(ELEMENT_MOVING_IMAGE, update_x_cb), offsetof(ELEMENT_MOVING_IMAGE, source_var_x),
         "x"},
        {offsetof(ELEMENT_MOVING_IMAGE, update_y_cb), offsetof(ELEMENT_MOVING_IMAGE, source_var_y),
         "y"}}},
      {ELEMENT_TYPE_SPRITE,
       {offsetof(ELEMENT_SPRITE, source_var_x), offsetof(ELEMENT_SPRITE, source_var_y),
        offsetof(ELEMENT_SPRITE, source_var_angle)},
       {{offsetof(ELEMENT_SPRITE, update_x_cb), offsetof(ELEMENT_SPRITE, source_var_x), "x"},
        {offsetof(ELEMENT_SPRITE, update_y_cb), offsetof(ELEMENT_SPRITE, source_var_y), "y"},
        {offsetof(ELEMENT_SPRITE, update_angle_cb), offsetof(ELEMENT_SPRITE, source_var_angle),
         "angle"}}},
  };
  return table;
}

const KindLayout* layoutOf(UINT32 type) {
  for (const KindLayout& layout : layouts())
    if (layout.type == type) return &layout;
  return nullptr;
}

template <typename T>
T& fieldAt(ELEMENT_HEADER& element, std::size_t offset) {
  return *reinterpret_cast<T*>(reinterpret_cast<char*>(&element) + offset);
}

void walk(PELEMENT_HEADER element, std::unordered_set<PELEMENT_HEADER>& seen,
          const std::function<void(PELEMENT_HEADER)>& visit) {
  if (!element || !seen.insert(element).second) return;
  visit(element);
  if (!element->next_element) return;
  for (PELEMENT_HEADER* next = element->next_element; *next; ++next) walk(*next, seen, visit);
}

}  // namespace

bool isHidden(const ELEMENT_HEADER& element) {
  return element.image_flags & IMAGE_HIDDEN;
}

PELEMENT_HEADER elementAtDepth(PELEMENT_HEADER root, int depth) {
  PELEMENT_HEADER element = root;
  for (int i = 0; i < depth && element; ++i) {
    element = element->next_element ? element->next_element[0] : nullptr;
  }
  return depth < 0 ? nullptr : element;
}

void forEachElement(PELEMENT_HEADER root, const std::function<void(PELEMENT_HEADER)>& visit) {
  std::unordered_set<PELEMENT_HEADER> seen;
  walk(root, seen, visit);
}

int axisCount(UINT32 elementType) {
  const KindLayout* layout = layoutOf(elementType);
  return layout ? static_cast<int>(layout->axes.size()) : 0;
}

const char* axisName(UINT32 elementType, int axis) {
  const KindLayout* layout = layoutOf(elementType);
  if (!layout || axis < 0 || axis >= static_cast<int>(layout->axes.size())) return "";
  return layout->axes[static_cast<std::size_t>(axis)].name;
}

void updateElement(ELEMENT_HEADER& element, const VariableStore& vars, ElementValues& values) {
  const KindLayout* layout = layoutOf(element.element_type);
  if (!layout) return;
  for (std::size_t offset : layout->vars) {
    auto& var = fieldAt<MODULE_VAR>(element, offset);
    if (var.id != 0) vars.fill(var);
  }
  values.axes = static_cast<int>(layout->axes.size());
  values.primaryAxis = -1;
  for (std::size_t i = 0; i < layout->axes.size(); ++i) {
    const Axis& axis = layout->axes[i];
    auto callback = fieldAt<PELEMENT_CALLBACK>(element, axis.callback);
    const ID32 token = fieldAt<MODULE_VAR>(element, axis.var).id;
    values.value[i] = callback ? callback(&element) : token ? vars.value(token) : 0.0;
    if (values.primaryAxis < 0 && (callback || token)) values.primaryAxis = static_cast<int>(i);
  }
  if (values.primaryAxis < 0) values.primaryAxis = 0;
  if (element.element_type == ELEMENT_TYPE_STRING) {
    const auto& text = reinterpret_cast<ELEMENT_STRING&>(element).text;
    values.text.assign(text, strnlen(text, sizeof text));
  }
}

DrawnElement drawnElement(const ELEMENT_HEADER& element, const ElementValues& values) {
  DrawnElement drawn;
  for (std::size_t i = 0; i < values.value.size(); ++i)
    drawn.value[i] = std::bit_cast<std::uint64_t>(values.value[i]);
  if (values.needleDegrees)
    drawn.needleDegrees = std::bit_cast<std::uint64_t>(*values.needleDegrees);
  drawn.text = values.text;
  drawn.imageFlags = element.image_flags;
  drawn.resourceId = element.resource_id;
  return drawn;
}

}  // namespace panelhost
