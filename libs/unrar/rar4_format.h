// Block layout of RAR 4.x archives, shared by the reader in this library and by our writer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace rar4 {

inline constexpr char kSignature[] = {'R', 'a', 'r', '!', '\x1a', '\x07', '\x00'};
inline constexpr std::size_t kSignatureSize = sizeof(kSignature);
inline constexpr char kSignature5[] = {'R', 'a', 'r', '!', '\x1a', '\x07', '\x01', '\x00'};
inline constexpr std::size_t kSignature5Size = sizeof(kSignature5);

// Every block starts with CRC16 (2), type (1), flags (2), header size (2).
inline constexpr std::size_t kBaseHeaderSize = 7;
// A file header adds pack size, unpacked size, host OS, CRC, time, version, method, name
// length and attributes before the name.
inline constexpr std::size_t kFileHeaderFixedSize = 32;
inline constexpr std::size_t kMainHeaderSize = 13;

enum BlockType : std::uint8_t {
  kMarkBlock = 0x72,
  kMainBlock = 0x73,
  kFileBlock = 0x74,
  kOldCommentBlock = 0x75,
  kSubBlock = 0x77,
  kServiceBlock = 0x7a,
  kEndBlock = 0x7b,
};

enum : std::uint16_t {
  kLongBlock = 0x8000,  // a 32-bit data size follows the base header

  kMainVolume = 0x0001,
  kMainOldComment = 0x0002,
  kMainSolid = 0x0008,
  kMainNewNumbering = 0x0010,
  kMainEncryptedHeaders = 0x0080,
  kMainFirstVolume = 0x0100,

  kFileSplitBefore = 0x0001,
  kFileSplitAfter = 0x0002,
  kFileEncrypted = 0x0004,
  kFileSolid = 0x0010,
  kFileDirectory = 0x00E0,
  kFileLarge = 0x0100,
  kFileUnicodeName = 0x0200,

  kEndNextVolume = 0x0001,
};

inline constexpr std::uint8_t kMethodStore = 0x30;
inline constexpr std::uint8_t kHostMsDos = 0;
inline constexpr std::uint8_t kHostWin32 = 2;
inline constexpr std::uint8_t kHostUnix = 3;
inline constexpr std::uint8_t kUnpackVersion = 29;

// CRC-32 (IEEE, reflected) as RAR uses it for data; a header's CRC is its low 16 bits.
std::uint32_t crc32(std::span<const unsigned char> bytes, std::uint32_t previous = 0);
inline std::uint32_t crc32(const std::string& bytes, std::uint32_t previous = 0) {
  return crc32({reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()}, previous);
}

inline std::uint16_t le16(const unsigned char* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::uint32_t le32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

}  // namespace rar4

namespace rar4 {

// The fields of a file or service header; the encoder fills in sizes and the header CRC.
struct FileHeaderFields {
  std::uint8_t type = kFileBlock;
  std::uint16_t flags = 0;
  std::uint64_t packSize = 0;
  std::uint64_t unpackedSize = 0;
  std::uint8_t hostOs = kHostWin32;
  std::uint32_t crc = 0;
  std::uint32_t dosTime = 0;
  std::uint8_t unpackVersion = kUnpackVersion;
  std::uint8_t method = kMethodStore;
  std::uint32_t attributes = 0;
  std::string name;  // bytes as stored, including any encoded Unicode part
};

std::string encodeMainHeader(std::uint16_t flags);
std::string encodeFileHeader(const FileHeaderFields& fields);
std::string encodeEndHeader(std::uint16_t flags);

}  // namespace rar4
