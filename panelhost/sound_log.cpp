#include "panelhost/sound_log.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "panelhost/little_endian.h"
#include "panelhost/sound_source.h"

namespace panelhost {

WaveData waveDataChunk(const unsigned char* file, std::size_t size) {
  if (!file || size < 12 || std::memcmp(file, "RIFF", 4) != 0 ||
      std::memcmp(file + 8, "WAVE", 4) != 0)
    return {};
  const std::size_t end =
      std::min<std::size_t>(size, 8 + static_cast<std::size_t>(readLe32(file + 4)));
  for (std::size_t at = 12; at + 8 <= end;) {
    const std::size_t length = readLe32(file + at + 4);
    if (std::memcmp(file + at, "data", 4) == 0) {
      if (length > end - at - 8) return {};
      return WaveData{file + at + 8, length};
    }
    at += 8 + length + (length & 1);
  }
  return {};
}

SoundLog::SoundLog() {
  watchSounds(&SoundLog::observe, this);
}

SoundLog::~SoundLog() {
  watchSounds(nullptr, nullptr);
}

void SoundLog::addModule(void* moduleHandle) {
  for (const WaveResource& wave : waveResources(moduleHandle)) {
    const WaveData data = waveDataChunk(wave.bytes, wave.size);
    if (data.bytes) sounds_.push_back(KnownSound{wave.id, data});
  }
}

std::vector<SoundEvent> SoundLog::take() {
  return std::exchange(events_, {});
}

void SoundLog::observe(void* self, int event, const void* pcm, unsigned size, unsigned flags) {
  auto* log = static_cast<SoundLog*>(self);
  log->events_.push_back(SoundEvent{event == QTP_DSOUND_PLAY, log->idOf(pcm, size), flags});
}

std::uint32_t SoundLog::idOf(const void* pcm, unsigned size) const {
  for (const KnownSound& sound : sounds_) {
    if (sound.data.size == size &&
        (size == 0 || sound.data.bytes == pcm || std::memcmp(sound.data.bytes, pcm, size) == 0))
      return sound.id;
  }
  return 0;
}

}  // namespace panelhost
