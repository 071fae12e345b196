// The bounded line reader: lines as std::getline gives them, and over-long lines cut short and
// skipped without ever being held whole.
#include "line_reader.h"

#include <gtest/gtest.h>

#include <sstream>

#include "generated_text.h"

namespace velmora::cli {
namespace {

using Status = LineReader::Status;

TEST(LineReader, SplitsAtLineFeedsAsGetlineDoes) {
    std::istringstream in("a\r\nbc\n\nlast");
    LineReader lines(in);
    std::string line;
    EXPECT_EQ(lines.next(line), Status::Line);
    EXPECT_EQ(line, "a\r");
    EXPECT_EQ(lines.next(line), Status::Line);
    EXPECT_EQ(line, "bc");
    EXPECT_EQ(lines.next(line), Status::Line);
    EXPECT_EQ(line, "");
    EXPECT_EQ(lines.next(line), Status::Line);
    EXPECT_EQ(line, "last");
    EXPECT_EQ(lines.lineNumber(), 4);
    EXPECT_EQ(lines.next(line), Status::End);
    EXPECT_EQ(lines.next(line), Status::End);
    EXPECT_EQ(lines.lineNumber(), 4);
}

TEST(LineReader, ALineOverTheLimitIsCutOneCharacterPastIt) {
    std::istringstream in("12345678\n123456789abc\nok\n");
    LineReader lines(in, 8);
    std::string line;
    EXPECT_EQ(lines.next(line), Status::Line);
    EXPECT_EQ(line, "12345678");
    EXPECT_EQ(lines.next(line), Status::TooLong);
    EXPECT_EQ(line, "123456789");
    EXPECT_EQ(lines.next(line), Status::Line);
    EXPECT_EQ(line, "ok");
    EXPECT_EQ(lines.lineNumber(), 3);
    EXPECT_EQ(lines.next(line), Status::End);
}

TEST(LineReader, AHugeLineIsNeverHeldWhole) {
    test::GeneratedText text(64 * 1024 * 1024, 'x', "\nnext\n");
    std::istream in(&text);
    LineReader lines(in);
    std::string line;
    EXPECT_EQ(lines.next(line), Status::TooLong);
    EXPECT_EQ(line.size(), kMaxInputLineLength + 1);
    EXPECT_LE(line.capacity(), 4 * kMaxInputLineLength);
    EXPECT_EQ(lines.next(line), Status::Line);
    EXPECT_EQ(line, "next");
    EXPECT_EQ(lines.next(line), Status::End);
}

}  // namespace
}  // namespace velmora::cli
