#include "display/element_characters.h"

#include <algorithm>

#include "model/size_options.h"
#include "texts/messages.h"

namespace velmora {

namespace {

constexpr int kCharactersNeeded = 3;

// One character per code point: printable ASCII kept, anything else '?' (a line feed among the
// elements would also break the save file's line).
std::string toElementCharacters(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        std::size_t len = 1;
        if (b >= 0xf0) {
            len = 4;
        } else if (b >= 0xe0) {
            len = 3;
        } else if (b >= 0xc0) {
            len = 2;
        }
        if (b >= 0x20 && b < 0x7f) {
            out += (b >= 'a' && b <= 'z') ? static_cast<char>(b - 'a' + 'A') : static_cast<char>(b);
        } else {
            out += '?';
        }
        i += len;
    }
    return out;
}

}  // namespace

ElementsCheck checkElements(std::string_view typed, const std::string& current) {
    std::string candidate = toElementCharacters(typed);
    if (candidate.size() == current.size()) return {true, std::move(candidate)};
    return {false, current};
}

std::string elementsNeededMessage(std::size_t needed, int language) {
    return std::to_string(needed) + " " + getMessage(kCharactersNeeded, language);
}

std::string defaultElements(int n) {
    const std::string all = kDefaultElements;
    return all.substr(0, static_cast<std::size_t>(std::clamp(n, 0, static_cast<int>(all.size()))));
}

}  // namespace velmora
