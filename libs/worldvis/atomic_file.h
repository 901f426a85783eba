#pragma once
// Reading the simulator's own files whole; replacing them is platform/durable_file.h's.
#include <filesystem>
#include <optional>
#include <string>

namespace atomicfile {

// The whole content of a regular file, or nothing when it is missing, not a regular file, larger
// than maxBytes or cannot be read.
std::optional<std::string> readAll(const std::filesystem::path& file, std::size_t maxBytes);

}  // namespace atomicfile
