// The generate verb: puzzles on standard output, progress only where a terminal is said to be.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"
#include "model/quiet_ports.h"
#include "model/workbench.h"
#include "solving/commands.h"

namespace velmora::cli {
namespace {

struct Outcome {
    int status = 0;
    std::string out;
    std::string err;
};

Outcome generate(const std::vector<std::string>& options, bool terminal = false) {
    std::vector<std::string> args{"generate"};
    args.insert(args.end(), options.begin(), options.end());
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    Outcome run;
    run.status = runCli(args, in, out, err, terminal);
    run.out = out.str();
    run.err = err.str();
    return run;
}

// True when `line` has `length` characters, each of `allowed`.
bool madeOf(const std::string& line, std::size_t length, const std::string& allowed) {
    return line.size() == length && line.find_first_not_of(allowed) == std::string::npos;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

TEST(GenerateVerb, PrintsCountPuzzlesOnePerLine) {
    const Outcome run = generate({"--count", "3", "--seed", "5"});
    EXPECT_EQ(run.status, 0);
    const std::vector<std::string> puzzles = lines(run.out);
    ASSERT_EQ(puzzles.size(), 3u);
    for (const std::string& p : puzzles)
        EXPECT_TRUE(madeOf(p, 81, "123456789.")) << p;
    EXPECT_EQ(run.err, "");
}

TEST(GenerateVerb, SameSeedSameOutputOtherwiseDifferent) {
    const Outcome first = generate({"--count", "2", "--seed", "77", "--box", "2x4"});
    const Outcome again = generate({"--count", "2", "--seed", "77", "--box", "2x4"});
    EXPECT_EQ(first.out, again.out);
    EXPECT_NE(generate({"--count", "2", "--seed", "78", "--box", "2x4"}).out, first.out);
    EXPECT_NE(generate({"--count", "2", "--box", "2x4"}).out,
              generate({"--count", "2", "--box", "2x4"}).out);
}

TEST(GenerateVerb, MadeAsTheGenerateCommandMakesThem) {
    const Outcome run =
        generate({"--seed", "9", "--box", "2x3", "--difficulty", "70", "--without", "hpairs"});
    FixedSettings settings;
    settings.sizeOption = 3;
    settings.difficultyValue = 70;
    settings.hiddenPairs = false;
    Ports ports;
    ports.settings = &settings;
    Workbench wb(ports, 9);
    wb.newPuzzle();
    cbGenerate_Click(wb);
    std::string expected;
    for (int b = 0; b < 36; ++b) {
        const scell& cell = wb.theCells().getcellBigindex(b);
        expected += cell.Sure ? wb.pc().elementChar(cell.Trying) : '.';
    }
    EXPECT_EQ(run.out, expected + "\n");
}

TEST(GenerateVerb, BigBoxesUseLettersAndDifficultyLowersTheGivens) {
    const Outcome easy = generate({"--box", "4x4", "--difficulty", "0", "--seed", "1"});
    const Outcome hard = generate({"--box", "4x4", "--difficulty", "100", "--seed", "1"});
    const std::string cells = "1234567890ABCDEF.";
    ASSERT_EQ(lines(easy.out).size(), 1u);
    ASSERT_EQ(lines(hard.out).size(), 1u);
    ASSERT_TRUE(madeOf(lines(easy.out)[0], 256, cells)) << easy.out;
    ASSERT_TRUE(madeOf(lines(hard.out)[0], 256, cells)) << hard.out;
    auto givens = [](const std::string& line) {
        return std::count_if(line.begin(), line.end(),
                             [](char c) { return c != '.' && c != '\n'; });
    };
    EXPECT_LE(givens(easy.out), 121);
    EXPECT_LE(givens(hard.out), 105);
    EXPECT_LT(givens(hard.out), givens(easy.out));
}

TEST(GenerateVerb, ProgressOnlyForATerminalAndNeverOnStandardOutput) {
    const Outcome quiet = generate({"--seed", "3", "--count", "2"});
    EXPECT_EQ(quiet.err, "");
    const Outcome shown = generate({"--seed", "3", "--count", "2"}, true);
    EXPECT_EQ(shown.out, quiet.out);
    EXPECT_NE(shown.err.find('\r'), std::string::npos);
    EXPECT_EQ(shown.out.find('\r'), std::string::npos);
    // The display is wiped before each puzzle is printed: it ends with a carriage return.
    EXPECT_EQ(shown.err.back(), '\r');
}

TEST(GenerateVerb, RejectsAFileAndUnknownRules) {
    EXPECT_EQ(generate({"puzzles.txt"}).status, 2);
    EXPECT_EQ(generate({"--without", "xwing"}).status, 2);
}

}  // namespace
}  // namespace velmora::cli
