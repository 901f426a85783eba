// A full installation of every component for Flight Simulator 2000 from the sample CD, as the
// run window does it, against bsdtar -xf of the same archives into the same folders. Each
// iteration installs into a fresh demo prefix.
#include <archive.h>
#include <archive_entry.h>
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "content/demo/demo_prefix.h"
#include "installer/archive_table.h"
#include "installer/install_run.h"
#include "installer/setup2_dlg.h"
#include "platform/paths.h"
#include "platform/prefix.h"
#include "shell/automation_hooks.h"
#include "shell/install_state.h"

namespace fs = std::filesystem;

namespace {

// A demo prefix in a fresh temporary folder whose drive D: is the sample CD, with the user's
// folders inside it; removed when it goes.
class BenchPrefix {
 public:
  BenchPrefix() {
    std::string pattern = (fs::temp_directory_path() / "qtp_install_bench_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return;
    root_ = pattern;
    fs::create_directories(root_ / "home" / "Desktop");
    setenv("HOME", (root_ / "home").c_str(), 1);
    setenv("XDG_DATA_HOME", (root_ / "home" / "data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (root_ / "home" / "config").c_str(), 1);
    std::string why;
    const fs::path dir = root_ / "prefix";
    if (!demo::makeDemoPrefix(dir, &why)) return;
    fs::remove(dir / "dosdevices" / "d:");
    fs::create_symlink(QTP_SAMPLE_CD, dir / "dosdevices" / "d:");
    ok_ = platform::openPrefix(dir);
  }
  ~BenchPrefix() {
    std::error_code ignored;
    if (!root_.empty()) fs::remove_all(root_, ignored);
  }
  BenchPrefix(const BenchPrefix&) = delete;
  BenchPrefix& operator=(const BenchPrefix&) = delete;

  bool ok() const { return ok_; }

 private:
  fs::path root_;
  bool ok_ = false;
};

// Every component for Flight Simulator 2000, as the options dialog leaves the session.
void ChooseEverything() {
  ResetProgramState();
  DetectSimulators();
  InstallState.CDDrive = QString::fromLatin1(demo::kCdDrive);
  SimVersion = 2000;
  Session.TrainingChosen = true;
  Session.SceneryChosen = true;
  Session.SceneryRes = QStringLiteral("0");
  std::fill(std::begin(Session.AircraftChosen), std::end(Session.AircraftChosen), true);
  Session.TargetFolder = FS2000Path + QStringLiteral("NORVANE\\QTP\\");
  fs::create_directories(platform::toHost(Session.TargetFolder.toStdString()));
}

// A fresh prefix with every component chosen; null (the benchmark told) when it cannot be made.
std::unique_ptr<BenchPrefix> FreshInstallation(benchmark::State& state) {
  auto prefix = std::make_unique<BenchPrefix>();
  if (!prefix->ok()) {
    state.SkipWithError("cannot make the demo prefix");
    return nullptr;
  }
  ChooseEverything();
  return prefix;
}

// The members an archive holds, as the archive component would report them one by one.
std::int64_t MemberCount(const std::string& archive) {
  std::int64_t members = 0;
  struct archive* reader = archive_read_new();
  archive_read_support_format_rar(reader);
  if (archive_read_open_filename(reader, archive.c_str(), 65536) == ARCHIVE_OK) {
    archive_entry* entry = nullptr;
    while (archive_read_next_header(reader, &entry) == ARCHIVE_OK) ++members;
  }
  archive_read_free(reader);
  return members;
}

void BM_InstallRun(benchmark::State& state) {
  std::int64_t files = 0;
  double longestGapMs = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto prefix = FreshInstallation(state);
    if (!prefix) break;
    hooks::queueMessageAnswer(QStringLiteral("OK"));  // the success message
    InstallRunning = true;
    // The gaps between processed events: a zero-delay timer fires in every round of events.
    auto last = std::chrono::steady_clock::now();
    std::chrono::steady_clock::duration longest{};
    QTimer pulse;
    pulse.setInterval(0);
    QObject::connect(&pulse, &QTimer::timeout, [&] {
      const auto now = std::chrono::steady_clock::now();
      longest = std::max(longest, now - last);
      last = now;
    });
    state.ResumeTiming();

    StartInstallRun(nullptr);
    QPointer<TSetup2DLG> window = Setup2DLG;
    window->Timer1->start(0);
    pulse.start();
    last = std::chrono::steady_clock::now();
    while (window) {
      QCoreApplication::processEvents();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    state.PauseTiming();
    pulse.stop();
    if (!InstallState.SC2K || !InstallState.QTP2K || !InstallState.AC2K[3])
      state.SkipWithError("the installation did not complete");
    files += Session.ExtractedFiles;
    longestGapMs =
        std::max(longestGapMs, std::chrono::duration<double, std::milli>(longest).count());
    prefix.reset();
    state.ResumeTiming();
  }
  state.counters["files"] = static_cast<double>(files) / static_cast<double>(state.iterations());
  state.counters["files_per_second"] =
      benchmark::Counter(static_cast<double>(files), benchmark::Counter::kIsRate);
  state.counters["longest_gap_ms"] = longestGapMs;
}

// The same archives into the same folders with bsdtar, one process per archive.
void BM_BsdtarSameLayout(benchmark::State& state) {
  if (std::system("command -v bsdtar >/dev/null 2>&1") != 0) {
    state.SkipWithError("bsdtar is not installed");
    return;
  }
  std::int64_t files = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto prefix = FreshInstallation(state);
    if (!prefix) break;
    std::vector<std::string> commands;
    std::int64_t members = 0;
    for (const InstallGroup group :
         {InstallGroup::Training, InstallGroup::Scenery, InstallGroup::Aircraft}) {
      for (const PlannedArchive& archive : PlanArchives(group, Session, SimVersion)) {
        const QString folder = archive.destination == ArchiveDestination::TargetFolder
                                   ? Session.TargetFolder
                                   : FS2000Path;
        const std::string from =
            platform::toHost((InstallState.CDDrive + archive.archive).toStdString());
        const std::string to = platform::toHost(folder.toStdString());
        commands.push_back("bsdtar -xf '" + from + "' -C '" + to + "'");
        members += MemberCount(from);
      }
    }
    state.ResumeTiming();
    for (const std::string& command : commands) {
      if (std::system(command.c_str()) != 0) state.SkipWithError("bsdtar failed");
    }
    state.PauseTiming();
    files += members;
    prefix.reset();
    state.ResumeTiming();
  }
  state.counters["files_per_second"] =
      benchmark::Counter(static_cast<double>(files), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_InstallRun)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_BsdtarSameLayout)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
