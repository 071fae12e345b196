// Save files on the command line: solve reads them and writes outcomes, convert moves puzzles
// between save files and one-line puzzles, refused files fail cleanly.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "cli.h"
#include "model/workbench.h"
#include "savefile/save_commands.h"

namespace velmora::cli {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun run(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = runCli(args, in, out, err);
    return {status, out.str(), err.str()};
}

std::string data(const std::string& relative) {
    return std::string(VELMORA_TEST_DATA) + "/" + relative;
}

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class Folder {
  public:
    Folder() {
        path_ = fs::temp_directory_path() /
                ("velmora-cli-" + std::to_string(std::random_device{}()) + "-" +
                 std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::create_directories(path_);
    }
    ~Folder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    fs::path operator/(const std::string& name) const { return path_ / name; }

  private:
    fs::path path_;
};

class Recording : public MessageBoxes {
  public:
    void information(const std::string& text) override { shown.push_back(text); }
    bool question(const std::string&) override { return true; }
    std::vector<std::string> shown;
};

// A program that has loaded `path`, as the window would.
struct Loaded {
    Recording messages;
    std::unique_ptr<Workbench> wb;
    bool ok = false;
    explicit Loaded(const fs::path& path) {
        Ports ports;
        ports.messages = &messages;
        wb = std::make_unique<Workbench>(ports, 1);
        wb->newPuzzle();
        ok = loadPuzzle(*wb, path);
    }
    std::string values(bool givensOnly = false) {
        const std::string elements = "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ";
        std::string text;
        for (int b = 0; b < wb->theCells().cellCount(); ++b) {
            const scell& c = wb->theCells().getcellBigindex(b);
            const bool shown = givensOnly ? c.Original : c.Sure;
            text += shown ? elements[static_cast<std::size_t>(c.Trying - 1)] : '.';
        }
        return text;
    }
};

constexpr const char* kSolution =
    "923167845175284693648935172357826914469713528281459367716348259892571436534692781";
constexpr const char* kGivens =
    "9..16.8......8.6.3.4..35...3.7..6......7...2.....59..7.1..4..5.8.2.....6.........";

TEST(SaveFileCli, SolvesASaveFileAndSavesTheOutcome) {
    Folder folder;
    const CliRun r = run(
        {"solve", data("savefiles/expected-3x3.svl"), "--save", (folder / "solved.svl").string()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, std::string(kSolution) + "\tsolved\n");
    Loaded solved(folder / "solved.svl");
    ASSERT_TRUE(solved.ok);
    EXPECT_EQ(solved.values(), kSolution);
    EXPECT_EQ(solved.values(true), kGivens);
    // The user's values kept their flag through the solve.
    EXPECT_TRUE(solved.wb->theCells().getcellBigindex(1).Entered);
}

TEST(SaveFileCli, ReadsASaveFileFromStandardInput) {
    const CliRun r = run({"solve"}, readBytes(data("savefiles/expected-3x3.svl")));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, std::string(kSolution) + "\tsolved\n");
}

TEST(SaveFileCli, TheFilesBruteForceSettingCountsAsTheTickedBox) {
    Folder folder;
    const std::string puzzle = [] {
        std::ifstream in(data("guessing-3x3.txt"));
        std::string line;
        while (std::getline(in, line))
            if (!line.empty() && line[0] != '#') return line.substr(0, 81);
        return std::string();
    }();
    writeBytes(folder / "guess.txt", puzzle + "\n");
    ASSERT_EQ(
        run({"convert", (folder / "guess.txt").string(), "--save", (folder / "guess.svl").string()})
            .status,
        0);
    EXPECT_TRUE(run({"solve", (folder / "guess.svl").string()}).out.ends_with("\tundecided\n"));
    EXPECT_TRUE(run({"solve", "--brute-force", (folder / "guess.svl").string()})
                    .out.ends_with("\tsolved\n"));
    std::string text = readBytes(folder / "guess.svl");
    text.replace(text.find("-,guessingEnabled,0"), 19, "-,guessingEnabled,1");
    writeBytes(folder / "brute.svl", text);
    EXPECT_TRUE(run({"solve", (folder / "brute.svl").string()}).out.ends_with("\tsolved\n"));
}

TEST(SaveFileCli, ARefusedFileGivesTheWindowsMessageAndWritesNothing) {
    Folder folder;
    const std::string damaged = data("savefiles/damaged/cell-bigindex-too-big.svl");
    const CliRun r = run({"solve", damaged, "--save", (folder / "out.svl").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "error\n");
    Loaded window(damaged);
    ASSERT_EQ(window.messages.shown.size(), 1u);
    EXPECT_EQ(r.err, window.messages.shown[0] + "\n");
    EXPECT_FALSE(fs::exists(folder / "out.svl"));

    const CliRun converted = run({"convert", damaged});
    EXPECT_EQ(converted.status, 1);
    EXPECT_EQ(converted.out, "error\n");
    EXPECT_EQ(converted.err, r.err);

    std::string version = readBytes(data("savefiles/expected-3x3.svl"));
    version.replace(version.find("pSaveVersion,1"), 14, "pSaveVersion,2");
    const CliRun refused = run({"solve"}, version);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "error\n");
    EXPECT_EQ(refused.err, "This save file is not compatible with this version\n");
}

TEST(SaveFileCli, AnOversizedSaveFileOnStandardInputIsRefused) {
    std::string big = readBytes(data("savefiles/expected-3x3.svl"));
    while (big.size() <= 1024 * 1024)
        big += "!," + std::string(4000, 'z') + "\r\n";
    const CliRun r = run({"solve"}, big);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "error\n");
    EXPECT_NE(r.err.find("too large"), std::string::npos);
}

TEST(SaveFileCli, ConvertPrintsTheGivens) {
    const CliRun r = run({"convert", data("savefiles/expected-3x3.svl")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, std::string(kGivens) + "\n");
}

TEST(SaveFileCli, ConvertWritesTheFirstPuzzleAsTheWindowWouldSaveIt) {
    Folder folder;
    writeBytes(
        folder / "twelve.txt", "# 3x4 boxes\n\n" + [] {
            std::ifstream in(data("singles-3x4.txt"));
            std::string all, line;
            while (std::getline(in, line))
                if (!line.empty() && line[0] != '#') all += line + "\n";
            return all;
        }());
    const CliRun r = run({"convert", "--box", "3x4", (folder / "twelve.txt").string(), "--save",
                          (folder / "twelve.svl").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    Loaded loaded(folder / "twelve.svl");
    ASSERT_TRUE(loaded.ok);
    std::ifstream in(data("singles-3x4.txt"));
    std::string line;
    while (std::getline(in, line) && (line.empty() || line[0] == '#')) {
    }
    EXPECT_EQ(loaded.values(), line.substr(0, 144));
    EXPECT_EQ(loaded.values(true), line.substr(0, 144));
    const PuzzleControl& pc = loaded.wb->pc();
    EXPECT_EQ(pc.nRows, 3);
    EXPECT_EQ(pc.nCols, 4);
    EXPECT_FALSE(pc.Experimental || pc.guessingEnabled || pc.Scribbling || pc.manualPencilMarks);
    EXPECT_EQ(pc.wLanguage, 0);

    // And back: the save file's givens are the puzzle again.
    EXPECT_EQ(run({"convert", (folder / "twelve.svl").string()}).out, line.substr(0, 144) + "\n");
}

TEST(SaveFileCli, ConvertNeedsSaveForOneLinePuzzles) {
    const CliRun r = run({"convert", data("singles-3x3.txt")});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("--save"), std::string::npos);
}

TEST(SaveFileCli, SolveSavesTheFirstOneLinePuzzlesOutcome) {
    Folder folder;
    std::ifstream in(data("singles-2x2.txt"));
    std::string input, first, line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (first.empty()) first = line.substr(line.find(' ') + 1, 16);
        input += line.substr(0, 16) + "\n";
    }
    const CliRun r =
        run({"solve", "--box", "2x2", "--save", (folder / "first.svl").string()}, input);
    EXPECT_EQ(r.status, 0);
    Loaded loaded(folder / "first.svl");
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.values(), first);
}

TEST(SaveFileCli, AFailedSaveSaysSoAndExitsWithOne) {
    Folder folder;
    const fs::path target = folder / "missing" / "out.svl";
    const CliRun r = run({"solve", data("savefiles/expected-3x3.svl"), "--save", target.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, std::string(kSolution) + "\tsolved\n");
    EXPECT_EQ(r.err, "Sorry - error writing save file " + target.string() + "\n");
}

TEST(SaveFileCli, GenerateSavesThePuzzleItPrints) {
    Folder folder;
    const CliRun r =
        run({"generate", "--box", "2x3", "--seed", "5", "--save", (folder / "new.svl").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    Loaded loaded(folder / "new.svl");
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.values(true) + "\n", r.out);
    // Right after Generate only the givens are values.
    EXPECT_EQ(loaded.values(), loaded.values(true));
    EXPECT_EQ(loaded.wb->pc().nDim, 6);
    EXPECT_FALSE(loaded.wb->pc().guessingEnabled);
}

}  // namespace
}  // namespace velmora::cli
