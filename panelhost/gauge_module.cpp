#include "panelhost/gauge_module.h"

#include <algorithm>
#include <cctype>

#include "panelhost/module_library.h"
#include "panelhost/service_table.h"

namespace panelhost {
namespace {

// More gauges than any real table holds: a table without its null end is refused.
constexpr std::size_t kMaxGauges = 4096;

}  // namespace

bool sameNameIgnoringCase(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
    return std::tolower(x) == std::tolower(y);
  });
}

std::unique_ptr<GaugeModule> GaugeModule::load(const std::filesystem::path& path,
                                               std::string& error) {
  auto library = ModuleLibrary::open(path, error);
  if (!library) return nullptr;
  std::unique_ptr<GaugeModule> module(new GaugeModule);
  module->path_ = path;
  module->name_ = path.stem().string();
  module->library_ = std::move(library);
  auto* linkage = static_cast<LINKAGE_HEAD*>(module->library_->symbol("Linkage"));
  auto* imports = static_cast<IMPORT_TABLE*>(module->library_->symbol("ImportTable"));
  if (!linkage || !imports) {
    error = "module " + path.string() + " exports no " + (linkage ? "ImportTable" : "Linkage");
    return nullptr;
  }
  if (imports->panels.module_id != IMPORT_ID_PANELS) {
    error = "module " + path.string() + " does not import the panel services";
    return nullptr;
  }
  PGAUGEHDR const* table = linkageGaugeTable(linkage);
  for (std::size_t i = 0; table[i]; ++i) {
    if (i == kMaxGauges) {
      error = "module " + path.string() + " has no end to its gauge table";
      return nullptr;
    }
    GAUGEHDR* gauge = table[i];
    if (gauge->gauge_header_version != GAUGE_HEADER_VERSION || !gauge->gauge_name) {
      error = "module " + path.string() + ": gauge " + std::to_string(i) +
              " is not a version 700 header with a name";
      return nullptr;
    }
    module->gauges_.push_back(gauge);
  }
  imports->panels.pointer = serviceTable();
  module->linkage_ = linkage;
  if (linkage->ModuleInit) linkage->ModuleInit();
  return module;
}

GaugeModule::~GaugeModule() {
  if (linkage_ && linkage_->ModuleDeinit) linkage_->ModuleDeinit();
}

GAUGEHDR* GaugeModule::gauge(const std::string& gaugeName) const {
  auto it = std::find_if(gauges_.begin(), gauges_.end(), [&](GAUGEHDR* g) {
    return sameNameIgnoringCase(g->gauge_name, gaugeName);
  });
  return it == gauges_.end() ? nullptr : *it;
}

}  // namespace panelhost
