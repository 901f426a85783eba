// The host's windows by class name, found by the module's FindWindowA and owning its message
// boxes; the same rules as winapi/host_windows.cpp on Linux.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "panelhost/host_window.h"
#include "panelhost/module_imports_win32.h"

namespace panelhost {
namespace {

// A window's handle is its entry's address: the module compares it and hands it back, never
// follows it.
struct HostWindowEntry {
  std::string className;
  MessageBoxHandler handler;
};

std::vector<std::unique_ptr<HostWindowEntry>> g_windows;

HostWindowEntry* entryOf(HWND window) {
  const auto found = std::find_if(g_windows.begin(), g_windows.end(), [&](const auto& entry) {
    return reinterpret_cast<HWND>(entry.get()) == window;
  });
  return found != g_windows.end() ? found->get() : nullptr;
}

}  // namespace

HostWindow::HostWindow(const char* className, MessageBoxHandler handler) {
  g_windows.push_back(std::make_unique<HostWindowEntry>(HostWindowEntry{className, handler}));
  window_ = reinterpret_cast<HWND>(g_windows.back().get());
}

HostWindow::~HostWindow() {
  std::erase_if(g_windows,
                [&](const auto& entry) { return reinterpret_cast<HWND>(entry.get()) == window_; });
}

HWND WINAPI hostFindWindowA(LPCSTR className, LPCSTR windowTitle) {
  if (windowTitle != nullptr && *windowTitle != '\0') return nullptr;
  const auto found = std::find_if(g_windows.begin(), g_windows.end(), [&](const auto& entry) {
    return className == nullptr || lstrcmpiA(entry->className.c_str(), className) == 0;
  });
  return found != g_windows.end() ? reinterpret_cast<HWND>(found->get()) : nullptr;
}

int WINAPI hostMessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
  const char* shownText = text != nullptr ? text : "";
  const char* shownCaption = caption != nullptr ? caption : "";
  if (HostWindowEntry* entry = entryOf(owner); entry && entry->handler)
    return entry->handler(owner, shownText, shownCaption, style);
  std::fprintf(stderr, "MessageBox [%s]: %s\n", shownCaption, shownText);
  return IDOK;
}

}  // namespace panelhost
