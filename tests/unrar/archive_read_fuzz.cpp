// Fuzz target for archive reading (clang: -DQTP_BUILD_FUZZERS=ON builds it with libFuzzer).
// Whatever the bytes, opening, listing and testing must end with a code, never a crash.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "libs/unrar/unrar.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = "/tmp/qtp-unrar-fuzz-" + std::to_string(::getpid()) + ".rar";
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);

  std::string name = path;
  char comment[256];
  RAROpenArchiveData open{};
  open.ArcName = name.data();
  open.OpenMode = RAR_OM_EXTRACT;
  open.CmtBuf = comment;
  open.CmtBufSize = sizeof comment;
  void* handle = RAROpenArchive(&open);
  if (handle == nullptr) return 0;
  if (open.CmtState == 1 && (open.CmtSize == 0 || open.CmtSize > sizeof comment)) std::abort();
  RARHeaderData header{};
  for (int members = 0; members < 10000 && RARReadHeader(handle, &header) == 0; ++members) {
    if (header.FileName[sizeof header.FileName - 1] != '\0') std::abort();
    RARProcessFile(handle, members % 2 ? RAR_TEST : RAR_SKIP, nullptr, nullptr);
  }
  RARCloseArchive(handle);
  return 0;
}
