// The host's top-level windows and the message box that goes to them.
#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "winapi/windows.h"

struct HWND__ {
  std::string className;
  QtpMessageBoxHandler messageBox;
};

namespace {

std::mutex windowsMutex;
std::vector<std::unique_ptr<HWND__>> windows;

// The handler of a window that is still registered, or null.
QtpMessageBoxHandler handlerOf(HWND owner) {
  std::lock_guard lock(windowsMutex);
  const auto found = std::find_if(windows.begin(), windows.end(),
                                  [&](const auto& window) { return window.get() == owner; });
  return found != windows.end() ? (*found)->messageBox : nullptr;
}

}  // namespace

HWND qtp_RegisterHostWindow(const char* className, QtpMessageBoxHandler messageBox) {
  if (className == nullptr || *className == '\0') return nullptr;
  std::lock_guard lock(windowsMutex);
  windows.push_back(std::make_unique<HWND__>(HWND__{className, messageBox}));
  return windows.back().get();
}

void qtp_UnregisterHostWindow(HWND window) {
  std::lock_guard lock(windowsMutex);
  std::erase_if(windows, [&](const auto& registered) { return registered.get() == window; });
}

HWND FindWindowA(LPCSTR className, LPCSTR windowTitle) {
  if (windowTitle != nullptr && *windowTitle != '\0') return nullptr;
  std::lock_guard lock(windowsMutex);
  const auto found = std::find_if(windows.begin(), windows.end(), [&](const auto& window) {
    return className == nullptr || strcasecmp(window->className.c_str(), className) == 0;
  });
  return found != windows.end() ? found->get() : nullptr;
}

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
  const char* shownText = text != nullptr ? text : "";
  const char* shownCaption = caption != nullptr ? caption : "";
  // The handler runs outside the lock: it may well look windows up itself.
  if (const QtpMessageBoxHandler handler = handlerOf(owner))
    return handler(owner, shownText, shownCaption, style);
  std::fprintf(stderr, "MessageBox [%s]: %s\n", shownCaption, shownText);
  return IDOK;
}
