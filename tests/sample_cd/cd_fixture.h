#pragma once
// Shared by the sample CD's tests: the generated CD, extraction through the real archive
// component (libunrar.so), the run's archive table, and running the CD's scripts.
#include <QProcessEnvironment>
#include <QStringList>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace cdtest {

// The CD the build generated.
std::filesystem::path builtCd();

struct Extraction {
  bool result = false;      // what the component's Extract returned
  int members = 0;          // OnExtract events
  int failedMembers = 0;    // OnExtract with a failed result
  std::vector<int> errors;  // OnError codes
};

// Extracts a CD archive (path relative to the CD root, '\' or '/') into `target`.
Extraction extract(const std::filesystem::path& cd, const std::string& archive,
                   const std::filesystem::path& target);

// The archives that installing one component extracts, as the installation run names them.
struct Component {
  std::string name;  // "training", "scenery 1", "aircraft 2"
  int simulator;     // 2000 or 98
  std::vector<std::string> archives;
};
std::vector<Component> runComponents();

// Every archive the run may extract, without repeats.
std::vector<std::string> allArchives();

struct ScriptRun {
  int exitCode = -1;
  QString out;
  QString err;
};
ScriptRun runProgram(const std::filesystem::path& program, const QStringList& arguments,
                     const QProcessEnvironment& environment,
                     const std::filesystem::path& workingFolder = {});

// The environment of a test's programs: offscreen, sound through OpenAL's null device, and the
// home folder inside `home`.
QProcessEnvironment quietEnvironment(const std::filesystem::path& home);

// Every regular file under `root`, by its path relative to it, with its bytes.
std::map<std::string, std::string> snapshot(const std::filesystem::path& root);

std::string readFile(const std::filesystem::path& path);

}  // namespace cdtest
