// The installation soak: runs of random component sets into fresh demo prefixes against random
// faults (a missing or damaged archive, a full disk, read-only files and folders, a stop at a
// random member, kill -9 at a random moment), each followed by a check, in a process of its own,
// that registry flags, files on disk and the install log agree.
//
//   qtp-install-soak soak [RUNS] [SEED]          the soak; a summary at the end
//   qtp-install-soak run DIR SIM COMPONENTS [--stop-at N] [--full-disk-at N]
//   qtp-install-soak check DIR
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <array>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "soak/soak_run.h"

namespace fs = std::filesystem;

extern char** environ;

namespace {

enum class Fault { None, MissingArchive, DamagedArchive, FullDisk, ReadOnly, Stop, Kill };
constexpr std::array<const char*, 7> kFaultNames = {
    "none", "missing archive", "damaged archive", "full disk", "read-only", "stop", "kill -9"};

fs::path SampleCd() {
  const char* content = std::getenv("QTP_CONTENT_DIR");
  return fs::path(content ? content : "") / "cd";
}

pid_t Spawn(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  return posix_spawn(&pid, "/proc/self/exe", nullptr, nullptr, argv.data(), environ) == 0 ? pid
                                                                                          : -1;
}

int Wait(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// An archive of the run's simulator (or the shared ones at the CD root) in the soak's CD folder.
fs::path SomeArchive(const fs::path& cd, int simulator, std::mt19937& random) {
  std::vector<fs::path> archives;
  for (const fs::path& folder : {cd, cd / (simulator == 98 ? "FS98" : "FS2000")})
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
      if (entry.path().extension() == ".RAR" || entry.path().extension() == ".rar")
        archives.push_back(entry.path());
  return archives[std::uniform_int_distribution<std::size_t>(0, archives.size() - 1)(random)];
}

// A fault made in the folder before the run and taken back after it.
class Arranged {
 public:
  Arranged(Fault fault, const fs::path& folder, int simulator, std::mt19937& random) {
    if (fault == Fault::MissingArchive || fault == Fault::DamagedArchive) {
      archive_ = SomeArchive(folder / "cd", simulator, random);
      target_ = fs::read_symlink(archive_);
      fs::remove(archive_);
      if (fault == Fault::DamagedArchive) {
        fs::copy_file(target_, archive_);
        fs::permissions(archive_, fs::perms::owner_write, fs::perm_options::add);
        std::fstream file(archive_, std::ios::in | std::ios::out | std::ios::binary);
        const auto size = static_cast<std::streamoff>(fs::file_size(archive_));
        file.seekp(std::uniform_int_distribution<std::streamoff>(size / 4, size - 1)(random));
        file.write("\xde\xad\xbe\xef", 4);
      }
    }
    if (fault == Fault::ReadOnly) {
      const fs::path games = folder / "prefix" / "drive_c" / "Program Files" / "Microsoft Games";
      for (const fs::path& path :
           {games / "FS2000" / "SCENERY.CFG", games / "FS98" / "Scenery" / "World.vis",
            games / (simulator == 98 ? "FS98" : "FS2000") / "Aircraft"})
        if (fs::exists(path)) {
          readOnly_.emplace_back(path, fs::status(path).permissions());
          fs::permissions(path,
                          fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                          fs::perm_options::remove);
        }
    }
  }
  ~Arranged() {
    if (!archive_.empty()) {
      fs::remove(archive_);
      fs::create_symlink(target_, archive_);
    }
    for (const auto& [path, permissions] : readOnly_) fs::permissions(path, permissions);
  }
  Arranged(const Arranged&) = delete;
  Arranged& operator=(const Arranged&) = delete;

 private:
  fs::path archive_;
  fs::path target_;
  std::vector<std::pair<fs::path, fs::perms>> readOnly_;
};

int Soak(int runs, unsigned seed) {
  std::mt19937 random(seed);
  const fs::path work = fs::temp_directory_path() / ("qtp-soak-" + std::to_string(getpid()));
  constexpr int kRunsPerPrefix = 4;
  std::map<Fault, int> faults;
  int disagreements = 0;
  int failedRuns = 0;
  const auto start = std::chrono::steady_clock::now();
  // Also every 25 runs, so that a soak cut short still tells what it found.
  const auto report = [&](int done) {
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << done << " runs in " << seconds << " s (seed " << seed << "):";
    for (const auto& [fault, count] : faults)
      std::cout << " " << kFaultNames[static_cast<std::size_t>(fault)] << " " << count << ",";
    std::cout << " runs that did not end " << failedRuns << ", disagreements " << disagreements
              << std::endl;
  };
  for (int run = 0; run < runs; ++run) {
    if (run > 0 && run % 25 == 0) report(run);
    const fs::path folder = work / ("prefix-" + std::to_string(run / kRunsPerPrefix));
    if (run % kRunsPerPrefix == 0) {
      fs::remove_all(work / ("prefix-" + std::to_string(run / kRunsPerPrefix - 1)));
      Wait(Spawn({"qtp-install-soak", "check", folder.string()}));  // makes the folder
    }
    const int simulator = random() % 2 ? 2000 : 98;
    std::string components;
    for (const char c : std::string("ts1234"))
      if (random() % 3 == 0) components += c;
    if (components.empty()) components = "1";
    const auto fault = static_cast<Fault>(random() % kFaultNames.size());
    ++faults[fault];
    std::vector<std::string> arguments{"qtp-install-soak", "run", folder.string(),
                                       std::to_string(simulator), components};
    const std::string member = std::to_string(random() % 400);
    if (fault == Fault::Stop) arguments.insert(arguments.end(), {"--stop-at", member});
    if (fault == Fault::FullDisk) arguments.insert(arguments.end(), {"--full-disk-at", member});
    int result = 0;
    {
      Arranged arranged(fault, folder, simulator, random);
      const pid_t child = Spawn(arguments);
      if (fault == Fault::Kill) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200 + random() % 3000));
        kill(child, SIGKILL);
      }
      result = Wait(child);
    }
    if (result != 0 && !(fault == Fault::Kill && result == 128 + SIGKILL)) ++failedRuns;
    const int check = Wait(Spawn({"qtp-install-soak", "check", folder.string()}));
    if (check != 0) {
      ++disagreements;
      std::cerr << "run " << run << " (" << simulator << " " << components << ", "
                << kFaultNames[static_cast<std::size_t>(fault)] << "): see " << folder << "\n";
      fs::rename(folder, work / ("kept-" + std::to_string(run)));
    }
  }
  fs::remove_all(work / ("prefix-" + std::to_string((runs - 1) / kRunsPerPrefix)));
  report(runs);
  return disagreements == 0 && failedRuns == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && args[0] == "soak")
    return Soak(
        args.size() > 1 ? std::stoi(args[1]) : 1000,
        args.size() > 2 ? static_cast<unsigned>(std::stoul(args[2])) : std::random_device{}());
  QApplication app(argc, argv);
  if (args.size() == 2 && args[0] == "check") return soak::checkAgreement(args[1], SampleCd());
  if (args.size() >= 4 && args[0] == "run") {
    soak::RunOrder order{args[1], std::stoi(args[2]), args[3]};
    for (std::size_t i = 4; i + 1 < args.size(); i += 2) {
      if (args[i] == "--stop-at") order.stopAtMember = std::stoi(args[i + 1]);
      if (args[i] == "--full-disk-at") order.fullDiskAtMember = std::stoi(args[i + 1]);
    }
    return soak::runOnce(order, SampleCd());
  }
  std::cerr << "usage: qtp-install-soak soak [RUNS] [SEED] | run DIR SIM COMPONENTS "
               "[--stop-at N] [--full-disk-at N] | check DIR\n";
  return 2;
}
