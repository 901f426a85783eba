#pragma once
// The DirectSound subset the gauge module plays its sounds with: one device object, static
// secondary buffers filled through Lock/Unlock, duplicates that share one buffer's memory, and
// the play, stop, rewind, status and restore calls. On Linux it mixes through OpenAL Soft; the
// names, records, flags and result codes are DirectSound's, so gauge code stays portable; built
// for Windows it is the system's DirectSound.
#ifdef _WIN32
#include <windows.h>
// windows.h first: dsound.h needs its types
#include <dsound.h>
#else
#include <cstdint>

#include "winapi/windows_types.h"

using ULONG = std::uint32_t;
using LPDWORD = DWORD*;

struct GUID {
  std::uint32_t Data1;
  std::uint16_t Data2;
  std::uint16_t Data3;
  std::uint8_t Data4[8];
};
using LPCGUID = const GUID*;

// The default playback device; a null device GUID means the same.
inline constexpr GUID DSDEVID_DefaultPlayback = {
    0xDEF00000, 0x9C6D, 0x47ED, {0xAA, 0xF1, 0x4D, 0xDA, 0x8F, 0x2B, 0x5C, 0x03}};

inline constexpr WORD WAVE_FORMAT_PCM = 1;

#pragma pack(push, 1)
struct WAVEFORMATEX {
  WORD wFormatTag;
  WORD nChannels;
  DWORD nSamplesPerSec;
  DWORD nAvgBytesPerSec;
  WORD nBlockAlign;
  WORD wBitsPerSample;
  WORD cbSize;
};
#pragma pack(pop)
static_assert(sizeof(WAVEFORMATEX) == 18);
using LPWAVEFORMATEX = WAVEFORMATEX*;

struct DSBUFFERDESC {
  DWORD dwSize;  // sizeof(DSBUFFERDESC) or sizeof(DSBUFFERDESC1)
  DWORD dwFlags;
  DWORD dwBufferBytes;
  DWORD dwReserved;
  LPWAVEFORMATEX lpwfxFormat;
  GUID guid3DAlgorithm;
};
// The older description without the 3D algorithm, still accepted.
struct DSBUFFERDESC1 {
  DWORD dwSize;
  DWORD dwFlags;
  DWORD dwBufferBytes;
  DWORD dwReserved;
  LPWAVEFORMATEX lpwfxFormat;
};
#if UINTPTR_MAX == 0xFFFFFFFFu
static_assert(sizeof(DSBUFFERDESC) == 36);
static_assert(sizeof(DSBUFFERDESC1) == 20);
#endif
using LPCDSBUFFERDESC = const DSBUFFERDESC*;

// Cooperative levels.
inline constexpr DWORD DSSCL_NORMAL = 1;
inline constexpr DWORD DSSCL_PRIORITY = 2;
inline constexpr DWORD DSSCL_EXCLUSIVE = 3;
inline constexpr DWORD DSSCL_WRITEPRIMARY = 4;

// Buffer capabilities (DSBUFFERDESC::dwFlags).
inline constexpr DWORD DSBCAPS_PRIMARYBUFFER = 0x1;
inline constexpr DWORD DSBCAPS_STATIC = 0x2;
inline constexpr DWORD DSBCAPS_CTRLFREQUENCY = 0x20;
inline constexpr DWORD DSBCAPS_CTRLPAN = 0x40;
inline constexpr DWORD DSBCAPS_CTRLVOLUME = 0x80;
inline constexpr DWORD DSBCAPS_CTRLPOSITIONNOTIFY = 0x100;

// Buffer sizes a secondary buffer may have.
inline constexpr DWORD DSBSIZE_MIN = 4;
inline constexpr DWORD DSBSIZE_MAX = 0x0FFFFFFF;

// Play flags, status bits, lock flags.
inline constexpr DWORD DSBPLAY_LOOPING = 0x1;
inline constexpr DWORD DSBSTATUS_PLAYING = 0x1;
inline constexpr DWORD DSBSTATUS_BUFFERLOST = 0x2;
inline constexpr DWORD DSBSTATUS_LOOPING = 0x4;
inline constexpr DWORD DSBLOCK_FROMWRITECURSOR = 0x1;
inline constexpr DWORD DSBLOCK_ENTIREBUFFER = 0x2;

// Result codes.
inline constexpr HRESULT DS_OK = S_OK;
inline constexpr HRESULT DSERR_GENERIC = E_FAIL;
inline constexpr HRESULT DSERR_INVALIDPARAM = static_cast<HRESULT>(0x80070057u);
inline constexpr HRESULT DSERR_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
inline constexpr HRESULT DSERR_NOAGGREGATION = static_cast<HRESULT>(0x80040110u);
inline constexpr HRESULT DSERR_UNSUPPORTED = static_cast<HRESULT>(0x80004001u);
inline constexpr HRESULT DSERR_BADFORMAT = static_cast<HRESULT>(0x88780064u);
inline constexpr HRESULT DSERR_NODRIVER = static_cast<HRESULT>(0x88780078u);
inline constexpr HRESULT DSERR_BUFFERLOST = static_cast<HRESULT>(0x88780096u);

// A secondary buffer. Released by Release(); the device stays open while a buffer lives.
struct IDirectSoundBuffer {
  virtual ULONG AddRef() = 0;
  virtual ULONG Release() = 0;
  // Play and write cursors in bytes; a static buffer writes where it plays.
  virtual HRESULT GetCurrentPosition(LPDWORD playCursor, LPDWORD writeCursor) = 0;
  virtual HRESULT GetStatus(LPDWORD status) = 0;
  // Direct access to the buffer's memory, in up to two parts when the region wraps around.
  virtual HRESULT Lock(DWORD offset, DWORD bytes, LPVOID* part1, LPDWORD bytes1, LPVOID* part2,
                       LPDWORD bytes2, DWORD flags) = 0;
  // Plays from the current position; a buffer that plays already goes on (only its looping
  // changes).
  virtual HRESULT Play(DWORD reserved, DWORD priority, DWORD flags) = 0;
  virtual HRESULT SetCurrentPosition(DWORD newPosition) = 0;
  // Halts and keeps the position, so that the next Play continues from there.
  virtual HRESULT Stop() = 0;
  virtual HRESULT Unlock(LPVOID part1, DWORD bytes1, LPVOID part2, DWORD bytes2) = 0;
  // Gives a lost buffer its memory back, empty; the caller fills it again.
  virtual HRESULT Restore() = 0;

 protected:
  ~IDirectSoundBuffer() = default;
};
using LPDIRECTSOUNDBUFFER = IDirectSoundBuffer*;

struct IDirectSound {
  virtual ULONG AddRef() = 0;
  virtual ULONG Release() = 0;
  // Only secondary buffers; an outer object is refused.
  virtual HRESULT CreateSoundBuffer(LPCDSBUFFERDESC desc, LPDIRECTSOUNDBUFFER* buffer,
                                    void* outer) = 0;
  // A new buffer with its own position and status, sharing the original's memory.
  virtual HRESULT DuplicateSoundBuffer(LPDIRECTSOUNDBUFFER original,
                                       LPDIRECTSOUNDBUFFER* duplicate) = 0;
  virtual HRESULT SetCooperativeLevel(HWND window, DWORD level) = 0;

 protected:
  ~IDirectSound() = default;
};
using LPDIRECTSOUND = IDirectSound*;

// Opens the playback device (null or DSDEVID_DefaultPlayback: the default one; OpenAL's own
// configuration and ALSOFT_DRIVERS choose it). Fails with DSERR_NODRIVER when no device opens.
extern "C" __attribute__((visibility("default"))) HRESULT DirectSoundCreate(
    LPCGUID device, LPDIRECTSOUND* directSound, void* outer);
#endif
