#pragma once
// What stands where a text file should and must be refused by its reader, at once and with a
// reason: a FIFO nobody writes to, a folder, a link to an endless device, a file over the limit.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>

namespace testsupport {

// Puts each at `path` in turn (the last `tooLarge` bytes long), calls `check` with the reason the
// reader is to give, and removes it again.
void forEachRefusedFile(const std::filesystem::path& path, std::size_t tooLarge,
                        const std::function<void(const std::string& reason)>& check);

}  // namespace testsupport
