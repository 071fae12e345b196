// The command line as tables of runs: arguments, standard input, exit status, standard output
// (exact, or a matcher) and a part of standard error; then the runs that need files.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <sstream>

#include "bench.h"
#include "cli.h"
#include "commands/commands.h"
#include "line_reader.h"

namespace velmora::test {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;

struct Outcome {
    int status = 0;
    std::string out, err;
};

// Runs the command line on string streams; `terminal` says standard error is a terminal.
Outcome run(const std::vector<std::string>& args, const std::string& input = "",
            bool terminal = false) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = cli::runCli(args, in, out, err, terminal);
    return {status, out.str(), err.str()};
}

struct Case {
    std::vector<std::string> args;
    std::string input;
    int status;
    ::testing::Matcher<const std::string&> out;
    std::string err = "";  // a part of standard error
};

void check(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        const Outcome r = run(c.args, c.input);
        SCOPED_TRACE(::testing::PrintToString(c.args) + " " + c.input.substr(0, 90));
        EXPECT_EQ(r.status, c.status);
        EXPECT_THAT(r.out, c.out);
        EXPECT_THAT(r.err, HasSubstr(c.err));
    }
}

// The puzzles of sample files, one per line, and their solutions with the outcome word.
std::pair<std::string, std::string> puzzlesAndSolved(const std::string& file) {
    std::string puzzles, solved;
    for (const SamplePuzzle& s : loadSamples(file)) {
        puzzles += s.puzzle + "\n";
        solved += s.solution + "\tsolved\n";
    }
    return {puzzles, solved};
}

const SamplePuzzle kOne = loadSamples("singles-3x3.txt").at(0);
const std::string kPuzzle = kOne.puzzle + "\n";
const std::string kSolved = kOne.solution + "\tsolved\n";
const std::string kSaved = readBytes(testData("savefiles/expected-3x3.svl"));
const std::string kTooLong = "the line is longer than 8192 characters";

TEST(SolveVerb, OutcomesOfEveryKind) {
    std::vector<Case> cases;
    for (const BoxShape shape : kBoxShapes) {
        const auto [puzzles, solved] = puzzlesAndSolved("singles-" + shapeName(shape) + ".txt");
        cases.push_back({{"solve", "--box", shapeName(shape), "--seed", "1"}, puzzles, 0, solved});
    }
    const auto [guessing, guessed] = puzzlesAndSolved("guessing-3x3.txt");
    const auto [logic, logical] = puzzlesAndSolved("logic-3x3.txt");
    std::string zeros = kOne.puzzle, lower = loadSamples("singles-4x4.txt").at(0).puzzle;
    std::replace(zeros.begin(), zeros.end(), '.', '0');
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::string sixteen = loadSamples("singles-4x4.txt").at(0).solution + "\tsolved\n";
    const std::string none =
        "12345678." + std::string(36, '.') + "........9" + std::string(27, '.') + "\n";
    const std::string twice = "5.......5" + std::string(72, '.') + "\n";
    const std::string trap = "........1" + std::string(45, '.') + "1......23...1..4.5......67.\n";
    const auto unsolvable = EndsWith("\tunsolvable\n");
    const std::string rules = "grabs,pairs,triplets,quads,more,hpairs";
    cases.insert(
        cases.end(),
        {
            {{"solve"}, guessing, 0, MatchesRegex("([1-9.]{81}\tundecided\n)+")},
            {{"solve", "--brute-force", "--seed", "9"}, guessing, 0, guessed},
            {{"solve"}, logic, 0, logical},
            {{"solve", "--without", rules}, logic, 0, HasSubstr("undecided")},
            {{"solve"}, "# a comment\n\n" + zeros + "\r\n", 0, kSolved},
            {{"solve", "--box", "4x4"}, lower + "\n", 0, sixteen},
            {{"solve"}, "123\n" + kPuzzle, 1, "error\n" + kSolved, "Line 1: a grid row of 3 cells"},
            {{"solve"},
             kOne.puzzle.substr(0, 80) + "A\n",
             1,
             "error\n",
             "character 'A' at position 81"},
            {{"solve"}, twice, 0, twice.substr(0, 81) + "\tinvalid\n"},
            {{"solve"}, none, 0, unsolvable},
            {{"solve", "--brute-force"}, none, 0, unsolvable},
            {{"solve", "--box", "2x2", "--brute-force"}, "...1....1..2..3.\n", 0, unsolvable},
            {{"solve", "--brute-force", "--seed", "2"}, trap, 0, EndsWith("\tgave-up\n")},
            {{"solve"}, kSaved, 0, EndsWith("\tsolved\n")},
            // Lines far longer than any puzzle are refused, and the run goes on.
            {{"solve"},
             std::string(16 << 20, '1') + "\n" + kPuzzle,
             1,
             "error\n" + kSolved,
             "line 1: " + kTooLong},
            {{"solve"},
             "#\n\n" + kPuzzle + std::string(9000, '#'),
             1,
             kSolved + "error\n",
             "line 4: " + kTooLong},
            {{"solve"}, std::string(8192, '1'), 1, "error\n", "a puzzle line of 8192 characters"},
        });
    check(cases);
    std::istringstream huge(std::string(16 << 20, '.') + "\nok");
    cli::LineReader lines(huge);
    std::string line;
    EXPECT_EQ(lines.next(line), cli::LineReader::Status::TooLong);
    EXPECT_LE(line.capacity(), 4 * cli::kMaxInputLineLength) << "held no more than a part";
}

TEST(Options, BadOnesExitWithTwoAndTheUsage) {
    std::vector<Case> cases{
        {{"--help"}, "", 0, HasSubstr("sudoku-velmora-cli generate")},
        {{"--version"}, "", 0, MatchesRegex("sudoku-velmora-cli [0-9].*\n")},
        {{"generate", "puzzles.txt"}, "", 2, "", "generate reads no file"},
        {{"generate", "--without", "xwing"}, "", 2, "", "unknown rule 'xwing'"},
        {{"convert"}, kPuzzle, 2, "", "--save OUT.svl"},
    };
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"solve", "--box", "5x5"},
                                               {"solve", "--frobnicate"},
                                               {"solve", "--seed", "x"},
                                               {"dance"},
                                               {}})
        cases.push_back({args, "", 2, "", "usage:"});
    check(cases);
}

TEST(GenerateVerb, PrintsPuzzlesAsTheGenerateCommandMakesThemRepeatablyBySeed) {
    const Outcome three = run({"generate", "--count", "3", "--seed", "5"});
    EXPECT_THAT(three.out, MatchesRegex("([1-9.]{81}\n){3}"));
    EXPECT_EQ(three.err, "");
    EXPECT_EQ(run({"generate", "--count", "3", "--seed", "5"}).out, three.out);
    EXPECT_NE(run({"generate", "--count", "3", "--seed", "6"}).out, three.out);
    const Outcome shown = run({"generate", "--count", "3", "--seed", "5"}, "", true);
    EXPECT_EQ(shown.out, three.out);
    EXPECT_THAT(shown.err, EndsWith("\r"));  // the progress line, wiped
    EXPECT_THAT(run({"generate", "--box", "4x4"}).out, MatchesRegex("[0-9A-F.]{256}\n"));
    Bench bench(2, 3, 9);
    bench.settings.difficultyValue = 70;
    bench.settings.hiddenPairs = false;
    cbGenerate_Click(*bench.wb);
    EXPECT_EQ(run({"generate", "--seed", "9", "--box", "2x3", "--difficulty", "70", "--without",
                   "hpairs"})
                  .out,
              bench.gridText() + "\n");
}

TEST(SaveFiles, AreReadWrittenAndRefusedAsTheWindowDoes) {
    TempFolder dir;
    const std::string given = testData("savefiles/expected-3x3.svl");
    const std::string damaged = testData("savefiles/damaged/cell-bigindex-too-big.svl");
    const std::string twelve = loadSamples("singles-3x4.txt").at(0).puzzle + "\n";
    const std::string guess = loadSamples("guessing-3x3.txt").at(0).puzzle + "\n";
    writeBytes(dir / "twelve.txt", "# 3x4\n\n" + twelve);
    writeBytes(dir / "guess.txt", guess);
    std::string version = kSaved, big = kSaved;
    version.replace(version.find("pSaveVersion,1"), 14, "pSaveVersion,2");
    while (big.size() <= (1 << 20))
        big += "!," + std::string(4000, 'z') + "\r\n";
    const std::string badLine = "\nLine 98: cell 81 is outside the grid";
    const std::string failed = "Sorry - error writing save file " + dir / "no/o.svl";
    check({
        {{"solve", given, "--save", dir / "solved.svl"}, "", 0, EndsWith("\tsolved\n")},
        {{"convert", dir / "solved.svl"}, "", 0, run({"convert", given}).out},
        {{"convert", "--box", "3x4", dir / "twelve.txt", "--save", dir / "t.svl"}, "", 0, ""},
        {{"convert", dir / "t.svl"}, "", 0, "3x4:" + twelve},  // a 12x12 says its boxes
        {{"convert", dir / "guess.txt", "--save", dir / "guess.svl"}, "", 0, ""},
        {{"solve", dir / "guess.svl"}, "", 0, EndsWith("\tundecided\n")},
        {{"solve", "--brute-force", dir / "guess.svl"}, "", 0, EndsWith("\tsolved\n")},
        {{"solve", given, "--save", dir / "no/o.svl"}, "", 1, EndsWith("\tsolved\n"), failed},
        {{"solve", damaged, "--save", dir / "out.svl"}, "", 1, "error\n", damaged + badLine},
        {{"convert", damaged}, "", 1, "error\n", "Sorry - cannot load save file " + damaged},
        {{"solve"}, version, 1, "error\n", "This save file is not compatible with this version"},
        {{"solve"}, big, 1, "error\n", "too large for a save file"},
        {{"solve"}, "!," + std::string(9000, 'z') + "\r\n", 1, "error\n", "Line 1: " + kTooLong},
        {{"solve", dir.path.string()}, "", 1, "", "cannot open " + dir.path.string()},
    });
    EXPECT_FALSE(std::filesystem::exists(dir / "out.svl"));
    EXPECT_THAT(readBytes(dir / "solved.svl"), HasSubstr("=, 1,2,1,0,1,"));  // still the user's
    EXPECT_THAT(readBytes(dir / "t.svl"), HasSubstr("-,Experimental,0\r\n-,guessingEnabled,0"));
    std::string brute = readBytes(dir / "guess.svl");  // the file's brute force is the box's
    brute.replace(brute.find("-,guessingEnabled,0"), 19, "-,guessingEnabled,1");
    EXPECT_THAT(run({"solve"}, brute).out, EndsWith("\tsolved\n"));
    const Outcome made = run({"generate", "--box", "2x3", "--save", dir / "new.svl"});
    EXPECT_EQ(run({"convert", dir / "new.svl"}).out, made.out);
    std::ofstream(dir / "huge.txt") << kPuzzle;  // sparse where the file system allows
    std::filesystem::resize_file(dir / "huge.txt", std::uintmax_t{1} << 30);
    for (const std::string verb : {"solve", "convert"})
        EXPECT_THAT(run({verb, dir / "huge.txt"}).err,
                    HasSubstr(dir / "huge.txt" + " is larger than 1024 KiB"));
}

TEST(ReadingVerbs, ExplainRateCheckAndConvertReadEveryFormat) {
    const SamplePuzzle guessing = loadSamples("guessing-3x3.txt").at(0);
    const SamplePuzzle twelve = loadSamples("singles-3x4.txt").at(0);
    std::string typo = guessing.puzzle;
    typo[5] = '9';  // r1c6 is 8: no solution
    const std::string bordered = run({"convert", "--to", "bordered"}, kPuzzle).out;
    const std::string pm = run({"convert", "--to", "pm"}, kPuzzle).out;
    const std::string clash = "5.......5" + std::string(72, '.') + "\n";
    check({
        {{"solve"}, bordered, 0, kSolved},
        {{"solve"}, pm, 0, kSolved},
        {{"solve"}, "3x4:" + twelve.puzzle + "\n", 0, twelve.solution + "\tsolved\n"},
        {{"solve"}, twelve.puzzle + "\n", 1, "error\n", "3x4 or 2x6"},
        {{"solve", "--box", "3x4"}, twelve.puzzle + "\n", 0, twelve.solution + "\tsolved\n"},
        {{"check"}, guessing.puzzle + "\n", 0, "unique\t1\t" + guessing.solution + "\t-\n"},
        {{"check", "--limit", "5"},
         std::string(81, '.'),
         0,
         MatchesRegex("multiple\t5\\+\t.*\t-\n")},
        {{"check"}, typo + "\n", 0, MatchesRegex("none\t0\t-\t.*r1c6=8.*\n")},
        {{"check"}, clash, 0, "invalid\t0\t-\t-\n"},
        {{"check", "--limit", "1"}, kPuzzle, 2, "", "--limit wants"},
        {{"rate"}, kPuzzle, 0, MatchesRegex("easy\t[0-9]+\t(naked|hidden)-single\t[0-9]+\n")},
        {{"rate"}, guessing.puzzle + "\n", 0, MatchesRegex("beyond\t[0-9]+\t.*\n")},
        {{"explain", "--format", "tsv"}, kPuzzle, 0, EndsWith("RESULT\tsolved\n\n")},
        {{"explain", "--format", "tsv"}, clash, 0, "RESULT\tinvalid\n\n"},
        {{"explain", "--lang", "de"}, guessing.puzzle + "\n", 0, HasSubstr("Raten")},
        {{"explain", "--lang", "xx"}, kPuzzle, 2, "", "--lang wants en, de or fr"},
        {{"convert", "--to", "tagged"}, twelve.puzzle + "\n", 1, "error\n", "3x4 or 2x6"},
        {{"convert", "--to", "nonsense"}, kPuzzle, 2, "", "--to wants"},
    });
    // Each writable format read back gives the same puzzle (a candidate line's single
    // candidates are givens only when asked).
    for (const char* format : {"line", "tagged", "grid", "bordered", "pm"})
        EXPECT_EQ(run({"solve"}, run({"convert", "--to", format}, kPuzzle).out).out, kSolved)
            << format;
    EXPECT_EQ(
        run({"solve", "--singles-as-givens"}, run({"convert", "--to", "candidates"}, kPuzzle).out)
            .out,
        kSolved);
    // --level keeps generating until the level comes.
    const Outcome medium =
        run({"generate", "--level", "medium", "--difficulty", "100", "--seed", "4"});
    EXPECT_THAT(run({"rate"}, medium.out).out, ::testing::StartsWith("medium\t"));
    EXPECT_EQ(run({"generate", "--box", "2x2", "--level", "hard", "--seed", "1"}).status, 1);
}

}  // namespace
}  // namespace velmora::test
