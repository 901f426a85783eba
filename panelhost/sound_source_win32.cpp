// On Windows a module's resources are its PE resources, and the observed DirectSound reports
// the sounds.
#include <windows.h>

#include "panelhost/observed_dsound_win32.h"
#include "panelhost/sound_source.h"

namespace panelhost {
namespace {

BOOL CALLBACK addWave(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR found) {
  if (!IS_INTRESOURCE(name)) return TRUE;
  HRSRC resource = FindResourceA(module, name, type);
  const auto* bytes =
      resource ? static_cast<const unsigned char*>(LockResource(LoadResource(module, resource)))
               : nullptr;
  if (bytes) {
    const auto id = static_cast<std::uint32_t>(reinterpret_cast<ULONG_PTR>(name));
    reinterpret_cast<std::vector<WaveResource>*>(found)->push_back(
        WaveResource{id, bytes, SizeofResource(module, resource)});
  }
  return TRUE;
}

}  // namespace

std::vector<WaveResource> waveResources(void* moduleHandle) {
  std::vector<WaveResource> found;
  for (const char* type : {"WAVE", "WAV"})
    EnumResourceNamesA(static_cast<HMODULE>(moduleHandle), type, &addWave,
                       reinterpret_cast<LONG_PTR>(&found));
  return found;
}

void watchSounds(QtpDsoundObserver observer, void* ctx) {
  setSoundObserver(observer, ctx);
}

}  // namespace panelhost
