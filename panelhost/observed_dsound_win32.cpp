#include "panelhost/observed_dsound_win32.h"

namespace panelhost {
namespace {

QtpDsoundObserver g_observer = nullptr;
void* g_observerCtx = nullptr;

// Reports the buffer's bytes as they are now: the whole buffer, locked and left unchanged.
void report(IDirectSoundBuffer* buffer, int event, DWORD flags) {
  if (!g_observer) return;
  LPVOID part1 = nullptr;
  LPVOID part2 = nullptr;
  DWORD bytes1 = 0;
  DWORD bytes2 = 0;
  if (FAILED(buffer->Lock(0, 0, &part1, &bytes1, &part2, &bytes2, DSBLOCK_ENTIREBUFFER))) {
    g_observer(g_observerCtx, event, nullptr, 0, flags);
    return;
  }
  g_observer(g_observerCtx, event, part1, bytes1, flags);
  buffer->Unlock(part1, bytes1, part2, bytes2);
}

// The IUnknown part of a wrapper around a system object: it forwards QueryInterface, counts its
// own references and releases the system's object with its last one.
template <class Interface>
class Forwarding : public Interface {
 public:
  explicit Forwarding(Interface* real) : real_(real) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
    return real_->QueryInterface(id, out);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    if (--refs_ > 0) return refs_;
    real_->Release();
    delete this;
    return 0;
  }

 protected:
  virtual ~Forwarding() = default;
  Interface* real_;

 private:
  ULONG refs_ = 1;
};

// Owns one reference to the system's buffer and forwards to it.
class ObservedBuffer final : public Forwarding<IDirectSoundBuffer> {
 public:
  using Forwarding::Forwarding;
  IDirectSoundBuffer* real() const { return real_; }

  HRESULT STDMETHODCALLTYPE GetCaps(LPDSBCAPS caps) override { return real_->GetCaps(caps); }
  HRESULT STDMETHODCALLTYPE GetCurrentPosition(LPDWORD play, LPDWORD write) override {
    return real_->GetCurrentPosition(play, write);
  }
  HRESULT STDMETHODCALLTYPE GetFormat(LPWAVEFORMATEX format, DWORD size, LPDWORD written) override {
    return real_->GetFormat(format, size, written);
  }
  HRESULT STDMETHODCALLTYPE GetVolume(LPLONG volume) override { return real_->GetVolume(volume); }
  HRESULT STDMETHODCALLTYPE GetPan(LPLONG pan) override { return real_->GetPan(pan); }
  HRESULT STDMETHODCALLTYPE GetFrequency(LPDWORD frequency) override {
    return real_->GetFrequency(frequency);
  }
  HRESULT STDMETHODCALLTYPE GetStatus(LPDWORD status) override { return real_->GetStatus(status); }
  HRESULT STDMETHODCALLTYPE Initialize(LPDIRECTSOUND sound, LPCDSBUFFERDESC desc) override {
    return real_->Initialize(sound, desc);
  }
  HRESULT STDMETHODCALLTYPE Lock(DWORD offset, DWORD bytes, LPVOID* part1, LPDWORD bytes1,
                                 LPVOID* part2, LPDWORD bytes2, DWORD flags) override {
    return real_->Lock(offset, bytes, part1, bytes1, part2, bytes2, flags);
  }
  HRESULT STDMETHODCALLTYPE Play(DWORD reserved, DWORD priority, DWORD flags) override {
    const HRESULT result = real_->Play(reserved, priority, flags);
    if (SUCCEEDED(result)) report(real_, QTP_DSOUND_PLAY, flags);
    return result;
  }
  HRESULT STDMETHODCALLTYPE SetCurrentPosition(DWORD position) override {
    return real_->SetCurrentPosition(position);
  }
  HRESULT STDMETHODCALLTYPE SetFormat(LPCWAVEFORMATEX format) override {
    return real_->SetFormat(format);
  }
  HRESULT STDMETHODCALLTYPE SetVolume(LONG volume) override { return real_->SetVolume(volume); }
  HRESULT STDMETHODCALLTYPE SetPan(LONG pan) override { return real_->SetPan(pan); }
  HRESULT STDMETHODCALLTYPE SetFrequency(DWORD frequency) override {
    return real_->SetFrequency(frequency);
  }
  HRESULT STDMETHODCALLTYPE Stop() override {
    const HRESULT result = real_->Stop();
    report(real_, QTP_DSOUND_STOP, 0);
    return result;
  }
  HRESULT STDMETHODCALLTYPE Unlock(LPVOID part1, DWORD bytes1, LPVOID part2,
                                   DWORD bytes2) override {
    return real_->Unlock(part1, bytes1, part2, bytes2);
  }
  HRESULT STDMETHODCALLTYPE Restore() override { return real_->Restore(); }
};

class ObservedSound final : public Forwarding<IDirectSound> {
 public:
  using Forwarding::Forwarding;

  HRESULT STDMETHODCALLTYPE CreateSoundBuffer(LPCDSBUFFERDESC desc, LPLPDIRECTSOUNDBUFFER buffer,
                                              IUnknown* outer) override {
    return wrap(real_->CreateSoundBuffer(desc, buffer, outer), buffer);
  }
  HRESULT STDMETHODCALLTYPE GetCaps(LPDSCAPS caps) override { return real_->GetCaps(caps); }
  // Every buffer the module holds came from here, so the original is one of ours.
  HRESULT STDMETHODCALLTYPE DuplicateSoundBuffer(LPDIRECTSOUNDBUFFER original,
                                                 LPLPDIRECTSOUNDBUFFER duplicate) override {
    IDirectSoundBuffer* real = original ? static_cast<ObservedBuffer*>(original)->real() : nullptr;
    return wrap(real_->DuplicateSoundBuffer(real, duplicate), duplicate);
  }
  HRESULT STDMETHODCALLTYPE SetCooperativeLevel(HWND window, DWORD level) override {
    return real_->SetCooperativeLevel(window, level);
  }
  HRESULT STDMETHODCALLTYPE Compact() override { return real_->Compact(); }
  HRESULT STDMETHODCALLTYPE GetSpeakerConfig(LPDWORD config) override {
    return real_->GetSpeakerConfig(config);
  }
  HRESULT STDMETHODCALLTYPE SetSpeakerConfig(DWORD config) override {
    return real_->SetSpeakerConfig(config);
  }
  HRESULT STDMETHODCALLTYPE Initialize(LPCGUID device) override {
    return real_->Initialize(device);
  }

 private:
  static HRESULT wrap(HRESULT result, LPLPDIRECTSOUNDBUFFER buffer) {
    if (SUCCEEDED(result) && buffer && *buffer) *buffer = new ObservedBuffer(*buffer);
    return result;
  }
};

}  // namespace

HRESULT WINAPI observedDirectSoundCreate(LPCGUID device, LPDIRECTSOUND* directSound,
                                         LPUNKNOWN outer) {
  const HRESULT result = DirectSoundCreate(device, directSound, outer);
  if (SUCCEEDED(result) && directSound && *directSound)
    *directSound = new ObservedSound(*directSound);
  return result;
}

void setSoundObserver(QtpDsoundObserver observer, void* ctx) {
  g_observer = observer;
  g_observerCtx = ctx;
}

}  // namespace panelhost
