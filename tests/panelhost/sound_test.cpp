// Sounds named by their WAVE resource: the mixer's play and stop reports matched against the
// module's resources, and the data-chunk walk that finds their samples.
#include <gtest/gtest.h>

#include <cstring>

#include "host_fixture.h"
#include "winapi/dsound/dsound.h"
#include "winapi/windows.h"

using namespace panelhost;
using namespace panelhost_test;

namespace {

std::string chunk(const char* id, const std::string& data) {
  std::string out(id, 4);
  const auto size = static_cast<std::uint32_t>(data.size());
  for (int i = 0; i < 4; ++i) out += static_cast<char>((size >> (8 * i)) & 0xFF);
  return out + data + (data.size() % 2 ? std::string(1, '\0') : std::string());
}

std::string riff(const std::string& chunks) {
  std::string body = "WAVE" + chunks;
  const auto size = static_cast<std::uint32_t>(body.size());
  std::string out = "RIFF";
  for (int i = 0; i < 4; ++i) out += static_cast<char>((size >> (8 * i)) & 0xFF);
  return out + body;
}

WaveData chunkOf(const std::string& file) {
  return waveDataChunk(reinterpret_cast<const unsigned char*>(file.data()), file.size());
}

}  // namespace

TEST(WaveDataChunk, SkipsPaddedChunksAndRefusesTruncatedOnes) {
  const std::string file = riff(chunk("LIST", "odd") + chunk("data", "abcd"));
  const WaveData data = chunkOf(file);
  ASSERT_EQ(data.size, 4u);
  EXPECT_EQ(std::memcmp(data.bytes, "abcd", 4), 0);

  std::string truncated = riff(chunk("data", "abcdef"));
  truncated.resize(truncated.size() - 2);
  EXPECT_EQ(chunkOf(truncated).bytes, nullptr);
  EXPECT_EQ(chunkOf("RIFF\x04\0\0\0WAVX").bytes, nullptr);
  EXPECT_EQ(chunkOf(riff(chunk("fmt ", "1234"))).bytes, nullptr);
}

TEST_F(HostTest, PlayAndStopAreNamedByTheirWaveResource) {
  qputenv("ALSOFT_DRIVERS", "null");
  void* module = gauge("KNOB").module->handle();
  HRSRC resource = FindResourceA(static_cast<HMODULE>(module), MAKEINTRESOURCE(500), "WAVE");
  ASSERT_NE(resource, nullptr);
  const auto* file = static_cast<const unsigned char*>(
      LockResource(LoadResource(static_cast<HMODULE>(module), resource)));
  const WaveData samples =
      waveDataChunk(file, SizeofResource(static_cast<HMODULE>(module), resource));
  ASSERT_EQ(samples.size, 301u);

  LPDIRECTSOUND sound = nullptr;
  ASSERT_EQ(DirectSoundCreate(nullptr, &sound, nullptr), DS_OK);
  WAVEFORMATEX format{WAVE_FORMAT_PCM, 1, 11025, 11025, 1, 8, 0};
  DSBUFFERDESC desc{sizeof(DSBUFFERDESC), 0x1E2, static_cast<DWORD>(samples.size), 0, &format, {}};
  LPDIRECTSOUNDBUFFER buffer = nullptr;
  ASSERT_EQ(sound->CreateSoundBuffer(&desc, &buffer, nullptr), DS_OK);
  LPVOID part1 = nullptr;
  LPVOID part2 = nullptr;
  DWORD bytes1 = 0;
  DWORD bytes2 = 0;
  ASSERT_EQ(buffer->Lock(0, static_cast<DWORD>(samples.size), &part1, &bytes1, &part2, &bytes2, 0),
            DS_OK);
  std::memcpy(part1, samples.bytes, bytes1);
  buffer->Unlock(part1, bytes1, part2, bytes2);

  ASSERT_EQ(buffer->Play(0, 0, 1), DS_OK);
  buffer->Stop();
  const auto events = host_->takeSounds();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_TRUE(events[0].play);
  EXPECT_EQ(events[0].id, 500u);
  EXPECT_EQ(events[0].flags, 1u);
  EXPECT_FALSE(events[1].play);
  EXPECT_EQ(events[1].id, 500u);
  buffer->Release();
  sound->Release();
}
