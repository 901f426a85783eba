#include "panelhost/bitmap_header.h"

#include <cstdint>
#include <cstdlib>

#include "panelhost/little_endian.h"
#include "winapi/windows.h"

namespace panelhost {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;  // the old header with 16-bit dimensions
constexpr std::size_t kInfoHeaderSize = 40;

}  // namespace

Size bitmapHeaderSize(const unsigned char* bytes, std::size_t size) {
  if (!bytes) return {};
  if (size >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
    if (size < kFileHeaderSize) return {};
    bytes += kFileHeaderSize;
    size -= kFileHeaderSize;
  }
  if (size < 4) return {};
  const std::uint32_t headerSize = readLe32(bytes);
  if (headerSize == kCoreHeaderSize && size >= kCoreHeaderSize)
    return Size(bytes[4] | bytes[5] << 8, bytes[6] | bytes[7] << 8);
  if (headerSize < kInfoHeaderSize || size < kInfoHeaderSize) return {};
  const auto width = static_cast<std::int32_t>(readLe32(bytes + 4));
  const auto height = static_cast<std::int32_t>(readLe32(bytes + 8));
  if (width <= 0 || height == 0 || height == INT32_MIN) return {};
  return Size(width, std::abs(height));  // a negative height is a top-down bitmap
}

Size bitmapResourceSize(void* moduleHandle, int id) {
  if (id < 0 || id > 0xFFFF) return {};
  auto* module = static_cast<HMODULE>(moduleHandle);
  HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), RT_BITMAP);
  if (!resource) return {};
  const auto* bytes =
      static_cast<const unsigned char*>(LockResource(LoadResource(module, resource)));
  return bitmapHeaderSize(bytes, SizeofResource(module, resource));
}

}  // namespace panelhost
