#include "libs/worldvis/atomic_file.h"

#include <fstream>
#include <iterator>

namespace atomicfile {

namespace fs = std::filesystem;

std::optional<std::string> readAll(const fs::path& file, std::size_t maxBytes) {
  std::error_code ec;
  if (!fs::is_regular_file(file, ec)) return std::nullopt;
  const std::uintmax_t size = fs::file_size(file, ec);
  if (ec || size > maxBytes) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(size));
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad() || bytes.size() > maxBytes) return std::nullopt;
  return bytes;
}

}  // namespace atomicfile
