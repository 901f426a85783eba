#pragma once
// The built gauge module, loaded once for the whole test program as a host would load it.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <span>

#include "gauges/panel_records.h"

struct LoadedModule {
  void* handle = nullptr;
  LINKAGE_HEAD* linkage = nullptr;
  IMPORT_TABLE* imports = nullptr;

  static LoadedModule& get() {
    static LoadedModule module = [] {
      LoadedModule m;
      m.handle = dlopen(NOR_NV36_PATH, RTLD_NOW | RTLD_LOCAL);
      if (m.handle == nullptr) return m;
      m.linkage = static_cast<LINKAGE_HEAD*>(dlsym(m.handle, "Linkage"));
      m.imports = static_cast<IMPORT_TABLE*>(dlsym(m.handle, "ImportTable"));
      return m;
    }();
    return module;
  }

  // The gauge headers up to (not including) the null that ends the table; at most `limit`.
  std::span<PGAUGEHDR const> gauges(std::size_t limit = 64) const {
    PGAUGEHDR const* table = linkageGaugeTable(linkage);
    std::size_t count = 0;
    while (count < limit && table[count] != nullptr) ++count;
    return {table, count};
  }
};

#define ASSERT_MODULE_LOADED(module)                              \
  ASSERT_NE((module).handle, nullptr) << dlerror();               \
  ASSERT_NE((module).linkage, nullptr) << "Linkage not exported"; \
  ASSERT_NE((module).imports, nullptr) << "ImportTable not exported"
