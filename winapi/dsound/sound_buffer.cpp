#include "winapi/dsound/sound_buffer.h"

#include <algorithm>
#include <utility>

#include "winapi/dsound/observer_dispatch.h"

namespace dsound_mixer {

// ---- PcmStore ---------------------------------------------------------------------------------

std::shared_ptr<PcmStore> PcmStore::create(std::shared_ptr<AlDevice> device,
                                           const WAVEFORMATEX& format, DWORD bytes) {
  ALenum alFormat = AL_NONE;
  if (format.nChannels == 1)
    alFormat = format.wBitsPerSample == 8 ? AL_FORMAT_MONO8 : AL_FORMAT_MONO16;
  if (format.nChannels == 2)
    alFormat = format.wBitsPerSample == 8 ? AL_FORMAT_STEREO8 : AL_FORMAT_STEREO16;

  AlDevice::Scope scope(*device);
  ALuint buffer = 0;
  alGenBuffers(1, &buffer);
  if (alGetError() != AL_NO_ERROR) return nullptr;
  std::shared_ptr<PcmStore> store(new PcmStore(device, buffer, alFormat, format, bytes));
  if (!store->upload()) return nullptr;
  return store;
}

PcmStore::PcmStore(std::shared_ptr<AlDevice> device, ALuint buffer, ALenum format,
                   const WAVEFORMATEX& wf, DWORD bytes)
    : device_(std::move(device)),
      alBuffer_(buffer),
      alFormat_(format),
      rate_(static_cast<ALsizei>(wf.nSamplesPerSec)),
      blockAlign_(wf.nBlockAlign),
      silence_(wf.wBitsPerSample == 8 ? 0x80 : 0x00),
      bytes_(bytes, silence_) {}

PcmStore::~PcmStore() {
  AlDevice::Scope scope(*device_);
  alDeleteBuffers(1, &alBuffer_);
}

void PcmStore::removeUser(SoundBuffer* user) {
  std::erase(users_, user);
}

bool PcmStore::upload() {
  AlDevice::Scope scope(*device_);
  for (SoundBuffer* user : users_) user->detach();
  const std::size_t whole = bytes_.size() - bytes_.size() % blockAlign_;
  alBufferData(alBuffer_, alFormat_, bytes_.data(), static_cast<ALsizei>(whole), rate_);
  const bool uploaded = alGetError() == AL_NO_ERROR;
  for (SoundBuffer* user : users_) user->reattach();
  return uploaded;
}

void PcmStore::clear() {
  std::fill(bytes_.begin(), bytes_.end(), silence_);
  upload();
}

// ---- SoundBuffer ------------------------------------------------------------------------------

SoundBuffer* SoundBuffer::create(std::shared_ptr<AlDevice> device, std::shared_ptr<PcmStore> pcm) {
  AlDevice::Scope scope(*device);
  ALuint source = 0;
  alGenSources(1, &source);
  if (alGetError() != AL_NO_ERROR) return nullptr;
  return new SoundBuffer(std::move(device), std::move(pcm), source);
}

SoundBuffer::SoundBuffer(std::shared_ptr<AlDevice> device, std::shared_ptr<PcmStore> pcm,
                         ALuint source)
    : device_(std::move(device)), pcm_(std::move(pcm)), source_(source) {
  pcm_->addUser(this);
  device_->addBuffer(this);
}

SoundBuffer::~SoundBuffer() {
  AlDevice::Scope scope(*device_);
  alDeleteSources(1, &source_);
  pcm_->removeUser(this);
  device_->removeBuffer(this);
}

ULONG SoundBuffer::AddRef() {
  return ++references_;
}

ULONG SoundBuffer::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

bool SoundBuffer::playing() const {
  ALint state = AL_STOPPED;
  alGetSourcei(source_, AL_SOURCE_STATE, &state);
  return state == AL_PLAYING;
}

DWORD SoundBuffer::position() const {
  if (!playing()) return stoppedAt_;
  ALint frame = 0;
  alGetSourcei(source_, AL_SAMPLE_OFFSET, &frame);
  return static_cast<DWORD>(frame) * pcm_->blockAlign();
}

void SoundBuffer::notify(int event, DWORD flags) const {
  const std::vector<std::uint8_t>& bytes = pcm_->bytes();
  reportToObserver(event, bytes.data(), static_cast<unsigned>(bytes.size()), flags);
}

HRESULT SoundBuffer::GetCurrentPosition(LPDWORD playCursor, LPDWORD writeCursor) {
  if (playCursor == nullptr && writeCursor == nullptr) return DSERR_INVALIDPARAM;
  AlDevice::Scope scope(*device_);
  const DWORD at = position();
  if (playCursor != nullptr) *playCursor = at;
  if (writeCursor != nullptr) *writeCursor = at;
  return DS_OK;
}

HRESULT SoundBuffer::GetStatus(LPDWORD status) {
  if (status == nullptr) return DSERR_INVALIDPARAM;
  AlDevice::Scope scope(*device_);
  *status = 0;
  if (lost_) {
    *status = DSBSTATUS_BUFFERLOST;
  } else if (playing()) {
    ALint looping = AL_FALSE;
    alGetSourcei(source_, AL_LOOPING, &looping);
    *status = DSBSTATUS_PLAYING | (looping == AL_TRUE ? DSBSTATUS_LOOPING : 0);
  }
  return DS_OK;
}

HRESULT SoundBuffer::Lock(DWORD offset, DWORD bytes, LPVOID* part1, LPDWORD bytes1, LPVOID* part2,
                          LPDWORD bytes2, DWORD flags) {
  if (part1 == nullptr || bytes1 == nullptr) return DSERR_INVALIDPARAM;
  AlDevice::Scope scope(*device_);
  if (lost_) return DSERR_BUFFERLOST;
  std::vector<std::uint8_t>& memory = pcm_->bytes();
  const auto size = static_cast<DWORD>(memory.size());
  if ((flags & DSBLOCK_ENTIREBUFFER) != 0) {
    offset = 0;
    bytes = size;
  } else if ((flags & DSBLOCK_FROMWRITECURSOR) != 0) {
    offset = position();
  }
  if (bytes == 0 || bytes > size || offset >= size) return DSERR_INVALIDPARAM;
  const DWORD first = std::min(bytes, size - offset);
  const DWORD rest = bytes - first;
  if (rest != 0 && (part2 == nullptr || bytes2 == nullptr)) return DSERR_INVALIDPARAM;
  *part1 = memory.data() + offset;
  *bytes1 = first;
  if (part2 != nullptr) *part2 = rest != 0 ? memory.data() : nullptr;
  if (bytes2 != nullptr) *bytes2 = rest;
  return DS_OK;
}

HRESULT SoundBuffer::Unlock(LPVOID part1, DWORD bytes1, LPVOID part2, DWORD bytes2) {
  AlDevice::Scope scope(*device_);
  std::vector<std::uint8_t>& memory = pcm_->bytes();
  const auto* begin = memory.data();
  const auto* end = begin + memory.size();
  const auto* first = static_cast<const std::uint8_t*>(part1);
  const bool firstInside = first >= begin && first < end && bytes1 <= end - first;
  const bool secondInside =
      part2 == nullptr ? bytes2 == 0 : part2 == begin && bytes2 <= memory.size();
  if (!firstInside || !secondInside) return DSERR_INVALIDPARAM;
  return pcm_->upload() ? DS_OK : DSERR_GENERIC;
}

HRESULT SoundBuffer::Play(DWORD reserved, DWORD /*priority*/, DWORD flags) {
  if (reserved != 0) return DSERR_INVALIDPARAM;
  AlDevice::Scope scope(*device_);
  if (lost_) return DSERR_BUFFERLOST;
  const bool looping = (flags & DSBPLAY_LOOPING) != 0;
  alSourcei(source_, AL_LOOPING, looping ? AL_TRUE : AL_FALSE);
  if (!playing()) {
    if (!attached_) {
      alSourcei(source_, AL_BUFFER, static_cast<ALint>(pcm_->alBuffer()));
      attached_ = true;
    }
    alSourcei(source_, AL_SAMPLE_OFFSET, static_cast<ALint>(stoppedAt_ / pcm_->blockAlign()));
    alSourcePlay(source_);
    if (alGetError() != AL_NO_ERROR) return DSERR_GENERIC;
    stoppedAt_ = 0;  // a play that runs to its end leaves the buffer at its start
  }
  notify(QTP_DSOUND_PLAY, flags);
  return DS_OK;
}

HRESULT SoundBuffer::SetCurrentPosition(DWORD newPosition) {
  AlDevice::Scope scope(*device_);
  if (newPosition >= pcm_->bytes().size()) return DSERR_INVALIDPARAM;
  const DWORD frame = newPosition / pcm_->blockAlign();
  if (playing()) {
    alSourcei(source_, AL_SAMPLE_OFFSET, static_cast<ALint>(frame));
  } else {
    stoppedAt_ = frame * pcm_->blockAlign();
  }
  return DS_OK;
}

HRESULT SoundBuffer::Stop() {
  AlDevice::Scope scope(*device_);
  if (playing()) {
    stoppedAt_ = position();
    alSourceStop(source_);
  }
  notify(QTP_DSOUND_STOP, 0);
  return DS_OK;
}

HRESULT SoundBuffer::Restore() {
  AlDevice::Scope scope(*device_);
  lost_ = false;
  return DS_OK;
}

void SoundBuffer::detach() {
  if (!attached_) return;
  resumeAfterUpload_ = playing();
  if (resumeAfterUpload_) stoppedAt_ = position();
  alSourceStop(source_);
  alSourcei(source_, AL_BUFFER, 0);
  attached_ = false;
}

void SoundBuffer::reattach() {
  if (!resumeAfterUpload_) return;
  resumeAfterUpload_ = false;
  alSourcei(source_, AL_BUFFER, static_cast<ALint>(pcm_->alBuffer()));
  attached_ = true;
  alSourcei(source_, AL_SAMPLE_OFFSET, static_cast<ALint>(stoppedAt_ / pcm_->blockAlign()));
  alSourcePlay(source_);
  stoppedAt_ = 0;
}

void SoundBuffer::lose() {
  alSourceStop(source_);
  alSourcei(source_, AL_BUFFER, 0);
  attached_ = false;
  resumeAfterUpload_ = false;
  stoppedAt_ = 0;
  lost_ = true;
  pcm_->clear();
}

}  // namespace dsound_mixer
