#include "panelhost/sound_log.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "panelhost/little_endian.h"
#include "winapi/dsound/dsound_observer.h"
#include "winapi/resource_pack.h"

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
  qtp_dsound_set_observer(&SoundLog::observe, this);
}

SoundLog::~SoundLog() {
  qtp_dsound_set_observer(nullptr, nullptr);
}

void SoundLog::addModule(void* moduleHandle) {
  const auto* directory =
      static_cast<const QtpResourceDirectory*>(dlsym(moduleHandle, respack::kDirectorySymbol));
  if (!directory) return;
  const auto table = respack::entries(directory->pack, directory->size);
  const auto wave = respack::typeFromName("WAVE");
  const auto wav = respack::typeFromName("WAV");
  if (!table || !wave || !wav) return;
  for (const respack::PackEntry& entry : *table) {
    if (!respack::sameType(entry, *wave) && !respack::sameType(entry, *wav)) continue;
    const WaveData data = waveDataChunk(directory->pack + entry.offset, entry.size);
    if (data.bytes) sounds_.push_back(KnownSound{entry.name_id, data});
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
