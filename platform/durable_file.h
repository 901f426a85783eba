#pragma once
// Replacing a file so that a crash, a kill or a failure leaves either the old file or the whole
// new one: the bytes go to a temporary file beside it, which is flushed, renamed over the file,
// and then the folder is flushed. POSIX calls only, since the World.vis library, the panel host
// and the resource packer use it without Qt.
//
// Temporary files are named ".<name>.qtp-tmp.<pid>.<random>" after the file they replace, and
// are created exclusively and never through a symbolic link. Those left by a process that is no
// longer running are removed at the next write of their file, or by removeStaleTemporaries.
//
// A backup holds the replaced file's previous bytes as "<name>.bak", written the same way. A
// backup is ours when it carries the extended attribute user.qtp.backup naming the file it backs
// up; where the file system has no user attributes, the hidden ledger ".<name>.qtp-backup"
// beside it names our backup and its inode instead. A "<name>.bak" that is not ours (the user's
// own copy, a link) is never touched: ours then goes to "<name>.qtp.bak", "<name>.qtp2.bak" ...
// "<name>.qtp9.bak", and the name that is already ours is always reused.
#include <sys/types.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct DurableWriteOptions {
  mode_t newFileMode = 0644;  // for a file that did not exist, less the umask
  bool backup = false;        // keep the previous bytes as described above
  bool followLink = false;    // a symbolic link at the path: replace the file it names
};

struct DurableWriteResult {
  int errorNumber = 0;  // the errno of the step that failed
  std::string error;    // that step, the path and the system's reason; empty on success
  explicit operator bool() const { return errorNumber == 0; }
};

// Replaces (or creates) file with bytes. A replaced regular file keeps its mode, and its owner
// and group as far as the process may set them. On failure the file is as it was and no
// temporary file is left behind.
DurableWriteResult writeFileDurably(const std::filesystem::path& file, std::string_view bytes,
                                    const DurableWriteOptions& options = {});

// The same with the bytes of the regular file from; the copy takes from's mode, as copies do.
DurableWriteResult copyFileDurably(const std::filesystem::path& from,
                                   const std::filesystem::path& to);

// The files that a write with backup of file (a link followed) may create or replace beside it:
// the backup name it would take, if any is free, and the ledger.
std::vector<std::filesystem::path> backupFilesOf(const std::filesystem::path& file);

// Whether the file named at path, a link followed, may be replaced: it carries the owner's write
// bit (the read-only attribute of the simulator's world, which even the superuser respects here)
// and the process may write it and its folder.
bool mayReplace(const std::filesystem::path& file);

// Removes the temporary files of processes no longer running from folder: all of them, or only
// those of the file named targetName.
void removeStaleTemporaries(const std::filesystem::path& folder, std::string_view targetName = {});

// The advisory lock "<file>.lock", held while the object lives. The lock file is never opened
// through a symbolic link.
class FileLock {
 public:
  explicit FileLock(const std::filesystem::path& file);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  int errorNumber() const { return errorNumber_; }  // 0 while the lock is held

 private:
  int fd_ = -1;
  int errorNumber_ = 0;
};

}  // namespace platform
