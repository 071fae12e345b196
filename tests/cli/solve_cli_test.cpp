// sudoku-velmora-cli solve: formats, outcome words, malformed lines and exit codes.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli.h"

namespace velmora::cli {
namespace {

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

std::vector<std::pair<std::string, std::string>> samples(const std::string& file) {
    std::ifstream in(std::string(VELMORA_TEST_DATA) + "/" + file);
    std::vector<std::pair<std::string, std::string>> result;
    std::string puzzle, solution;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream(line) >> puzzle >> solution;
        result.emplace_back(puzzle, solution);
    }
    return result;
}

TEST(SolveCli, SolvesEveryBoxShapeByLogic) {
    for (const std::string shape :
         {"2x2", "2x3", "2x4", "2x5", "2x6", "3x3", "3x4", "3x5", "3x6", "4x4"}) {
        std::string input, expected;
        for (const auto& [puzzle, solution] : samples("singles-" + shape + ".txt")) {
            input += puzzle + "\n";
            expected += solution + "\tsolved\n";
        }
        const CliRun r = run({"solve", "--box", shape, "--seed", "1"}, input);
        EXPECT_EQ(r.status, 0) << shape;
        EXPECT_EQ(r.out, expected) << shape;
    }
}

TEST(SolveCli, GuessingPuzzlesAreUndecidedUnlessBruteForceIsOn) {
    std::string input, expected;
    for (const auto& [puzzle, solution] : samples("guessing-3x3.txt")) {
        input += puzzle + "\n";
        expected += solution + "\tsolved\n";
    }
    const CliRun logic = run({"solve"}, input);
    EXPECT_EQ(logic.status, 0);
    std::istringstream lines(logic.out);
    std::string line;
    while (std::getline(lines, line))
        EXPECT_TRUE(line.ends_with("\tundecided")) << line;
    EXPECT_EQ(run({"solve", "--brute-force", "--seed", "9"}, input).out, expected);
}

TEST(SolveCli, ReadsTheCommonVariantsOfTheFormat) {
    const auto [puzzle, solution] = samples("singles-3x3.txt").at(0);
    std::string zeros = puzzle, lower = samples("singles-4x4.txt").at(0).first;
    for (char& c : zeros)
        if (c == '.') c = '0';
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const CliRun r = run({"solve"}, "# a comment\n\n" + zeros + "\r\n");
    EXPECT_EQ(r.out, solution + "\tsolved\n");
    EXPECT_EQ(run({"solve", "--box", "4x4"}, lower + "\n").out,
              samples("singles-4x4.txt").at(0).second + "\tsolved\n");
}

TEST(SolveCli, MalformedLinesAreReportedAndTheRunGoesOn) {
    const auto [puzzle, solution] = samples("singles-3x3.txt").at(0);
    const CliRun r = run({"solve"}, "123\n" + puzzle + "\n" + puzzle.substr(0, 80) + "A\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "error\n" + solution + "\tsolved\nerror\n");
    EXPECT_NE(r.err.find("line 1"), std::string::npos);
    EXPECT_NE(r.err.find("line 3"), std::string::npos);
    EXPECT_NE(r.err.find("'A'"), std::string::npos);
}

TEST(SolveCli, ConflictingGivensAreInvalid) {
    std::string puzzle(81, '.');
    puzzle[0] = '5';
    puzzle[8] = '5';
    EXPECT_EQ(run({"solve"}, puzzle + "\n").out, puzzle + "\tinvalid\n");
}

TEST(SolveCli, ProvenlyUnsolvableAndGivingUp) {
    EXPECT_TRUE(run({"solve", "--box", "2x2", "--brute-force"}, "...1....1..2..3.\n")
                    .out.ends_with("\tunsolvable\n"));
    const std::string trap = "........1" + std::string(45, '.') + "1......23...1..4.5......67.";
    const CliRun r = run({"solve", "--brute-force", "--seed", "2"}, trap + "\n");
    EXPECT_TRUE(r.out.ends_with("\tgave-up\n")) << r.out;
}

TEST(SolveCli, BadOptionsExitWithUsage) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"solve", "--box", "5x5"},
                                               {"solve", "--frobnicate"},
                                               {"solve", "--seed", "x"},
                                               {"solve", "--without", "everything"},
                                               {"dance"},
                                               {}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("usage:"), std::string::npos);
    }
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("solve"), std::string::npos);
}

TEST(SolveCli, RulesSwitchedOffLeaveLogicStuck) {
    std::string input;
    for (const auto& sample : samples("logic-3x3.txt"))
        input += sample.first + "\n";
    const CliRun all = run({"solve"}, input);
    const CliRun fewer =
        run({"solve", "--without", "grabs,pairs,triplets,quads,more,hpairs"}, input);
    EXPECT_EQ(all.out.find("undecided"), std::string::npos);
    EXPECT_NE(fewer.out.find("undecided"), std::string::npos);
}

}  // namespace
}  // namespace velmora::cli
