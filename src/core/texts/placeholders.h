// Filling the gaps of a translated sentence: "{name}" stands for an argument, so that each
// language can put the arguments where its word order wants them.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace velmora {

struct Placeholder {
    std::string_view name;
    std::string value;
};

// Every "{name}" of `pattern` with a matching argument becomes its value, in one pass (a value
// is never searched again); a gap without an argument stays as it stands.
std::string fillPlaceholders(std::string_view pattern, std::span<const Placeholder> values);
std::string fillPlaceholders(std::string_view pattern, std::initializer_list<Placeholder> values);

// The same with numbered gaps: {1} is the first value, {2} the second, up to {9}.
std::string fillNumbered(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace velmora
