#pragma once
// What a loaded module calls in place of the system: its imports of FindWindowA and MessageBoxA
// go to the host's window registry (host_window.h) and DirectSoundCreate to the observed
// DirectSound (observed_dsound_win32.h). Everything else it imports stays the system's.
#include <windows.h>

namespace panelhost {

// Rewrites the module's import address table entries of those three calls.
void redirectModuleImports(HMODULE module);

// The host's versions, as the module sees them.
HWND WINAPI hostFindWindowA(LPCSTR className, LPCSTR windowTitle);
int WINAPI hostMessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT style);

}  // namespace panelhost
