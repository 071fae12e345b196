// The save file's exact bytes, what the reader accepts besides them, damaged files refused
// whole with one message naming the file and its first bad line, the puzzle on screen kept;
// every state of every shape brought back exactly; and saves that never lose a file.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <regex>

#include "bench.h"
#include "display/element_characters.h"
#include "elimination/candidates.h"
#include "model/latin1.h"
#include "savefile/save_file_io.h"
#include "savefile/save_text_reader.h"
#include "savefile/save_text_writer.h"

namespace velmora::test {
namespace {

// The hand-checked 9x9 file, with `from` replaced by `to`.
std::string expectedFile(const std::string& from = "", const std::string& to = "") {
    std::string text = readBytes(testData("savefiles/expected-3x3.svl"));
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return from.empty() || at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// A bench of the shape `rows` x `cols` that has loaded `text`.
struct Loaded : Bench {
    explicit Loaded(const std::string& text, int rows = 3, int cols = 3) : Bench(rows, cols) {
        writeBytes(savedFolder() / "file.svl", text);
        load("file.svl");
    }
};

std::string fileText(Bench& bench) {
    return writeSaveText(bench.pc(), "p", "t");
}

TEST(SaveTextWriter, WritesTheHandCheckedFileByteForByte) {
    Bench bench;  // the givens, two values typed by the user, one found by the solver
    bench.enterGivens(
        "9..16.8......8.6.3.4..35...3.7..6......7...2.....59..7.1..4..5.8.2.....6.........");
    bench.at(1).putEntered(2);
    bench.at(2).putEntered(3);
    bench.at(5).putSure(7);
    resetPossibilities(bench.cells());
    bench.save("exact.svl");
    const std::string path = (bench.savedFolder() / "exact.svl").string();
    EXPECT_EQ(readBytes(path), expectedFile("/home/ada/Velmora/saved/exact.svl", path));
    Bench four(2, 2);  // a 4x4 candidate line, and text fields in Latin-1
    four.at(5).clearallPossibilities();
    four.at(5).putPossibility(0);
    four.at(5).putPossibility(2);
    const std::string text = writeSaveText(four.pc(), "/tmp/r\xC3\xA9sum\xC3\xA9.svl", "t");
    EXPECT_NE(text.find("\r\n-,nscells, 16\r\n=, 0,"), std::string::npos);
    EXPECT_NE(text.find("\r\n=, 5,0,0,0,0, 1, 0, 3, 0\r\n"), std::string::npos);
    EXPECT_NE(text.find("+,SaveFile,/tmp/r\xE9sum\xE9.svl\r\n"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 17 + 16 + 1);
}

TEST(SaveTextReader, TakesAnyCaseUnknownLinesAndLineFeedsAlone) {
    std::string loud = expectedFile();
    std::transform(loud.begin(), loud.end(), loud.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    for (const auto& [from, to] :
         {std::pair{"-,SCRIBBLING,0", "-,Scribbling, True "},
          {"=, 1,2,1,0,1,", "=, 1,2,TRUE,False,Wahr,"},
          {"+,SGVALUE,0\r\n", "+,SGVALUE,0\r\n+,Author,Ada\r\n*,x\r\n\r\n"}})
        loud.replace(loud.find(from), std::string(from).size(), to);
    Loaded read(loud), plain(expectedFile());
    ASSERT_TRUE(read.messages.shown.empty()) << read.messages.shown[0];
    EXPECT_TRUE(read.pc().Scribbling);
    read.pc().Scribbling = false;
    EXPECT_EQ(fileText(read), fileText(plain));
    EXPECT_FALSE(textBool("True") || textBool("yes") || textBool("2") || textBool(""));

    Loaded unknown(expectedFile("-,Experimental,0\r\n", "-,Experimental,0\r\n-,Colour,red\r\n"));
    EXPECT_EQ(unknown.messages.shown,
              std::vector<std::string>{"Unknown element in load filecolour"});
    EXPECT_TRUE(unknown.at(1).Entered);

    std::string bare = expectedFile("-,sElements,123456789", "-,sElements,abcdefghi");
    bare.erase(std::remove(bare.begin(), bare.end(), '\r'), bare.end());
    Loaded letters(bare);
    EXPECT_EQ(letters.pc().sElements, "ABCDEFGHI");
    EXPECT_EQ(letters.settings.elementsText, "ABCDEFGHI");
    EXPECT_EQ(letters.at(5).Trying, 7);
}

TEST(SaveTextReader, ALanguageTheProgramLacksLoadsInEnglish) {
    for (const auto& entry : std::filesystem::directory_iterator(testData("savefiles/loading"))) {
        Loaded bench(readBytes(entry.path()), 2, 2);
        EXPECT_TRUE(bench.messages.shown.empty()) << entry.path();
        EXPECT_EQ(bench.pc().wLanguage, 0);
        EXPECT_EQ(bench.settings.loaded.language, 0);
        EXPECT_EQ(bench.gridText(), Loaded(expectedFile()).gridText());
    }
}

// Each damaged file says in its first line where it must be refused ("refused at line N");
// a file without that says must be refused at its end.
TEST(DamagedFiles, EachIsRefusedWithItsLineAndThePuzzleKept) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(testData("savefiles/damaged"))) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        ++files;
        Bench bench(2, 2);
        bench.enterGivens("1..2.1..........");
        bench.at(5).scPush();
        bench.at(5).putEntered(4);
        const std::string before = fileText(bench);
        std::filesystem::copy_file(entry.path(), bench.savedFolder() / name);
        bench.load(name);
        ASSERT_EQ(bench.messages.shown.size(), 1u);
        const std::string& message = bench.messages.shown[0];
        EXPECT_EQ(message.rfind(
                      "Sorry - cannot load save file " + (bench.savedFolder() / name).string(), 0),
                  0u);
        const std::string bytes = readBytes(entry.path());
        const std::string head = bytes.substr(0, bytes.find('\n'));
        std::smatch m;
        if (std::regex_search(head, m, std::regex("refused at line ([0-9]+)"))) {
            EXPECT_NE(message.find("\nLine " + m[1].str() + ": "), std::string::npos) << message;
        } else {
            EXPECT_TRUE(message.find("At the end of the file") != std::string::npos ||
                        message.find("The file is empty") != std::string::npos)
                << message;
        }
        EXPECT_EQ(fileText(bench), before);
        EXPECT_EQ(bench.history().undoCount(), 1);
        EXPECT_FALSE(bench.history().Loading);
        EXPECT_EQ(bench.settings.sizeOption, 2);
    }
    EXPECT_GE(files, 30);
}

TEST(DamagedFiles, MissingTooLargeAndOtherVersionsSaySo) {
    Bench bench(2, 3);
    const std::string before = fileText(bench);
    bench.load("missing.svl");
    std::filesystem::create_directory(bench.savedFolder() / "folder.svl");
    bench.load("folder.svl");
    const auto sorry = [&](const std::string& name) {
        return "Sorry - cannot open save file " + (bench.savedFolder() / name).string();
    };
    EXPECT_EQ(bench.messages.shown, std::vector({sorry("missing.svl"), sorry("folder.svl")}));
    // Over one mebibyte is refused unread; exactly at the limit is read.
    std::string bytes = expectedFile("+,pSaveVersion,1", "+,pSaveVersion,2");
    while (bytes.size() <= kMaxSaveFileBytes)
        bytes += "!," + std::string(1000, 'c') + "\r\n";
    writeBytes(bench.savedFolder() / "big.svl", bytes);
    bench.load("big.svl");
    EXPECT_NE(bench.messages.shown.back().find("too large"), std::string::npos);
    bytes.resize(kMaxSaveFileBytes - 2);
    writeBytes(bench.savedFolder() / "limit.svl", bytes + "\r\n");
    bench.load("limit.svl");
    EXPECT_EQ(bench.messages.shown.back(), "This save file is not compatible with this version");
    EXPECT_EQ(fileText(bench), before);
    EXPECT_FALSE(bench.history().Loading);
    EXPECT_EQ(bench.settings.sizeOption, 3);
}

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
            ASSERT_EQ(loading.states(), saving.states()) << "case " << i;
            EXPECT_EQ(writeSaveText(loading.pc(), "p", "t"), writeSaveText(saving.pc(), "p", "t"));
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
