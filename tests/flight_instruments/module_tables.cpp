#include "module_tables.h"

#include <cstring>

#include "tests/gauges/loaded_module.h"

namespace instruments_test {

const GAUGEHDR* findGauge(const char* name) {
  const LoadedModule& module = LoadedModule::get();
  if (module.linkage == nullptr) return nullptr;
  for (const GAUGEHDR* gauge : module.gauges())
    if (std::strcmp(gauge->gauge_name, name) == 0) return gauge;
  return nullptr;
}

std::vector<ELEMENT_HEADER*> chainOf(const GAUGEHDR& gauge) {
  std::vector<ELEMENT_HEADER*> chain;
  for (ELEMENT_HEADER* e = gauge.elements_list[0]; e != nullptr && chain.size() < 32;
       e = e->next_element ? e->next_element[0] : nullptr)
    chain.push_back(e);
  return chain;
}

ELEMENT_HEADER* elementOf(const char* gauge, std::size_t depth) {
  const GAUGEHDR* header = findGauge(gauge);
  if (header == nullptr) return nullptr;
  const auto chain = chainOf(*header);
  return depth < chain.size() ? chain[depth] : nullptr;
}

}  // namespace instruments_test
