// qtp-uninstall: removes the product from a simulator folder as its install log lists it, after
// asking, and reports what it removed, what it left and why.
#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/prefix.h"
#include "platform/program_log.h"
#include "uninstaller/interaction.h"
#include "uninstaller/options.h"
#include "uninstaller/uninstall_run.h"

namespace {

namespace fs = std::filesystem;

// The prefix named, else $QTP_PREFIX, else the nearest folder above the simulator folder that
// has a dosdevices folder; empty when there is none.
fs::path prefixFor(const std::string& named, const fs::path& folder) {
  if (!named.empty()) return fs::absolute(named);
  if (const char* variable = std::getenv("QTP_PREFIX"); variable && *variable)
    return fs::absolute(variable);
  std::error_code ec;
  for (fs::path dir = folder; dir.has_relative_path(); dir = dir.parent_path())
    if (fs::is_directory(dir / "dosdevices", ec)) return dir;
  return {};
}

// One line of the program's log for each line of the report.
void logReport(const uninstall::Report& report, const fs::path& folder) {
  const std::string lead = (report.dryRun() ? "dry run in " : "uninstall from ") + folder.string();
  const std::string text = report.text();
  for (std::size_t at = 0, end; at < text.size(); at = end + 1) {
    end = std::min(text.find('\n', at), text.size());
    platform::logNote(lead + ": " + text.substr(at, end - at));
  }
}

}  // namespace

int main(int argc, char** argv) {
  using uninstall::Options;
  const Options options = uninstall::parseOptions(std::vector<std::string>(argv + 1, argv + argc));
  switch (options.action) {
    case Options::Action::Help:
      std::printf("%s", uninstall::usageText());
      return 0;
    case Options::Action::Error:
      std::fprintf(stderr, "qtp-uninstall: %s\n%s", options.error.c_str(), uninstall::usageText());
      return 2;
    case Options::Action::Run:
      break;
  }
  platform::openProgramLog(platform::defaultLogFile());
  fs::path folder = fs::absolute(options.folder).lexically_normal();
  if (folder.filename().empty()) folder = folder.parent_path();
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) {
    platform::logReport("Verzeichnis nicht gefunden: " + folder.string());
    return 1;
  }
  // The registry with the install flags is the prefix's; without one only the files go.
  const fs::path prefix = prefixFor(options.prefix, folder);
  if (!prefix.empty() &&
      (!fs::is_directory(prefix / "dosdevices", ec) || !platform::openPrefix(prefix))) {
    platform::logReport("kein Präfix: " + prefix.string());
    return 2;
  }

  const uninstall::Surroundings surroundings = uninstall::currentSurroundings();
  std::optional<QApplication> app;
  if (uninstall::usesWindow(surroundings)) app.emplace(argc, argv);

  const uninstall::Report plan = uninstall::uninstallProduct(folder, prefix, true);
  if (options.dryRun) {
    logReport(plan, folder);
    uninstall::showReport(plan, folder.string(), surroundings);
    return plan.complete() ? 0 : 1;
  }
  switch (uninstall::askConsent(plan, folder.string(), options.yes, surroundings)) {
    case uninstall::Consent::Given:
      break;
    case uninstall::Consent::Declined:
      std::printf("Abgebrochen; es wurde nichts verändert.\n");
      return 1;
    case uninstall::Consent::CannotAsk:
      platform::logReport(
          "ohne Terminal und ohne Anzeige kann nicht gefragt werden; es wurde nichts verändert "
          "(--yes entfernt ohne Rückfrage, --dry-run zeigt, was entfernt würde)");
      return 1;
  }
  const uninstall::Report report = uninstall::uninstallProduct(folder, prefix, false);
  logReport(report, folder);
  uninstall::showReport(report, folder.string(), surroundings);
  return report.complete() ? 0 : 1;
}
