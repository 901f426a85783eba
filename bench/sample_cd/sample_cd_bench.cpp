// How long the build spends writing the sample CD, and how long a test waits for a demo prefix
// around it.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <filesystem>

#include "demo_prefix.h"
#include "sample_cd.h"

namespace {

namespace fs = std::filesystem;

void WriteSampleCd(benchmark::State& state) {
  QTemporaryDir folder;
  const fs::path cd = fs::path(folder.path().toStdString()) / "cd";
  std::string why;
  for (auto _ : state) {
    if (!samplecd::writeSampleCd(cd, {NOR_NV36_PATH}, &why)) state.SkipWithError(why.c_str());
  }
  std::uintmax_t bytes = 0;
  for (const auto& entry : fs::recursive_directory_iterator(cd))
    if (entry.is_regular_file()) bytes += entry.file_size();
  state.counters["CD MiB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
}
BENCHMARK(WriteSampleCd)->Unit(benchmark::kMillisecond)->Iterations(3);

void MakeDemoPrefix(benchmark::State& state) {
  QTemporaryDir folder;
  int n = 0;
  std::string why;
  for (auto _ : state) {
    const fs::path prefix = fs::path(folder.path().toStdString()) / std::to_string(n++);
    if (!demo::makeDemoPrefix(prefix, &why)) state.SkipWithError(why.c_str());
  }
}
BENCHMARK(MakeDemoPrefix)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);  // the CD's pictures are drawn through Qt
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
