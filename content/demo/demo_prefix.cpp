#include "demo_prefix.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

#include "demo_files.h"
#include "demo_launcher.h"

namespace demo {

namespace fs = std::filesystem;

namespace {

std::string contents(const DemoFile& file) {
  if (file.kind == FileKind::Launcher) return launcherScript(file.text, builtPanelhost());
  std::string out;
  for (const char* c = file.text; *c != '\0'; ++c) {
    if (*c == '\n' && file.kind == FileKind::DosText) out += '\r';
    out += *c;
  }
  return out;
}

bool fail(std::string* why, const std::string& what, const std::error_code& error = {}) {
  if (why) *why = error ? what + ": " + error.message() : what;
  return false;
}

bool makeFolder(const fs::path& folder, std::string* why) {
  std::error_code error;
  fs::create_directories(folder, error);
  return !error || fail(why, "cannot create " + folder.string(), error);
}

bool writeFile(const fs::path& dir, const DemoFile& file, std::string* why) {
  const fs::path path = dir / file.path;
  if (!makeFolder(path.parent_path(), why)) return false;
  std::error_code error;
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << contents(file);
    out.close();
    if (!out) return fail(why, "cannot write " + path.string());
  }
  if (file.kind == FileKind::Launcher) {
    fs::permissions(path, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                    fs::perm_options::add, error);
    if (error) return fail(why, "cannot make " + path.string() + " executable", error);
  }
  return true;
}

bool writeLink(const fs::path& dir, const DemoLink& link, std::string* why) {
  const fs::path path = dir / link.path;
  if (!makeFolder(path.parent_path(), why)) return false;
  std::error_code error;
  if (fs::is_symlink(fs::symlink_status(path))) fs::remove(path, error);
  fs::create_symlink(link.target, path, error);
  if (error) return fail(why, "cannot link " + path.string(), error);
  return true;
}

// The CD's folders, each file a link to the sample CD's copy. What was on the drive before goes.
bool mirrorCd(const fs::path& source, const fs::path& drive, std::string* why) {
  std::error_code error;
  if (!fs::is_regular_file(source / "QTP.RAR", error))
    return fail(why, "the sample CD has not been generated at " + source.string() +
                         " (build the target qtp_sample_cd_content or set QTP_SAMPLE_CD)");
  fs::remove_all(drive, error);
  if (error) return fail(why, "cannot clear " + drive.string(), error);
  if (!makeFolder(drive, why)) return false;
  const fs::path absolute = fs::absolute(source, error);
  for (auto entry = fs::recursive_directory_iterator(absolute, error);
       !error && entry != fs::recursive_directory_iterator(); entry.increment(error)) {
    const fs::path target = drive / fs::relative(entry->path(), absolute);
    if (entry->is_directory())
      fs::create_directory(target, error);
    else
      fs::create_symlink(entry->path(), target, error);
    if (error) return fail(why, "cannot link " + target.string(), error);
  }
  return !error || fail(why, "cannot read the sample CD at " + source.string(), error);
}

}  // namespace

fs::path cdFolder(const fs::path& prefix) {
  return prefix / "cdrom";
}

fs::path sampleCdSource() {
  const char* chosen = std::getenv("QTP_SAMPLE_CD");
  return chosen && *chosen ? fs::path(chosen) : fs::path(QTP_SAMPLE_CD_DIR);
}

bool makeDemoPrefix(const fs::path& dir, std::string* why) {
  for (const char* folder : demoFolders()) {
    if (!makeFolder(dir / folder, why)) return false;
  }
  for (const DemoFile& file : demoFiles()) {
    if (!writeFile(dir, file, why)) return false;
  }
  for (const DemoLink& link : demoLinks()) {
    if (!writeLink(dir, link, why)) return false;
  }
  return mirrorCd(sampleCdSource(), cdFolder(dir), why);
}

}  // namespace demo
