#include "save_file_input.h"

#include <array>

#include "savefile/save_file_io.h"

namespace velmora::cli {

bool isSaveFileLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::string_view first = line.substr(0, line.find(','));
    return first == "!" || first == "+" || first == "-" || first == "=";
}

InputStart readInputStart(LineReader& lines) {
    InputStart start;
    std::string line;
    for (;;) {
        const LineReader::Status status = lines.next(line);
        if (status == LineReader::Status::End) break;
        start.lineNumber = lines.lineNumber();
        if (start.consumed.size() <= kMaxSaveFileBytes) {
            start.consumed += line;
            start.consumed += '\n';
        }
        const bool tooLong = status == LineReader::Status::TooLong;
        if (!tooLong && line.find_first_not_of(" \t\r") == std::string::npos) continue;
        start.empty = false;
        start.firstLineTooLong = tooLong;
        start.saveFile = isSaveFileLine(line);
        start.firstLine = std::move(line);
        break;
    }
    return start;
}

bool readRestOfSaveFile(std::istream& in, std::string& bytes) {
    std::array<char, 65536> chunk{};
    while (in) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > kMaxSaveFileBytes) return false;
    }
    return true;
}

std::string inputName(const Options& options) {
    if (options.files.empty() || options.files[0] == "-") return "standard input";
    return options.files[0];
}

}  // namespace velmora::cli
