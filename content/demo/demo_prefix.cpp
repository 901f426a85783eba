#include "demo_prefix.h"

#include <fstream>
#include <system_error>

#include "demo_files.h"

namespace demo {

namespace fs = std::filesystem;

namespace {

std::string withLineEnds(const char* text, FileKind kind) {
  std::string out;
  for (const char* c = text; *c != '\0'; ++c) {
    if (*c == '\n' && kind == FileKind::DosText) out += '\r';
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
    out << withLineEnds(file.text, file.kind);
    out.close();
    if (!out) return fail(why, "cannot write " + path.string());
  }
  if (file.kind == FileKind::Executable) {
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

}  // namespace

fs::path cdFolder(const fs::path& prefix) {
  return prefix / "cdrom";
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
  return true;
}

}  // namespace demo
