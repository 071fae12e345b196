// The save-file reader and install step with whole files from anywhere: each is loaded or
// refused, a refused one leaves the puzzle on screen as it was, and a loaded one saves back to a
// file that loads to the same puzzle and saves to the same bytes, and can be hinted and solved.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "commands/commands.h"
#include "commands/save_commands.h"
#include "fuzz_workbench.h"
#include "savefile/save_file_io.h"
#include "savefile/save_text_writer.h"

namespace {

using velmora::fuzz::FuzzWorkbench;
using velmora::fuzz::require;

constexpr std::string_view kTime = "06/12/2026 09:14:03";

std::string savedText(FuzzWorkbench& bench) {
    return velmora::writeSaveText(bench.pc(), "fuzz.svl", kTime);
}

void requireSameCells(velmora::scells& a, velmora::scells& b) {
    require(a.dim() == b.dim(), "the reloaded grid has another size");
    for (int i = 0; i < a.cellCount(); ++i) {
        const velmora::scell& x = a.getcellBigindex(i);
        const velmora::scell& y = b.getcellBigindex(i);
        require(x.Trying == y.Trying && x.Sure == y.Sure && x.Original == y.Original &&
                    x.Entered == y.Entered && x.bPoss == y.bPoss &&
                    x.countPossibilities == y.countPossibilities,
                "a reloaded cell differs");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Longer files are refused before they are read.
    if (size > velmora::kMaxSaveFileBytes) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    FuzzWorkbench first(2);
    const std::string before = savedText(first);
    if (!velmora::loadPuzzleText(*first.wb, bytes, "fuzz.svl")) {
        require(first.messages.shown == 1, "a refused file must give exactly one message");
        require(savedText(first) == before, "a refused file changed the puzzle");
        require(!first.wb->fControl().Loading, "Loading stayed on after a refusal");
        return 0;
    }
    require(!first.wb->fControl().Loading, "Loading stayed on after a load");
    const std::string saved = savedText(first);

    FuzzWorkbench second(0);
    require(velmora::loadPuzzleText(*second.wb, saved, "again.svl"),
            "a file the program wrote was refused");
    require(second.messages.shown == 0, "a file the program wrote gave a message");
    requireSameCells(first.cells(), second.cells());
    require(savedText(second) == saved, "saving a reloaded file gave other bytes");

    // What a user does next with a shared file: a hint, then Solve (with brute force when the
    // file ticks it; the search gives up at its call limit).
    velmora::cbhint_Click(*first.wb);
    first.settings.brute = first.pc().guessingEnabled;
    velmora::cbSolve_Click(*first.wb);
    return 0;
}
