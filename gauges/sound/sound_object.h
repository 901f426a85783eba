#pragma once
// The sound engine underneath the module's eleven sounds: one DirectSound device for the module
// and sound objects that each own one or more secondary buffers holding the same WAVE resource.
// Failures leave null objects, and every operation accepts a null object, so that the gauges
// work on without sound.
#include <cstdint>
#include <vector>

#include "gauges/sound/wave_parse.h"
#include "winapi/dsound/dsound.h"

namespace sound {

struct SoundObject {
  const std::uint8_t* samples;  // inside the locked resource
  DWORD sampleBytes;
  WAVEFORMATEX format;
  std::size_t current = 0;                   // the buffer played last
  std::vector<LPDIRECTSOUNDBUFFER> buffers;  // at least one
};

// Opens the default device for `window` at the normal cooperative level and keeps `instance`
// for resource lookups. False when the device or the level cannot be had.
bool StartEngine(HWND window, HINSTANCE instance);
void StopEngine();  // releases the device, if any

// The WAVE resource `resourceId` (type "WAVE", else "WAV") of the kept instance in
// max(bufferCount, 1) buffers: the first loaded from the resource, the others duplicates of it
// (or, where duplicating fails, loaded afresh). Null without a device, for a resource that is
// missing or malformed, or when a buffer cannot be made.
SoundObject* CreateSound(int resourceId, int bufferCount);
// The same from WAVE bytes already parsed; the samples must outlive the object.
SoundObject* CreateSoundFromWave(const ParsedWave& wave, int bufferCount);
void DestroySound(SoundObject* sound);  // null is ignored

// Plays on a free buffer (flags 0 once, DSBPLAY_LOOPING looping). A playing one-buffer sound is
// not restarted; a sound with more buffers moves on to its next buffer, cutting that one off if
// it still plays; a lost buffer is restored and filled again. E_FAIL for a null object, for
// looping asked of a sound with more than one buffer, and when no buffer can play.
HRESULT PlaySoundObject(SoundObject* sound, DWORD flags);
// Stops every buffer and rewinds it. E_FAIL for a null object.
HRESULT StopSoundObject(SoundObject* sound);

}  // namespace sound
