#include "display/element_characters.h"

#include <algorithm>

#include "model/latin1.h"
#include "model/size_options.h"
#include "texts/messages.h"

namespace velmora {

ElementsCheck checkElements(std::string_view typed, const std::string& current) {
    std::string candidate = elementCharacters(utf8ToLatin1(typed));
    if (candidate.size() == current.size()) return {true, std::move(candidate)};
    return {false, current};
}

std::string elementsNeededMessage(std::size_t needed, int language) {
    return std::to_string(needed) + " " + getMessage(MessageId::CharactersNeeded, language);
}

int elementOfKey(const std::string& elements, int n, int keyAscii) {
    // Codes up to 0xFF are the Latin-1 characters the element string is made of.
    if (keyAscii <= 0 || keyAscii > 0xFF) return 0;
    const char typed = upperLatin1(static_cast<char>(static_cast<unsigned char>(keyAscii)));
    const std::size_t at = elements.find(typed);
    if (at == std::string::npos || at >= static_cast<std::size_t>(n)) return 0;
    return static_cast<int>(at) + 1;
}

std::string defaultElements(int n) {
    const std::string all = kDefaultElements;
    return all.substr(0, static_cast<std::size_t>(std::clamp(n, 0, static_cast<int>(all.size()))));
}

}  // namespace velmora
