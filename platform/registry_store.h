#pragma once
// Registry files on disk: loading with a cache keyed by the file's identity, a single report of
// a file that cannot be parsed, and crash-safe updates (advisory lock, temporary file, fsync,
// rename, fsync of the folder, the previous good file kept as <file>.bak).
#include <filesystem>
#include <functional>
#include <memory>

#include "platform/registry_text.h"

namespace platform::regstore {

using DocumentPtr = std::shared_ptr<const regtext::Document>;

// The file's document; an empty document when the file does not exist; null when it cannot be
// read or parsed (reported once on standard error with its path and line).
DocumentPtr load(const std::filesystem::path& file);

// Re-reads the file under its lock, applies change and replaces the file. False, with the file
// untouched, when the file cannot be parsed or the new one cannot be written. On success
// *updated holds the document as written.
bool update(const std::filesystem::path& file,
            const std::function<void(regtext::Document&)>& change, DocumentPtr* updated);

}  // namespace platform::regstore
