// The published entry points; everything else in the library stays hidden.
#include <locale.h>
#include <clocale>
#include <new>

#include "libs/unrar/archive_session.h"
#include "libs/unrar/unrar.h"

#define UNRAR_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

// Member names are handed out in UTF-8 whatever locale the calling program runs in: libarchive
// converts names to the thread's character set, so each call runs in a UTF-8 one.
class Utf8Names {
 public:
  Utf8Names() {
    static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
    if (utf8 != locale_t{}) previous_ = uselocale(utf8);
  }
  ~Utf8Names() {
    if (previous_ != locale_t{}) uselocale(previous_);
  }
  Utf8Names(const Utf8Names&) = delete;
  Utf8Names& operator=(const Utf8Names&) = delete;

 private:
  locale_t previous_{};
};

unrar::ArchiveSession* sessionOf(void* handle) {
  return static_cast<unrar::ArchiveSession*>(handle);
}

}  // namespace

UNRAR_EXPORT void* RAROpenArchive(RAROpenArchiveData* data) {
  if (data == nullptr) return nullptr;
  const Utf8Names names;
  try {
    return unrar::ArchiveSession::open(*data).release();
  } catch (const std::bad_alloc&) {
    data->OpenResult = ERAR_NO_MEMORY;
  } catch (...) {
    data->OpenResult = ERAR_UNKNOWN;
  }
  return nullptr;
}

UNRAR_EXPORT int RARCloseArchive(void* handle) {
  if (handle == nullptr) return ERAR_ECLOSE;
  const Utf8Names names;
  delete sessionOf(handle);
  return 0;
}

UNRAR_EXPORT int RARReadHeader(void* handle, RARHeaderData* header) {
  if (handle == nullptr || header == nullptr) return ERAR_UNKNOWN;
  const Utf8Names names;
  try {
    return sessionOf(handle)->readHeader(*header);
  } catch (const std::bad_alloc&) {
    return ERAR_NO_MEMORY;
  } catch (...) {
    return ERAR_UNKNOWN;
  }
}

UNRAR_EXPORT int RARProcessFile(void* handle, int operation, char* destPath, char* destName) {
  if (handle == nullptr) return ERAR_UNKNOWN;
  const Utf8Names names;
  try {
    return sessionOf(handle)->processFile(operation, destPath, destName);
  } catch (const std::bad_alloc&) {
    return ERAR_NO_MEMORY;
  } catch (...) {
    return ERAR_UNKNOWN;
  }
}

UNRAR_EXPORT void RARSetChangeVolProc(void* handle, CHANGEVOLPROC proc) {
  if (handle != nullptr) sessionOf(handle)->setChangeVolumeProc(proc);
}

UNRAR_EXPORT void RARSetProcessDataProc(void* handle, PROCESSDATAPROC proc) {
  if (handle != nullptr) sessionOf(handle)->setProcessDataProc(proc);
}

UNRAR_EXPORT void RARSetPassword(void* handle, char* password) {
  if (handle != nullptr) sessionOf(handle)->setPassword(password);
}

UNRAR_EXPORT int RARGetDllVersion() {
  return RAR_DLL_VERSION;
}
