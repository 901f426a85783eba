#include "module_tables.h"

#include <dlfcn.h>

#include <cstring>

namespace instruments_test {

const GAUGEHDR* findGauge(const char* name) {
  static void* handle = dlopen(NOR_NV36_PATH, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) return nullptr;
  const auto* linkage = static_cast<const LINKAGE_HEAD*>(dlsym(handle, "Linkage"));
  if (linkage == nullptr) return nullptr;
  for (PGAUGEHDR const* gauge = linkageGaugeTable(linkage); *gauge != nullptr; ++gauge)
    if (std::strcmp((*gauge)->gauge_name, name) == 0) return *gauge;
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
