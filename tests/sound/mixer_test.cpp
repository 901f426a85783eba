// The DirectSound-shaped mixer on OpenAL Soft's null backend: records, buffer memory, play,
// stop and position semantics, duplicates, device loss and the host's own OpenAL context.
#define AL_ALEXT_PROTOTYPES  // the host side of the test calls the extension directly
#include <AL/alc.h>
#include <AL/alext.h>
#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "sound_test_support.h"
#include "winapi/dsound/dsound.h"
#include "winapi/dsound/dsound_test_hooks.h"

namespace {

using soundtest::Bytes;
using soundtest::positionOf;
using soundtest::statusOf;

const bool kBackendChosen = (soundtest::chooseOpenAlBackend("null"), true);

WAVEFORMATEX pcmFormat(WORD channels, WORD bits, DWORD rate = 22050) {
  const auto align = static_cast<WORD>(channels * bits / 8);
  return {WAVE_FORMAT_PCM, channels, rate, rate * align, align, bits, 0};
}

class Mixer : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(kBackendChosen);
    ASSERT_EQ(DirectSoundCreate(nullptr, &ds_, nullptr), DS_OK);
    ASSERT_EQ(ds_->SetCooperativeLevel(nullptr, DSSCL_NORMAL), DS_OK);
  }
  void TearDown() override {
    for (LPDIRECTSOUNDBUFFER b : buffers_) b->Release();
    if (ds_ != nullptr) ds_->Release();
  }

  HRESULT create(const WAVEFORMATEX& format, DWORD bytes, LPDIRECTSOUNDBUFFER* out,
                 DWORD size = sizeof(DSBUFFERDESC), DWORD flags = 0x1E2) {
    WAVEFORMATEX copy = format;
    DSBUFFERDESC desc{};
    desc.dwSize = size;
    desc.dwFlags = flags;
    desc.dwBufferBytes = bytes;
    desc.lpwfxFormat = &copy;
    const HRESULT hr = ds_->CreateSoundBuffer(&desc, out, nullptr);
    if (*out != nullptr) buffers_.push_back(*out);
    return hr;
  }

  // A mono 16-bit buffer holding `pcm`.
  LPDIRECTSOUNDBUFFER filled(const Bytes& pcm) {
    LPDIRECTSOUNDBUFFER buffer = nullptr;
    EXPECT_EQ(create(pcmFormat(1, 16), static_cast<DWORD>(pcm.size()), &buffer), DS_OK);
    if (buffer != nullptr) fill(buffer, pcm);
    return buffer;
  }

  static void fill(LPDIRECTSOUNDBUFFER buffer, const Bytes& pcm) {
    LPVOID part1 = nullptr;
    LPVOID part2 = nullptr;
    DWORD bytes1 = 0;
    DWORD bytes2 = 0;
    ASSERT_EQ(buffer->Lock(0, static_cast<DWORD>(pcm.size()), &part1, &bytes1, &part2, &bytes2, 0),
              DS_OK);
    ASSERT_EQ(bytes1, pcm.size());
    std::memcpy(part1, pcm.data(), bytes1);
    ASSERT_EQ(buffer->Unlock(part1, bytes1, part2, bytes2), DS_OK);
  }

  LPDIRECTSOUND ds_ = nullptr;
  std::vector<LPDIRECTSOUNDBUFFER> buffers_;
};

const Bytes kLong = soundtest::toneSamples(22050 * 4);    // four seconds
const Bytes kShort = soundtest::toneSamples(22050 / 20);  // 50 ms

TEST(MixerDevice, CreateChecksItsArguments) {
  ASSERT_TRUE(kBackendChosen);
  EXPECT_EQ(DirectSoundCreate(nullptr, nullptr, nullptr), DSERR_INVALIDPARAM);
  LPDIRECTSOUND ds = reinterpret_cast<LPDIRECTSOUND>(1);
  int outer = 0;
  EXPECT_EQ(DirectSoundCreate(nullptr, &ds, &outer), DSERR_NOAGGREGATION);
  EXPECT_EQ(ds, nullptr);
  const GUID otherDevice = {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
  EXPECT_EQ(DirectSoundCreate(&otherDevice, &ds, nullptr), DSERR_NODRIVER);
  EXPECT_EQ(ds, nullptr);
  ASSERT_EQ(DirectSoundCreate(&DSDEVID_DefaultPlayback, &ds, nullptr), DS_OK);
  EXPECT_EQ(ds->SetCooperativeLevel(nullptr, 0), DSERR_INVALIDPARAM);
  EXPECT_EQ(ds->SetCooperativeLevel(nullptr, 5), DSERR_INVALIDPARAM);
  EXPECT_EQ(ds->Release(), 0u);
}

TEST_F(Mixer, BufferDescriptionIsChecked) {
  LPDIRECTSOUNDBUFFER b = nullptr;
  EXPECT_EQ(create(pcmFormat(1, 16), 100, &b, 35), DSERR_INVALIDPARAM);
  EXPECT_EQ(create(pcmFormat(1, 16), 100, &b, sizeof(DSBUFFERDESC) + 4), DSERR_INVALIDPARAM);
  EXPECT_EQ(create(pcmFormat(1, 16), 100, &b, sizeof(DSBUFFERDESC), DSBCAPS_PRIMARYBUFFER),
            DSERR_UNSUPPORTED);
  EXPECT_EQ(create(pcmFormat(1, 16), 3, &b), DSERR_INVALIDPARAM);
  EXPECT_EQ(create(pcmFormat(1, 24), 100, &b), DSERR_BADFORMAT);
  EXPECT_EQ(create(pcmFormat(3, 16), 100, &b), DSERR_BADFORMAT);
  EXPECT_EQ(create(pcmFormat(1, 16, 50), 100, &b), DSERR_BADFORMAT);
  WAVEFORMATEX misaligned = pcmFormat(2, 16);
  misaligned.nBlockAlign = 2;
  EXPECT_EQ(create(misaligned, 100, &b), DSERR_BADFORMAT);
  WAVEFORMATEX notPcm = pcmFormat(1, 16);
  notPcm.wFormatTag = 3;
  EXPECT_EQ(create(notPcm, 100, &b), DSERR_BADFORMAT);
  EXPECT_EQ(b, nullptr);
  EXPECT_EQ(ds_->CreateSoundBuffer(nullptr, &b, nullptr), DSERR_INVALIDPARAM);

  // Every playable shape, and the older description without the 3D algorithm.
  for (WORD channels : {WORD{1}, WORD{2}})
    for (WORD bits : {WORD{8}, WORD{16}}) {
      EXPECT_EQ(create(pcmFormat(channels, bits), 400, &b), DS_OK);
      EXPECT_EQ(statusOf(b), 0u);
    }
  EXPECT_EQ(create(pcmFormat(1, 8), 400, &b, sizeof(DSBUFFERDESC1)), DS_OK);
}

TEST_F(Mixer, LockGivesTheMemoryInTwoPartsWhenItWraps) {
  LPDIRECTSOUNDBUFFER b = filled(kShort);
  const auto size = static_cast<DWORD>(kShort.size());
  LPVOID p1 = nullptr;
  LPVOID p2 = nullptr;
  DWORD n1 = 0;
  DWORD n2 = 0;
  ASSERT_EQ(b->Lock(size - 10, 30, &p1, &n1, &p2, &n2, 0), DS_OK);
  EXPECT_EQ(n1, 10u);
  EXPECT_EQ(n2, 20u);
  EXPECT_EQ(static_cast<std::uint8_t*>(p1) - static_cast<std::uint8_t*>(p2), size - 10);
  EXPECT_EQ(std::memcmp(p2, kShort.data(), 20), 0) << "the memory holds what was filled";
  EXPECT_EQ(b->Unlock(p1, n1, p2, n2), DS_OK);

  ASSERT_EQ(b->Lock(0, 0, &p1, &n1, &p2, &n2, DSBLOCK_ENTIREBUFFER), DS_OK);
  EXPECT_EQ(n1, size);
  EXPECT_EQ(p2, nullptr);
  EXPECT_EQ(n2, 0u);
  int foreign = 0;
  EXPECT_EQ(b->Unlock(&foreign, 4, nullptr, 0), DSERR_INVALIDPARAM);
  EXPECT_EQ(b->Unlock(p1, size + 1, nullptr, 0), DSERR_INVALIDPARAM);
  EXPECT_EQ(b->Unlock(p1, n1, nullptr, 0), DS_OK);

  EXPECT_EQ(b->Lock(size, 1, &p1, &n1, &p2, &n2, 0), DSERR_INVALIDPARAM);
  EXPECT_EQ(b->Lock(0, size + 1, &p1, &n1, &p2, &n2, 0), DSERR_INVALIDPARAM);
  EXPECT_EQ(b->Lock(0, 0, &p1, &n1, &p2, &n2, 0), DSERR_INVALIDPARAM);
  EXPECT_EQ(b->Lock(size - 2, 4, &p1, &n1, nullptr, nullptr, 0), DSERR_INVALIDPARAM);
}

TEST_F(Mixer, OneShotPlaysToItsEndAndComesBackToTheStart) {
  LPDIRECTSOUNDBUFFER b = filled(kShort);
  ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
  EXPECT_EQ(statusOf(b), DSBSTATUS_PLAYING);
  ASSERT_TRUE(soundtest::waitFor([&] { return statusOf(b) == 0; }));
  EXPECT_EQ(positionOf(b), 0u);
  EXPECT_EQ(b->Play(1, 0, 0), DSERR_INVALIDPARAM) << "the reserved argument must be 0";
}

TEST_F(Mixer, LoopingPlayReportsLoopingAndGoesOn) {
  LPDIRECTSOUNDBUFFER b = filled(kShort);
  ASSERT_EQ(b->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
  EXPECT_EQ(statusOf(b), DSBSTATUS_PLAYING | DSBSTATUS_LOOPING);
  // Several times its length later it still plays.
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_EQ(statusOf(b), DSBSTATUS_PLAYING | DSBSTATUS_LOOPING);
  // A play without the flag on the playing buffer ends the looping but not the sound.
  ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
  EXPECT_EQ(statusOf(b) & DSBSTATUS_LOOPING, 0u);
}

TEST_F(Mixer, PlayOnAPlayingBufferDoesNotRestartIt) {
  LPDIRECTSOUNDBUFFER b = filled(kLong);
  ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
  ASSERT_TRUE(soundtest::waitFor([&] { return positionOf(b) > 4000; }));
  const DWORD before = positionOf(b);
  ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
  EXPECT_GE(positionOf(b), before);
}

TEST_F(Mixer, StopKeepsThePositionAndPlayGoesOnFromThere) {
  LPDIRECTSOUNDBUFFER b = filled(kLong);
  ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
  ASSERT_TRUE(soundtest::waitFor([&] { return positionOf(b) > 4000; }));
  ASSERT_EQ(b->Stop(), DS_OK);
  const DWORD stoppedAt = positionOf(b);
  EXPECT_GT(stoppedAt, 4000u);
  EXPECT_EQ(stoppedAt % 2, 0u) << "positions are whole frames";
  EXPECT_EQ(statusOf(b), 0u);
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  EXPECT_EQ(positionOf(b), stoppedAt);

  ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
  EXPECT_GE(positionOf(b), stoppedAt);
  EXPECT_LT(positionOf(b), stoppedAt + 22050 * 2) << "it went on, not round again";

  // Rewinding a stopped buffer makes it start from the beginning.
  ASSERT_EQ(b->Stop(), DS_OK);
  ASSERT_EQ(b->SetCurrentPosition(0), DS_OK);
  EXPECT_EQ(positionOf(b), 0u);
  ASSERT_EQ(b->SetCurrentPosition(1001), DS_OK);
  EXPECT_EQ(positionOf(b), 1000u);
  EXPECT_EQ(b->SetCurrentPosition(static_cast<DWORD>(kLong.size())), DSERR_INVALIDPARAM);
}

TEST_F(Mixer, RefillWhilePlayingCarriesOn) {
  LPDIRECTSOUNDBUFFER b = filled(kLong);
  ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
  ASSERT_TRUE(soundtest::waitFor([&] { return positionOf(b) > 4000; }));
  const DWORD before = positionOf(b);
  fill(b, soundtest::toneSamples(22050 * 4, 30));
  EXPECT_EQ(statusOf(b), DSBSTATUS_PLAYING);
  EXPECT_GE(positionOf(b), before);
}

TEST_F(Mixer, DuplicatesShareMemoryButPlayOnTheirOwn) {
  soundtest::PlayLog log;
  LPDIRECTSOUNDBUFFER original = filled(kLong);
  LPDIRECTSOUNDBUFFER twin = nullptr;
  ASSERT_EQ(ds_->DuplicateSoundBuffer(original, &twin), DS_OK);
  buffers_.push_back(twin);
  EXPECT_EQ(ds_->DuplicateSoundBuffer(nullptr, &twin), DSERR_INVALIDPARAM);
  EXPECT_EQ(twin, nullptr);

  ASSERT_EQ(buffers_.back()->Play(0, 0, 0), DS_OK);
  EXPECT_EQ(statusOf(original), 0u);
  EXPECT_EQ(statusOf(buffers_.back()), DSBSTATUS_PLAYING);

  // New contents written through the original are what the duplicate plays.
  const Bytes other = soundtest::toneSamples(22050 * 4, 30);
  fill(original, other);
  ASSERT_EQ(buffers_.back()->Stop(), DS_OK);
  ASSERT_EQ(log.events().size(), 2u);
  EXPECT_EQ(log.events()[0].pcm, kLong);
  EXPECT_EQ(log.events()[1].pcm, other);
  EXPECT_FALSE(log.events()[1].play);
}

TEST_F(Mixer, ObserverSeesPlaysWithFlagsAndStops) {
  LPDIRECTSOUNDBUFFER b = filled(kShort);
  {
    soundtest::PlayLog log;
    ASSERT_EQ(b->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    ASSERT_EQ(b->Stop(), DS_OK);
    ASSERT_EQ(log.events().size(), 2u);
    EXPECT_TRUE(log.events()[0].play);
    EXPECT_EQ(log.events()[0].flags, DSBPLAY_LOOPING);
    EXPECT_EQ(log.events()[0].pcm, kShort);
    EXPECT_FALSE(log.events()[1].play);
  }
  // Without an observer nothing is reported and nothing breaks.
  EXPECT_EQ(b->Play(0, 0, 0), DS_OK);
}

TEST_F(Mixer, LostBuffersRefuseUntilRestoredAndComeBackSilent) {
  soundtest::PlayLog log;
  LPDIRECTSOUNDBUFFER b = filled(kLong);
  ASSERT_EQ(b->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
  qtp_dsound_lose_all_buffers();
  EXPECT_EQ(statusOf(b), DSBSTATUS_BUFFERLOST);
  EXPECT_EQ(b->Play(0, 0, 0), DSERR_BUFFERLOST);
  LPVOID p1 = nullptr;
  DWORD n1 = 0;
  EXPECT_EQ(b->Lock(0, 4, &p1, &n1, nullptr, nullptr, 0), DSERR_BUFFERLOST);

  ASSERT_EQ(b->Restore(), DS_OK);
  EXPECT_EQ(statusOf(b), 0u);
  ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
  EXPECT_EQ(log.events().back().pcm, Bytes(kLong.size(), 0)) << "the contents were lost";
  fill(b, kLong);
  EXPECT_EQ(log.events().back().pcm, Bytes(kLong.size(), 0));
  ASSERT_EQ(b->Stop(), DS_OK);
  EXPECT_EQ(log.events().back().pcm, kLong);
}

TEST_F(Mixer, BuffersOutliveTheReleasedDevice) {
  LPDIRECTSOUNDBUFFER b = filled(kShort);
  EXPECT_EQ(ds_->Release(), 0u);
  ds_ = nullptr;
  EXPECT_EQ(b->Play(0, 0, 0), DS_OK);
  EXPECT_EQ(statusOf(b) & DSBSTATUS_PLAYING, DSBSTATUS_PLAYING);
}

TEST_F(Mixer, TheHostsOpenAlContextStaysCurrent) {
  ALCdevice* hostDevice = alcOpenDevice(nullptr);
  ASSERT_NE(hostDevice, nullptr);
  ALCcontext* processWide = alcCreateContext(hostDevice, nullptr);
  ALCcontext* threadOwn = alcCreateContext(hostDevice, nullptr);
  ASSERT_TRUE(alcMakeContextCurrent(processWide));

  LPDIRECTSOUNDBUFFER b = filled(kShort);
  ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
  EXPECT_EQ(alcGetCurrentContext(), processWide);
  EXPECT_EQ(alcGetThreadContext(), nullptr);

  ASSERT_TRUE(alcSetThreadContext(threadOwn));
  ASSERT_EQ(b->Stop(), DS_OK);
  EXPECT_EQ(alcGetThreadContext(), threadOwn);
  EXPECT_EQ(alcGetCurrentContext(), threadOwn);

  alcSetThreadContext(nullptr);
  alcMakeContextCurrent(nullptr);
  alcDestroyContext(threadOwn);
  alcDestroyContext(processWide);
  alcCloseDevice(hostDevice);
}

}  // namespace
