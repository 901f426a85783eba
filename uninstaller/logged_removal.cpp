#include "uninstaller/logged_removal.h"

#include <sys/file.h>

#include <cerrno>
#include <cstring>
#include <optional>

#include "platform/durable_file.h"
#include "uninstaller/scenery_entries.h"

namespace uninstall {

namespace fs = std::filesystem;
using installrecord::Kind;
using installrecord::Record;

namespace {

// SCENERY.CFG and World.vis of a few thousand areas stay far below this.
constexpr std::size_t kMaxSceneryListBytes = 32u << 20;

std::int64_t nanoseconds(const struct timespec& time) {
  return static_cast<std::int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

// Why an entry that is not what the record left stays.
std::string whyNot(AnchoredFolder::Kind kind, bool wantFolder) {
  switch (kind) {
    case AnchoredFolder::Kind::Folder:
      return "ist jetzt ein Ordner";
    case AnchoredFolder::Kind::Link:
      return "ist jetzt ein symbolischer Verweis; er wird nicht verfolgt";
    case AnchoredFolder::Kind::Unsafe:
      return "liegt hinter einem symbolischen Verweis; er wird nicht verfolgt";
    case AnchoredFolder::Kind::File:
      return wantFolder ? "ist jetzt eine Datei" : "";
    default:
      return wantFolder ? "ist kein Ordner mehr" : "ist keine gewöhnliche Datei mehr";
  }
}

}  // namespace

struct LoggedRemoval::Place {
  const AnchoredFolder* shared = nullptr;
  std::optional<AnchoredFolder> own;  // the folder of a host path
  std::string relative;               // to the folder
  fs::path host;
  std::string shown;  // as the report names it

  const AnchoredFolder* anchor() const { return own ? &*own : shared; }
};

LoggedRemoval::Place LoggedRemoval::placeOf(const Record& record) const {
  const fs::path host =
      installrecord::hostPath(simulator_.path(), prefix_ ? prefix_->path() : fs::path(), record);
  switch (record.place) {
    case installrecord::Place::Simulator:
      return {&simulator_, {}, record.path, host, record.path};
    case installrecord::Place::Prefix:
      return {prefix_, {}, record.path, host, host.string()};
    case installrecord::Place::Host:
      break;
  }
  // A host path's own folder is taken as the log names it; below it nothing is followed.
  std::string why;
  return {nullptr, AnchoredFolder::open(host.parent_path(), &why), host.filename().string(), host,
          host.string()};
}

AnchoredFolder::Entry LoggedRemoval::lookAt(const Place& place) {
  // A folder that cannot be opened (a host folder gone, no prefix known) holds nothing any more.
  return place.anchor() ? place.anchor()->look(place.relative) : AnchoredFolder::Entry{};
}

void LoggedRemoval::undo(const Record& record) {
  const Place place = placeOf(record);
  if (!place.anchor() && record.place == installrecord::Place::Prefix)
    return report_.left(record.path, "liegt im Präfix, und keines ist bekannt (--prefix)");
  switch (record.kind) {
    case Kind::FolderCreated:
    case Kind::DesktopFolder:
      return undoFolder(place);
    case Kind::FileCreated:
    case Kind::DesktopEntry:
      return undoFile(place, record);
    case Kind::FileReplaced:
      // The bytes it replaced are gone for good; the file is the user's as much as ours.
      if (place.anchor() &&
          place.anchor()->look(place.relative).kind != AnchoredFolder::Kind::Missing)
        report_.left(place.shown, "bestand schon vor der Installation");
      else
        report_.gone(place.shown);
      return;
    case Kind::SceneryArea:
    case Kind::WorldVisEntry:
      return undoSceneryText(place, record);
  }
}

bool LoggedRemoval::removeAt(const Place& place, bool folder) {
  if (report_.dryRun()) {
    removed_.insert(place.host);
    report_.removed(place.shown);
    return true;
  }
  const int error = place.anchor()->remove(place.relative, folder);
  if (error == 0 || error == ENOENT) {
    report_.removed(place.shown);
    return true;
  }
  report_.left(place.shown, std::string("kann nicht entfernt werden: ") + std::strerror(error));
  return false;
}

void LoggedRemoval::undoFile(const Place& place, const Record& record) {
  const AnchoredFolder::Entry entry = lookAt(place);
  if (entry.kind == AnchoredFolder::Kind::Missing) return report_.gone(place.shown);
  if (entry.kind != AnchoredFolder::Kind::File)
    return report_.left(place.shown, whyNot(entry.kind, false));
  const installrecord::FileIdentity& logged = record.identity;
  bool same = static_cast<std::uint64_t>(entry.status.st_size) == logged.size;
  // Size and time are enough; a copied prefix has new times, then the content decides.
  if (same && nanoseconds(entry.status.st_mtim) != logged.mtimeNs) {
    const platform::UniqueFd file = place.anchor()->openFile(place.relative);
    const auto now = file.valid() ? installrecord::identityOf(file.get()) : std::nullopt;
    same = now && now->size == logged.size && now->hash == logged.hash;
  }
  if (!same) return report_.left(place.shown, "seit der Installation geändert");
  removeAt(place, false);
}

bool LoggedRemoval::folderEmpty(const Place& place) const {
  const auto names = place.anchor()->names(place.relative);
  if (!names) return false;
  for (const std::string& name : *names)
    if (!removed_.contains(place.host / name)) return false;
  return true;
}

void LoggedRemoval::undoFolder(const Place& place) {
  const AnchoredFolder::Entry entry = lookAt(place);
  if (entry.kind == AnchoredFolder::Kind::Missing) return report_.gone(place.shown);
  if (entry.kind != AnchoredFolder::Kind::Folder)
    return report_.left(place.shown, whyNot(entry.kind, true));
  if (!folderEmpty(place)) return report_.left(place.shown, "enthält andere Dateien");
  removeAt(place, true);
}

void LoggedRemoval::undoSceneryText(const Place& place, const Record& record) {
  const bool area = record.kind == Kind::SceneryArea;
  const std::string shown =
      place.shown + (area ? ": Szeneriebereich" : ": Eintrag \"" + record.text + "\"");
  const AnchoredFolder::Entry entry = lookAt(place);
  if (entry.kind == AnchoredFolder::Kind::Missing) return report_.gone(shown);
  if (entry.kind != AnchoredFolder::Kind::File)
    return report_.left(shown, whyNot(entry.kind, false));
  // World.vis is edited under the lock the registration takes on its folder.
  const std::string folder = fs::path(place.relative).parent_path().string();
  const platform::UniqueFd lock = place.anchor()->openFolder(folder);
  if (!lock.valid() || ::flock(lock.get(), LOCK_EX | LOCK_NB) != 0)
    return report_.left(shown, "die Datei wird gerade von einem anderen Programm bearbeitet");
  const std::optional<std::string> text =
      place.anchor()->read(place.relative, kMaxSceneryListBytes);
  if (!text) return report_.left(shown, "kann nicht gelesen werden");
  const std::optional<std::string> without =
      area ? withoutSceneryArea(*text, record.text)
           : withoutWorldVisEntry(*text, record.text, record.pattern);
  if (!without) return report_.left(shown, "seit der Installation geändert");
  if (!report_.dryRun()) {
    const platform::DurableWriteResult written = platform::writeFileDurably(place.host, *without);
    if (!written) return report_.left(shown, "kann nicht geschrieben werden: " + written.error);
  }
  report_.removed(shown);
}

bool LoggedRemoval::removeUnlisted(const std::string& relative, bool folder) {
  const Place place{&simulator_, {}, relative, simulator_.path() / relative, relative};
  if (folder && !folderEmpty(place)) {
    report_.left(relative, "enthält andere Dateien");
    return false;
  }
  return removeAt(place, folder);
}

}  // namespace uninstall
