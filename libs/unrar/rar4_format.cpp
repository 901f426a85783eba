#include "libs/unrar/rar4_format.h"

#include <zlib.h>

#include <algorithm>

namespace rar4 {

std::uint32_t crc32(std::span<const unsigned char> bytes, std::uint32_t previous) {
  // zlib's CRC-32 is the same polynomial, and much faster than a byte-wise table.
  uLong crc = previous;
  while (!bytes.empty()) {
    const auto chunk = static_cast<uInt>(std::min<std::size_t>(bytes.size(), 1u << 30));
    crc = ::crc32(crc, bytes.data(), chunk);
    bytes = bytes.subspan(chunk);
  }
  return static_cast<std::uint32_t>(crc);
}

}  // namespace rar4

namespace rar4 {
namespace {

void put16(std::string& out, std::uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void put32(std::string& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

// Header bytes after the CRC field are built first; the CRC then goes in front.
std::string withCrc(std::string body) {
  const std::uint32_t crc = crc32(body);
  std::string out;
  put16(out, crc & 0xFFFF);
  return out + body;
}

std::string baseHeader(std::uint8_t type, std::uint16_t flags, std::size_t size) {
  std::string out;
  out.push_back(static_cast<char>(type));
  put16(out, flags);
  put16(out, static_cast<std::uint32_t>(size));
  return out;
}

}  // namespace

std::string encodeMainHeader(std::uint16_t flags) {
  std::string body = baseHeader(kMainBlock, flags, kMainHeaderSize);
  put16(body, 0);
  put32(body, 0);
  return withCrc(body);
}

std::string encodeFileHeader(const FileHeaderFields& f) {
  const bool large = f.packSize > 0xFFFFFFFFu || f.unpackedSize > 0xFFFFFFFFu;
  const auto flags = static_cast<std::uint16_t>(f.flags | kLongBlock | (large ? kFileLarge : 0));
  const std::size_t size = kFileHeaderFixedSize + (large ? 8 : 0) + f.name.size();
  std::string body = baseHeader(f.type, flags, size);
  put32(body, static_cast<std::uint32_t>(f.packSize));
  put32(body, static_cast<std::uint32_t>(f.unpackedSize));
  body.push_back(static_cast<char>(f.hostOs));
  put32(body, f.crc);
  put32(body, f.dosTime);
  body.push_back(static_cast<char>(f.unpackVersion));
  body.push_back(static_cast<char>(f.method));
  put16(body, static_cast<std::uint32_t>(f.name.size()));
  put32(body, f.attributes);
  if (large) {
    put32(body, static_cast<std::uint32_t>(f.packSize >> 32));
    put32(body, static_cast<std::uint32_t>(f.unpackedSize >> 32));
  }
  body += f.name;
  return withCrc(body);
}

std::string encodeEndHeader(std::uint16_t flags) {
  return withCrc(baseHeader(kEndBlock, flags, kBaseHeaderSize));
}

}  // namespace rar4
