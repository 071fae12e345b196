#include "savefile/save_text_reader.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/latin1.h"
#include "model/scell.h"
#include "model/size_options.h"

namespace velmora {

namespace {

constexpr std::size_t kShownLength = 80;

std::string_view trim(std::string_view s, std::string_view blanks) {
    const auto first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

// A whole number, optionally signed, with blanks around it (the padded form has one in front).
std::optional<long long> wholeNumber(std::string_view text) {
    text = trim(text, " \t");
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

// The whole-number part of a number that may carry a decimal fraction ("3" or "3.0").
std::optional<long long> wholePart(std::string_view text) {
    text = trim(text, " \t");
    const auto dot = text.find('.');
    if (dot == std::string_view::npos) return wholeNumber(text);
    const std::string_view fraction = text.substr(dot + 1);
    if (fraction.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    const std::string_view whole = text.substr(0, dot);
    if (whole.empty() || whole == "-" || whole == "+")
        return fraction.empty() ? std::nullopt : std::optional(0LL);
    return wholeNumber(whole);
}

std::string lowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const auto comma = line.find(',', start);
        if (comma == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, comma - start));
        start = comma + 1;
    }
}

// How a line or field is shown in a message: UTF-8, cut short when long.
std::string shown(std::string_view latin1) {
    if (latin1.size() <= kShownLength) return latin1ToUtf8(latin1);
    return latin1ToUtf8(latin1.substr(0, kShownLength)) + "...";
}

std::string quoted(std::string_view latin1) {
    return "\"" + shown(latin1) + "\"";
}

class Reader {
  public:
    explicit Reader(const SaveSettings& defaults) : runningSaveVersion_(defaults.pSaveVersion) {
        SaveSettings& s = result_.contents.settings;
        s = defaults;
        s.sgValue = kNoSizeOption;
        s.sElements.clear();
    }

    SaveReadResult read(std::string_view bytes) {
        std::size_t pos = 0;
        while (pos < bytes.size()) {
            const auto newline = bytes.find('\n', pos);
            std::string_view raw = bytes.substr(
                pos, newline == std::string_view::npos ? std::string_view::npos : newline - pos);
            pos = newline == std::string_view::npos ? bytes.size() : newline + 1;
            ++lineNumber_;
            if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
            line_ = raw;
            if (raw.size() > kMaxSaveLineLength) {
                failed("the line is longer than " + std::to_string(kMaxSaveLineLength) +
                       " characters");
                return std::move(result_);
            }
            const std::string lowered = lowerAscii(raw);
            const std::vector<std::string_view> fields = splitFields(lowered);
            const std::string_view kind = fields[0];
            bool good = true;
            if (kind == "+") {
                good = readInformation(fields);
            } else if (kind == "-") {
                good = readSetting(fields, lowered);
            } else if (kind == "=") {
                good = readCell(fields);
            }
            if (!good) return std::move(result_);
        }
        line_ = {};
        if (!installed_) {
            failedAtEnd("the file has no \"-,nscells,\" line, so it holds no puzzle");
        } else if (cellsRead_ < n_ * n_) {
            failedAtEnd("the file ends after " + std::to_string(cellsRead_) + " of the " +
                        std::to_string(n_ * n_) + " cells");
        }
        return std::move(result_);
    }

  private:
    static constexpr std::int32_t kNoSizeOption = 10;

    // Records the first fault; the reader stops there.
    bool failed(std::string reason, SaveFault fault = SaveFault::Malformed) {
        result_.fault = fault;
        result_.line = lineNumber_;
        result_.lineText = shown(line_);
        result_.reason = std::move(reason);
        return false;
    }
    void failedAtEnd(std::string reason) {
        result_.atEnd = true;
        failed(std::move(reason));
    }

    std::string gridName() const {
        return std::to_string(n_) + "x" + std::to_string(n_) + " puzzle";
    }

    // A number field of a setting, which must fit its 16- or 32-bit home.
    std::optional<long long> settingNumber(std::string_view key, std::string_view field,
                                           long long low, long long high) {
        const auto value = wholeNumber(field);
        if (!value) {
            failed("the value " + quoted(field) + " of " + std::string(key) + " is not a number");
            return std::nullopt;
        }
        if (*value < low || *value > high) {
            failed(std::string(key) + " " + std::to_string(*value) + " is outside " +
                   std::to_string(low) + " to " + std::to_string(high));
            return std::nullopt;
        }
        return value;
    }

    bool readInformation(const std::vector<std::string_view>& fields) {
        if (fields.size() < 2) return true;
        const std::string_view key = fields[1];
        if (key != "pversion" && key != "psaveversion") return true;
        if (fields.size() < 3)
            return failed("too few fields: " + std::string(key) + " has no value");
        SaveSettings& s = result_.contents.settings;
        if (key == "pversion") {
            s.pVersion = latin1ToUtf8(fields[2]);
            return true;
        }
        const auto version =
            settingNumber("the save-file version", fields[2], INT16_MIN, INT16_MAX);
        if (!version) return false;
        s.pSaveVersion = static_cast<std::int16_t>(*version);
        if (s.pSaveVersion != runningSaveVersion_) {
            return failed("save-file version " + std::to_string(*version) +
                              ", this program reads version " + std::to_string(runningSaveVersion_),
                          SaveFault::Incompatible);
        }
        return true;
    }

    bool readSetting(const std::vector<std::string_view>& fields, std::string_view lowered) {
        if (fields.size() < 2)
            return failed("too few fields: a \"-\" line needs a key and a value");
        const std::string_view key = fields[1];
        if (key == "nscells") return startCells();
        const bool known = key == "experimental" || key == "manualpencilmarks" ||
                           key == "guessingenabled" || key == "scribbling" || key == "selements" ||
                           key == "sgvalue" || key == "language" || key == "ncols" ||
                           key == "nrows" || key == "nrowsofboxes" || key == "ncolsofboxes";
        if (!known) {
            result_.unknownKeys.push_back(latin1ToUtf8(key));
            return true;
        }
        if (fields.size() < 3)
            return failed("too few fields: " + std::string(key) + " has no value");
        const std::string_view value = fields[2];
        SaveSettings& s = result_.contents.settings;
        if (key == "experimental") {
            s.Experimental = textBool(value);
        } else if (key == "manualpencilmarks") {
            s.manualPencilMarks = textBool(value);
        } else if (key == "guessingenabled") {
            s.guessingEnabled = textBool(value);
        } else if (key == "scribbling") {
            s.Scribbling = textBool(value);
        } else if (key == "selements") {
            // A comma among the characters splits the value; the rest of the line keeps it whole.
            const std::size_t rest = lowered.find(',', lowered.find(',') + 1) + 1;
            elementsField_ = std::string(value);
            elementsRest_ = std::string(lowered.substr(rest));
            elementsLine_ = lineNumber_;
            elementsText_ = std::string(line_);
            if (installed_) return takeElements();
        } else if (key == "language") {
            const auto language = settingNumber(key, value, INT32_MIN, INT32_MAX);
            if (!language) return false;
            // A language the program does not have is shown in English.
            s.wLanguage =
                *language >= 0 && *language <= 2 ? static_cast<std::int32_t>(*language) : 0;
        } else {
            if (installed_) {
                return failed(std::string(key) +
                              " comes after the \"-,nscells,\" line; the box shape must come "
                              "before it");
            }
            if (key == "sgvalue") {
                const auto option = settingNumber(key, value, 0, kNoSizeOption);
                if (!option) return false;
                s.sgValue = static_cast<std::int32_t>(*option);
                return true;
            }
            const auto number = settingNumber(key, value, INT16_MIN, INT16_MAX);
            if (!number) return false;
            const auto v = static_cast<std::int16_t>(*number);
            if (key == "ncols") s.nCols = v;
            if (key == "nrows") s.nRows = v;
            if (key == "nrowsofboxes") s.nRowsofBoxes = v;
            if (key == "ncolsofboxes") s.nColsofBoxes = v;
        }
        return true;
    }

    // The "-,nscells," line: the box shape is settled and the cell lines may follow.
    bool startCells() {
        if (installed_) return failed("a second \"-,nscells,\" line");
        SaveSettings& s = result_.contents.settings;
        int option = s.sgValue;
        if (option == kNoSizeOption) {
            option = sizeOptionForBox(s.nRows, s.nCols);
            if (option < 0 || s.nRowsofBoxes != s.nCols || s.nColsofBoxes != s.nRows) {
                return failed("nRows " + std::to_string(s.nRows) + ", nCols " +
                              std::to_string(s.nCols) + ", nRowsofBoxes " +
                              std::to_string(s.nRowsofBoxes) + " and nColsofBoxes " +
                              std::to_string(s.nColsofBoxes) + " give none of the ten box shapes");
            }
        }
        const SizeOption& o = kSizeOptions[static_cast<std::size_t>(option)];
        s.sgValue = option;
        s.nRows = static_cast<std::int16_t>(o.nRows);
        s.nCols = static_cast<std::int16_t>(o.nCols);
        s.nRowsofBoxes = static_cast<std::int16_t>(o.nRowsofBoxes);
        s.nColsofBoxes = static_cast<std::int16_t>(o.nColsofBoxes);
        n_ = o.nRows * o.nCols;
        result_.contents.sizeOption = option;
        result_.contents.n = n_;
        result_.contents.cells.assign(static_cast<std::size_t>(n_ * n_), SavedCell{});
        seen_.assign(static_cast<std::size_t>(n_ * n_), false);
        installed_ = true;
        if (elementsLine_ == 0) {
            s.sElements = std::string(kDefaultElements).substr(0, static_cast<std::size_t>(n_));
            return true;
        }
        const int here = lineNumber_;
        const std::string_view hereText = line_;
        lineNumber_ = elementsLine_;
        line_ = elementsText_;
        const bool good = takeElements();
        lineNumber_ = here;
        line_ = hereText;
        return good;
    }

    // The element characters, which must number N for the settled box shape.
    bool takeElements() {
        const auto count = static_cast<std::size_t>(n_);
        const std::string& chosen = elementsField_.size() == count ? elementsField_ : elementsRest_;
        if (chosen.size() != count) {
            return failed("the element characters " + quoted(elementsField_) + " are " +
                          std::to_string(elementsField_.size()) + "; a " + gridName() + " needs " +
                          std::to_string(n_));
        }
        result_.contents.settings.sElements = elementCharacters(chosen);
        return true;
    }

    bool readCell(const std::vector<std::string_view>& fields) {
        if (!installed_) return failed("a cell line before the \"-,nscells,\" line");
        const std::size_t needed = static_cast<std::size_t>(6 + n_);
        if (fields.size() < needed) {
            return failed("too few fields: a cell line of a " + gridName() + " has " +
                          std::to_string(needed) + ", this one " + std::to_string(fields.size()));
        }
        const auto bigindex = wholeNumber(fields[1]);
        if (!bigindex) return failed("the cell number " + quoted(fields[1]) + " is not a number");
        if (*bigindex < 0 || *bigindex >= n_ * n_) {
            return failed("cell " + std::to_string(*bigindex) + " is outside the grid (0 to " +
                          std::to_string(n_ * n_ - 1) + ")");
        }
        const auto b = static_cast<std::size_t>(*bigindex);
        if (seen_[b]) return failed("cell " + std::to_string(*bigindex) + " appears a second time");
        const auto value = wholeNumber(fields[2]);
        if (!value) return failed("the value " + quoted(fields[2]) + " is not a number");
        if (*value < 0 || *value > n_) {
            return failed("the value " + std::to_string(*value) + " is not an element of a " +
                          gridName() + " (0 to " + std::to_string(n_) + ")");
        }
        SavedCell cell;
        cell.Trying = static_cast<std::int16_t>(*value);
        cell.Sure = textBool(fields[3]);
        cell.Original = textBool(fields[4]);
        cell.Entered = textBool(fields[5]);
        if (cell.Sure && cell.Trying == 0) {
            return failed("cell " + std::to_string(*bigindex) +
                          " is marked sure but holds no value");
        }
        for (std::size_t i = 6; i < fields.size(); ++i) {
            const auto k = wholePart(fields[i]);
            if (!k) return failed("the candidate " + quoted(fields[i]) + " is not a number");
            if (*k < 0 || *k > n_) {
                return failed("the candidate " + std::to_string(*k) + " is not an element of a " +
                              gridName() + " (0 to " + std::to_string(n_) + ")");
            }
            if (*k > 0) cell.bPoss |= candidateBit(static_cast<int>(*k) - 1);
        }
        result_.contents.cells[b] = cell;
        seen_[b] = true;
        ++cellsRead_;
        return true;
    }

    const std::int16_t runningSaveVersion_;
    SaveReadResult result_;
    int lineNumber_ = 0;
    std::string_view line_;  // the current line as read, for messages
    bool installed_ = false;
    int n_ = 0;
    int cellsRead_ = 0;
    std::vector<bool> seen_;
    int elementsLine_ = 0;
    std::string elementsText_;
    std::string elementsField_;
    std::string elementsRest_;
};

}  // namespace

SaveReadResult readSaveText(std::string_view bytes, const SaveSettings& defaults) {
    return Reader(defaults).read(bytes);
}

bool textBool(std::string_view text) {
    const std::string_view t = trim(text, " ");
    return t == "1" || t == "true" || t == "wahr";
}

}  // namespace velmora
