#pragma once
// One OpenAL Soft device with its own context. Every mixer call works inside a Scope, which
// holds the device's lock and makes the context current for this thread only, restoring the
// thread's previous context afterwards: a host's own OpenAL context stays untouched.
#include <AL/al.h>
#include <AL/alc.h>

#include <memory>
#include <mutex>
#include <vector>

namespace dsound_mixer {

class SoundBuffer;

class AlDevice {
 public:
  // The default device, or null when none opens or it cannot keep a per-thread context.
  static std::shared_ptr<AlDevice> openDefault();
  ~AlDevice();
  AlDevice(const AlDevice&) = delete;
  AlDevice& operator=(const AlDevice&) = delete;

  class Scope {
   public:
    explicit Scope(AlDevice& device);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    std::unique_lock<std::recursive_mutex> lock_;
    ALCcontext* previous_;
  };

  // Buffers register themselves so that a device loss can reach them (within a Scope).
  void addBuffer(SoundBuffer* buffer);
  void removeBuffer(SoundBuffer* buffer);

  // Every buffer of every open device becomes lost.
  static void loseEverywhere();

 private:
  AlDevice(ALCdevice* device, ALCcontext* context);
  void loseAllBuffers();

  ALCdevice* device_;
  ALCcontext* context_;
  std::recursive_mutex mutex_;
  std::vector<SoundBuffer*> buffers_;
};

}  // namespace dsound_mixer
