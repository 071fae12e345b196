// The candidate boxes in the cases the window tests do not reach. (Ticking and unticking them
// is the window tests'.)
#include "display/candidate_display.h"

#include <gtest/gtest.h>

#include "display/pencil_mark_editing.h"
#include "support/puzzle_fixture.h"

namespace velmora::test {
namespace {

TEST(ManualPencilMarks, NoKeepsTheComputedListsWhichTypingNoLongerChanges) {
    DrawnBench b;
    b.type("5");
    b.messages.answer = false;
    ckbmanualpencilmarks_Click(*b.wb, true);
    EXPECT_EQ(b.surface.at(0, 1).text, "1 2 3 4 6 7 8 9");
    b.at(0, 2);
    b.type("7");
    EXPECT_EQ(b.surface.at(0, 1).text, "1 2 3 4 6 7 8 9");
}

TEST(ManualPencilMarks, EditedTextTakesBlanksLowerCaseAndRepeatsButNoStrangers) {
    DrawnBench b(4, 4);  // elements 1..9, 0, A..F
    ckbmanualpencilmarks_Click(*b.wb, true);
    EXPECT_TRUE(applyPencilMarkText(*b.wb, 2, 3, " a f 0 a 1"));
    EXPECT_EQ(b.surface.at(2, 3).text, "1 0 A F");
    EXPECT_TRUE(applyPencilMarkText(*b.wb, 2, 3, "   "));
    EXPECT_EQ(b.cell(2, 3).countPossibilities, 0);
    EXPECT_EQ(b.surface.at(2, 3).text, "");

    // The first character that is no element is named, in English whatever the language; a
    // character outside ASCII is shown as typed. The cell stays as it was.
    ASSERT_TRUE(applyPencilMarkText(*b.wb, 2, 3, "12"));
    b.pc().wLanguage = 1;
    for (const auto& [typed, named] :
         {std::pair{"25x9", "X"}, {"g", "G"}, {"2\xc3\xa9", "\xc3\xa9"}}) {
        EXPECT_FALSE(applyPencilMarkText(*b.wb, 2, 3, typed));
        EXPECT_EQ(b.messages.lastInformation,
                  std::string(named) + ":is not a valid character for this puzzle");
    }
    EXPECT_EQ(b.surface.at(2, 3).text, "1 2");
}

}  // namespace
}  // namespace velmora::test
