#pragma once
// The Windows API subset that the gauge module calls, for Linux: resource lookup in a loaded
// module, the host's main window by class name, and the message box. Gauge code includes this
// header only; built for Windows it is the system's <windows.h>.
#ifdef _WIN32
#include <windows.h>
#else
#include <cstdint>

#include "winapi/windows_types.h"

#define QTP_WINAPI extern "C" __attribute__((visibility("default")))

// An integer resource name or type in place of a string (ids are 16-bit).
#define MAKEINTRESOURCEA(id) \
  (reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(static_cast<WORD>(id))))
#define MAKEINTRESOURCE MAKEINTRESOURCEA
#define IS_INTRESOURCE(p) ((reinterpret_cast<std::uintptr_t>(p) >> 16) == 0)

// Resource types by number; the type name "BITMAP" means RT_BITMAP as well.
#define RT_BITMAP MAKEINTRESOURCEA(2)

// Resources of a module. `module` is the handle the module was loaded with (its dlopen handle);
// null means the program itself. Names and types are integer resources, "#<number>" strings or
// (types) names compared without regard to case. Resources live as long as their module, so
// LoadResource returns the bytes themselves and LockResource hands them back.
QTP_WINAPI HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type);
QTP_WINAPI HGLOBAL LoadResource(HMODULE module, HRSRC resource);
QTP_WINAPI LPVOID LockResource(HGLOBAL loaded);
QTP_WINAPI DWORD SizeofResource(HMODULE module, HRSRC resource);

// Top-level windows are the ones a host registers; the title of a registered window is empty.
QTP_WINAPI HWND FindWindowA(LPCSTR className, LPCSTR windowTitle);

// Goes to the message-box handler of the owner window when the host gave it one; otherwise the
// text is written to standard error and the answer is IDOK.
QTP_WINAPI int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT style);

// ---- Host side -------------------------------------------------------------------------------

using QtpMessageBoxHandler = int (*)(HWND owner, LPCSTR text, LPCSTR caption, UINT style);

// Registers a top-level window of the host under a class name (the panel host uses "FS98MAIN")
// with an optional message-box handler; the handle stays valid until it is unregistered.
QTP_WINAPI HWND qtp_RegisterHostWindow(const char* className, QtpMessageBoxHandler messageBox);
QTP_WINAPI void qtp_UnregisterHostWindow(HWND window);
#endif
