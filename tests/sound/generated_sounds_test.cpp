// The synthesised gauge sounds as the build wrote them: readable by the engine's WAVE walk, in
// the module's format, audible, unclipped, reproducible, and the hum seamless as a loop.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "content/sounds/gauge_sounds.h"
#include "content/sounds/synth.h"
#include "content/sounds/wave_file.h"
#include "gauges/sound/wave_parse.h"
#include "program_resources.h"
#include "sound_test_support.h"

namespace {

std::vector<std::int16_t> samplesOf(const sound::ParsedWave& wave) {
  std::vector<std::int16_t> samples(wave.sampleBytes / 2);
  std::memcpy(samples.data(), wave.samples, samples.size() * 2);
  return samples;
}

double rms(const std::vector<std::int16_t>& samples) {
  double sum = 0;
  for (std::int16_t s : samples) sum += static_cast<double>(s) * s;
  return std::sqrt(sum / static_cast<double>(std::max<std::size_t>(samples.size(), 1)));
}

TEST(GeneratedSounds, EachFileIsAnAudibleMono16BitSoundAt22050Hz) {
  const auto files = soundtest::generatedGaugeSounds();
  ASSERT_EQ(files.size(), sounds::gaugeSounds().size());
  for (const auto& file : files) {
    SCOPED_TRACE(file.id);
    const auto wave = sound::ParseWave(file.bytes);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->format.wFormatTag, 1);
    EXPECT_EQ(wave->format.nChannels, 1);
    EXPECT_EQ(wave->format.nSamplesPerSec, 22050u);
    EXPECT_EQ(wave->format.nAvgBytesPerSec, 44100u);
    EXPECT_EQ(wave->format.nBlockAlign, 2);
    EXPECT_EQ(wave->format.wBitsPerSample, 16);
    const auto samples = samplesOf(*wave);
    EXPECT_GT(samples.size(), 22050u / 100) << "at least 10 ms";
    EXPECT_GT(rms(samples), 1000.0);
    const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
    EXPECT_GT(*low, -32768);
    EXPECT_LT(*high, 32767);
  }
}

TEST(GeneratedSounds, TheBuildWroteWhatTheSynthesiserMakesEveryTime) {
  const auto files = soundtest::generatedGaugeSounds();
  for (std::size_t i = 0; i < files.size(); ++i) {
    const sounds::GaugeSound& recipe = sounds::gaugeSounds()[i];
    ASSERT_EQ(static_cast<std::uint32_t>(recipe.resourceId), files[i].id);
    EXPECT_EQ(sounds::waveImage(sounds::render(recipe), sounds::kSampleRate), files[i].bytes)
        << recipe.resourceId;
  }
}

TEST(GeneratedSounds, TheHumLoopsWithoutASeam) {
  const auto files = soundtest::generatedGaugeSounds();
  const auto hum =
      std::find_if(files.begin(), files.end(), [](const auto& f) { return f.id == 318; });
  ASSERT_NE(hum, files.end());
  const auto wave = sound::ParseWave(hum->bytes);
  ASSERT_TRUE(wave);
  const auto samples = samplesOf(*wave);
  ASSERT_GT(samples.size(), 2u);
  int steepest = 0;
  for (std::size_t i = 1; i < samples.size(); ++i)
    steepest = std::max(steepest, std::abs(samples[i] - samples[i - 1]));
  const int seam = std::abs(samples.front() - samples.back());
  EXPECT_LE(seam, steepest) << "the jump from the end back to the start is no larger than any step";
  // And it does not fade at either end: the first and last 10 ms are as loud as the middle.
  const std::vector<std::int16_t> head(samples.begin(), samples.begin() + 220);
  const std::vector<std::int16_t> tail(samples.end() - 220, samples.end());
  EXPECT_GT(rms(head), 0.8 * rms(samples));
  EXPECT_GT(rms(tail), 0.8 * rms(samples));
}

}  // namespace
