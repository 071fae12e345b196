// Inputs far larger than any puzzle: a file over 1 MiB is refused before it is read, and an
// over-long line is refused without being buffered, on standard input too.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "cli.h"
#include "generated_text.h"
#include "line_reader.h"
#include "oversized_input.h"

namespace velmora::cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kPuzzle =
    ".9....6.736...4.8...7......2....3....83....4..4.68.5..8...5........3.72.5....24..";
constexpr const char* kSolution =
    "498321657365974281127568394256143879783295146941687532872456913614839725539712468";

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun run(const std::vector<std::string>& args, std::istream& in) {
    std::ostringstream out, err;
    const int status = runCli(args, in, out, err);
    return {status, out.str(), err.str()};
}

CliRun run(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    return run(args, in);
}

class Folder {
  public:
    Folder() {
        path_ = fs::temp_directory_path() /
                ("velmora-limits-" + std::to_string(std::random_device{}()) + "-" +
                 std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::create_directories(path_);
    }
    ~Folder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

  private:
    fs::path path_;
};

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

const std::string kTooLong = "the line is longer than 8192 characters";

TEST(InputLimits, AnOverLongLineIsAnErrorAndTheRunGoesOn) {
    const CliRun r = run({"solve"}, std::string(100000, '1') + "\n" + kPuzzle + "\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "error\n" + std::string(kSolution) + "\tsolved\n");
    EXPECT_EQ(r.err, "line 1: " + kTooLong + "\n");
}

TEST(InputLimits, AHugeLineOnStandardInputIsSkippedUnbuffered) {
    // 64 MiB without a line feed, as a pipe might deliver; the reader never holds it.
    test::GeneratedText text(64 * 1024 * 1024, '.', "\n\n" + std::string(kPuzzle) + "\n");
    std::istream in(&text);
    const CliRun r = run({"solve"}, in);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "error\n" + std::string(kSolution) + "\tsolved\n");
    EXPECT_EQ(r.err, "line 1: " + kTooLong + "\n");
}

TEST(InputLimits, ALineOfExactlyTheLimitIsReadAsAPuzzleLine) {
    const CliRun r = run({"solve"}, std::string(kMaxInputLineLength, '1') + "\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "line 1: expected 81 characters, found 8192\n");
    EXPECT_EQ(run({"solve"}, std::string(kMaxInputLineLength + 1, '1') + "\n").err,
              "line 1: " + kTooLong + "\n");
}

TEST(InputLimits, AnOverLongLineAfterCommentsIsNumberedRight) {
    const CliRun r =
        run({"solve"}, "# list\n\n" + std::string(kPuzzle) + "\n" + std::string(9000, '#') + "\n");
    EXPECT_EQ(r.out, std::string(kSolution) + "\tsolved\nerror\n");
    EXPECT_EQ(r.err, "line 4: " + kTooLong + "\n");
}

TEST(InputLimits, ConvertRefusesAnOverLongFirstPuzzle) {
    Folder folder;
    const CliRun r = run({"convert", "--save", folder / "out.svl"},
                         "# one puzzle\n" + std::string(20000, '.') + "\n" + kPuzzle + "\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "error\n");
    EXPECT_EQ(r.err, "line 2: " + kTooLong + "\n");
    EXPECT_FALSE(fs::exists(folder / "out.svl"));
}

TEST(InputLimits, ASaveFileWithAnOverLongFirstLineIsRefusedAsTheWindowRefusesIt) {
    // A save file's comment line, far too long.
    const CliRun r = run({"solve"}, "!," + std::string(9000, 'z') + "\r\n+,pSaveVersion,1\r\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "error\n");
    EXPECT_NE(r.err.find("Line 1: the line is longer than 8192 characters"), std::string::npos)
        << r.err;
}

TEST(InputLimits, APuzzleFileOverOneMebibyteIsRefusedUnread) {
    Folder folder;
    std::string list;
    while (list.size() <= kMaxInputFileBytes)
        list += std::string(kPuzzle) + "\n";
    writeBytes(folder / "big.txt", list);
    const CliRun r = run({"solve", folder / "big.txt"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(
        r.err.rfind("sudoku-velmora-cli: " + folder / "big.txt" + " is larger than 1024 KiB", 0),
        0u)
        << r.err;

    // At the limit it is read.
    std::string atLimit = std::string(kPuzzle) + "\n";
    const std::string comment = "# " + std::string(97, '-') + "\n";
    while (atLimit.size() + comment.size() <= kMaxInputFileBytes)
        atLimit += comment;
    atLimit += "#" + std::string(kMaxInputFileBytes - atLimit.size() - 2, '-') + "\n";
    ASSERT_EQ(atLimit.size(), kMaxInputFileBytes);
    writeBytes(folder / "limit.txt", atLimit);
    const CliRun limit = run({"solve", folder / "limit.txt"});
    EXPECT_EQ(limit.status, 0) << limit.err;
    EXPECT_EQ(limit.out, std::string(kSolution) + "\tsolved\n");
}

TEST(InputLimits, AFileOfAGibibyteIsRefusedAtOnce) {
    Folder folder;
    // Sparse where the file system allows: nothing is written, and reading it would take long.
    { std::ofstream(folder / "huge.txt", std::ios::binary) << kPuzzle << "\n"; }
    fs::resize_file(folder / "huge.txt", std::uintmax_t{1} << 30);
    const CliRun r = run({"solve", folder / "huge.txt"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("is larger than 1024 KiB"), std::string::npos) << r.err;
    EXPECT_EQ(run({"convert", folder / "huge.txt"}).status, 1);
}

TEST(InputLimits, ASaveFileOverOneMebibyteGetsTheWindowsMessage) {
    Folder folder;
    std::string bytes = readBytes(std::string(VELMORA_TEST_DATA) + "/savefiles/expected-3x3.svl");
    while (bytes.size() <= kMaxInputFileBytes)
        bytes += "!," + std::string(1000, 'c') + "\r\n";
    writeBytes(folder / "big.svl", bytes);
    for (const std::string verb : {"solve", "convert"}) {
        const CliRun r = run({verb, folder / "big.svl"});
        EXPECT_EQ(r.status, 1) << verb;
        EXPECT_EQ(r.out, "error\n") << verb;
        EXPECT_EQ(r.err, "Sorry - " + folder / "big.svl" +
                             " is larger than 1024 KiB, too large for a save file\n")
            << verb;
    }
}

TEST(InputLimits, AFolderCannotBeOpened) {
    Folder folder;
    fs::create_directory(folder / "dir");
    const CliRun r = run({"solve", folder / "dir"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "sudoku-velmora-cli: cannot open " + folder / "dir" + "\n");
}

}  // namespace
}  // namespace velmora::cli
