#pragma once
// The host's main window as a gauge module looks it up (FindWindowA by class name, no title) and
// the message box that goes to it: the handler gets what the module shows. On Linux the window
// is registered with winapi/; on Windows the module's own FindWindowA and MessageBoxA imports
// are pointed at the host's registry when it is loaded (module_imports_win32.h), since a console
// host under Wine without a display can create no window.
#include "winapi/windows.h"

namespace panelhost {

using MessageBoxHandler = int (*)(HWND owner, LPCSTR text, LPCSTR caption, UINT style);

class HostWindow {
 public:
  HostWindow(const char* className, MessageBoxHandler handler);
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

 private:
  HWND window_;
};

}  // namespace panelhost
