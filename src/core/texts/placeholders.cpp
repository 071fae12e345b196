#include "texts/placeholders.h"

#include <array>
#include <vector>

namespace velmora {

std::string fillPlaceholders(std::string_view pattern, std::span<const Placeholder> values) {
    std::string out;
    out.reserve(pattern.size() + 32);
    std::size_t at = 0;
    while (at < pattern.size()) {
        const std::size_t open = pattern.find('{', at);
        const std::size_t close = open == std::string_view::npos ? open : pattern.find('}', open);
        if (close == std::string_view::npos) break;
        out.append(pattern.substr(at, open - at));
        const std::string_view name = pattern.substr(open + 1, close - open - 1);
        const Placeholder* match = nullptr;
        for (const Placeholder& p : values)
            if (p.name == name) match = &p;
        if (match != nullptr) {
            out += match->value;
        } else {
            out.append(pattern.substr(open, close - open + 1));
        }
        at = close + 1;
    }
    out.append(pattern.substr(std::min(at, pattern.size())));
    return out;
}

std::string fillPlaceholders(std::string_view pattern, std::initializer_list<Placeholder> values) {
    return fillPlaceholders(pattern, std::span(values.begin(), values.size()));
}

std::string fillNumbered(std::string_view pattern, std::initializer_list<std::string_view> values) {
    static constexpr std::array<std::string_view, 9> kNames{"1", "2", "3", "4", "5",
                                                            "6", "7", "8", "9"};
    std::vector<Placeholder> named;
    for (const std::string_view v : values) {
        if (named.size() == kNames.size()) break;
        named.push_back({kNames[named.size()], std::string(v)});
    }
    return fillPlaceholders(pattern, named);
}

}  // namespace velmora
