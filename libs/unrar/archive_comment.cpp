#include "libs/unrar/archive_comment.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cstring>

#include "libs/unrar/rar4_format.h"

namespace unrar {
namespace {

// A packed comment is a packed file in all but name: wrapped in a one-member archive it is
// unpacked (and its CRC checked) by the same code that unpacks members.
int unpackComment(const StoredComment& comment, std::string& text) {
  rar4::FileHeaderFields fields;
  fields.packSize = comment.data.size();
  fields.unpackedSize = comment.unpackedSize;
  fields.hostOs = static_cast<std::uint8_t>(comment.hostOs);
  fields.crc = comment.crc;
  fields.unpackVersion = static_cast<std::uint8_t>(comment.unpackVersion);
  fields.method = static_cast<std::uint8_t>(comment.method);
  fields.name = "CMT";
  const std::string wrapped = std::string(rar4::kSignature, rar4::kSignatureSize) +
                              rar4::encodeMainHeader(0) + rar4::encodeFileHeader(fields) +
                              comment.data + rar4::encodeEndHeader(0);
  struct archive* reader = archive_read_new();
  archive_read_support_format_rar(reader);
  int result = ERAR_BAD_DATA;
  struct archive_entry* entry = nullptr;
  if (archive_read_open_memory(reader, wrapped.data(), wrapped.size()) == ARCHIVE_OK &&
      archive_read_next_header(reader, &entry) == ARCHIVE_OK) {
    text.resize(comment.unpackedSize);
    const la_ssize_t got = archive_read_data(reader, text.data(), text.size());
    if (got == static_cast<la_ssize_t>(text.size())) result = 0;
  }
  archive_read_free(reader);
  return result;
}

}  // namespace

int commentText(const StoredComment& comment, std::string& text) {
  constexpr std::uint64_t kMaxComment = 1u << 20;
  if (comment.unpackedSize > kMaxComment) return ERAR_NO_MEMORY;
  if (comment.method != rar4::kMethodStore) {
    if (comment.unpackVersion >= 50 || comment.unpackVersion < 20) return ERAR_UNKNOWN_FORMAT;
    return unpackComment(comment, text);
  }
  text = comment.data.substr(0, comment.unpackedSize);
  if (comment.crc != 0 && rar4::crc32(text) != comment.crc) return ERAR_BAD_DATA;
  return 0;
}

void deliverComment(const VolumeScan& scan, RAROpenArchiveData& data) {
  data.CmtSize = 0;
  data.CmtState = 0;
  if (!scan.comment || data.CmtBuf == nullptr || data.CmtBufSize == 0) return;
  std::string text;
  const int state = commentText(*scan.comment, text);
  if (state != 0) {
    data.CmtState = static_cast<unsigned>(state);
    return;
  }
  // The size counts the terminating zero, like the text the buffer holds.
  const std::size_t fits = std::min<std::size_t>(text.size(), data.CmtBufSize - 1);
  std::memcpy(data.CmtBuf, text.data(), fits);
  data.CmtBuf[fits] = '\0';
  data.CmtSize = static_cast<unsigned>(fits + 1);
  data.CmtState = fits < text.size() ? ERAR_SMALL_BUF : 1;
}

}  // namespace unrar
