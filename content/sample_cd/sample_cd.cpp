#include "sample_cd.h"

#include <exception>
#include <system_error>

#include "cd_parts.h"

namespace samplecd {

namespace fs = std::filesystem;

namespace {

void setReadOnly(const fs::path& dir) {
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    if (!entry.is_regular_file()) continue;
    const bool executable =
        (entry.status().permissions() & fs::perms::owner_exec) != fs::perms::none;
    fs::permissions(
        entry.path(),
        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read |
            (executable ? fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec
                        : fs::perms::none));
  }
}

// Read-only files go away with their folder; the folders themselves stay writable.
void removeTree(const fs::path& dir) {
  std::error_code error;
  fs::remove_all(dir, error);
  if (error) throw fs::filesystem_error("cannot remove", dir, error);
}

}  // namespace

bool writeSampleCd(const fs::path& dir, const SampleCdInputs& inputs, std::string* why) {
  const fs::path partial = dir.string() + ".partial";
  const fs::path previous = dir.string() + ".previous";
  try {
    removeTree(partial);
    fs::create_directories(partial);
    const CdFolder cd(partial);
    writeTrainingArchives(cd);
    writeSceneryArchives(cd);
    writeAircraftArchives(cd, inputs.gaugeModule, inputs.windowsGaugeModule);
    writeUninstaller(cd);
    writeUserInterfaceFiles(cd);
    setReadOnly(partial);
    removeTree(previous);
    if (fs::exists(dir)) fs::rename(dir, previous);
    fs::rename(partial, dir);
    removeTree(previous);
    return true;
  } catch (const std::exception& error) {
    if (why) *why = error.what();
    std::error_code ignored;
    fs::remove_all(partial, ignored);
    return false;
  }
}

}  // namespace samplecd
