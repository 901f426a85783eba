// Through OpenAL Soft's wave-writer backend: the mixer's output, written to a file, is silent
// until a click plays, and carries the click afterwards.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>

#include "gauges/sound/sound_engine.h"
#include "gauges/sound/wave_parse.h"
#include "program_resources.h"
#include "sound_test_support.h"

namespace {

const std::filesystem::path kOutput = soundtest::privateFolder() / "mixed.wav";

const bool kBackendChosen = (soundtest::chooseOpenAlBackend(
                                 "wave",
                                 "[general]\nsample-type = int16\nchannels = mono\ndither = false\n"
                                 "frequency = 22050\n[wave]\nfile = " +
                                     kOutput.string() + "\n"),
                             true);

// The root mean square of the 16-bit samples in the finished output file.
double outputRms() {
  const soundtest::Bytes file = soundtest::readFile(kOutput);
  const auto wave = sound::ParseWave(file);
  EXPECT_TRUE(wave);
  if (!wave) return -1;
  EXPECT_EQ(wave->format.wBitsPerSample, 16);
  const std::size_t count = wave->sampleBytes / 2;
  EXPECT_GT(count, 0u);
  double sum = 0;
  for (std::size_t i = 0; i < count; ++i) {
    std::int16_t s = 0;
    std::memcpy(&s, wave->samples + 2 * i, 2);
    sum += static_cast<double>(s) * s;
  }
  return std::sqrt(sum / static_cast<double>(std::max<std::size_t>(count, 1)));
}

// Waits until the writer has put `seconds` more of output into the file.
bool writtenOnFor(double seconds) {
  const auto start = std::filesystem::file_size(kOutput);
  const auto wanted = start + static_cast<std::uintmax_t>(seconds * 22050 * 2);
  return soundtest::waitFor([&] { return std::filesystem::file_size(kOutput) >= wanted; });
}

TEST(WaveWriter, OutputIsSilentWithoutAClickAndAudibleAfterOne) {
  ASSERT_TRUE(kBackendChosen);
  soundtest::setProgramResources(soundtest::generatedGaugeSounds());

  SoundGaugeCallback(nullptr, GAUGE_SERVICE_POST_INSTALL, 0);
  ASSERT_TRUE(writtenOnFor(0.1));
  SoundGaugeCallback(nullptr, GAUGE_SERVICE_PRE_KILL, 0);  // closes the device and the file
  EXPECT_EQ(outputRms(), 0.0);

  SoundGaugeCallback(nullptr, GAUGE_SERVICE_POST_INSTALL, 0);
  ASSERT_EQ(PlaySound(SoundId::Click), S_OK);
  ASSERT_TRUE(writtenOnFor(0.2));  // well past the 40 ms click
  SoundGaugeCallback(nullptr, GAUGE_SERVICE_PRE_KILL, 0);
  const double clickRms = outputRms();
  RecordProperty("click_output_rms", static_cast<int>(clickRms));
  EXPECT_GT(clickRms, 20.0);
}

}  // namespace
