#pragma once
// Where the sound log's facts come from on this system: the WAVE resources of a loaded module
// and the reports of the sounds its buffers start and stop.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "winapi/dsound/dsound_observer.h"

namespace panelhost {

struct WaveResource {
  std::uint32_t id = 0;
  const unsigned char* bytes = nullptr;  // the whole RIFF file
  std::size_t size = 0;
};

// The module's resources of type "WAVE" or "WAV" with numeric names.
std::vector<WaveResource> waveResources(void* moduleHandle);
// A null observer stops the reports.
void watchSounds(QtpDsoundObserver observer, void* ctx);

}  // namespace panelhost
