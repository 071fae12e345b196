// The element-characters box with any typed text: a string of the wrong length changes nothing,
// an accepted one holds one printable Latin-1 byte per element in upper case, passes the check
// again unchanged, and survives a save file and its reload. The first byte chooses the box shape.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "commands/save_commands.h"
#include "display/element_characters.h"
#include "fuzz_workbench.h"
#include "model/latin1.h"
#include "savefile/save_text_writer.h"

namespace {

using velmora::fuzz::FuzzWorkbench;
using velmora::fuzz::require;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view typed(reinterpret_cast<const char*>(data + 1), size - 1);
    FuzzWorkbench bench(data[0]);
    const std::string current = bench.pc().sElements;
    require(velmora::defaultElements(bench.pc().nDim) == current, "unexpected default elements");

    const velmora::ElementsCheck check = velmora::checkElements(typed, current);
    if (!check.accepted) {
        require(check.elements == current, "a refused string changed the elements");
        require(!velmora::elementsNeededMessage(current.size(), data[0] % 3).empty(),
                "no message for a refused string");
        return 0;
    }
    require(check.elements.size() == current.size(), "accepted elements of the wrong length");
    for (const char c : check.elements) {
        const auto b = static_cast<unsigned char>(c);
        require(((b >= 0x20 && b < 0x7f) || b >= 0xa0) && velmora::upperLatin1(c) == c,
                "an accepted element the grid cannot show");
    }
    const velmora::ElementsCheck again =
        velmora::checkElements(velmora::latin1ToUtf8(check.elements), current);
    require(again.accepted && again.elements == check.elements,
            "accepted elements changed when checked again");

    bench.pc().sElements = check.elements;
    const std::string saved = velmora::writeSaveText(bench.pc(), "fuzz.svl", "t");
    FuzzWorkbench loaded(0);
    require(velmora::loadPuzzleText(*loaded.wb, saved, "fuzz.svl"),
            "a save file with accepted elements was refused");
    require(loaded.pc().sElements == check.elements, "the elements changed through a save file");
    return 0;
}
