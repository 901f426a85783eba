#pragma once
// Shared by the host's tests: the test module's path and counters, and a temporary folder.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <string>

#include "panelhost/panel_host.h"

namespace panelhost_test {

inline std::filesystem::path testModulePath() {
  return TEST_GAUGES_PATH;
}

// A counter of the test module while a host has it loaded.
template <typename T>
T& counter(const char* name) {
  void* handle = dlopen(TEST_GAUGES_PATH, RTLD_NOW | RTLD_NOLOAD);
  EXPECT_NE(handle, nullptr) << "test module not loaded";
  void* symbol = handle ? dlsym(handle, name) : nullptr;
  if (handle) dlclose(handle);
  static T none{};
  return symbol ? *static_cast<T*>(symbol) : none;
}

inline void writeFile(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

// Text drawing and the window need an application (offscreen in the test environment).
inline void ensureGuiApp() {
  static int argc = 1;
  static char name[] = "panelhost_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = QApplication::instance() ? nullptr : new QApplication(argc, argv);
  (void)app;
}

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ensureGuiApp();
    ASSERT_TRUE(dir_.isValid());
    std::string error;
    ASSERT_TRUE(host_->loadModule(testModulePath(), error)) << error;
  }

  panelhost::Gauge& gauge(const char* name) {
    panelhost::Gauge* found = host_->findGauge(name);
    EXPECT_NE(found, nullptr) << name;
    return *found;
  }

  const panelhost::ElementValues& values(const char* name, int depth) {
    PELEMENT_HEADER element = panelhost::elementAtDepth(gauge(name).background(), depth);
    return *host_->valuesOf(element);
  }

  std::filesystem::path temp() const { return dir_.path().toStdString(); }

  QTemporaryDir dir_;
  std::unique_ptr<panelhost::PanelHost> host_ = std::make_unique<panelhost::PanelHost>();
};

}  // namespace panelhost_test
