// Command-line options shared by the verbs.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "formats/puzzle_format.h"
#include "model/quiet_ports.h"
#include "steps/rule_switches.h"

namespace velmora::cli {

// The technique switches --without may name, in the window's order.
inline constexpr std::array<const char*, 7> kRuleNames{"singles", "pairs", "triplets", "quads",
                                                       "more",    "grabs", "hpairs"};

struct Options {
    std::string verb;
    int boxRows = 3;
    int boxCols = 3;
    bool boxGiven = false;  // --box was named
    int sizeOption = 0;
    bool bruteForce = false;
    std::optional<std::uint64_t> seed;
    std::array<bool, 7> ruleOff{};
    int difficulty = 0;
    int count = 1;
    std::string save;  // --save FILE
    std::vector<std::string> files;
    bool help = false;
    bool version = false;
    int language = 0;  // --lang: 0 en, 1 de, 2 fr
    int limit = 2;     // check --limit: solutions counted at most
    bool tsv = false;  // --format tsv
    bool singlesAsGivens = false;
    std::optional<PuzzleFormat> to;  // convert --to; svl is the save file
    bool toSaveFile = false;
    // The book verb's.
    std::string level;        // --level easy|medium|hard; empty for any
    int perPage = 0;          // --per-page; 0 for the shape's default
    bool solutions = false;   // --solutions
    bool candidates = false;  // --candidates
    std::string title;        // --title, UTF-8
    std::string paper;        // --page a4|letter; empty for the locale's
    std::string input;        // --input FILE of puzzles, "-" for standard input
    std::string out;          // --out FILE.pdf
};

struct ParseResult {
    Options options;
    std::string error;  // empty when the command line was understood
};

ParseResult parseOptions(const std::vector<std::string>& args);

// The window settings the options stand for: the box shape and the technique switches.
FixedSettings settingsFor(const Options& options);

// The technique switches of --without as the step finder takes them.
RuleSwitches ruleSwitchesFor(const Options& options);

std::string usageText();

}  // namespace velmora::cli
