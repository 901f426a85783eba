#pragma once
// What the host keeps about each element between cycles, and the calls that produce it: each
// element's source variables filled from the store, then its callbacks called (or the raw token
// value taken where it has none), once per axis.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "gauges/panel_records.h"
#include "panelhost/variable_store.h"

namespace panelhost {

struct ElementValues {
  std::array<double, 3> value{};  // the element's one value, or x / y / angle
  int axes = 0;
  int primaryAxis = 0;  // the first axis that has a token or a callback
  std::optional<double> needleDegrees;
  std::string text;  // string elements
  std::uint64_t updatedCycle = 0;
};

bool isHidden(const ELEMENT_HEADER& element);
// Follows the first entry of the next-element list `depth` times; null when a list ends first.
PELEMENT_HEADER elementAtDepth(PELEMENT_HEADER root, int depth);
// Every element of the tree, parents before children; a list that loops back is cut.
void forEachElement(PELEMENT_HEADER root, const std::function<void(PELEMENT_HEADER)>& visit);
// Number of axes of an element kind, 0 for a static image or an unknown kind.
int axisCount(UINT32 elementType);
const char* axisName(UINT32 elementType, int axis);

// Fills the element's variables and calls its callbacks; `values` keeps the results.
void updateElement(ELEMENT_HEADER& element, const VariableStore& vars, ElementValues& values);

}  // namespace panelhost
