// The device object and DirectSoundCreate.
#include <atomic>
#include <cstring>
#include <memory>
#include <utility>

#include "winapi/dsound/al_device.h"
#include "winapi/dsound/dsound.h"
#include "winapi/dsound/sound_buffer.h"

namespace dsound_mixer {
namespace {

constexpr DWORD kMinRate = 100;
constexpr DWORD kMaxRate = 200000;

bool playableFormat(const WAVEFORMATEX& format) {
  const bool bitsOk = format.wBitsPerSample == 8 || format.wBitsPerSample == 16;
  const bool channelsOk = format.nChannels == 1 || format.nChannels == 2;
  return format.wFormatTag == WAVE_FORMAT_PCM && bitsOk && channelsOk &&
         format.nBlockAlign == format.nChannels * format.wBitsPerSample / 8 &&
         format.nSamplesPerSec >= kMinRate && format.nSamplesPerSec <= kMaxRate;
}

bool sameGuid(const GUID& a, const GUID& b) {
  return std::memcmp(&a, &b, sizeof(GUID)) == 0;
}

class DirectSound final : public IDirectSound {
 public:
  explicit DirectSound(std::shared_ptr<AlDevice> device) : device_(std::move(device)) {}

  ULONG AddRef() override { return ++references_; }

  ULONG Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT CreateSoundBuffer(LPCDSBUFFERDESC desc, LPDIRECTSOUNDBUFFER* buffer,
                            void* outer) override {
    if (buffer == nullptr || desc == nullptr) return DSERR_INVALIDPARAM;
    *buffer = nullptr;
    if (outer != nullptr) return DSERR_NOAGGREGATION;
    if (desc->dwSize != sizeof(DSBUFFERDESC) && desc->dwSize != sizeof(DSBUFFERDESC1))
      return DSERR_INVALIDPARAM;
    // Only secondary buffers: the mixer owns the output and offers no primary buffer.
    if ((desc->dwFlags & DSBCAPS_PRIMARYBUFFER) != 0) return DSERR_UNSUPPORTED;
    if (desc->lpwfxFormat == nullptr || desc->dwBufferBytes < DSBSIZE_MIN ||
        desc->dwBufferBytes > DSBSIZE_MAX)
      return DSERR_INVALIDPARAM;
    if (!playableFormat(*desc->lpwfxFormat)) return DSERR_BADFORMAT;
    auto pcm = PcmStore::create(device_, *desc->lpwfxFormat, desc->dwBufferBytes);
    if (pcm == nullptr) return DSERR_OUTOFMEMORY;
    *buffer = SoundBuffer::create(device_, std::move(pcm));
    return *buffer != nullptr ? DS_OK : DSERR_OUTOFMEMORY;
  }

  HRESULT DuplicateSoundBuffer(LPDIRECTSOUNDBUFFER original,
                               LPDIRECTSOUNDBUFFER* duplicate) override {
    if (duplicate == nullptr) return DSERR_INVALIDPARAM;
    *duplicate = nullptr;
    auto* ours = dynamic_cast<SoundBuffer*>(original);
    if (ours == nullptr || !ours->belongsTo(*device_)) return DSERR_INVALIDPARAM;
    *duplicate = SoundBuffer::create(device_, ours->pcm());
    return *duplicate != nullptr ? DS_OK : DSERR_OUTOFMEMORY;
  }

  HRESULT SetCooperativeLevel(HWND /*window*/, DWORD level) override {
    // The level only matters to a Windows desktop; the window is not needed for mixing.
    return level >= DSSCL_NORMAL && level <= DSSCL_WRITEPRIMARY ? DS_OK : DSERR_INVALIDPARAM;
  }

 private:
  ~DirectSound() = default;

  std::shared_ptr<AlDevice> device_;
  std::atomic<ULONG> references_{1};
};

}  // namespace
}  // namespace dsound_mixer

extern "C" HRESULT DirectSoundCreate(LPCGUID device, LPDIRECTSOUND* directSound, void* outer) {
  if (directSound == nullptr) return DSERR_INVALIDPARAM;
  *directSound = nullptr;
  if (outer != nullptr) return DSERR_NOAGGREGATION;
  if (device != nullptr && !dsound_mixer::sameGuid(*device, DSDEVID_DefaultPlayback))
    return DSERR_NODRIVER;
  auto opened = dsound_mixer::AlDevice::openDefault();
  if (opened == nullptr) return DSERR_NODRIVER;
  *directSound = new dsound_mixer::DirectSound(std::move(opened));
  return DS_OK;
}
