// The sound engine on OpenAL Soft's null backend, with the sounds as resources of the test
// program: the eleven sounds from ALT's callback, the free-buffer rule, looping, stopping,
// resources that are missing or malformed, and device loss.
#include <gtest/gtest.h>

#include <list>
#include <string>
#include <thread>

#include "gauges/sound/sound_engine.h"
#include "gauges/sound/sound_object.h"
#include "program_resources.h"
#include "sound_test_support.h"
#include "winapi/dsound/dsound_test_hooks.h"
#include "winapi/windows.h"

namespace {

using soundtest::Bytes;
using soundtest::PlayLog;
using soundtest::positionOf;
using soundtest::statusOf;

const bool kBackendChosen = (soundtest::chooseOpenAlBackend("null"), true);

std::vector<std::string> shownMessages;

int recordMessage(HWND, LPCSTR text, LPCSTR caption, UINT style) {
  shownMessages.push_back(std::string(text) + "|" + caption + "|" + std::to_string(style));
  return IDOK;
}

const std::vector<SoundId> kAllSounds = {
    SoundId::Click,        SoundId::Gear,       SoundId::Toggle,     SoundId::FuelPump,
    SoundId::RadioBeep,    SoundId::ComPowerOn, SoundId::ComPullOn,  SoundId::StarterCatch,
    SoundId::StarterCrank, SoundId::RunDown,    SoundId::ElectricHum};

// ALT installed on a host with a main window; the resources are set by each test.
class AltSounds : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(kBackendChosen);
    shownMessages.clear();
    window_ = qtp_RegisterHostWindow("FS98MAIN", recordMessage);
  }
  void TearDown() override {
    while (installs_ > 0) kill();
    qtp_UnregisterHostWindow(window_);
  }
  void install() {
    ++installs_;
    SoundGaugeCallback(nullptr, GAUGE_SERVICE_POST_INSTALL, 0);  // 0: the program's resources
  }
  void kill() {
    --installs_;
    SoundGaugeCallback(nullptr, GAUGE_SERVICE_PRE_KILL, 0);
  }

  HWND window_ = nullptr;
  int installs_ = 0;
};

TEST_F(AltSounds, EverySoundGetsAHandleAndPlaysItsOwnSamples) {
  const auto resources = soundtest::generatedGaugeSounds();
  for (const auto& r : resources) ASSERT_FALSE(r.bytes.empty()) << "no generated sound " << r.id;
  soundtest::setProgramResources(resources);
  install();
  EXPECT_TRUE(shownMessages.empty());
  PlayLog log;
  for (std::size_t i = 0; i < kAllSounds.size(); ++i) {
    ASSERT_EQ(PlaySound(kAllSounds[i]), S_OK) << static_cast<int>(kAllSounds[i]);
    ASSERT_EQ(log.plays(), i + 1);
    EXPECT_EQ(log.events().back().pcm, soundtest::dataChunkOf(resources[i].bytes));
    EXPECT_FALSE(log.events().back().pcm.empty());
  }
}

TEST_F(AltSounds, OneBufferSoundPlayedTwiceQuicklyPlaysOnce) {
  soundtest::setProgramResources(soundtest::generatedGaugeSounds());
  install();
  PlayLog log;
  EXPECT_EQ(PlaySound(SoundId::FuelPump), S_OK);
  EXPECT_EQ(PlaySound(SoundId::FuelPump), E_FAIL);
  EXPECT_EQ(log.plays(), 1u);
}

TEST_F(AltSounds, HumLoopsOnceAndStopsWithStopSound) {
  soundtest::setProgramResources(soundtest::generatedGaugeSounds());
  install();
  PlayLog log;
  EXPECT_EQ(PlaySound(SoundId::Click, DSBPLAY_LOOPING), E_FAIL) << "two buffers cannot loop";
  EXPECT_EQ(log.plays(), 0u);
  // The battery switch asks for the hum on every update: one hum keeps going.
  EXPECT_EQ(PlaySound(SoundId::ElectricHum, DSBPLAY_LOOPING), S_OK);
  std::this_thread::sleep_for(std::chrono::milliseconds(600));  // past the loop's length
  EXPECT_EQ(PlaySound(SoundId::ElectricHum, DSBPLAY_LOOPING), E_FAIL);
  ASSERT_EQ(log.plays(), 1u);
  EXPECT_EQ(log.events().back().flags, DSBPLAY_LOOPING);

  EXPECT_EQ(StopSound(SoundId::ElectricHum), S_OK);
  EXPECT_EQ(log.stops(), 1u);
  EXPECT_EQ(PlaySound(SoundId::ElectricHum, DSBPLAY_LOOPING), S_OK) << "stopped, it plays again";
}

TEST_F(AltSounds, KillEndsEverySoundAndTheDevice) {
  soundtest::setProgramResources(soundtest::generatedGaugeSounds());
  install();
  ASSERT_EQ(PlaySound(SoundId::ElectricHum, DSBPLAY_LOOPING), S_OK);
  PlayLog log;
  kill();
  EXPECT_EQ(log.stops(), 15u) << "every buffer of the eleven sounds is stopped";
  for (SoundId id : kAllSounds) {
    EXPECT_EQ(PlaySound(id), E_FAIL);
    EXPECT_EQ(StopSound(id), E_FAIL);
  }
  // Installing again brings them back.
  install();
  EXPECT_EQ(PlaySound(SoundId::Click), S_OK);
}

TEST_F(AltSounds, SoundsLastUntilTheLastAltIsKilled) {
  soundtest::setProgramResources(soundtest::generatedGaugeSounds());
  install();
  install();
  kill();
  EXPECT_EQ(PlaySound(SoundId::Click), S_OK);
  kill();
  EXPECT_EQ(PlaySound(SoundId::Click), E_FAIL);
  SoundGaugeCallback(nullptr, GAUGE_SERVICE_PRE_KILL, 0);  // a kill too many changes nothing
  SoundGaugeCallback(nullptr, GAUGE_SERVICE_PRE_UPDATE, 0);
  EXPECT_EQ(PlaySound(SoundId::Click), E_FAIL);
  EXPECT_TRUE(shownMessages.empty());
}

TEST_F(AltSounds, MissingOrMalformedResourcesLeaveOnlyThoseSoundsSilent) {
  const Bytes samples = soundtest::toneSamples(2000);
  const Bytes good =
      soundtest::riffImage({soundtest::formatChunk(), soundtest::dataChunk(samples)});
  const soundtest::Chunk fmt13{"fmt ", soundtest::formatBody(1, 22050, 16, 13)};
  soundtest::setProgramResources({
      {"WAVE", 118, soundtest::riffImage({fmt13, soundtest::dataChunk(samples)})},
      {"WAV", 142, good},  // found under the second type name
      {"WAVE", 199,
       soundtest::riffImage({soundtest::formatChunk(1, 22050, 24), soundtest::dataChunk(samples)})},
      {"WAVE", 226, soundtest::riffImage({soundtest::formatChunk(), soundtest::dataChunk({})})},
      {"WAVE", 255, Bytes(good.begin(), good.end() - 1)},  // truncated
      {"WAVE", 318, good},
  });
  install();
  for (SoundId silent : {SoundId::Click, SoundId::Toggle, SoundId::FuelPump, SoundId::RadioBeep,
                         SoundId::ComPowerOn, SoundId::RunDown})
    EXPECT_EQ(PlaySound(silent), E_FAIL) << static_cast<int>(silent);
  EXPECT_EQ(PlaySound(SoundId::Gear), S_OK);
  EXPECT_EQ(PlaySound(SoundId::ElectricHum), S_OK);
  EXPECT_TRUE(shownMessages.empty());
}

// The engine's own operations on sound objects made from WAVE bytes.
class SoundObjects : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(kBackendChosen);
    ASSERT_TRUE(sound::StartEngine(nullptr, nullptr));
  }
  void TearDown() override {
    for (sound::SoundObject* s : made_) sound::DestroySound(s);
    sound::StopEngine();
  }
  sound::SoundObject* make(const Bytes& image, int buffers) {
    images_.push_back(image);
    const auto wave = sound::ParseWave(images_.back());
    EXPECT_TRUE(wave);
    sound::SoundObject* made = sound::CreateSoundFromWave(*wave, buffers);
    if (made != nullptr) made_.push_back(made);
    return made;
  }

  std::list<Bytes> images_;
  std::vector<sound::SoundObject*> made_;
  const Bytes samples_ = soundtest::toneSamples(22050 * 3);
  const Bytes image_ =
      soundtest::riffImage({soundtest::formatChunk(), soundtest::dataChunk(samples_)});
};

TEST_F(SoundObjects, BufferCountIsAtLeastOne) {
  EXPECT_EQ(make(image_, 0)->buffers.size(), 1u);
  EXPECT_EQ(make(image_, -3)->buffers.size(), 1u);
  EXPECT_EQ(make(image_, 3)->buffers.size(), 3u);
}

TEST_F(SoundObjects, TwoBuffersAlternateAndTheOlderIsCutOff) {
  sound::SoundObject* s = make(image_, 2);
  LPDIRECTSOUNDBUFFER first = s->buffers[0];
  LPDIRECTSOUNDBUFFER second = s->buffers[1];
  PlayLog log;
  ASSERT_EQ(sound::PlaySoundObject(s, 0), S_OK);
  ASSERT_TRUE(soundtest::waitFor([&] { return positionOf(first) > 20000; }));
  ASSERT_EQ(sound::PlaySoundObject(s, 0), S_OK);
  EXPECT_EQ(statusOf(first), DSBSTATUS_PLAYING);
  EXPECT_EQ(statusOf(second), DSBSTATUS_PLAYING);
  EXPECT_EQ(s->current, 1u);

  // Both busy: the third play cuts the older one off and starts it again from the top.
  const DWORD firstWasAt = positionOf(first);
  ASSERT_EQ(sound::PlaySoundObject(s, 0), S_OK);
  EXPECT_EQ(s->current, 0u);
  EXPECT_LT(positionOf(first), firstWasAt);
  EXPECT_EQ(statusOf(second), DSBSTATUS_PLAYING);
  ASSERT_EQ(log.events().size(), 4u);
  EXPECT_FALSE(log.events()[2].play) << "play, play, stop, play";
  EXPECT_TRUE(log.events()[3].play);
}

TEST_F(SoundObjects, AFinishedBufferIsReusedInPlace) {
  const Bytes brief = soundtest::riffImage(
      {soundtest::formatChunk(), soundtest::dataChunk(soundtest::toneSamples(500))});
  sound::SoundObject* s = make(brief, 2);
  ASSERT_EQ(sound::PlaySoundObject(s, 0), S_OK);
  ASSERT_TRUE(soundtest::waitFor([&] { return statusOf(s->buffers[0]) == 0; }));
  ASSERT_EQ(sound::PlaySoundObject(s, 0), S_OK);
  EXPECT_EQ(s->current, 0u);
  EXPECT_EQ(statusOf(s->buffers[1]), 0u);
}

TEST_F(SoundObjects, StopSoundStopsAndRewindsEveryBuffer) {
  sound::SoundObject* s = make(image_, 2);
  ASSERT_EQ(sound::PlaySoundObject(s, 0), S_OK);
  ASSERT_EQ(sound::PlaySoundObject(s, 0), S_OK);
  ASSERT_TRUE(soundtest::waitFor([&] { return positionOf(s->buffers[1]) > 0; }));
  ASSERT_EQ(sound::StopSoundObject(s), S_OK);
  for (LPDIRECTSOUNDBUFFER b : s->buffers) {
    EXPECT_EQ(statusOf(b), 0u);
    EXPECT_EQ(positionOf(b), 0u);
  }
}

TEST_F(SoundObjects, LostBufferIsRestoredAndFilledAgain) {
  sound::SoundObject* s = make(image_, 1);
  ASSERT_EQ(sound::PlaySoundObject(s, DSBPLAY_LOOPING), S_OK);
  qtp_dsound_lose_all_buffers();
  PlayLog log;
  ASSERT_EQ(sound::PlaySoundObject(s, 0), S_OK);
  EXPECT_EQ(statusOf(s->buffers[0]), DSBSTATUS_PLAYING);
  ASSERT_EQ(log.plays(), 1u);
  EXPECT_EQ(log.events().back().pcm, samples_);
}

TEST_F(SoundObjects, NullObjectsAreRefusedQuietly) {
  EXPECT_EQ(sound::PlaySoundObject(nullptr, 0), E_FAIL);
  EXPECT_EQ(sound::StopSoundObject(nullptr), E_FAIL);
  sound::DestroySound(nullptr);
  // Without a device nothing is made.
  sound::StopEngine();
  const auto wave = sound::ParseWave(image_);
  EXPECT_EQ(sound::CreateSoundFromWave(*wave, 1), nullptr);
  EXPECT_EQ(sound::CreateSound(118, 1), nullptr);
}

}  // namespace
