#include "savefile/save_file_io.h"

#include <chrono>
#include <cstdio>
#include <fstream>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace velmora {

namespace {

// Short on purpose: a name built from a long target name could pass the file system's limit.
std::filesystem::path temporaryName(const std::filesystem::path& folder, unsigned attempt) {
    const auto stamp = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    return folder / (".svl-" + std::to_string((stamp + attempt) % 100000000ULL) + ".tmp");
}

bool flushToDisk(std::FILE* file) {
    if (std::fflush(file) != 0) return false;
#if defined(__unix__) || defined(__APPLE__)
    // The rename must not reach the disk before the data it names.
    if (::fsync(::fileno(file)) != 0) return false;
#endif
    return true;
}

}  // namespace

FileBytes readSaveFileBytes(const std::filesystem::path& path) {
    FileBytes result;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return result;
    std::ifstream in(path, std::ios::binary);
    if (!in) return result;
    result.bytes.resize(static_cast<std::size_t>(kMaxSaveFileBytes) + 1);
    in.read(result.bytes.data(), static_cast<std::streamsize>(result.bytes.size()));
    if (in.bad()) {
        result.bytes.clear();
        return result;
    }
    result.bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (result.bytes.size() > kMaxSaveFileBytes) {
        result.bytes.clear();
        result.status = FileBytes::Status::TooLarge;
        return result;
    }
    result.status = FileBytes::Status::Read;
    return result;
}

bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    std::filesystem::path temporary;
    std::FILE* file = nullptr;
    for (unsigned attempt = 0; attempt < 100 && !file; ++attempt) {
        temporary = temporaryName(folder, attempt);
        // "x": never open a file that already exists.
        file = std::fopen(temporary.string().c_str(), "wbx");
    }
    if (!file) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = flushToDisk(file) && ok;
    ok = std::fclose(file) == 0 && ok;
    std::error_code ec;
    if (ok) {
        // A replaced file keeps its permissions; a private one must not become readable.
        const auto old = std::filesystem::status(path, ec);
        if (!ec && std::filesystem::exists(old))
            std::filesystem::permissions(temporary, old.permissions(), ec);
        std::filesystem::rename(temporary, path, ec);
        ok = !ec;
    }
    if (!ok) std::filesystem::remove(temporary, ec);
    return ok;
}

}  // namespace velmora
