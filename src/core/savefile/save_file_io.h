// Save files on disk: bounded reading, and writing that never destroys the file it replaces.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace velmora {

// No save file the program writes comes near this; anything bigger is refused unread.
inline constexpr std::uintmax_t kMaxSaveFileBytes = 1024 * 1024;

struct FileBytes {
    enum class Status { Read, CannotOpen, TooLarge };
    Status status = Status::CannotOpen;
    std::string bytes;
};

// Reads at most kMaxSaveFileBytes from `path`; a longer file gives TooLarge and is not read on.
FileBytes readSaveFileBytes(const std::filesystem::path& path);

// Writes `bytes` to a new temporary file beside `path` and renames it over `path` only when every
// byte was written and the file closed. Returns false, leaving `path` as it was and no temporary
// file behind, when anything fails.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace velmora
