#pragma once
// Replacing a file so that a crash or a failure leaves either the old file or the whole new one:
// the text is written to a temporary file beside it, flushed to disk, renamed over the file, and
// the folder is flushed. Used for files that belong to the simulator, where a torn write would
// cost the user their scenery list.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace atomicfile {

// Replaces (or creates) `file` with `bytes`. A symbolic link is followed, so the file it names
// is replaced; an existing file keeps its permission bits. False when any step fails; the file
// is then untouched and no temporary file is left behind.
bool replace(const std::filesystem::path& file, std::string_view bytes);

// The whole content of a regular file, or nothing when it is missing, not a regular file, larger
// than maxBytes or cannot be read.
std::optional<std::string> readAll(const std::filesystem::path& file, std::size_t maxBytes);

// Whether the file may be changed: it carries the owner's write bit (the read-only attribute
// of the simulator's world, which even the superuser respects here) and the process may write
// it and its folder.
bool writable(const std::filesystem::path& file);

}  // namespace atomicfile
