#include "formats/puzzle_format.h"

#include <array>
#include <utility>

#include "formats/text_lines.h"

namespace velmora {

namespace {
constexpr std::array<std::pair<PuzzleFormat, std::string_view>, 7> kNames{{
    {PuzzleFormat::Line, "line"},
    {PuzzleFormat::Tagged, "tagged"},
    {PuzzleFormat::Grid, "grid"},
    {PuzzleFormat::Bordered, "bordered"},
    {PuzzleFormat::Sdk, "sdk"},
    {PuzzleFormat::PencilMarks, "pm"},
    {PuzzleFormat::Candidates, "candidates"},
}};
}  // namespace

std::string_view formatName(PuzzleFormat format) {
    for (const auto& [f, name] : kNames)
        if (f == format) return name;
    return {};
}

std::optional<PuzzleFormat> formatFromName(std::string_view name) {
    for (const auto& [f, known] : kNames)
        if (equalsIgnoringCase(name, known)) return f;
    return std::nullopt;
}

std::optional<PuzzleFormat> formatFromExtension(std::string_view extension) {
    if (!extension.empty() && extension.front() == '.') extension.remove_prefix(1);
    if (equalsIgnoringCase(extension, "sdm")) return PuzzleFormat::Line;
    if (equalsIgnoringCase(extension, "ss")) return PuzzleFormat::Bordered;
    if (equalsIgnoringCase(extension, "sdk")) return PuzzleFormat::Sdk;
    return std::nullopt;
}

}  // namespace velmora
