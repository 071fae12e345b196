#include "savefile/save_messages.h"

#include "savefile/save_file_io.h"

namespace velmora {

std::string pathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string cannotOpenMessage(const std::filesystem::path& path) {
    return "Sorry - cannot open save file " + pathText(path);
}

std::string tooLargeMessage(const std::filesystem::path& path) {
    return "Sorry - " + pathText(path) + " is larger than " +
           std::to_string(kMaxSaveFileBytes / 1024) + " KiB, too large for a save file";
}

std::string refusedMessage(const std::string& fileName, const SaveReadResult& refused) {
    if (refused.fault == SaveFault::Incompatible) return std::string(kIncompatibleSaveFile);
    std::string text = "Sorry - cannot load save file " + fileName + "\n";
    if (refused.atEnd && refused.line == 0) {
        text += "The file is empty: ";
    } else if (refused.atEnd) {
        text += "At the end of the file (after line " + std::to_string(refused.line) + "): ";
    } else {
        text += "Line " + std::to_string(refused.line) + ": ";
    }
    text += refused.reason;
    if (!refused.atEnd) text += "\n" + refused.lineText;
    return text;
}

}  // namespace velmora
