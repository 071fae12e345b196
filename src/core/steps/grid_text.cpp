#include "steps/grid_text.h"

#include "model/size_options.h"

namespace velmora {

std::optional<std::vector<int>> parseGrid(std::string_view text, BoxShape shape,
                                          std::string_view elements) {
    const int n = shape.n();
    if (elements.size() < static_cast<std::size_t>(n)) elements = kDefaultElements;
    elements = elements.substr(0, static_cast<std::size_t>(n));
    if (text.size() != static_cast<std::size_t>(shape.cellCount())) return std::nullopt;
    std::vector<int> values;
    values.reserve(text.size());
    for (const char ch : text) {
        if (ch == '.') {
            values.push_back(0);
            continue;
        }
        const std::size_t at = elements.find(ch);
        if (at == std::string_view::npos) return std::nullopt;
        values.push_back(static_cast<int>(at) + 1);
    }
    return values;
}

}  // namespace velmora
