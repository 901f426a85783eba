#include "installer/record/run_journal.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <optional>

#include "platform/durable_file.h"
#include "platform/text_file.h"

namespace installrecord {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kJournalHeader = "QTP-INSTALL-JOURNAL 1\n";
constexpr std::size_t kMaxJournalBytes = std::size_t{64} << 20;

fs::path keptFolder(const fs::path& journal) {
  fs::path folder = journal;
  folder.replace_filename("INSTALL.LOG.kept");
  return folder;
}

std::string systemError(const std::string& what, const fs::path& path) {
  return what + " " + path.string() + ": " + std::strerror(errno);
}

int writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n < 0 ? errno : EIO;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

std::string intentLine(const JournalIntent& intent) {
  std::string line = std::string(intent.shared ? "s " : "c ") + intent.op + ' ' +
                     encodeField(intent.path.string());
  if (!intent.kept.empty()) line += ' ' + intent.kept;
  return line + '\n';
}

bool isPartOfEndedProcess(const std::string& name) {
  // .unrar-<pid>-<n>.part, written by the archive library until a member is complete.
  constexpr std::string_view kStart = ".unrar-";
  constexpr std::string_view kEnd = ".part";
  if (name.size() <= kStart.size() + kEnd.size() || name.rfind(kStart, 0) != 0 ||
      name.compare(name.size() - kEnd.size(), kEnd.size(), kEnd) != 0)
    return false;
  pid_t pid = 0;
  const char* first = name.data() + kStart.size();
  const auto [end, error] = std::from_chars(first, name.data() + name.size(), pid);
  if (error != std::errc() || pid <= 0 || *end != '-') return false;
  return pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH;
}

void removeParts(const fs::path& folder) {
  std::error_code ec;
  for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->is_symlink(ec) || !it->is_regular_file(ec)) continue;
    if (isPartOfEndedProcess(it->path().filename().string())) ::unlink(it->path().c_str());
  }
}

void syncFolderOf(const fs::path& file) {
  platform::UniqueFd fd(::open(file.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.valid()) ::fsync(fd.get());
}

// Undoes intents last first: created files go (never a folder standing in their place),
// replaced files get their kept bytes back, and the archive library's unfinished files below
// each destination go. The created folders are returned, innermost first, to be removed when
// empty once the journal in one of them has gone.
std::vector<fs::path> undoFiles(const std::vector<JournalIntent>& intents, const fs::path& kept) {
  std::vector<fs::path> folders;
  std::vector<fs::path> destinations;
  for (auto it = intents.rbegin(); it != intents.rend(); ++it) {
    struct stat info {};
    const bool present = ::lstat(it->path.c_str(), &info) == 0;
    // A durable write killed half way leaves its temporary file beside the one it replaces.
    if (it->op == "create" || it->op == "replace")
      platform::removeStaleTemporaries(it->path.parent_path(), it->path.filename().string());
    if (it->op == "create" && present && !S_ISDIR(info.st_mode)) {
      ::unlink(it->path.c_str());
      syncFolderOf(it->path);
    } else if (it->op == "replace" && !it->kept.empty()) {
      const fs::path copy = kept / it->kept;
      if (::rename(copy.c_str(), it->path.c_str()) == 0) syncFolderOf(it->path);
    } else if (it->op == "folder") {
      folders.push_back(it->path);
    } else if (it->op == "dest") {
      destinations.push_back(it->path);
    }
  }
  for (const fs::path& destination : destinations) removeParts(destination);
  return folders;
}

void removeFolders(const std::vector<fs::path>& folders) {
  for (const fs::path& folder : folders) ::rmdir(folder.c_str());
}

void removeJournal(const fs::path& journal) {
  std::error_code ec;
  fs::remove_all(keptFolder(journal), ec);
  fs::remove(journal, ec);
  syncFolderOf(journal);
}

std::vector<JournalIntent> readIntents(std::string_view text, std::string& sealing) {
  std::vector<JournalIntent> intents;
  // A last line without its LF was cut off by the kill; its step was never taken.
  textfile::LineReader lines(
      text.substr(kJournalHeader.size(), text.rfind('\n') + 1 - kJournalHeader.size()), false);
  std::string_view line;
  while (lines.next(line)) {
    if (line.rfind("sealing ", 0) == 0) {
      sealing = std::string(line.substr(8));
      continue;
    }
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
      const std::size_t blank = line.find(' ', start);
      fields.push_back(line.substr(start, blank - start));
      if (blank == std::string_view::npos) break;
      start = blank + 1;
    }
    if (fields.size() < 3 || (fields[0] != "s" && fields[0] != "c")) continue;
    const std::optional<std::string> path = decodeField(fields[2]);
    if (!path || !validPath(Place::Host, *path)) continue;
    JournalIntent intent;
    intent.shared = fields[0] == "s";
    intent.op = std::string(fields[1]);
    intent.path = *path;
    const bool digits = fields.size() == 4 && !fields[3].empty() &&
                        std::all_of(fields[3].begin(), fields[3].end(),
                                    [](char c) { return c >= '0' && c <= '9'; });
    if (intent.op == "replace" && !digits) continue;
    if (digits) intent.kept = std::string(fields[3]);
    intents.push_back(std::move(intent));
  }
  return intents;
}

}  // namespace

fs::path journalPath(const fs::path& simulatorFolder) {
  return resolveCase(simulatorFolder, "NORVANE/INSTALL.LOG.journal");
}

RunJournal::RunJournal(fs::path simulatorFolder, fs::path prefixFolder)
    : simulator_(std::move(simulatorFolder)),
      prefix_(std::move(prefixFolder)),
      file_(journalPath(simulator_)) {}

std::string RunJournal::openFile() {
  if (fd_.valid()) return {};
  file_ = journalPath(simulator_);
  const fs::path folder = file_.parent_path();
  std::error_code ec;
  const bool made = !fs::exists(folder, ec) && fs::create_directory(folder, ec);
  if (ec) return "cannot make the folder " + folder.string() + ": " + ec.message();
  fd_.reset(::open(file_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644));
  if (!fd_.valid()) return systemError("cannot write the journal", file_);
  if (writeAll(fd_.get(), kJournalHeader) != 0) return systemError("cannot write", file_);
  // The journal's own folder belongs to the shared steps, since the journal outlives components.
  if (made) return append({true, "folder", folder, {}, Kind::FolderCreated, true});
  return {};
}

std::string RunJournal::append(JournalIntent intent) {
  if (std::string error = openFile(); !error.empty()) return error;
  const std::string line = intentLine(intent);
  // Written, the line outlives a killed process; the files the archive library writes are not
  // flushed either, so only the line that guards kept bytes waits for the disk.
  if (writeAll(fd_.get(), line) != 0 || (intent.op == "replace" && ::fdatasync(fd_.get()) != 0))
    return systemError("cannot write the journal", file_);
  intents_.push_back(std::move(intent));
  return {};
}

std::string RunJournal::willCreateFolder(const fs::path& folder, Kind kind) {
  if (std::string error = openFile(); !error.empty()) return error;
  std::vector<fs::path> missing;
  std::error_code ec;
  for (fs::path at = folder.lexically_normal(); !at.empty() && at != at.root_path();
       at = at.parent_path()) {
    if (fs::symlink_status(at, ec).type() != fs::file_type::not_found) break;
    missing.push_back(at);
  }
  for (auto it = missing.rbegin(); it != missing.rend(); ++it)
    if (std::string error = append({shared_, "folder", *it, {}, kind, false}); !error.empty())
      return error;
  return {};
}

std::string RunJournal::willWriteFile(const fs::path& file) {
  struct stat info {};
  if (::lstat(file.c_str(), &info) != 0)
    return append({shared_, "create", file, {}, Kind::FileCreated, false});
  // A link or folder in the file's place is never written through, nor undone.
  if (!S_ISREG(info.st_mode)) return {};
  if (std::string error = openFile(); !error.empty()) return error;
  const fs::path kept = keptFolder(file_);
  std::error_code ec;
  fs::create_directory(kept, ec);
  const std::string name = std::to_string(++keptCount_);
  const platform::DurableWriteResult copied = platform::copyFileDurably(file, kept / name);
  if (!copied) return copied.error;
  // Restored, the file is as it was, its time included.
  const struct timespec times[2] = {info.st_atim, info.st_mtim};
  ::utimensat(AT_FDCWD, (kept / name).c_str(), times, AT_SYMLINK_NOFOLLOW);
  return append({shared_, "replace", file, name, Kind::FileReplaced, false});
}

std::string RunJournal::willExtractInto(const fs::path& folder) {
  return append({shared_, "dest", folder, {}, Kind::FolderCreated, false});
}

std::string RunJournal::adoptFolder(const fs::path& folder) {
  return append({shared_, "folder", folder, {}, Kind::FolderCreated, true});
}

void RunJournal::wroteFile(const fs::path& file, Kind kind) {
  for (auto it = intents_.rbegin(); it != intents_.rend(); ++it) {
    if (it->path != file || (it->op != "create" && it->op != "replace")) continue;
    it->done = true;
    it->kind = it->op == "replace" ? Kind::FileReplaced : kind;
    return;
  }
}

void RunJournal::add(Record record) {
  extra_.push_back(std::move(record));
}

std::string RunJournal::seal(const std::vector<std::string>& flags,
                             const std::function<void()>& setFlags) {
  std::vector<Block> blocks;
  for (const std::string& flag : flags) blocks.push_back({flag, {}});
  if (blocks.empty()) return "no component to seal";
  std::error_code ec;
  for (const JournalIntent& intent : intents_) {
    if (intent.op == "folder" && fs::is_directory(fs::symlink_status(intent.path, ec))) {
      blocks[0].records.push_back(placed(intent.kind, simulator_, prefix_, intent.path));
    } else if ((intent.op == "create" || intent.op == "replace") && intent.done) {
      // Steps after the write may have removed it again (the unused elevation files).
      const std::optional<FileIdentity> identity = identityOf(intent.path);
      if (!identity) continue;
      Record record = placed(intent.kind, simulator_, prefix_, intent.path);
      record.identity = *identity;
      blocks[0].records.push_back(std::move(record));
    }
  }
  for (const Record& record : extra_) blocks[0].records.push_back(record);

  const fs::path log = logPath(simulator_);
  std::string error;
  const std::optional<std::string> text = logTextWith(log, blocks, error);
  if (!text) return error;
  std::string line = "sealing " + std::to_string(contentHash(*text));
  for (const std::string& flag : flags) line += ' ' + flag;
  if (std::string opened = openFile(); !opened.empty()) return opened;
  if (writeAll(fd_.get(), line + '\n') != 0 || ::fdatasync(fd_.get()) != 0)
    return systemError("cannot write the journal", file_);
  const platform::DurableWriteResult written = platform::writeFileDurably(log, *text);
  if (!written) return written.error;
  setFlags();
  forget();
  return {};
}

void RunJournal::forget() {
  fd_.reset();
  removeJournal(file_);
  intents_.clear();
  extra_.clear();
}

// A journal that cannot be rewritten keeps undone lines, which a later undo finds done.
void RunJournal::rewrite() {
  std::string text(kJournalHeader);
  for (const JournalIntent& intent : intents_) text += intentLine(intent);
  fd_.reset();
  platform::writeFileDurably(file_, text);
  fd_.reset(::open(file_.c_str(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC));
}

void RunJournal::rollBackComponent() {
  const auto own = std::stable_partition(intents_.begin(), intents_.end(),
                                         [](const JournalIntent& i) { return i.shared; });
  const std::vector<JournalIntent> undone(own, intents_.end());
  intents_.erase(own, intents_.end());
  extra_.clear();
  // The journal loses the undone lines only once they are undone: a kill in between undoes
  // them again, which finds nothing left to do.
  const std::vector<fs::path> folders = undoFiles(undone, keptFolder(file_));
  if (intents_.empty())
    forget();
  else
    rewrite();
  removeFolders(folders);
}

void RunJournal::rollBackAll() {
  if (intents_.empty() && !fd_.valid()) return;
  const std::vector<fs::path> folders = undoFiles(intents_, keptFolder(file_));
  forget();
  removeFolders(folders);
}

std::vector<std::string> recoverInterruptedRun(const fs::path& simulatorFolder) {
  const fs::path journal = journalPath(simulatorFolder);
  const textfile::FileRead read = textfile::readRegularFile(journal, kMaxJournalBytes);
  if (!read.ok() || read.bytes.rfind(kJournalHeader, 0) != 0) return {};
  std::string sealing;
  const std::vector<JournalIntent> intents = readIntents(read.bytes, sealing);
  std::vector<std::string> flags;
  if (!sealing.empty()) {
    std::vector<std::string_view> words;
    std::string_view rest = sealing;
    for (std::size_t blank; (blank = rest.find(' ')) != std::string_view::npos;
         rest.remove_prefix(blank + 1))
      words.push_back(rest.substr(0, blank));
    words.push_back(rest);
    const textfile::FileRead log =
        textfile::readRegularFile(logPath(simulatorFolder), kMaxJournalBytes);
    if (log.ok() && words[0] == std::to_string(contentHash(log.bytes)))
      for (std::size_t i = 1; i < words.size(); ++i) flags.emplace_back(words[i]);
  }
  const std::vector<fs::path> folders =
      flags.empty() ? undoFiles(intents, keptFolder(journal)) : std::vector<fs::path>();
  removeJournal(journal);
  platform::removeStaleTemporaries(journal.parent_path());
  removeFolders(folders);
  return flags;
}

}  // namespace installrecord
