#pragma once
// Which of a module's sounds were started and stopped: the mixer reports the sample bytes of each
// buffer it plays or stops, and those bytes are matched against the data chunks of the modules'
// WAVE resources to name the sound by its resource id (0 when no resource matches).
#include <cstdint>
#include <string>
#include <vector>

namespace panelhost {

struct SoundEvent {
  bool play = true;
  std::uint32_t id = 0;
  std::uint32_t flags = 0;
};

// The first "data" chunk of a RIFF WAVE file; empty when the bytes are not one.
struct WaveData {
  const unsigned char* bytes = nullptr;
  std::size_t size = 0;
};
WaveData waveDataChunk(const unsigned char* file, std::size_t size);

class SoundLog {
 public:
  SoundLog();
  ~SoundLog();
  SoundLog(const SoundLog&) = delete;
  SoundLog& operator=(const SoundLog&) = delete;

  // Learns the WAVE resources of a loaded module (its library handle).
  void addModule(void* moduleHandle);
  std::vector<SoundEvent> take();

 private:
  struct KnownSound {
    std::uint32_t id;
    WaveData data;
  };
  static void observe(void* self, int event, const void* pcm, unsigned size, unsigned flags);
  std::uint32_t idOf(const void* pcm, unsigned size) const;

  std::vector<KnownSound> sounds_;
  std::vector<SoundEvent> events_;
};

}  // namespace panelhost
