#include "book_verb.h"

#include <QFile>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "book_generator.h"
#include "gui_session.h"
#include "oversized_input.h"
#include "page_plan.h"
#include "pdf_book_file.h"
#include "puzzle_input.h"
#include "terminal_progress.h"
#include "texts/book_texts.h"

namespace velmora::cli {

namespace {

using book::BookPuzzle;

constexpr const char* kProgram = "sudoku-velmora-cli: ";

Level levelOf(const std::string& code) {
    if (code == "medium") return Level::Medium;
    return code == "hard" ? Level::Hard : Level::Easy;
}

// Puzzle i/N on the progress line while the generator's own texts show what it does.
int generatePuzzles(const Options& o, std::ostream& err, TerminalProgress* progress,
                    std::vector<BookPuzzle>& puzzles) {
    book::BookRequest request;
    request.shape = {o.boxRows, o.boxCols};
    request.difficulty = o.difficulty;
    if (!o.level.empty()) request.level = levelOf(o.level);
    request.rules = ruleSwitchesFor(o);
    request.count = o.count;
    book::BookGenerator generator(request, o.seed ? *o.seed : Random::clockSeed(), progress);
    while (!generator.finished()) {
        const int next = static_cast<int>(generator.puzzles().size()) + 1;
        if (progress) progress->setPrefix(std::to_string(next) + "/" + std::to_string(o.count));
        if (generator.step() == book::BookGenerator::Outcome::GaveUp) {
            if (progress) progress->finish();
            err << kProgram
                << book::bookText(book::BookText::LevelGaveUp, o.language,
                                  {book::levelName(*request.level, o.language),
                                   std::to_string(book::kAttemptsPerPuzzle), std::to_string(next)})
                << '\n';
            return 1;
        }
    }
    puzzles = generator.takePuzzles();
    return 0;
}

// Every puzzle of the input, rated and solved; a malformed line or conflicting givens refuse
// the whole book, which would otherwise print a puzzle nobody can do.
int readPuzzles(const Options& o, std::istream& in, std::ostream& err,
                std::vector<BookPuzzle>& puzzles) {
    std::ostream discard(nullptr);
    std::ifstream file;
    std::istream* source = &in;
    if (o.input != "-") {
        file.open(o.input, std::ios::binary);
        if (!file.is_open()) {
            err << kProgram << "cannot open " << o.input << '\n';
            return 1;
        }
        if (isOversizedFile(o.input)) {
            refuseOversizedInput(o.input, file, discard, err);
            return 1;
        }
        source = &file;
    }
    Options named = o;
    named.files = {o.input};
    bool conflicts = false;
    int number = 0;
    int status = forEachPuzzle(named, *source, discard, err, [&](const InputPuzzle& p) {
        ++number;
        BookPuzzle puzzle =
            book::makeBookPuzzle(p.puzzle.shape, p.puzzle.givens, p.elements, ruleSwitchesFor(o));
        if (puzzle.rating.level == Level::Invalid) {
            err << "puzzle " << number << ": the givens conflict\n";
            conflicts = true;
            return;
        }
        puzzles.push_back(std::move(puzzle));
    });
    if (conflicts) status = 1;
    if (status == 0 && puzzles.empty()) {
        err << kProgram << "no puzzle in " << o.input << '\n';
        status = 1;
    }
    if (status != 0) err << kProgram << "no book written\n";
    return status;
}

}  // namespace

int bookVerb(const Options& o, std::istream& in, std::ostream& out, std::ostream& err,
             bool showProgress) {
    const book::Paper paper = o.paper.empty()       ? book::defaultPaper()
                              : o.paper == "letter" ? book::Paper::Letter
                                                    : book::Paper::A4;
    auto perPageFor = [&](int n) { return o.perPage > 0 ? o.perPage : book::defaultPerPage(n); };
    auto refusePerPage = [&](int n) {
        const std::string problem = book::perPageProblem(n, perPageFor(n), paper, o.language);
        if (!problem.empty()) err << kProgram << problem << '\n';
        return !problem.empty();
    };
    // New puzzles have a known shape: a page count that cannot work is refused before the wait.
    if (o.input.empty() && refusePerPage(o.boxRows * o.boxCols)) return 2;

    const GuiSession gui;
    book::PdfBookFile file(QFile::decodeName(o.out.c_str()));
    if (const std::string error = file.open(o.language); !error.empty()) {
        err << kProgram << error << '\n';
        return 1;
    }
    TerminalProgress progress(err);
    std::vector<BookPuzzle> puzzles;
    const int status = o.input.empty()
                           ? generatePuzzles(o, err, showProgress ? &progress : nullptr, puzzles)
                           : readPuzzles(o, in, err, puzzles);
    if (status != 0) return status;
    const int n = puzzles.front().shape.n();
    if (refusePerPage(n)) return 2;

    book::BookOptions options;
    options.paper = paper;
    options.perPage = perPageFor(n);
    options.solutions = o.solutions;
    options.candidates = o.candidates;
    options.title = o.title;
    options.language = o.language;
    const std::string error = file.write(puzzles, options, [&](int page, int pages) {
        if (showProgress) {
            progress.setPrefix({});
            progress.setPanelText(Panel::Status, o.out);
            progress.setPanelText(Panel::Result, {});
            progress.setPanelText(Panel::Progress,
                                  "page " + std::to_string(page) + "/" + std::to_string(pages));
        }
        return true;
    });
    progress.finish();
    if (!error.empty()) {
        err << kProgram << error << '\n';
        return 1;
    }
    out << o.out << ": " << puzzles.size() << (puzzles.size() == 1 ? " puzzle, " : " puzzles, ")
        << file.pagesWritten() << (file.pagesWritten() == 1 ? " page\n" : " pages\n");
    return 0;
}

}  // namespace velmora::cli
