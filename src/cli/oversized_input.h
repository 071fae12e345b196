// Files far larger than any puzzle file or save file are refused before they are read.
#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>

namespace velmora::cli {

// As large as the biggest save file the reader takes; a file of one-line puzzles that large
// holds some 12,000 9x9 puzzles.
inline constexpr std::uintmax_t kMaxInputFileBytes = 1024 * 1024;

// True for a regular file over kMaxInputFileBytes. Pipes and devices cannot be sized; they are
// read a bounded line at a time.
bool isOversizedFile(const std::filesystem::path& path);

// Refuses the oversized input `in`, named `name`, after reading its first bytes alone to tell a
// save file (which gets the window's message and "error" on `out`, as any refused save file)
// from a file of one-line puzzles. Returns the exit status.
int refuseOversizedInput(const std::string& name, std::istream& in, std::ostream& out,
                         std::ostream& err);

}  // namespace velmora::cli
