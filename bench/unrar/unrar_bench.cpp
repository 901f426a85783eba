// Extraction of one archive of 5,000 small members and one of a few large members.
#include <archive.h>
#include <archive_entry.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <numeric>

#include "content/rar_writer/rar_writer.h"
#include "installer/rar_arc.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct Corpus {
  fs::path archive;
  std::int64_t bytes = 0;
  std::int64_t members = 0;
};

fs::path workFolder() {
  return fs::temp_directory_path() / ("qtp-unrar-bench-" + std::to_string(::getpid()));
}

Corpus makeCorpus(const std::string& name, int members, std::size_t size) {
  rarwriter::RarWriter writer;
  std::string data(size, '\0');
  for (std::size_t i = 0; i < size; ++i) data[i] = static_cast<char>((i * 2654435761u) >> 13);
  for (int i = 0; i < members; ++i)
    writer.addFile("DIR" + std::to_string(i / 250) + "\\FILE" + std::to_string(i) + ".DAT", data);
  fs::create_directories(workFolder());
  Corpus corpus{workFolder() / name, static_cast<std::int64_t>(size) * members, members};
  writer.write(corpus.archive);
  return corpus;
}

const Corpus& manySmall() {
  static const Corpus corpus = makeCorpus("SMALL.RAR", 5000, 2048);
  return corpus;
}

const Corpus& fewLarge() {
  static const Corpus corpus = makeCorpus("LARGE.RAR", 4, 32u << 20);
  return corpus;
}

const Corpus& corpusFor(const benchmark::State& state) {
  return state.range(0) == 0 ? manySmall() : fewLarge();
}

fs::path freshTarget(benchmark::State& state) {
  state.PauseTiming();
  const fs::path target = workFolder() / "out";
  fs::remove_all(target);
  fs::create_directories(target);
  state.ResumeTiming();
  return target;
}

void finish(benchmark::State& state, const Corpus& corpus) {
  state.SetBytesProcessed(state.iterations() * corpus.bytes);
  state.SetItemsProcessed(state.iterations() * corpus.members);
}

// TRAR with the events the installation run uses; the longest pause between two events is
// how long the pages could go without their messages being pumped.
void BM_Trar(benchmark::State& state) {
  const Corpus& corpus = corpusFor(state);
  TRAR rar;
  rar.ArchiveName = corpus.archive.string();
  Clock::time_point last;
  Clock::duration longest{};
  auto tick = [&] {
    const auto now = Clock::now();
    longest = std::max(longest, now - last);
    last = now;
  };
  rar.OnExtract = [&](TRAR&, const RARHeaderData&, bool) { tick(); };
  rar.OnProcessData = [&](TRAR&, unsigned char*, int, int) {
    tick();
    return 1;
  };
  for (auto _ : state) {
    rar.TargetDir = freshTarget(state).string();
    last = Clock::now();
    if (!rar.Extract()) state.SkipWithError("extraction failed");
  }
  finish(state, corpus);
  state.counters["longest_gap_ms"] = std::chrono::duration<double, std::milli>(longest).count();
}

// The library's C interface alone.
void BM_Library(benchmark::State& state) {
  const Corpus& corpus = corpusFor(state);
  std::string name = corpus.archive.string();
  for (auto _ : state) {
    std::string target = freshTarget(state).string();
    RAROpenArchiveData data{};
    data.ArcName = name.data();
    data.OpenMode = RAR_OM_EXTRACT;
    void* handle = RAROpenArchive(&data);
    RARHeaderData header{};
    while (RARReadHeader(handle, &header) == 0)
      if (RARProcessFile(handle, RAR_EXTRACT, target.data(), nullptr) != 0)
        state.SkipWithError("member failed");
    RARCloseArchive(handle);
  }
  finish(state, corpus);
}

// libarchive straight to disk, as bsdtar -xf does it.
void BM_LibarchiveToDisk(benchmark::State& state) {
  const Corpus& corpus = corpusFor(state);
  for (auto _ : state) {
    const fs::path target = freshTarget(state);
    struct archive* in = archive_read_new();
    archive_read_support_format_rar(in);
    struct archive* out = archive_write_disk_new();
    archive_write_disk_set_options(out, ARCHIVE_EXTRACT_TIME | ARCHIVE_EXTRACT_SECURE_NODOTDOT |
                                            ARCHIVE_EXTRACT_SECURE_SYMLINKS);
    archive_read_open_filename(in, corpus.archive.c_str(), 64 * 1024);
    struct archive_entry* entry = nullptr;
    while (archive_read_next_header(in, &entry) == ARCHIVE_OK) {
      archive_entry_set_pathname(entry, (target / archive_entry_pathname(entry)).c_str());
      archive_write_header(out, entry);
      const void* block = nullptr;
      std::size_t size = 0;
      la_int64_t offset = 0;
      while (archive_read_data_block(in, &block, &size, &offset) == ARCHIVE_OK)
        archive_write_data_block(out, block, size, offset);
      archive_write_finish_entry(out);
    }
    archive_read_free(in);
    archive_write_free(out);
  }
  finish(state, corpus);
}

// bsdtar itself, when the machine has it.
void BM_Bsdtar(benchmark::State& state) {
  const Corpus& corpus = corpusFor(state);
  if (std::system("command -v bsdtar >/dev/null 2>&1") != 0) {
    state.SkipWithError("bsdtar is not installed");
    return;
  }
  for (auto _ : state) {
    const fs::path target = freshTarget(state);
    const std::string command =
        "bsdtar -xf '" + corpus.archive.string() + "' -C '" + target.string() + "'";
    if (std::system(command.c_str()) != 0) state.SkipWithError("bsdtar failed");
  }
  finish(state, corpus);
}

BENCHMARK(BM_Trar)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Library)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LibarchiveToDisk)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Bsdtar)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Leaves no corpus behind.
struct Cleanup {
  ~Cleanup() {
    std::error_code ignored;
    fs::remove_all(workFolder(), ignored);
  }
} cleanup;

}  // namespace
