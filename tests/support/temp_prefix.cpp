#include "tests/support/temp_prefix.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/prefix.h"

namespace testsupport {

namespace fs = std::filesystem;

namespace {

char lower(char letter) {
  return static_cast<char>(letter | 0x20);
}

}  // namespace

TempPrefix::TempPrefix() : initialFolder_(fs::current_path()) {
  std::string pattern = (fs::temp_directory_path() / "qtp-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  root_ = pattern;
  dir_ = root_ / "prefix";
  if (!platform::openPrefix(dir_)) throw std::runtime_error("cannot open " + dir_.string());
}

TempPrefix::~TempPrefix() {
  std::error_code ec;
  fs::current_path(initialFolder_, ec);
  fs::remove_all(root_, ec);
}

fs::path TempPrefix::addDrive(char letter, DriveKind kind) {
  const fs::path folder = root_ / (std::string("drive_") + lower(letter));
  fs::create_directories(folder);
  const fs::path devices = dir_ / "dosdevices";
  fs::create_directory_symlink(folder, devices / (std::string(1, lower(letter)) + ":"));
  if (kind == DriveKind::CdRomDevice)
    fs::create_symlink("/dev/sr0", devices / (std::string(1, lower(letter)) + "::"));
  if (kind == DriveKind::CdRomRegistry) {
    registryCdroms_.push_back(lower(letter));
    writeSystemReg(systemKeys_, win64_);
  }
  return folder;
}

void TempPrefix::writeSystemReg(std::string_view keysText, bool win64) {
  systemKeys_ = keysText;
  win64_ = win64;
  std::ostringstream text;
  text << "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n";
  if (win64) text << "#arch=win64\n";
  text << "\n" << systemKeys_ << "\n";
  if (!registryCdroms_.empty()) {
    text << "[Software\\\\Wine\\\\Drives] 1700000000\n";
    for (char letter : registryCdroms_) text << '"' << letter << ":\"=\"cdrom\"\n";
  }
  writeFile(dir_ / "system.reg", text.str());
}

void TempPrefix::enter(const fs::path& folder) {
  fs::current_path(folder);
}

void TempPrefix::writeFile(const fs::path& file, std::string_view text) {
  if (file.has_parent_path()) fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

std::string TempPrefix::readFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace testsupport
