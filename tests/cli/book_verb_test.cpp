// The book verb: the PDF read back as a reader's tool reads it holds exactly the puzzles
// `generate` prints with the same seed, their solutions, every shape, and clear refusals.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "book_pdf_grids.h"
#include "book_verb.h"
#include "cli.h"
#include "verb_runner.h"

namespace velmora::cli {
namespace {

using book::test::readBook;
namespace fs = std::filesystem;

struct Outcome {
    int status = 0;
    std::string out;
    std::string err;
};

Outcome cli(const std::vector<std::string>& args, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    Outcome run;
    run.status = runCliWithBook(args, in, out, err, false, bookVerb);
    run.out = out.str();
    run.err = err.str();
    return run;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

// A complete grid whose every row, column and box holds N different elements, and which keeps
// the puzzle's givens.
bool solves(const std::string& solution, const std::string& puzzle, BoxShape shape) {
    const int n = shape.n();
    if (solution.size() != static_cast<std::size_t>(n * n)) return false;
    for (std::size_t i = 0; i < puzzle.size(); ++i)
        if (solution[i] == '.' || (puzzle[i] != '.' && puzzle[i] != solution[i])) return false;
    std::set<std::string> seen;
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            const char v = solution[static_cast<std::size_t>(r * n + c)];
            const std::string units[] = {"r" + std::to_string(r), "c" + std::to_string(c),
                                         "b" + std::to_string(shape.boxOf(r, c))};
            for (const std::string& unit : units)
                if (!seen.insert(unit + v).second) return false;
        }
    }
    return true;
}

class BookVerbTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!book::test::havePdfToText()) GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
        dir_ = fs::path(::testing::TempDir()) /
               ("velmora-book-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string file(const std::string& name) const { return (dir_ / name).string(); }

    fs::path dir_;
};

TEST_F(BookVerbTest, SameSeedGivesTheGeneratedPuzzlesAndTheirSolutions) {
    for (const BoxShape shape : {BoxShape{2, 3}, BoxShape{3, 3}, BoxShape{3, 4}}) {
        const std::string box = std::to_string(shape.rows) + "x" + std::to_string(shape.cols);
        SCOPED_TRACE(box);
        const std::string pdf = file("seed-" + box + ".pdf");
        const Outcome made = cli({"book", "--box", box, "--seed", "11", "--count", "5",
                                  "--per-page", "4", "--solutions", "--page", "a4", "--out", pdf});
        ASSERT_EQ(made.status, 0) << made.err;
        const auto generated =
            lines(cli({"generate", "--box", box, "--seed", "11", "--count", "5"}).out);
        const book::BookPlan plan(book::Paper::A4, shape, 5, 4, true);
        const auto grids = readBook(pdf, plan, shape.n()).grids;
        ASSERT_EQ(grids.size(), 10u);
        for (std::size_t i = 0; i < 5; ++i) {
            EXPECT_EQ(grids[i], generated[i]) << "puzzle " << i + 1;
            EXPECT_TRUE(solves(grids[i + 5], generated[i], shape)) << "solution " << i + 1;
        }
    }
}

TEST_F(BookVerbTest, EveryShapeRendersEachPuzzleOnTheExpectedPages) {
    for (const BoxShape shape : kBoxShapes) {
        const int n = shape.n();
        const std::string box = std::to_string(shape.rows) + "x" + std::to_string(shape.cols);
        SCOPED_TRACE(box);
        // The most a page takes, and one more to open a second page.
        const int perPage = n <= 9 ? 6 : n <= 12 ? 4 : 2;
        const int solutionsPerPage = n <= 9 ? 12 : n <= 12 ? 6 : 4;
        const int count = perPage + 1;
        const std::string pdf = file(box + ".pdf");
        const Outcome made = cli({"book", "--box", box, "--seed", "2", "--count",
                                  std::to_string(count), "--per-page", std::to_string(perPage),
                                  "--solutions", "--page", "letter", "--out", pdf});
        ASSERT_EQ(made.status, 0) << made.err;
        const book::BookPlan plan(book::Paper::Letter, shape, count, perPage, true);
        const book::test::PdfText text = readBook(pdf, plan, n);
        const auto solutionPages =
            static_cast<std::size_t>((count + solutionsPerPage - 1) / solutionsPerPage);
        ASSERT_EQ(text.pageTexts.size(), 2 + solutionPages);
        EXPECT_NEAR(text.pageWidths[0], 612, 1);
        EXPECT_NEAR(text.pageHeights[0], 792, 1);
        for (int k = 1; k <= count; ++k) {
            const std::string number = "No. " + std::to_string(k) + " ";
            const std::size_t page = k <= perPage ? 0 : 1;
            EXPECT_NE(text.pageTexts[page].find(number), std::string::npos) << number;
            EXPECT_NE(text.pageTexts[2].find(number), std::string::npos) << number;
        }
        // Every grid came back with givens in it.
        for (const std::string& grid : text.grids)
            EXPECT_NE(grid.find_first_not_of('.'), std::string::npos);
    }
}

TEST_F(BookVerbTest, LevelKeepsTheFirstGeneratedPuzzlesOfThatLevel) {
    const std::string pdf = file("medium.pdf");
    const Outcome made = cli({"book", "--level", "medium", "--difficulty", "100", "--seed", "3",
                              "--count", "2", "--page", "a4", "--out", pdf});
    ASSERT_EQ(made.status, 0) << made.err;
    const auto generated =
        lines(cli({"generate", "--difficulty", "100", "--seed", "3", "--count", "60"}).out);
    std::string all;
    for (const std::string& line : generated)
        all += line + '\n';
    const auto ratings = lines(cli({"rate"}, all).out);
    ASSERT_EQ(ratings.size(), generated.size());
    std::vector<std::string> medium;
    for (std::size_t i = 0; i < generated.size() && medium.size() < 2; ++i)
        if (ratings[i].rfind("medium\t", 0) == 0) medium.push_back(generated[i]);
    ASSERT_EQ(medium.size(), 2u) << "too few medium puzzles to compare";
    const book::BookPlan plan(book::Paper::A4, {3, 3}, 2, 4, false);
    EXPECT_EQ(readBook(pdf, plan, 9).grids, medium);
}

TEST_F(BookVerbTest, ALevelThatNeverComesStopsWithStatus1AndLeavesTheFileAlone) {
    const std::string pdf = file("kept.pdf");
    std::ofstream(pdf) << "old";
    const Outcome run =
        cli({"book", "--box", "2x2", "--level", "hard", "--seed", "1", "--out", pdf});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("no hard puzzle came in 200 attempts"), std::string::npos) << run.err;
    std::ifstream in(pdf);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old");
}

TEST_F(BookVerbTest, AnUnwritablePathIsAClearErrorWithStatus1) {
    for (const std::string& pdf : {file("missing/book.pdf"), dir_.string()}) {
        const Outcome run = cli({"book", "--count", "1", "--out", pdf});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err.rfind("sudoku-velmora-cli: cannot write " + pdf + ": ", 0), 0u)
            << run.err;
    }
}

TEST_F(BookVerbTest, BadOptionsExitWith2AndSayWhy) {
    const std::string pdf = file("bad.pdf");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"--box", "4x4", "--per-page", "4"}, "choose 1 or 2 a page"},
        {{"--box", "3x4", "--per-page", "6"}, "choose 1, 2 or 4"},
        {{"--per-page", "3"}, "choose 1, 2, 4 or 6"},
        {{"--per-page", "30"}, "too small to write in (at least 7.0 mm)"},
        {{"--page", "b5"}, "--page wants a4 or letter"},
        {{"--level", "extreme"}, "--level wants easy, medium or hard"},
        {{"--input", "x.txt", "--seed", "4"}, "--seed is for new puzzles"},
    };
    for (const auto& [options, message] : cases) {
        std::vector<std::string> args{"book", "--out", pdf};
        args.insert(args.end(), options.begin(), options.end());
        const Outcome run = cli(args);
        EXPECT_EQ(run.status, 2) << message;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    }
    EXPECT_NE(cli({"book", "--count", "2"}).err.find("book needs --out FILE.pdf"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(pdf));
}

TEST_F(BookVerbTest, InputPuzzlesAreTakenAsTheyAreAndAMalformedLineRefusesTheBook) {
    std::ifstream samples(std::string(VELMORA_TEST_DATA) + "/singles-2x4.txt");
    std::string input = "# three samples\n";
    std::vector<std::pair<std::string, std::string>> expected;
    for (std::string line; std::getline(samples, line) && expected.size() < 3;) {
        if (line.empty() || line[0] == '#') continue;
        const auto blank = line.find(' ');
        expected.emplace_back(line.substr(0, blank), line.substr(blank + 1));
        input += line + '\n';
    }
    const std::string pdf = file("input.pdf");
    const Outcome made = cli({"book", "--box", "2x4", "--input", "-", "--solutions", "--page", "a4",
                              "--per-page", "2", "--out", pdf},
                             input);
    ASSERT_EQ(made.status, 0) << made.err;
    const book::BookPlan plan(book::Paper::A4, {2, 4}, 3, 2, true);
    const auto grids = readBook(pdf, plan, 8).grids;
    ASSERT_EQ(grids.size(), 6u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(grids[i], expected[i].first);
        EXPECT_EQ(grids[i + 3], expected[i].second);
    }

    const std::string broken = file("broken.pdf");
    const Outcome refused =
        cli({"book", "--box", "2x4", "--input", "-", "--out", broken}, input + "12345\n");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("Line 5"), std::string::npos) << refused.err;
    EXPECT_FALSE(fs::exists(broken));
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
