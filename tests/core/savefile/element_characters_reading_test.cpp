// Element characters read from a save file are the ones the element box would accept: printable
// ASCII in upper case, and '?' for anything the grid cannot show in a cell.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "savefile/save_text_reader.h"

namespace velmora {
namespace {

std::string withElements(const std::string& elements) {
    std::ifstream in(std::string(VELMORA_TEST_DATA) + "/savefiles/expected-3x3.svl",
                     std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::string text = bytes.str();
    const std::string line = "-,sElements,123456789";
    const auto at = text.find(line);
    EXPECT_NE(at, std::string::npos);
    return text.replace(at, line.size(), "-,sElements," + elements);
}

SaveSettings defaults() {
    SaveSettings s;
    s.pSaveVersion = 1;
    return s;
}

TEST(ElementCharactersReading, ControlAndNonAsciiBytesBecomeQuestionMarks) {
    const SaveReadResult read = readSaveText(withElements("a\tc\001e\177\351hi"), defaults());
    ASSERT_TRUE(read.ok()) << read.reason;
    EXPECT_EQ(read.contents.settings.sElements, "A?C?E??HI");
}

TEST(ElementCharactersReading, PrintableCharactersAreKeptUpperCased) {
    const SaveReadResult read = readSaveText(withElements("a b?,#~z9"), defaults());
    ASSERT_TRUE(read.ok()) << read.reason;
    EXPECT_EQ(read.contents.settings.sElements, "A B?,#~Z9");
}

}  // namespace
}  // namespace velmora
