#pragma once
// A gauge module loaded as a library (module_library.h): its `Linkage` and `ImportTable` exports,
// the service table written into the import table, module init and deinit, and its gauge headers in
// table order.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "gauges/panel_records.h"
#include "panelhost/module_library.h"

namespace panelhost {

class GaugeModule {
 public:
  // Loads and binds the module; on failure returns null and says why in `error`.
  static std::unique_ptr<GaugeModule> load(const std::filesystem::path& path, std::string& error);
  ~GaugeModule();
  GaugeModule(const GaugeModule&) = delete;
  GaugeModule& operator=(const GaugeModule&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The module's name as a panel configuration names it (file name without extension).
  const std::string& name() const { return name_; }
  // The library handle: the module's instance handle and resource-file handle.
  void* handle() const { return library_->handle(); }
  const std::vector<GAUGEHDR*>& gauges() const { return gauges_; }
  GAUGEHDR* gauge(const std::string& gaugeName) const;

 private:
  GaugeModule() = default;
  std::filesystem::path path_;
  std::string name_;
  std::unique_ptr<ModuleLibrary> library_;
  LINKAGE_HEAD* linkage_ = nullptr;
  std::vector<GAUGEHDR*> gauges_;
};

bool sameNameIgnoringCase(const std::string& a, const std::string& b);

}  // namespace panelhost
