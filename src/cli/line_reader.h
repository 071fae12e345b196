// Reading text input a line at a time while holding no more than a bounded part of any line, so
// a file or a pipe without line ends cannot make the program buffer it all.
#pragma once

#include <cstddef>
#include <istream>
#include <string>

namespace velmora::cli {

// The longest line the command line takes, of a one-line puzzle file or a save file: far more
// than an 18x18 puzzle line (324 characters) or any line the program writes.
inline constexpr std::size_t kMaxInputLineLength = 8192;

class LineReader {
  public:
    enum class Status { Line, TooLong, End };

    explicit LineReader(std::istream& in, std::size_t maxLength = kMaxInputLineLength)
        : in_(in), maxLength_(maxLength) {}

    // The next line, without its line feed, in `line`. A line longer than maxLength gives TooLong
    // with its first maxLength + 1 characters in `line` (one more than allowed, so a later check
    // of the length sees it too); the rest of it is read and dropped. End when no line is left.
    Status next(std::string& line);

    // Lines read so far; the number of the line `next` returned last.
    int lineNumber() const { return lineNumber_; }

  private:
    std::istream& in_;
    std::size_t maxLength_;
    int lineNumber_ = 0;
};

}  // namespace velmora::cli
