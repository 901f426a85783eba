// On Linux a module's resources are its exported pack, and winapi's mixer reports the sounds.
#include <dlfcn.h>

#include "panelhost/sound_source.h"
#include "winapi/resource_pack.h"

namespace panelhost {

std::vector<WaveResource> waveResources(void* moduleHandle) {
  const auto* directory =
      static_cast<const QtpResourceDirectory*>(dlsym(moduleHandle, respack::kDirectorySymbol));
  if (!directory) return {};
  const auto table = respack::entries(directory->pack, directory->size);
  const auto wave = respack::typeFromName("WAVE");
  const auto wav = respack::typeFromName("WAV");
  if (!table || !wave || !wav) return {};
  std::vector<WaveResource> found;
  for (const respack::PackEntry& entry : *table) {
    if (respack::sameType(entry, *wave) || respack::sameType(entry, *wav))
      found.push_back(WaveResource{entry.name_id, directory->pack + entry.offset, entry.size});
  }
  return found;
}

void watchSounds(QtpDsoundObserver observer, void* ctx) {
  qtp_dsound_set_observer(observer, ctx);
}

}  // namespace panelhost
