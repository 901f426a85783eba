#include "gauges/sound/sound_engine.h"

#include <algorithm>
#include <array>

#include "gauges/sound/sound_object.h"
#include "winapi/windows.h"

namespace {

struct SoundSlot {
  SoundId id;
  int buffers;
  sound::SoundObject* handle;
};

// In the order they are created.
std::array<SoundSlot, 11> sounds = {{
    {SoundId::Click, 2, nullptr},
    {SoundId::Gear, 2, nullptr},
    {SoundId::Toggle, 2, nullptr},
    {SoundId::FuelPump, 1, nullptr},
    {SoundId::RadioBeep, 2, nullptr},
    {SoundId::ComPowerOn, 1, nullptr},
    {SoundId::ComPullOn, 1, nullptr},
    {SoundId::StarterCatch, 1, nullptr},
    {SoundId::StarterCrank, 1, nullptr},
    {SoundId::RunDown, 1, nullptr},
    {SoundId::ElectricHum, 1, nullptr},
}};

// ALT installs not yet killed: the sounds live while one remains.
int liveInstalls = 0;

sound::SoundObject* handleOf(SoundId id) {
  const auto slot =
      std::find_if(sounds.begin(), sounds.end(), [id](const SoundSlot& s) { return s.id == id; });
  return slot != sounds.end() ? slot->handle : nullptr;
}

void startSounds(HINSTANCE instance) {
  HWND window = FindWindowA("FS98MAIN", nullptr);
  if (!sound::StartEngine(window, instance))
    MessageBoxA(window, "ups...can't initialize DirectSound", "", MB_OK | MB_ICONEXCLAMATION);
  for (SoundSlot& slot : sounds)
    slot.handle = sound::CreateSound(static_cast<int>(slot.id), slot.buffers);
}

void endSounds() {
  for (SoundSlot& slot : sounds) sound::StopSoundObject(slot.handle);
  for (SoundSlot& slot : sounds) {
    sound::DestroySound(slot.handle);
    slot.handle = nullptr;
  }
  sound::StopEngine();
}

}  // namespace

HRESULT PlaySound(SoundId id, DWORD flags) {
  return sound::PlaySoundObject(handleOf(id), flags);
}

HRESULT StopSound(SoundId id) {
  return sound::StopSoundObject(handleOf(id));
}

void SoundGaugeCallback(PGAUGEHDR /*gauge*/, SINT32 service_id, UINTPTR extra_data) {
  if (service_id == GAUGE_SERVICE_POST_INSTALL) {
    if (liveInstalls++ == 0) startSounds(reinterpret_cast<HINSTANCE>(extra_data));
  } else if (service_id == GAUGE_SERVICE_PRE_KILL && liveInstalls > 0) {
    if (--liveInstalls == 0) endSounds();
  }
}
