#include "panelhost/module_imports_win32.h"

#include <cstring>

#include "panelhost/observed_dsound_win32.h"

namespace panelhost {
namespace {

struct Redirect {
  const char* library;
  const char* name;
  void* replacement;
};

template <class T>
const T* at(HMODULE module, DWORD rva) {
  return reinterpret_cast<const T*>(reinterpret_cast<const BYTE*>(module) + rva);
}

const Redirect* redirectFor(const char* library, const char* name) {
  static const Redirect redirects[] = {
      {"USER32.dll", "FindWindowA", reinterpret_cast<void*>(&hostFindWindowA)},
      {"USER32.dll", "MessageBoxA", reinterpret_cast<void*>(&hostMessageBoxA)},
      {"DSOUND.dll", "DirectSoundCreate", reinterpret_cast<void*>(&observedDirectSoundCreate)},
  };
  for (const Redirect& redirect : redirects)
    if (lstrcmpiA(redirect.library, library) == 0 && std::strcmp(redirect.name, name) == 0)
      return &redirect;
  return nullptr;
}

void replaceEntry(IMAGE_THUNK_DATA* entry, void* replacement) {
  DWORD previous = 0;
  if (!VirtualProtect(entry, sizeof *entry, PAGE_READWRITE, &previous)) return;
  entry->u1.Function = reinterpret_cast<DWORD_PTR>(replacement);
  VirtualProtect(entry, sizeof *entry, previous, &previous);
}

}  // namespace

// The loader has bound the module's imports; walk its import descriptors by name.
void redirectModuleImports(HMODULE module) {
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module);
  const auto* nt = at<IMAGE_NT_HEADERS>(module, static_cast<DWORD>(dos->e_lfanew));
  const IMAGE_DATA_DIRECTORY& imports =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (imports.VirtualAddress == 0) return;
  for (const auto* descriptor = at<IMAGE_IMPORT_DESCRIPTOR>(module, imports.VirtualAddress);
       descriptor->Name != 0; ++descriptor) {
    const char* library = at<char>(module, descriptor->Name);
    if (descriptor->OriginalFirstThunk == 0) continue;  // no names to match by
    const auto* names = at<IMAGE_THUNK_DATA>(module, descriptor->OriginalFirstThunk);
    auto* bound =
        const_cast<IMAGE_THUNK_DATA*>(at<IMAGE_THUNK_DATA>(module, descriptor->FirstThunk));
    for (; names->u1.AddressOfData != 0; ++names, ++bound) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto* byName =
          at<IMAGE_IMPORT_BY_NAME>(module, static_cast<DWORD>(names->u1.AddressOfData));
      if (const Redirect* redirect =
              redirectFor(library, reinterpret_cast<const char*>(byName->Name)))
        replaceEntry(bound, redirect->replacement);
    }
  }
}

}  // namespace panelhost
