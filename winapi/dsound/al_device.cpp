#include "winapi/dsound/al_device.h"

#include <AL/alext.h>

#include <algorithm>

#include "winapi/dsound/dsound_test_hooks.h"
#include "winapi/dsound/sound_buffer.h"

namespace dsound_mixer {
namespace {

struct ThreadContextCalls {
  PFNALCSETTHREADCONTEXTPROC set = nullptr;
  PFNALCGETTHREADCONTEXTPROC get = nullptr;
};

const ThreadContextCalls& threadContextCalls() {
  static const ThreadContextCalls calls = [] {
    ThreadContextCalls found;
    if (alcIsExtensionPresent(nullptr, "ALC_EXT_thread_local_context") == ALC_TRUE) {
      found.set = reinterpret_cast<PFNALCSETTHREADCONTEXTPROC>(
          alcGetProcAddress(nullptr, "alcSetThreadContext"));
      found.get = reinterpret_cast<PFNALCGETTHREADCONTEXTPROC>(
          alcGetProcAddress(nullptr, "alcGetThreadContext"));
    }
    return found;
  }();
  return calls;
}

// The open devices, for the device-loss hook.
std::mutex registryMutex;
std::vector<AlDevice*> openDevices;

}  // namespace

std::shared_ptr<AlDevice> AlDevice::openDefault() {
  const ThreadContextCalls& calls = threadContextCalls();
  if (calls.set == nullptr || calls.get == nullptr) return nullptr;
  ALCdevice* device = alcOpenDevice(nullptr);
  if (device == nullptr) return nullptr;
  ALCcontext* context = alcCreateContext(device, nullptr);
  if (context == nullptr) {
    alcCloseDevice(device);
    return nullptr;
  }
  std::shared_ptr<AlDevice> opened(new AlDevice(device, context));
  std::lock_guard registryLock(registryMutex);
  openDevices.push_back(opened.get());
  return opened;
}

AlDevice::AlDevice(ALCdevice* device, ALCcontext* context) : device_(device), context_(context) {}

AlDevice::~AlDevice() {
  {
    std::lock_guard registryLock(registryMutex);
    std::erase(openDevices, this);
  }
  alcDestroyContext(context_);
  alcCloseDevice(device_);
}

AlDevice::Scope::Scope(AlDevice& device)
    : lock_(device.mutex_), previous_(threadContextCalls().get()) {
  threadContextCalls().set(device.context_);
  alGetError();  // errors left by an earlier call must not be taken for this call's
}

AlDevice::Scope::~Scope() {
  threadContextCalls().set(previous_);
}

void AlDevice::addBuffer(SoundBuffer* buffer) {
  buffers_.push_back(buffer);
}

void AlDevice::removeBuffer(SoundBuffer* buffer) {
  std::erase(buffers_, buffer);
}

void AlDevice::loseAllBuffers() {
  Scope scope(*this);
  for (SoundBuffer* buffer : buffers_) buffer->lose();
}

void AlDevice::loseEverywhere() {
  std::lock_guard registryLock(registryMutex);
  for (AlDevice* device : openDevices) device->loseAllBuffers();
}

}  // namespace dsound_mixer

extern "C" void qtp_dsound_lose_all_buffers(void) {
  dsound_mixer::AlDevice::loseEverywhere();
}
