#include "gauges/sound/sound_object.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <span>

#include "winapi/windows.h"

namespace sound {
namespace {

// Static, with frequency, pan, volume and position-notification control.
constexpr DWORD kBufferFlags = DSBCAPS_STATIC | DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN |
                               DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLPOSITIONNOTIFY;
static_assert(kBufferFlags == 0x1E2);

LPDIRECTSOUND directSound = nullptr;
HINSTANCE resourceInstance = nullptr;

std::optional<std::span<const std::uint8_t>> waveResource(int resourceId) {
  HRSRC found = FindResourceA(resourceInstance, MAKEINTRESOURCEA(resourceId), "WAVE");
  if (found == nullptr)
    found = FindResourceA(resourceInstance, MAKEINTRESOURCEA(resourceId), "WAV");
  if (found == nullptr) return std::nullopt;
  HGLOBAL loaded = LoadResource(resourceInstance, found);
  const auto* bytes = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
  if (bytes == nullptr) return std::nullopt;
  // The resource's own size bounds the walk, so that a wrong RIFF length cannot lead it astray.
  return std::span(bytes, SizeofResource(resourceInstance, found));
}

bool fill(LPDIRECTSOUNDBUFFER buffer, const SoundObject& sound) {
  LPVOID first = nullptr;
  LPVOID second = nullptr;
  DWORD firstBytes = 0;
  DWORD secondBytes = 0;
  if (FAILED(buffer->Lock(0, sound.sampleBytes, &first, &firstBytes, &second, &secondBytes, 0)))
    return false;
  std::memcpy(first, sound.samples, firstBytes);
  if (second != nullptr) std::memcpy(second, sound.samples + firstBytes, secondBytes);
  return SUCCEEDED(buffer->Unlock(first, firstBytes, second, secondBytes));
}

LPDIRECTSOUNDBUFFER loadBuffer(const SoundObject& sound) {
  WAVEFORMATEX format = sound.format;
  DSBUFFERDESC desc{};
  desc.dwSize = sizeof desc;
  desc.dwFlags = kBufferFlags;
  desc.dwBufferBytes = sound.sampleBytes;
  desc.lpwfxFormat = &format;
  LPDIRECTSOUNDBUFFER buffer = nullptr;
  if (FAILED(directSound->CreateSoundBuffer(&desc, &buffer, nullptr))) return nullptr;
  if (!fill(buffer, sound)) {
    buffer->Release();
    return nullptr;
  }
  return buffer;
}

DWORD statusOf(LPDIRECTSOUNDBUFFER buffer) {
  DWORD status = 0;
  return SUCCEEDED(buffer->GetStatus(&status)) ? status : 0;
}

// The buffer a new play goes to, or null when there is none.
LPDIRECTSOUNDBUFFER freeBuffer(SoundObject& sound) {
  DWORD status = statusOf(sound.buffers[sound.current]);
  if ((status & DSBSTATUS_PLAYING) != 0) {
    if (sound.buffers.size() == 1) return nullptr;
    sound.current = (sound.current + 1) % sound.buffers.size();
    status = statusOf(sound.buffers[sound.current]);
    if ((status & DSBSTATUS_PLAYING) != 0) {
      sound.buffers[sound.current]->Stop();
      sound.buffers[sound.current]->SetCurrentPosition(0);
    }
  }
  LPDIRECTSOUNDBUFFER chosen = sound.buffers[sound.current];
  if ((status & DSBSTATUS_BUFFERLOST) != 0 && (FAILED(chosen->Restore()) || !fill(chosen, sound)))
    return nullptr;
  return chosen;
}

}  // namespace

bool StartEngine(HWND window, HINSTANCE instance) {
  StopEngine();  // one device per module, even when started twice
  resourceInstance = instance;
  if (FAILED(DirectSoundCreate(nullptr, &directSound, nullptr))) {
    directSound = nullptr;
    return false;
  }
  if (FAILED(directSound->SetCooperativeLevel(window, DSSCL_NORMAL))) {
    StopEngine();
    return false;
  }
  return true;
}

void StopEngine() {
  if (directSound != nullptr) directSound->Release();
  directSound = nullptr;
}

SoundObject* CreateSound(int resourceId, int bufferCount) {
  if (directSound == nullptr) return nullptr;
  const auto bytes = waveResource(resourceId);
  if (!bytes) return nullptr;
  const auto wave = ParseWave(*bytes);
  return wave ? CreateSoundFromWave(*wave, bufferCount) : nullptr;
}

SoundObject* CreateSoundFromWave(const ParsedWave& wave, int bufferCount) {
  if (directSound == nullptr) return nullptr;
  auto* sound = new SoundObject{wave.samples, wave.sampleBytes, wave.format, 0, {}};
  const auto count = static_cast<std::size_t>(std::max(bufferCount, 1));
  for (std::size_t i = 0; i < count; ++i) {
    LPDIRECTSOUNDBUFFER buffer = nullptr;
    if (i > 0 && FAILED(directSound->DuplicateSoundBuffer(sound->buffers[0], &buffer)))
      buffer = nullptr;
    if (buffer == nullptr) buffer = loadBuffer(*sound);
    if (buffer == nullptr) {
      DestroySound(sound);
      return nullptr;
    }
    sound->buffers.push_back(buffer);
  }
  return sound;
}

void DestroySound(SoundObject* sound) {
  if (sound == nullptr) return;
  for (LPDIRECTSOUNDBUFFER buffer : sound->buffers) buffer->Release();
  delete sound;
}

HRESULT PlaySoundObject(SoundObject* sound, DWORD flags) {
  if (sound == nullptr) return E_FAIL;
  if ((flags & DSBPLAY_LOOPING) != 0 && sound->buffers.size() > 1) return E_FAIL;
  LPDIRECTSOUNDBUFFER buffer = freeBuffer(*sound);
  if (buffer == nullptr || FAILED(buffer->Play(0, 0, flags))) return E_FAIL;
  return S_OK;
}

HRESULT StopSoundObject(SoundObject* sound) {
  if (sound == nullptr) return E_FAIL;
  for (LPDIRECTSOUNDBUFFER buffer : sound->buffers) {
    buffer->Stop();
    buffer->SetCurrentPosition(0);
  }
  return S_OK;
}

}  // namespace sound
