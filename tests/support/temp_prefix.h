#pragma once
// A prefix in a fresh temporary folder, made current for the test's lifetime and removed with
// everything in it afterwards. Extra drives are folders beside the prefix, linked the way Wine
// links them; the current folder is restored when the test entered another one.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

enum class DriveKind {
  Fixed,
  CdRomDevice,    // dosdevices/x:: names a device
  CdRomRegistry,  // system.reg's Software\Wine\Drives says "cdrom"
};

class TempPrefix {
 public:
  TempPrefix();
  ~TempPrefix();
  TempPrefix(const TempPrefix&) = delete;
  TempPrefix& operator=(const TempPrefix&) = delete;

  const std::filesystem::path& root() const { return root_; }  // holds prefix and drive folders
  const std::filesystem::path& dir() const { return dir_; }    // the prefix itself
  std::filesystem::path driveC() const { return dir_ / "drive_c"; }

  // Maps letter (e.g. 'E') to a new folder <root>/drive_<letter> and returns that folder.
  std::filesystem::path addDrive(char letter, DriveKind kind = DriveKind::Fixed);

  // Writes system.reg: the header, then keysText (key headers and values), then the drive types.
  void writeSystemReg(std::string_view keysText, bool win64 = false);

  // Changes the current folder until the prefix is destroyed.
  void enter(const std::filesystem::path& folder);

  // Creates a file with its parent folders.
  static void writeFile(const std::filesystem::path& file, std::string_view text);
  static std::string readFile(const std::filesystem::path& file);

 private:
  std::filesystem::path root_;
  std::filesystem::path dir_;
  std::filesystem::path initialFolder_;
  std::string systemKeys_;
  bool win64_ = false;
  std::vector<char> registryCdroms_;
};

}  // namespace testsupport
