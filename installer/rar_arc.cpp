#include "installer/rar_arc.h"

#include <dlfcn.h>

#include <cstring>
#include <utility>

namespace {

// The library's callbacks carry no user data; they reach the extracting component here.
TRAR* extractingInstance = nullptr;

constexpr unsigned kCommentBufferSize = 65535;
constexpr std::size_t kMemberNameLength = 260;
constexpr unsigned kEncryptedFlag = 0x04;

}  // namespace

// The archive handle, closed on every way out of an extraction.
class TRAR::OpenArchive {
 public:
  OpenArchive(const UnrarEntryPoints& api, void* handle) : api_(api), handle_(handle) {}
  ~OpenArchive() {
    if (handle_ != nullptr) api_.close(handle_);
  }
  OpenArchive(const OpenArchive&) = delete;
  OpenArchive& operator=(const OpenArchive&) = delete;
  void* handle() const { return handle_; }

 private:
  const UnrarEntryPoints& api_;
  void* handle_;
};

TRAR::TRAR(QObject* owner, const char* libraryName)
    : QObject(owner), comment_(std::make_unique<TComment>()) {
  // Entry points are kept per instance: a later instance that fails to load must not take
  // the library away from one that loaded it.
  library_ = dlopen(libraryName, RTLD_NOW | RTLD_LOCAL);
  if (library_ == nullptr) return;
  loaded_ = api_.bind(library_);
}

TRAR::~TRAR() {
  if (extractingInstance == this) extractingInstance = nullptr;
  if (library_ != nullptr) dlclose(library_);
}

void TRAR::raiseError(int code) {
  if (OnError) OnError(*this, code);
}

bool TRAR::Extract() {
  if (!loaded_) {
    raiseError(kRarLibraryNotLoaded);
    return false;
  }
  if (ArchiveName.empty()) {
    raiseError(kRarNoArchiveName);
    return false;
  }
  extractingInstance = this;
  pendingException_ = nullptr;

  std::string archiveName = ArchiveName;
  RAROpenArchiveData openData{};
  openData.ArcName = archiveName.data();
  openData.OpenMode = RAR_OM_EXTRACT;
  openData.CmtBuf = comment_->Buffer;
  openData.CmtBufSize = kCommentBufferSize;
  OpenArchive archive(api_, api_.open(&openData));
  comment_->Count = static_cast<std::int32_t>(openData.CmtSize);
  if (openData.OpenResult != 0) {
    raiseError(static_cast<int>(openData.OpenResult));
    return false;
  }
  if (openData.CmtState == 1 && OnComment) OnComment(*this, *comment_);
  if (OnVolumeChange) api_.setChangeVolProc(archive.handle(), &TRAR::volumeCallback);
  if (OnProcessData) api_.setProcessDataProc(archive.handle(), &TRAR::dataCallback);
  return extractMembers(archive);
}

bool TRAR::extractMembers(OpenArchive& archive) {
  bool result = true;
  std::string password;
  std::string target = TargetDir;
  char* destPath = target.empty() ? nullptr : target.data();
  RARHeaderData header{};
  header.CmtBuf = comment_->Buffer;
  header.CmtBufSize = kCommentBufferSize;

  int code = 0;
  while ((code = api_.readHeader(archive.handle(), &header)) == 0) {
    const std::string member(header.FileName, strnlen(header.FileName, kMemberNameLength));
    if (Stop) {
      Stop = false;
      return result;
    }
    if (!FilesToExtract.empty() && FilesToExtract.count(member) == 0) {
      const int skipped = api_.processFile(archive.handle(), RAR_SKIP, destPath, nullptr);
      rethrowFromLibrary();
      if (skipped != 0) {
        raiseError(skipped);
        return false;
      }
      continue;
    }
    if (OnExtracting) OnExtracting(*this, header);
    position_ = 0;
    if ((header.Flags & kEncryptedFlag) != 0 && OnReqPassword) {
      OnReqPassword(*this, header, password);
      if (!password.empty()) api_.setPassword(archive.handle(), password.data());
    }
    const int processed = api_.processFile(archive.handle(), RAR_EXTRACT, destPath, nullptr);
    rethrowFromLibrary();
    if (OnExtract) OnExtract(*this, header, processed == 0);
    if (processed != 0) {
      result = false;
      raiseError(processed);
      if (processed != ERAR_ECREATE && processed != ERAR_BAD_DATA) return result;
    }
  }
  rethrowFromLibrary();
  if (code == ERAR_BAD_DATA) raiseError(code);
  return result;
}

int TRAR::fromLibrary(const std::function<int()>& handler) {
  if (pendingException_) return 0;
  try {
    return handler();
  } catch (...) {
    // Unwinding through the library's C frames is not possible; stop it and rethrow later.
    pendingException_ = std::current_exception();
    return 0;
  }
}

void TRAR::rethrowFromLibrary() {
  if (pendingException_) std::rethrow_exception(std::exchange(pendingException_, nullptr));
}

int TRAR::volumeCallback(char* arcName, int mode) {
  TRAR* self = extractingInstance;
  if (self == nullptr || !self->OnVolumeChange) return 0;
  return self->fromLibrary([&] { return self->OnVolumeChange(*self, arcName, mode); });
}

int TRAR::dataCallback(unsigned char* addr, int size) {
  TRAR* self = extractingInstance;
  if (self == nullptr || !self->OnProcessData) return 0;
  // A 32-bit counter that wraps rather than overflows on members beyond 2 GiB.
  self->position_ = static_cast<std::int32_t>(static_cast<std::uint32_t>(self->position_) +
                                              static_cast<std::uint32_t>(size));
  return self->fromLibrary([&] { return self->OnProcessData(*self, addr, size, self->position_); });
}
