#include "gauge_module.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include "gauges/sound/wave_parse.h"
#include "winapi/windows.h"

namespace soundtest {
namespace {

// A host that owns no aircraft: key events go nowhere, every variable reads 0.
void ignoreElements(PELEMENT_HEADER) {}
void ignoreInstall(PELEMENT_HEADER, PVOID) {}
void ignoreGenerate(PELEMENT_HEADER, UINT32) {}
int ignoreKeyEvent(ID32, UINT32) {
  return 0;
}
void zeroVariable(PMODULE_VAR var) {
  var->var_value.n = 0;
}

PANELS quietHost() {
  PANELS panels{};
  panels.element_list_query = ignoreElements;
  panels.element_list_install = ignoreInstall;
  panels.element_list_initialize = ignoreElements;
  panels.element_list_update = ignoreElements;
  panels.element_list_generate = ignoreGenerate;
  panels.element_list_plot = ignoreElements;
  panels.element_list_kill = ignoreElements;
  panels.trigger_key_event = ignoreKeyEvent;
  panels.lookup_var = zeroVariable;
  return panels;
}

PANELS host = quietHost();

}  // namespace

GaugeModule::GaugeModule() {
  handle_ = dlopen(QTP_GAUGE_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
  EXPECT_NE(handle_, nullptr) << dlerror();
  if (handle_ == nullptr) return;
  auto* imports = static_cast<IMPORT_TABLE*>(dlsym(handle_, "ImportTable"));
  linkage_ = static_cast<const LINKAGE_HEAD*>(dlsym(handle_, "Linkage"));
  EXPECT_NE(imports, nullptr);
  EXPECT_NE(linkage_, nullptr);
  if (imports != nullptr) imports->panels.pointer = &host;
}

GaugeModule::~GaugeModule() {
  if (handle_ != nullptr) dlclose(handle_);
}

PGAUGEHDR GaugeModule::gauge(const std::string& name) const {
  if (linkage_ == nullptr) return nullptr;
  for (PGAUGEHDR const* g = linkageGaugeTable(linkage_); *g != nullptr; ++g)
    if (name == (*g)->gauge_name) return *g;
  return nullptr;
}

void GaugeModule::service(PGAUGEHDR gauge, SINT32 serviceId) const {
  ASSERT_NE(gauge, nullptr);
  ASSERT_NE(gauge->gauge_callback, nullptr) << gauge->gauge_name;
  gauge->gauge_callback(gauge, serviceId, reinterpret_cast<UINTPTR>(handle_));
}

Bytes GaugeModule::soundSamples(std::uint32_t id) const {
  auto* module = static_cast<HMODULE>(handle_);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), "WAVE");
  if (found == nullptr) return {};
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
  const auto wave = sound::ParseWave({bytes, SizeofResource(module, found)});
  return wave ? Bytes(wave->samples, wave->samples + wave->sampleBytes) : Bytes{};
}

const std::vector<std::uint32_t>& gaugeSoundIds() {
  static const std::vector<std::uint32_t> ids = {118, 142, 199, 226, 255, 288,
                                                 289, 315, 316, 317, 318};
  return ids;
}

}  // namespace soundtest
