// The WAVE walk over a sound resource: which images give a format and samples, and which fail.
#include <gtest/gtest.h>

#include "gauges/sound/wave_parse.h"
#include "wave_images.h"

namespace {

using soundtest::Bytes;
using soundtest::Chunk;
using soundtest::dataChunk;
using soundtest::formatChunk;
using soundtest::riffImage;

std::optional<sound::ParsedWave> parse(const Bytes& image) {
  return sound::ParseWave(image);
}

Bytes samplesOf(const sound::ParsedWave& wave) {
  return Bytes(wave.samples, wave.samples + wave.sampleBytes);
}

const Bytes kSamples = {1, 2, 3, 4, 5, 6, 7, 8};

TEST(WaveParse, WellFormedImageGivesFormatAndSamples) {
  const Bytes image = riffImage({formatChunk(2, 44100, 16), dataChunk(kSamples)});
  const auto wave = parse(image);
  ASSERT_TRUE(wave);
  EXPECT_EQ(wave->format.wFormatTag, 1);
  EXPECT_EQ(wave->format.nChannels, 2);
  EXPECT_EQ(wave->format.nSamplesPerSec, 44100u);
  EXPECT_EQ(wave->format.nBlockAlign, 4);
  EXPECT_EQ(wave->format.wBitsPerSample, 16);
  EXPECT_EQ(samplesOf(*wave), kSamples);
  EXPECT_EQ(wave->samples, image.data() + 44);  // points into the image, not a copy
}

TEST(WaveParse, FormatChunkLengthDecides) {
  const Chunk fmt13{"fmt ", soundtest::formatBody(1, 22050, 16, 13)};
  EXPECT_FALSE(parse(riffImage({fmt13, dataChunk(kSamples)})));

  const Chunk fmt14{"fmt ", soundtest::formatBody(1, 22050, 16, 14)};
  const Bytes image14 = riffImage({fmt14, dataChunk(kSamples)});
  const auto wave = parse(image14);
  ASSERT_TRUE(wave);
  EXPECT_EQ(wave->format.nBlockAlign, 2);
  EXPECT_EQ(wave->format.wBitsPerSample, 0) << "fields past a short chunk are not read";

  // A short "fmt " met after the first one still fails the walk.
  EXPECT_FALSE(parse(riffImage({formatChunk(), fmt13, dataChunk(kSamples)})));
}

TEST(WaveParse, OddChunkIsFollowedByOnePadByte) {
  const Chunk odd{"LIST", {9, 9, 9}};
  ASSERT_TRUE(parse(riffImage({odd, formatChunk(), dataChunk(kSamples)})));
  EXPECT_EQ(
      samplesOf(parse(riffImage({formatChunk(), {"junk", {7}}, dataChunk(kSamples)})).value()),
      kSamples);

  // Without the pad the next chunk header is read one byte off and nothing is found.
  Chunk unpadded = odd;
  unpadded.padded = false;
  EXPECT_FALSE(parse(riffImage({unpadded, formatChunk(), dataChunk(kSamples)})));

  // An odd data chunk keeps its true size.
  const Bytes odd5 = {1, 2, 3, 4, 5};
  EXPECT_EQ(parse(riffImage({dataChunk(odd5), formatChunk()})).value().sampleBytes, 5u);
}

TEST(WaveParse, RiffLengthOfFourOrLessFails) {
  const std::vector<Chunk> chunks = {formatChunk(), dataChunk(kSamples)};
  for (std::uint32_t length : {0u, 1u, 4u}) EXPECT_FALSE(parse(riffImage(chunks, length)));
  EXPECT_TRUE(parse(riffImage(chunks)));
}

TEST(WaveParse, ChunksMayComeInAnyOrderAndTheFirstOfEachCounts) {
  EXPECT_EQ(samplesOf(parse(riffImage({dataChunk(kSamples), formatChunk()})).value()), kSamples);

  const Bytes twice = riffImage(
      {formatChunk(1, 11025, 8), dataChunk(kSamples), formatChunk(2, 44100, 16), dataChunk({0})});
  const auto wave = parse(twice);
  ASSERT_TRUE(wave);
  EXPECT_EQ(wave->format.nSamplesPerSec, 11025u);
  EXPECT_EQ(samplesOf(*wave), kSamples);
}

TEST(WaveParse, WalkEndsAtTheRiffLength) {
  const Bytes full = riffImage({formatChunk(), dataChunk(kSamples)});
  // A length that ends before the data chunk's header hides it, although the bytes are there.
  EXPECT_FALSE(parse(riffImage({formatChunk(), dataChunk(kSamples)}, 4 + 24)));
  // Once both are found, whatever follows does not matter, not even a broken chunk.
  Bytes trailing = full;
  trailing.insert(trailing.end(), {'b', 'a', 'd'});
  EXPECT_TRUE(parse(riffImage({formatChunk(), dataChunk(kSamples), {"fmt ", {1}}})));
  EXPECT_TRUE(parse(trailing));
}

TEST(WaveParse, MissingChunksFail) {
  EXPECT_FALSE(parse(riffImage({formatChunk()})));
  EXPECT_FALSE(parse(riffImage({dataChunk(kSamples)})));
  EXPECT_FALSE(parse(riffImage({{"LIST", {1, 2}}})));
}

TEST(WaveParse, WrongMagicFails) {
  Bytes image = riffImage({formatChunk(), dataChunk(kSamples)});
  Bytes notRiff = image;
  notRiff[0] = 'X';
  Bytes notWave = image;
  notWave[11] = 'X';
  EXPECT_FALSE(parse(notRiff));
  EXPECT_FALSE(parse(notWave));
  EXPECT_FALSE(parse({}));
}

TEST(WaveParse, TruncatedImagesFailAndNeverReachPastTheBytes) {
  const Bytes image = riffImage({{"LIST", {1, 2, 3}}, formatChunk(), dataChunk(kSamples)});
  for (std::size_t size = 0; size < image.size(); ++size) {
    const Bytes cut(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(size));
    EXPECT_FALSE(parse(cut)) << "cut to " << size << " bytes";
  }
  // A data length that claims more than there is.
  Bytes overlong = riffImage({formatChunk(), dataChunk(kSamples)});
  overlong[40] = 0xFF;
  EXPECT_FALSE(parse(overlong));
  // Lengths near 4 GiB must not wrap the walk around.
  EXPECT_TRUE(parse(riffImage({{"LIST", {}}, formatChunk(), dataChunk(kSamples)}, 0xFFFFFFFFu)));
  Bytes huge = riffImage({{"LIST", {}}, formatChunk(), dataChunk(kSamples)}, 0xFFFFFFFFu);
  huge[16] = 0xFE;
  huge[17] = 0xFF;
  huge[18] = 0xFF;
  huge[19] = 0xFF;
  EXPECT_FALSE(parse(huge));
}

TEST(WaveParse, NoSingleByteChangeLeadsTheWalkOutsideTheImage) {
  const Bytes image =
      riffImage({{"LIST", {1, 2, 3}}, formatChunk(), {"fact", {0, 0, 0, 0}}, dataChunk(kSamples)});
  for (std::size_t at = 0; at < image.size(); ++at) {
    for (int value : {0x00, 0x01, 0x0F, 0x7F, 0x80, 0xFE, 0xFF}) {
      Bytes changed = image;
      changed[at] = static_cast<std::uint8_t>(value);
      const auto wave = parse(changed);
      if (!wave) continue;
      const std::uint8_t* end = changed.data() + changed.size();
      ASSERT_GE(wave->samples, changed.data() + 20) << at;
      ASSERT_LE(wave->samples + wave->sampleBytes, end) << "byte " << at << " = " << value;
    }
  }
}

}  // namespace
