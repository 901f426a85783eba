#pragma once
// The module's eleven sounds, for the gauges.
//
//   PlaySound(SoundId::Click);                           // once
//   PlaySound(SoundId::ElectricHum, DSBPLAY_LOOPING);    // looping (one-buffer sounds only)
//   StopSound(SoundId::ElectricHum);                     // stop and rewind every buffer
//
// The sounds exist from ALT's install to its kill (SoundGaugeCallback). Outside that time, and
// whenever the device or a sound could not be had, both calls fail quietly with E_FAIL and the
// gauge carries on. A one-buffer sound that still plays is not restarted (so playing the hum on
// every update keeps one hum going); a two-buffer sound alternates between its buffers and cuts
// the older one off when both are busy.
#include "gauges/panel_records.h"
#include "winapi/dsound/dsound.h"

// WAVE resource ids of the sounds.
enum class SoundId : int {
  Click = 118,         // knob and button click (2 buffers)
  Gear = 142,          // gear handle, flaps (2 buffers)
  Toggle = 199,        // toggle switch, radio transfer (2 buffers)
  FuelPump = 226,      // auxiliary fuel pump run
  RadioBeep = 255,     // radio knob step (2 buffers)
  ComPowerOn = 288,    // COM radio switched on with avionics power
  ComPullOn = 289,     // COM pull switch on with the radio powered
  StarterCatch = 315,  // starter cranking until the engine catches
  StarterCrank = 316,  // starter cranking without a start
  RunDown = 317,       // engine running down
  ElectricHum = 318,   // electrical hum, played looping while powered
};

// S_OK when a buffer was started; E_FAIL otherwise (no sound, looping asked of a two-buffer
// sound, a one-buffer sound still playing, a device error).
HRESULT PlaySound(SoundId id, DWORD flags = 0);
// S_OK when the sound exists; E_FAIL otherwise.
HRESULT StopSound(SoundId id);

// ALT's gauge callback. After install: finds the host window "FS98MAIN", opens the device for
// it with `extra_data` as the module's instance handle (telling the user once by message box if
// that fails) and creates the eleven sounds. Before kill: stops and destroys them and closes the
// device. When ALT is installed more than once, the sounds stay until the last one is killed.
void SoundGaugeCallback(PGAUGEHDR gauge, SINT32 service_id, UINTPTR extra_data);
