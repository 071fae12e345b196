#include "line_reader.h"

namespace velmora::cli {

LineReader::Status LineReader::next(std::string& line) {
    line.clear();
    std::streambuf* buffer = in_.good() ? in_.rdbuf() : nullptr;
    if (!buffer) return Status::End;
    bool any = false;
    for (;;) {
        const auto c = buffer->sbumpc();
        if (std::char_traits<char>::eq_int_type(c, std::char_traits<char>::eof())) {
            in_.setstate(std::ios::eofbit);
            break;
        }
        any = true;
        const char ch = std::char_traits<char>::to_char_type(c);
        if (ch == '\n') break;
        if (line.size() <= maxLength_) line += ch;
    }
    if (!any) return Status::End;
    ++lineNumber_;
    return line.size() > maxLength_ ? Status::TooLong : Status::Line;
}

}  // namespace velmora::cli
