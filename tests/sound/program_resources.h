#pragma once
// Resources of the test program itself: FindResourceA with a null module looks in the program,
// so a test can hand the sound engine any WAVE images it likes. The program must export its
// symbols (ENABLE_EXPORTS).
#include <cstdint>
#include <string>
#include <vector>

#include "wave_images.h"

namespace soundtest {

struct ProgramResource {
  std::string type;  // "WAVE", "WAV", ...
  std::uint32_t id;
  Bytes bytes;
};

// Replaces the program's resources. Earlier packs stay in memory, since handles into them may
// still be around.
void setProgramResources(const std::vector<ProgramResource>& resources);

// The eleven gauge sounds as the content generator wrote them, as "WAVE" resources.
std::vector<ProgramResource> generatedGaugeSounds();

// The "data" chunk of a WAVE image made by riffImage or by the content generator.
Bytes dataChunkOf(const Bytes& image);

}  // namespace soundtest
