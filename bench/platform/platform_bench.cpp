// Parsing a machine registry of a lived-in prefix, opening keys, translating paths in large
// folders, and the durable write that every install-state change costs.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/paths.h"
#include "platform/registry.h"
#include "platform/registry_text.h"
#include "tests/support/temp_prefix.h"

namespace {

// A machine file with as many keys as a prefix with a few programs installed has.
std::string machineKeys(int keys) {
  std::string text;
  for (int k = 0; k < keys; ++k) {
    text += "[Software\\\\Vendor" + std::to_string(k % 97) + "\\\\Product" + std::to_string(k) +
            "] 1700000000\n#time=1d9a1b2c3d4e5f6\n";
    text += "\"Path\"=\"C:\\\\Program Files\\\\Product" + std::to_string(k) + "\\\\\"\n";
    text += "\"Version\"=dword:" + std::to_string(10000000 + k) + "\n";
    text +=
        "\"Blob\"=hex:01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,\\\n"
        "  16,17,18,19,1a,1b,1c,1d,1e,1f\n\n";
  }
  return text;
}

void ParseMachineFile(benchmark::State& state) {
  const std::string text =
      "WINE REGISTRY Version 2\n" + machineKeys(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(platform::regtext::parse(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(ParseMachineFile)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);

void OpenKeyOfAnUnchangedFile(benchmark::State& state) {
  testsupport::TempPrefix prefix;
  prefix.writeSystemReg(machineKeys(20000));
  for (auto _ : state) {
    auto key = platform::RegistryKey::open("Software\\Vendor3\\Product19403", false);
    if (!key) {
      state.SkipWithError("key not found");
      break;
    }
    benchmark::DoNotOptimize(key->readString("Path"));
  }
}
BENCHMARK(OpenKeyOfAnUnchangedFile)->Unit(benchmark::kMicrosecond);

void WriteOneStateValue(benchmark::State& state) {
  testsupport::TempPrefix prefix;
  auto key = platform::RegistryKey::open("SOFTWARE\\NORVANE\\QTP\\1.0", true);
  for (int n = 0; n < 34; ++n) key->writeInteger("M" + std::to_string(n), 0);
  std::uint32_t value = 0;
  for (auto _ : state) benchmark::DoNotOptimize(key->writeInteger("M7", ++value & 1));
}
BENCHMARK(WriteOneStateValue)->Unit(benchmark::kMillisecond);

void TranslateAPathWithoutRegardToCase(benchmark::State& state) {
  testsupport::TempPrefix prefix;
  const auto folder = prefix.driveC() / "Scenery";
  for (int n = 0; n < state.range(0); ++n)
    testsupport::TempPrefix::writeFile(folder / ("tile" + std::to_string(n) + ".bgl"), "");
  for (auto _ : state) benchmark::DoNotOptimize(platform::toHost("C:\\SCENERY\\TILE77.BGL"));
}
BENCHMARK(TranslateAPathWithoutRegardToCase)->Arg(100)->Arg(5000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
