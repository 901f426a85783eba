#include "panelhost/gauge_module.h"

#include <dlfcn.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <system_error>

#include "panelhost/service_table.h"

namespace panelhost {
namespace {

// More gauges than any real table holds: a table without its null end is refused.
constexpr std::size_t kMaxGauges = 4096;

bool looksLikeElf(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  char magic[4] = {};
  in.read(magic, sizeof magic);
  return in.gcount() == 4 && magic[0] == 0x7F && magic[1] == 'E' && magic[2] == 'L' &&
         magic[3] == 'F';
}

std::string dlError() {
  const char* message = dlerror();
  return message ? message : "unknown error";
}

}  // namespace

bool sameNameIgnoringCase(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
    return std::tolower(x) == std::tolower(y);
  });
}

std::unique_ptr<GaugeModule> GaugeModule::load(const std::filesystem::path& path,
                                               std::string& error) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    error = "module " + path.string() + " not found";
    return nullptr;
  }
  if (!looksLikeElf(path)) {
    error = "module " + path.string() + " is not a shared object";
    return nullptr;
  }
  const auto absolute = std::filesystem::absolute(path, ec);
  void* handle = dlopen(absolute.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    error = "module " + path.string() + " cannot be loaded: " + dlError();
    return nullptr;
  }
  std::unique_ptr<GaugeModule> module(new GaugeModule);
  module->path_ = path;
  module->name_ = path.stem().string();
  module->handle_ = handle;
  auto* linkage = static_cast<LINKAGE_HEAD*>(dlsym(handle, "Linkage"));
  auto* imports = static_cast<IMPORT_TABLE*>(dlsym(handle, "ImportTable"));
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
  if (handle_) dlclose(handle_);
}

GAUGEHDR* GaugeModule::gauge(const std::string& gaugeName) const {
  auto it = std::find_if(gauges_.begin(), gauges_.end(), [&](GAUGEHDR* g) {
    return sameNameIgnoringCase(g->gauge_name, gaugeName);
  });
  return it == gauges_.end() ? nullptr : *it;
}

}  // namespace panelhost
