// The book verb: the PDF read back as a reader's tool reads it holds exactly the puzzles
// `generate` prints with the same seed, their solutions, every shape, and clear refusals.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "bench.h"
#include "book_pdf_grids.h"
#include "book_verb.h"
#include "cli.h"
#include "verb_runner.h"

namespace velmora::cli {
namespace {

using book::test::readBook;

struct Outcome {
    int status = 0;
    std::string out, err;
};

Outcome cli(const std::vector<std::string>& args, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = runCliWithBook(args, in, out, err, false, bookVerb);
    return {status, out.str(), err.str()};
}

// The lines of a text, or with `delimiter` ' ' its words.
std::vector<std::string> lines(const std::string& text, char delimiter = '\n') {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line, delimiter);)
        result.push_back(line);
    return result;
}

std::vector<std::string> words(const std::string& text) {
    return lines(text, ' ');
}

class BookVerbTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!book::test::havePdfToText()) GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
    }
    std::string file(const std::string& name) const { return folder_ / name; }

    test::TempFolder folder_;
};

// Each shape's book holds the puzzles `generate` prints with the same seed, in order, on the
// pages its per-page limit gives, and their solutions as `solve` finds them.
TEST_F(BookVerbTest, EveryShapeHoldsTheGeneratedPuzzlesAndSolutionsOnTheirPages) {
    for (const BoxShape shape : kBoxShapes) {
        const int n = shape.n();
        const std::string box = std::to_string(shape.rows) + "x" + std::to_string(shape.cols);
        SCOPED_TRACE(box);
        // The most a page takes, and one more to open a second page.
        const int perPage = n <= 9 ? 6 : n <= 12 ? 4 : 2;
        const int solutionsPerPage = n <= 9 ? 12 : n <= 12 ? 6 : 4;
        const int count = perPage + 1;
        const std::string seeded = " --box " + box + " --seed 2 --count " + std::to_string(count);
        const Outcome made =
            cli(words("book --solutions --page letter --out " + file(box + ".pdf") +
                      " --per-page " + std::to_string(perPage) + seeded));
        ASSERT_EQ(made.status, 0) << made.err;
        const Outcome generated = cli(words("generate" + seeded));
        const std::vector<std::string> solved =
            lines(cli({"solve", "--box", box}, generated.out).out);
        const book::BookPlan plan(book::Paper::Letter, shape, count, perPage, true);
        const book::test::PdfText text = readBook(file(box + ".pdf"), plan, n);
        const auto solutionPages =
            static_cast<std::size_t>((count + solutionsPerPage - 1) / solutionsPerPage);
        ASSERT_EQ(text.pageTexts.size(), 2 + solutionPages);
        EXPECT_NEAR(text.pageWidths[0], 612, 1);
        EXPECT_NEAR(text.pageHeights[0], 792, 1);
        const std::vector<std::string> puzzles = lines(generated.out);
        ASSERT_EQ(text.grids.size(), 2 * puzzles.size());
        for (std::size_t k = 0; k < puzzles.size(); ++k) {
            const std::string number = "No. " + std::to_string(k + 1) + " ";
            EXPECT_NE(text.pageTexts[k < std::size_t(perPage) ? 0 : 1].find(number),
                      std::string::npos);
            EXPECT_NE(text.pageTexts[2].find(number), std::string::npos);
            EXPECT_EQ(text.grids[k], puzzles[k]);
            EXPECT_EQ(text.grids[k + puzzles.size()] + "\tsolved", solved.at(k));
        }
    }
}

TEST_F(BookVerbTest, LevelKeepsTheFirstGeneratedPuzzlesOfThatLevel) {
    const std::string pdf = file("medium.pdf");
    const Outcome made = cli(
        words("book --level medium --difficulty 100 --seed 3 --count 2 --page a4 --out " + pdf));
    ASSERT_EQ(made.status, 0) << made.err;
    const std::string generated = cli(words("generate --difficulty 100 --seed 3 --count 60")).out;
    const auto puzzles = lines(generated);
    const auto ratings = lines(cli({"rate"}, generated).out);
    ASSERT_EQ(ratings.size(), puzzles.size());
    std::vector<std::string> medium;
    for (std::size_t i = 0; i < puzzles.size() && medium.size() < 2; ++i)
        if (ratings[i].rfind("medium\t", 0) == 0) medium.push_back(puzzles[i]);
    ASSERT_EQ(medium.size(), 2u) << "too few medium puzzles to compare";
    const book::BookPlan plan(book::Paper::A4, {3, 3}, 2, 4, false);
    EXPECT_EQ(readBook(pdf, plan, 9).grids, medium);
}

// A level that never comes, or a path that cannot be written, stops with status 1 and says why;
// an old file stays as it was.
TEST_F(BookVerbTest, FailuresStopWithStatus1AndLeaveTheFileAlone) {
    const std::string pdf = file("kept.pdf");
    std::ofstream(pdf) << "old";
    const Outcome run = cli(words("book --box 2x2 --level hard --seed 1 --out " + pdf));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("no hard puzzle came in 200 attempts"), std::string::npos) << run.err;
    std::ifstream in(pdf);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old");
    for (const std::string& path : {file("missing/book.pdf"), folder_.path.string()}) {
        const Outcome failed = cli({"book", "--count", "1", "--out", path});
        EXPECT_EQ(failed.status, 1);
        EXPECT_EQ(failed.err.rfind("sudoku-velmora-cli: cannot write " + path + ": ", 0), 0u)
            << failed.err;
    }
}

TEST_F(BookVerbTest, BadOptionsExitWith2AndSayWhy) {
    const std::string pdf = file("bad.pdf");
    const std::pair<std::string, std::string> cases[]{
        {"--box 4x4 --per-page 4", "choose 1 or 2 a page"},
        {"--box 3x4 --per-page 6", "choose 1, 2 or 4"},
        {"--per-page 3", "choose 1, 2, 4 or 6"},
        {"--per-page 30", "too small to write in (at least 7.0 mm)"},
        {"--page b5", "--page wants a4 or letter"},
        {"--level extreme", "--level wants easy, medium or hard"},
        {"--input x.txt --seed 4", "--seed is for new puzzles"},
    };
    for (const auto& [options, message] : cases) {
        const Outcome run = cli(words("book --out " + pdf + " " + options));
        EXPECT_EQ(run.status, 2) << message;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    }
    EXPECT_NE(cli({"book", "--count", "2"}).err.find("book needs --out FILE.pdf"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(BookVerbTest, InputPuzzlesAreTakenAsTheyAreAndAMalformedLineRefusesTheBook) {
    const auto expected = test::loadSamples("singles-2x4.txt");
    std::string input = "# three samples\n";
    for (std::size_t i = 0; i < 3; ++i)
        input += expected[i].puzzle + ' ' + expected[i].solution + '\n';
    const std::string pdf = file("input.pdf");
    const Outcome made = cli(
        words("book --box 2x4 --input - --solutions --page a4 --per-page 2 --out " + pdf), input);
    ASSERT_EQ(made.status, 0) << made.err;
    const book::BookPlan plan(book::Paper::A4, {2, 4}, 3, 2, true);
    const auto grids = readBook(pdf, plan, 8).grids;
    ASSERT_EQ(grids.size(), 6u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(grids[i], expected[i].puzzle);
        EXPECT_EQ(grids[i + 3], expected[i].solution);
    }

    const std::string broken = file("broken.pdf");
    const Outcome refused =
        cli({"book", "--box", "2x4", "--input", "-", "--out", broken}, input + "12345\n");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("Line 5"), std::string::npos) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(broken));
}

TEST(BookVerbWithoutQt, SaysItWasNotBuilt) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runCli({"book", "--out", "x.pdf"}, in, out, err), 2);
    EXPECT_NE(err.str().find("built without Qt"), std::string::npos);
}

}  // namespace
}  // namespace velmora::cli
