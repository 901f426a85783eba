#include "panelhost/host_window.h"

namespace panelhost {

HostWindow::HostWindow(const char* className, MessageBoxHandler handler)
    : window_(qtp_RegisterHostWindow(className, handler)) {}

HostWindow::~HostWindow() {
  qtp_UnregisterHostWindow(window_);
}

}  // namespace panelhost
