#include "cli.h"

#include <filesystem>
#include <fstream>
#include <iostream>

#include "check_verb.h"
#include "convert_verb.h"
#include "explain_verb.h"
#include "generate_verb.h"
#include "options.h"
#include "oversized_input.h"
#include "solve_verb.h"
#include "velmora_version.h"
#include "verb_runner.h"

namespace velmora::cli {

int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err, bool errIsTerminal) {
    return runCliWithBook(args, in, out, err, errIsTerminal, {});
}

int runCliWithBook(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err, bool errIsTerminal, const VerbRunner& book) {
    const ParseResult parsed = parseOptions(args);
    if (!parsed.error.empty()) {
        err << "sudoku-velmora-cli: " << parsed.error << "\n\n" << usageText();
        return 2;
    }
    const Options& o = parsed.options;
    if (o.help) {
        out << usageText();
        return 0;
    }
    if (o.version) {
        out << "sudoku-velmora-cli " << kProgramVersion << '\n';
        return 0;
    }
    if (o.verb == "generate") return generateVerb(o, out, err, errIsTerminal);
    if (o.verb == "book") {
        if (book) return book(o, in, out, err, errIsTerminal);
        err << "sudoku-velmora-cli: this build writes no puzzle books (it was built without Qt)\n";
        return 2;
    }
    std::ifstream file;
    std::istream* source = &in;
    if (!o.files.empty() && o.files[0] != "-") {
        std::error_code ec;
        if (!std::filesystem::is_directory(o.files[0], ec)) file.open(o.files[0], std::ios::binary);
        if (!file.is_open()) {
            err << "sudoku-velmora-cli: cannot open " << o.files[0] << "\n";
            return 1;
        }
        if (isOversizedFile(o.files[0])) return refuseOversizedInput(o.files[0], file, out, err);
        source = &file;
    }
    if (o.verb == "solve") return solveVerb(o, *source, out, err);
    if (o.verb == "explain") return explainVerb(o, *source, out, err);
    if (o.verb == "rate") return rateVerb(o, *source, out, err);
    if (o.verb == "check") return checkVerb(o, *source, out, err);
    if (o.verb == "check") return checkVerb(o, *source, out, err);
    return convertVerb(o, *source, out, err);
}

}  // namespace velmora::cli
