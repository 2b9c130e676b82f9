#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace atomic_file {

// Writes `bytes` to a temporary file beside `target`, flushes and syncs it, then renames it
// over `target`. On any failure the temporary file is removed, `target` is left as it was,
// and the answer is false.
bool write(const std::filesystem::path& target, std::string_view bytes);

// The whole content of a regular file; no result when it is missing, unreadable or larger
// than `maxBytes` (then nothing of it is read).
std::optional<std::string> read(const std::filesystem::path& file, std::size_t maxBytes);

}  // namespace atomic_file
