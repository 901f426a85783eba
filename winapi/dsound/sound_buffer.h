#pragma once
// A secondary buffer: an OpenAL source playing the memory it shares with its duplicates.
#include <AL/al.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "winapi/dsound/al_device.h"
#include "winapi/dsound/dsound.h"

namespace dsound_mixer {

// The memory of a buffer and its duplicates, mirrored in one OpenAL buffer.
class PcmStore {
 public:
  // Null when the format is not 8- or 16-bit PCM, mono or stereo, at a playable rate.
  static std::shared_ptr<PcmStore> create(std::shared_ptr<AlDevice> device,
                                          const WAVEFORMATEX& format, DWORD bytes);
  ~PcmStore();
  PcmStore(const PcmStore&) = delete;
  PcmStore& operator=(const PcmStore&) = delete;

  std::vector<std::uint8_t>& bytes() { return bytes_; }
  ALuint alBuffer() const { return alBuffer_; }
  DWORD blockAlign() const { return blockAlign_; }

  void addUser(SoundBuffer* user) { users_.push_back(user); }
  void removeUser(SoundBuffer* user);

  // Copies the memory into the OpenAL buffer. OpenAL cannot change a buffer that a source
  // holds, so every duplicate lets go of it meanwhile and carries on where it was.
  bool upload();
  void clear();  // back to silence, as after a loss

 private:
  PcmStore(std::shared_ptr<AlDevice> device, ALuint buffer, ALenum format, const WAVEFORMATEX& wf,
           DWORD bytes);

  std::shared_ptr<AlDevice> device_;
  ALuint alBuffer_;
  ALenum alFormat_;
  ALsizei rate_;
  DWORD blockAlign_;
  std::uint8_t silence_;
  std::vector<std::uint8_t> bytes_;
  std::vector<SoundBuffer*> users_;
};

class SoundBuffer final : public IDirectSoundBuffer {
 public:
  // Null when OpenAL has no source to give.
  static SoundBuffer* create(std::shared_ptr<AlDevice> device, std::shared_ptr<PcmStore> pcm);

  ULONG AddRef() override;
  ULONG Release() override;
  HRESULT GetCurrentPosition(LPDWORD playCursor, LPDWORD writeCursor) override;
  HRESULT GetStatus(LPDWORD status) override;
  HRESULT Lock(DWORD offset, DWORD bytes, LPVOID* part1, LPDWORD bytes1, LPVOID* part2,
               LPDWORD bytes2, DWORD flags) override;
  HRESULT Play(DWORD reserved, DWORD priority, DWORD flags) override;
  HRESULT SetCurrentPosition(DWORD newPosition) override;
  HRESULT Stop() override;
  HRESULT Unlock(LPVOID part1, DWORD bytes1, LPVOID part2, DWORD bytes2) override;
  HRESULT Restore() override;

  const std::shared_ptr<PcmStore>& pcm() const { return pcm_; }
  bool belongsTo(const AlDevice& device) const { return device_.get() == &device; }

  // Used by PcmStore around an upload (within the device's scope).
  void detach();
  void reattach();
  // Used by the device when it loses its buffers (within the device's scope).
  void lose();

 private:
  SoundBuffer(std::shared_ptr<AlDevice> device, std::shared_ptr<PcmStore> pcm, ALuint source);
  ~SoundBuffer();
  bool playing() const;
  DWORD position() const;
  void notify(int event, DWORD flags) const;

  std::shared_ptr<AlDevice> device_;  // declared first: outlives the store and the source
  std::shared_ptr<PcmStore> pcm_;
  ALuint source_;
  std::atomic<ULONG> references_{1};
  bool attached_ = false;
  bool lost_ = false;
  DWORD stoppedAt_ = 0;  // the position while not playing
  // Set while detached for an upload: the position to resume and whether it was playing.
  bool resumeAfterUpload_ = false;
};

}  // namespace dsound_mixer
