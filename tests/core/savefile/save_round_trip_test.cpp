// Whatever state a puzzle is in, a save file brings it back exactly, for every shape and every
// element string the element box accepts; and a save never loses the file it replaces.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include "bench.h"
#include "display/element_characters.h"
#include "elimination/candidates.h"
#include "model/latin1.h"
#include "savefile/save_text_writer.h"

namespace velmora::test {
namespace {

// A random state on a random complete grid: options, givens, user values (wrong ones too),
// solver values, and sometimes hand-made pencil marks and element characters of all Latin-1.
void randomState(Bench& bench, Rng& rng) {
    PuzzleControl& pc = bench.pc();
    const int n = pc.nDim;
    const std::vector<int> solution = randomGrid({pc.nRows, pc.nCols}, rng);
    pc.Experimental = chance(rng, 0.5);
    pc.guessingEnabled = chance(rng, 0.3);
    pc.Scribbling = chance(rng, 0.5);
    pc.wLanguage = below(rng, 3);
    std::string typed;
    for (int i = 0; i < n; ++i)
        typed += latin1ToUtf8(std::string(1, static_cast<char>(1 + below(rng, 255))));
    if (chance(rng, 0.3)) pc.sElements = checkElements(typed, pc.sElements).elements;
    const double givens = 0.2 + 0.6 * std::uniform_real_distribution<>()(rng);
    for (int b = 0; b < n * n; ++b) {
        const int value = solution[static_cast<std::size_t>(b)];
        if (chance(rng, givens)) {
            bench.at(b).putOriginal(value);
        } else if (chance(rng, 0.15)) {
            bench.at(b).putEntered(chance(rng, 0.7) ? value : 1 + below(rng, n));
        } else if (chance(rng, 0.05)) {
            bench.at(b).putSure(value);
        }
    }
    resetPossibilities(bench.cells());
    // Hand-made marks are kept as the file has them; computed ones are computed again.
    pc.manualPencilMarks = chance(rng, 0.5);
    for (scell& cell : bench.cells().cells()) {
        if (cell.Sure || chance(rng, 0.5)) continue;
        cell.bPoss = static_cast<std::uint32_t>(rng()) & allCandidates(n);
        cell.recountPossibilities();
    }
}

TEST(SaveRoundTripProperty, RandomStatesOfEveryShapeLoadBackExactly) {
    for (const BoxShape shape : kBoxShapes) {
        SCOPED_TRACE(shapeName(shape));
        Rng rng(1000 + static_cast<std::uint64_t>(shape.rows * 10 + shape.cols));
        for (int i = 0; i < 25; ++i) {
            Bench saving(shape.rows, shape.cols, 11);
            randomState(saving, rng);
            saving.save("p.svl");
            // The loading program shows another shape, which the file replaces.
            Bench loading(shape.n() == 9 ? 2 : 3, shape.n() == 9 ? 2 : 3, 5);
            std::filesystem::copy_file(saving.savedFolder() / "p.svl",
                                       loading.savedFolder() / "p.svl");
            loading.load("p.svl");
            ASSERT_TRUE(loading.messages.shown.empty()) << loading.messages.shown[0];
            resetPossibilities(saving.cells());
            ASSERT_EQ(writeSaveText(loading.pc(), "p", "t"), writeSaveText(saving.pc(), "p", "t"))
                << "case " << i;
            for (int b = 0; b < shape.cellCount(); ++b)
                ASSERT_EQ(loading.at(b).countPossibilities, saving.at(b).countPossibilities);
            EXPECT_EQ(loading.settings.sizeOption, saving.settings.sizeOption);
            EXPECT_EQ(loading.settings.elementsText, latin1ToUtf8(saving.pc().sElements));
            EXPECT_EQ(loading.history().undoCount(), 0);
        }
    }
}

// Writes past a small file-size limit fail, as on a full disk.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) : previous(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit limit = old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previous);
    }
    void (*previous)(int);
    rlimit old{};
};

TEST(SaveCommands, ASaveReplacesAFileWholeOrLeavesItAsItWas) {
    Bench bench(4, 4);
    const std::filesystem::path target = bench.savedFolder() / "kept.svl";
    const auto ownerOnly = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
    writeBytes(target, std::string(100000, 'x'));
    std::filesystem::permissions(target, ownerOnly);
    bench.save("kept.svl");
    EXPECT_EQ(readBytes(target), writeSaveText(bench.pc(), target.string(), kFixedTime));
    EXPECT_EQ(std::filesystem::status(target).permissions(), ownerOnly);
    const std::string earlier = readBytes(target);
    const std::string sorry = "Sorry - error writing save file " + target.string();
    bench.enterGivens(std::string(256, '.').replace(0, 3, "123"));
    {
        const FileSizeLimit limit(1000);
        bench.save("kept.svl");
    }
    EXPECT_EQ(bench.messages.shown, std::vector{sorry});
    EXPECT_EQ(readBytes(target), earlier);
    const std::filesystem::directory_iterator files(bench.savedFolder());
    EXPECT_EQ(std::distance(begin(files), end(files)), 1);  // no temporary file left behind
    if (geteuid() != 0) {                                   // permissions do not bind the superuser
        std::filesystem::permissions(bench.savedFolder(), std::filesystem::perms::owner_read |
                                                              std::filesystem::perms::owner_exec);
        bench.save("kept.svl");
        EXPECT_EQ(bench.messages.shown, std::vector({sorry, sorry}));
        EXPECT_EQ(readBytes(target), earlier);
        std::filesystem::permissions(bench.savedFolder(), std::filesystem::perms::owner_all);
    }
    std::filesystem::remove_all(bench.savedFolder());
    bench.save("kept.svl");
    EXPECT_EQ(bench.messages.shown.back(), sorry);
}

}  // namespace
}  // namespace velmora::test
