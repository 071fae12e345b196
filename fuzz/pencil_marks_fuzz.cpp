// The pencil-mark editor with any typed text: a text with a character that is no element changes
// nothing and names it in one message; any other text makes the cell's candidates exactly the
// elements it holds. The editor opens with a double click, and one Undo restores the cell. The
// first bytes choose the box shape, the cell, a value in it and custom element characters.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "commands/pencil_mark_commands.h"
#include "display/element_characters.h"
#include "fuzz_workbench.h"

namespace {

using velmora::fuzz::FuzzWorkbench;
using velmora::fuzz::require;

constexpr std::size_t kHeader = 4;

struct CellState {
    std::int16_t Trying;
    bool Sure;
    bool Original;
    bool Entered;
    std::uint32_t bPoss;
    std::int16_t countPossibilities;
    bool operator==(const CellState&) const = default;
};

CellState stateOf(const velmora::scell& c) {
    return {c.Trying, c.Sure, c.Original, c.Entered, c.bPoss, c.countPossibilities};
}

// The candidates `text` asks for, found independently of the editor: nothing for a text with a
// character that is no element (blanks aside). Typed text is UTF-8 and the elements are Latin-1,
// so only ASCII and the two-byte forms of U+0080..U+00FF can name an element.
std::optional<std::uint32_t> expectedMarks(std::string_view text, const std::string& elements,
                                           int n) {
    std::uint32_t marks = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        unsigned code = b;
        if (b >= 0x80) {
            const bool twoByte = (b == 0xC2 || b == 0xC3) && i + 1 < text.size() &&
                                 (static_cast<unsigned char>(text[i + 1]) & 0xC0U) == 0x80U;
            if (!twoByte) return std::nullopt;
            code = ((b & 0x1FU) << 6U) | (static_cast<unsigned char>(text[++i]) & 0x3FU);
        }
        if (code == ' ') continue;
        const bool small =
            (code >= 'a' && code <= 'z') || (code >= 0xE0 && code <= 0xFE && code != 0xF7);
        const char upper =
            static_cast<char>(static_cast<unsigned char>(small ? code - 0x20 : code));
        const std::size_t p = elements.find(upper);
        if (p == std::string::npos) return std::nullopt;
        if (p < static_cast<std::size_t>(n)) marks |= velmora::candidateBit(static_cast<int>(p));
    }
    return marks;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kHeader) return 0;
    FuzzWorkbench bench(data[0]);
    velmora::Workbench& wb = *bench.wb;
    velmora::PuzzleControl& pc = bench.pc();
    const int n = pc.nDim;
    const int row = data[1] % n;
    const int col = data[2] % n;
    const int value = data[3] % (n + 1);
    std::string_view text(reinterpret_cast<const char*>(data + kHeader), size - kHeader);

    // Custom element characters come first, after a '\n', as the element box would take them.
    const std::size_t split = text.find('\n');
    if (split != std::string_view::npos) {
        const velmora::ElementsCheck check =
            velmora::checkElements(text.substr(0, split), pc.sElements);
        pc.sElements = check.elements;
        text.remove_prefix(split + 1);
    }

    pc.manualPencilMarks = true;
    pc.Scribbling = true;
    velmora::scell& cell = bench.cells().getCell(row, col);
    if (value > 0) cell.putEntered(value);
    const CellState before = stateOf(cell);

    const auto look = velmora::EntryGrid_DblClick(wb, row, col);
    require(look.has_value(), "the editor did not open with manual pencil marks on");
    require(wb.fControl().undoCount() == 1, "opening the editor was not recorded for undo");
    require(!cell.Sure, "the cell kept its value in the editor");
    const CellState opened = stateOf(cell);
    const int messagesBefore = bench.messages.shown;

    const bool applied = velmora::applyPencilMarkText(wb, row, col, text);
    const auto expected = expectedMarks(text, pc.sElements, n);
    require(applied == expected.has_value(), "the editor and the element characters disagree");
    if (!applied) {
        require(bench.messages.shown == messagesBefore + 1, "a refused text gave no message");
        require(stateOf(cell) == opened, "a refused text changed the cell");
    } else {
        require(bench.messages.shown == messagesBefore, "an accepted text gave a message");
        require(cell.bPoss == *expected, "the cell's candidates are not the text's elements");
        require(cell.countPossibilities == velmora::bitCount(cell.bPoss),
                "the candidate count is wrong");
    }

    wb.fControl().unDo();
    require(stateOf(cell) == before, "Undo did not restore the cell from before the double click");
    return 0;
}
