#include "formats/element_set.h"

#include <string_view>

#include "formats/text_lines.h"
#include "model/size_options.h"

namespace velmora {

namespace {
constexpr std::string_view kStructure = ".-*_|!+#():='[]";
}  // namespace

bool isUsableElementString(std::string_view elements) {
    std::array<bool, 256> seen{};
    for (const char c : elements) {
        if (c <= ' ' || c > '~' || kStructure.find(c) != std::string_view::npos) return false;
        const auto upper = static_cast<unsigned char>(upperAscii(c));
        if (seen[upper]) return false;
        seen[upper] = true;
    }
    return true;
}

std::string_view elementString(std::string_view elements) {
    return elements.empty() ? std::string_view(kDefaultElements) : elements;
}

std::string writingElements(std::string_view elements, int n) {
    const auto count = static_cast<std::size_t>(n);
    if (elements.size() < count || !isUsableElementString(elements)) elements = kDefaultElements;
    return std::string(elements.substr(0, count));
}

ElementSet::ElementSet(std::string_view elements, int n)
    : n_(n), chars_(elementString(elements).substr(0, static_cast<std::size_t>(n))) {
    values_.fill(-1);
    for (const char c : std::string_view(".-*_0"))
        values_[static_cast<unsigned char>(c)] = 0;
    for (std::size_t i = 0; i < chars_.size(); ++i) {
        const auto value = static_cast<std::int8_t>(i + 1);
        values_[static_cast<unsigned char>(upperAscii(chars_[i]))] = value;
        values_[static_cast<unsigned char>(lowerAscii(chars_[i]))] = value;
    }
}

}  // namespace velmora
