#include "program_resources.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <list>

#include "gauges/sound/wave_parse.h"
#include "sound_test_support.h"
#include "winapi/resource_pack.h"

extern "C" {
__attribute__((visibility("default"))) QtpResourceDirectory qtp_resource_directory = {nullptr, 0};
}

namespace soundtest {

void setProgramResources(const std::vector<ProgramResource>& resources) {
  static std::list<Bytes> packs;
  Bytes& pack = packs.emplace_back();
  respack::PackHeader header{};
  std::memcpy(header.magic, respack::kMagic, sizeof header.magic);
  header.count = static_cast<std::uint32_t>(resources.size());
  std::vector<respack::PackEntry> entries;
  auto offset =
      static_cast<std::uint32_t>(sizeof header + resources.size() * sizeof(respack::PackEntry));
  for (const ProgramResource& r : resources) {
    respack::PackEntry entry{};
    std::strncpy(entry.type_name, r.type.c_str(), respack::kTypeNameSize - 1);
    entry.name_id = r.id;
    entry.offset = offset;
    entry.size = static_cast<std::uint32_t>(r.bytes.size());
    offset += (entry.size + 3u) & ~3u;
    entries.push_back(entry);
  }
  pack.resize(offset);
  std::memcpy(pack.data(), &header, sizeof header);
  std::memcpy(pack.data() + sizeof header, entries.data(), entries.size() * sizeof entries[0]);
  for (std::size_t i = 0; i < resources.size(); ++i)
    std::memcpy(pack.data() + entries[i].offset, resources[i].bytes.data(),
                resources[i].bytes.size());
  qtp_resource_directory = {pack.data(), pack.size()};
}

std::vector<ProgramResource> generatedGaugeSounds() {
  // The build's own content unless the environment names another.
  const char* content = std::getenv("QTP_CONTENT_DIR");
  const std::filesystem::path folder =
      std::filesystem::path(content != nullptr ? content : QTP_BUILD_CONTENT_DIR) / "gauges" /
      "sounds";
  std::vector<ProgramResource> sounds;
  for (std::uint32_t id : {118, 142, 199, 226, 255, 288, 289, 315, 316, 317, 318})
    sounds.push_back({"WAVE", id, readFile(folder / (std::to_string(id) + ".wav"))});
  return sounds;
}

Bytes dataChunkOf(const Bytes& image) {
  const auto wave = sound::ParseWave(image);
  return wave ? Bytes(wave->samples, wave->samples + wave->sampleBytes) : Bytes{};
}

}  // namespace soundtest
