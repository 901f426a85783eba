#pragma once
// What stands where a text file should and must be refused by its reader, quickly and with a
// reason: a FIFO nobody writes to, a folder, a link to an endless device, a file over the limit.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>

namespace testsupport {

// Puts each of them at `path` in turn (an empty file of `tooLarge` bytes for the last) and calls
// `check` with the reason the reader is to give; `path` is removed again after each call.
void forEachRefusedFile(const std::filesystem::path& path, std::size_t tooLarge,
                        const std::function<void(const std::string& reason)>& check);

}  // namespace testsupport
