#pragma once
// The built module as a host sees it: gauge headers by name and elements along their chains.
#include <vector>

#include "gauges/panel_records.h"

namespace instruments_test {

// The gauge named `name` in the module's table, or null.
const GAUGEHDR* findGauge(const char* name);
// The gauge's elements from the background outwards, following the first next-element entry.
std::vector<ELEMENT_HEADER*> chainOf(const GAUGEHDR& gauge);
// The element `depth` steps from the gauge's background, or null.
ELEMENT_HEADER* elementOf(const char* gauge, std::size_t depth);

}  // namespace instruments_test
