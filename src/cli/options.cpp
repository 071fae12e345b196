#include "options.h"

#include <charconv>
#include <set>

#include "model/size_options.h"

namespace velmora::cli {

namespace {

template <typename T>
bool parseNumber(const std::string& text, T& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

std::string parseBox(const std::string& text, Options& o) {
    const auto x = text.find_first_of("xX");
    int rows = 0;
    int cols = 0;
    if (x == std::string::npos || !parseNumber(text.substr(0, x), rows) ||
        !parseNumber(text.substr(x + 1), cols))
        return "--box wants a box shape such as 3x3, not '" + text + "'";
    const int option = sizeOptionForBox(rows, cols);
    if (option < 0)
        return "no puzzle has " + text +
               " boxes; the shapes are 3x3 4x4 2x2 2x3 3x4 2x4 2x5 3x5 2x6 3x6";
    o.boxRows = rows;
    o.boxCols = cols;
    o.boxGiven = true;
    o.sizeOption = option;
    return {};
}

std::string parseRules(const std::string& text, Options& o) {
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto comma = text.find(',', start);
        const std::string name =
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        bool known = false;
        for (std::size_t i = 0; i < kRuleNames.size(); ++i) {
            if (name == kRuleNames[i]) {
                o.ruleOff[i] = true;
                known = true;
            }
        }
        if (!known)
            return "--without: unknown rule '" + name +
                   "' (rules: singles,pairs,triplets,quads,more,grabs,hpairs)";
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return {};
}

const std::set<std::string> kVerbs{"solve", "generate", "convert", "explain",
                                   "rate",  "check",    "book"};

// Verbs that make new puzzles.
bool generates(const std::string& verb) {
    return verb == "generate" || verb == "book";
}

// Verbs that read puzzles and apply the rules to them.
bool readsRules(const std::string& verb) {
    return verb != "convert";
}

// The options only the book verb takes; true when `a` is one of them. `value` takes the option's
// value and sets `error` when there is none.
template <typename Value>
bool parseBookOption(const std::string& a, Value& value, Options& o, std::string& error) {
    std::string v;
    if (a == "--solutions") {
        o.solutions = true;
    } else if (a == "--candidates") {
        o.candidates = true;
    } else if (a == "--level") {
        if (!value(v)) return true;
        if (v != "easy" && v != "medium" && v != "hard")
            error = "--level wants easy, medium or hard, not '" + v + "'";
        o.level = v;
    } else if (a == "--per-page") {
        if (!value(v)) return true;
        if (!parseNumber(v, o.perPage) || o.perPage < 1)
            error = "--per-page wants a positive number, not '" + v + "'";
    } else if (a == "--page") {
        if (!value(v)) return true;
        if (v == "a4" || v == "A4") {
            o.paper = "a4";
        } else if (v == "letter" || v == "Letter") {
            o.paper = "letter";
        } else {
            error = "--page wants a4 or letter, not '" + v + "'";
        }
    } else if (a == "--title") {
        if (!value(v)) return true;
        o.title = v;
    } else if (a == "--input") {
        if (!value(v)) return true;
        o.input = v;
    } else if (a == "--out") {
        if (!value(v)) return true;
        o.out = v;
    } else {
        return false;
    }
    return true;
}

std::string checkBookOptions(const Options& o, const std::set<std::string>& given) {
    if (o.out.empty()) return "book needs --out FILE.pdf";
    if (!o.files.empty()) return "book reads puzzles with --input FILE";
    if (!o.input.empty()) {
        for (const char* option : {"--count", "--difficulty", "--level", "--seed"})
            if (given.count(option))
                return std::string(option) + " is for new puzzles; --input takes the file's";
    }
    return {};
}

}  // namespace

ParseResult parseOptions(const std::vector<std::string>& args) {
    ParseResult r;
    Options& o = r.options;
    if (args.empty()) {
        r.error = "a verb is needed";
        return r;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        o.help = true;
        return r;
    }
    if (args[0] == "--version") {
        o.version = true;
        return r;
    }
    if (!kVerbs.count(args[0])) {
        r.error = "unknown verb '" + args[0] + "'";
        return r;
    }
    o.verb = args[0];
    std::set<std::string> given;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                r.error = a + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        std::string v;
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--brute-force" && o.verb == "solve") {
            o.bruteForce = true;
        } else if (a == "--box") {
            if (!value(v)) return r;
            r.error = parseBox(v, o);
        } else if (a == "--lang" && (o.verb == "explain" || o.verb == "book")) {
            if (!value(v)) return r;
            if (v == "en") {
                o.language = 0;
            } else if (v == "de") {
                o.language = 1;
            } else if (v == "fr") {
                o.language = 2;
            } else {
                r.error = "--lang wants en, de or fr, not '" + v + "'";
            }
        } else if (a == "--format" && o.verb == "explain") {
            if (!value(v)) return r;
            if (v == "tsv" || v == "text") {
                o.tsv = v == "tsv";
            } else {
                r.error = "--format wants text or tsv, not '" + v + "'";
            }
        } else if (a == "--to" && o.verb == "convert") {
            if (!value(v)) return r;
            const std::optional<PuzzleFormat> format = formatFromName(v);
            if (v == "svl") {
                o.toSaveFile = true;
            } else if (format && isWritable(*format)) {
                o.to = format;
            } else {
                r.error = "--to wants line, tagged, grid, bordered, pm, candidates or svl, not '" +
                          v + "'";
            }
        } else if (a == "--singles-as-givens" && o.verb != "generate") {
            o.singlesAsGivens = true;
        } else if (a == "--seed" && (o.verb == "solve" || generates(o.verb))) {
            if (!value(v)) return r;
            std::uint64_t seed = 0;
            if (!parseNumber(v, seed)) r.error = "--seed wants a whole number, not '" + v + "'";
            o.seed = seed;
        } else if (a == "--without" && readsRules(o.verb)) {
            if (!value(v)) return r;
            r.error = parseRules(v, o);
        } else if (a == "--difficulty" && generates(o.verb)) {
            if (!value(v)) return r;
            if (!parseNumber(v, o.difficulty) || o.difficulty < 0 || o.difficulty > 100)
                r.error = "--difficulty wants a number from 0 to 100, not '" + v + "'";
        } else if (a == "--count" && generates(o.verb)) {
            if (!value(v)) return r;
            if (!parseNumber(v, o.count) || o.count < 1)
                r.error = "--count wants a positive number, not '" + v + "'";
        } else if (a == "--save" &&
                   (o.verb == "solve" || o.verb == "generate" || o.verb == "convert")) {
            if (!value(v)) return r;
            o.save = v;
        } else if (a == "--limit" && o.verb == "check") {
            if (!value(v)) return r;
            if (!parseNumber(v, o.limit) || o.limit < 2)
                r.error = "--limit wants a whole number of 2 or more, not '" + v + "'";
        } else if (a == "--level" && o.verb == "generate") {
            if (!value(v)) return r;
            if (v != "easy" && v != "medium" && v != "hard")
                r.error = "--level wants easy, medium or hard, not '" + v + "'";
            o.level = v;
        } else if (o.verb == "book" && parseBookOption(a, value, o, r.error)) {
            if (!r.error.empty()) return r;
        } else if (a.size() > 1 && a[0] == '-') {
            r.error = "unknown option '" + a + "' for " + o.verb;
        } else {
            o.files.push_back(a);
        }
        if (!r.error.empty()) return r;
        given.insert(a);
    }
    if (o.verb == "book") {
        r.error = checkBookOptions(o, given);
        return r;
    }
    if (o.files.size() > 1) r.error = "one file at most";
    if (o.verb == "generate" && !o.files.empty()) r.error = "generate reads no file";
    return r;
}

FixedSettings settingsFor(const Options& options) {
    FixedSettings s;
    s.sizeOption = options.sizeOption;
    for (std::size_t k = 0; k < 5; ++k)
        s.subsets[k] = !options.ruleOff[k];
    s.grabs = !options.ruleOff[5];
    s.hiddenPairs = !options.ruleOff[6];
    s.brute = options.bruteForce;
    s.difficultyValue = options.difficulty;
    return s;
}

RuleSwitches ruleSwitchesFor(const Options& options) {
    RuleSwitches s;
    s.singles = !options.ruleOff[0];
    s.pairs = !options.ruleOff[1];
    s.triplets = !options.ruleOff[2];
    s.quads = !options.ruleOff[3];
    s.more = !options.ruleOff[4];
    s.grabs = !options.ruleOff[5];
    s.hiddenPairs = !options.ruleOff[6];
    return s;
}

std::string usageText() {
    return "usage:\n"
           "  sudoku-velmora-cli solve [--box RxC] [--brute-force] [--seed S] [--without RULES]\n"
           "                           [--save OUT.svl] [FILE]\n"
           "  sudoku-velmora-cli generate [--box RxC] [--difficulty 0..100] [--count N] [--seed "
           "S]\n"
           "                              [--level easy|medium|hard] [--without RULES]\n"
           "                              [--save OUT.svl]\n"
           "  sudoku-velmora-cli explain [--box RxC] [--without RULES] [--lang en|de|fr]\n"
           "                             [--format text|tsv] [FILE]\n"
           "  sudoku-velmora-cli rate [--box RxC] [--without RULES] [FILE]\n"
           "  sudoku-velmora-cli check [--box RxC] [--limit K] [FILE]\n"
           "  sudoku-velmora-cli book [--box RxC] [--difficulty 0..100]\n"
           "                          [--level easy|medium|hard] [--count N] [--per-page K]\n"
           "                          [--solutions] [--candidates] [--seed S] [--title TEXT]\n"
           "                          [--page a4|letter] [--lang en|de|fr] [--without RULES]\n"
           "                          [--input FILE] --out FILE.pdf\n"

           "  sudoku-velmora-cli convert [--to line|tagged|grid|bordered|pm|candidates|svl]\n"
           "                             [--box RxC] [--singles-as-givens] [--save OUT] [FILE]\n"
           "  sudoku-velmora-cli --help | --version\n"
           "\n"
           "Every verb reads puzzles in any of these forms, recognised by their content: one per\n"
           "line as N*N characters row by row (each an element character, the first N of\n"
           "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ, lower case accepted, or '.', '-', '*', '_' or\n"
           "'0' where 0 is no element for an empty cell), tagged lines (3x4: and the line),\n"
           "candidate lines (N*N*N characters), plain, bordered (.ss), .sdk and pencil-mark "
           "grids,\n"
           "or a save file (.svl). The box shape follows from the size; a 12x12 that does not say\n"
           "its boxes takes --box (3x4 or 2x6). Blank lines and lines starting with '#' are\n"
           "skipped. solve reads FILE or standard input\n"
           "and prints each grid as the solver left it, a tab and one word: solved, unsolvable,\n"
           "undecided, gave-up (the search reached its call limit) or invalid (conflicting "
           "givens).\n"
           "generate prints N new puzzles (default 1) in the same format, made as the window's\n"
           "Generate makes them (difficulty default 0); with --seed S the output repeats from run\n"
           "to run. Progress shows on standard error when it is a terminal.\n"
           "RULES is a comma list of singles,pairs,triplets,quads,more,grabs,hpairs to switch "
           "off.\n"
           "A save file (.svl, recognised by its content) is solved as the window loads and "
           "solves\n"
           "it; --save OUT.svl writes the outcome (of the first puzzle) as a save file, and for\n"
           "generate the first puzzle as the window saves it right after Generate. convert\n"
           "writes the puzzles in the format --to names (svl: the first puzzle as a save file);\n"
           "without --to a save file becomes one line and other input a save file (--save).\n"
           "--save writes to a file instead of standard output. A save file that cannot be\n"
           "loaded prints error, its message on standard error, and gives exit status 1.\n"
           "explain prints each puzzle's path from its givens with the program's own rules, a\n"
           "sentence a step (--format tsv: STEP, TECHNIQUE, PLACEMENTS, ELIMINATIONS and TEXT\n"
           "separated by tabs, then RESULT and solved, stuck or invalid), a blank line after\n"
           "each puzzle. rate prints LEVEL, SCORE, HARDEST technique and STEPS of that path.\n"
           "check prints VERDICT (unique, multiple, none, invalid), COUNT of solutions (K+ at the\n"
           "limit, default 2), the first SOLUTION or -, and for none the likely TYPOS\n"
           "(r<row>c<col>, =<element> where one value gives one solution) or -, tab-separated.\n"
           "book writes a puzzle book as a PDF: the puzzles `generate` prints with the same\n"
           "options and seed (or those of --input FILE), K a page with number, shape and rating,\n"
           "then with --solutions their solutions, smaller. --level keeps generating until a\n"
           "puzzle of that level comes, at most 200 tries a puzzle. K: 1, 2, 4 or 6 up to 9x9,\n"
           "1, 2 or 4 up to 12x12, 1 or 2 above. The paper defaults to the locale's.\n"
           "Exit status: 0 done, 1 a malformed line or save file, or a failed save, 2 bad "
           "options.\n";
}

}  // namespace velmora::cli
