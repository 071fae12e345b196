#include "oversized_input.h"

#include <istream>
#include <ostream>

#include "save_file_input.h"
#include "savefile/save_file_io.h"
#include "savefile/save_messages.h"

namespace velmora::cli {

static_assert(kMaxInputFileBytes == kMaxSaveFileBytes,
              "a save file the window loads must be taken by the command line too");

bool isOversizedFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    return !ec && size > kMaxInputFileBytes;
}

int refuseOversizedInput(const std::string& name, std::istream& in, std::ostream& out,
                         std::ostream& err) {
    // A save file's first field, "!", "+", "-" or "=", ends by the second byte.
    std::string head(3, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    if (isSaveFileLine(head.substr(0, head.find('\n')))) {
        err << tooLargeMessage(name) << '\n';
        out << "error\n";
        return 1;
    }
    err << "sudoku-velmora-cli: " << name << " is larger than " << kMaxInputFileBytes / 1024
        << " KiB, more than a file of one-line puzzles needs; split it, or pipe it to standard "
           "input, which is read a line at a time\n";
    return 1;
}

}  // namespace velmora::cli
