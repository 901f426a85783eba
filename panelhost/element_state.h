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

// What an element's picture depends on that can change between cycles: the values the host
// computed, the text, the image flags (hidden among them) and the image resource. Values are kept
// as bit patterns so that a NaN that stays NaN does not count as a change.
struct DrawnElement {
  std::array<std::uint64_t, 3> value{};
  std::optional<std::uint64_t> needleDegrees;
  std::string text;
  UINT32 imageFlags = 0;
  UINT32 resourceId = 0;

  bool operator==(const DrawnElement&) const = default;
};

DrawnElement drawnElement(const ELEMENT_HEADER& element, const ElementValues& values);

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
