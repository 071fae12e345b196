// The language tables as the window shows them: each language's texts where it has them,
// English elsewhere, whatever language was shown before.
#include "texts/language_tables.h"

#include <gtest/gtest.h>

#include <climits>

#include "support/puzzle_fixture.h"

namespace velmora {
namespace {

constexpr int kEnglish = 0;
constexpr int kGerman = 1;
constexpr int kFrench = 2;

// What every control should show after applyLanguage(language): the language's text where it
// has one, English otherwise, and no tool tip where neither has one.
void expectShowing(const test::RecordingControls& controls, int language) {
    SCOPED_TRACE("language " + std::to_string(language));
    const auto local = languageTable(language);
    const auto english = languageTable(kEnglish);
    ASSERT_EQ(local.size(), english.size());
    EXPECT_EQ(controls.captions.size(), english.size());
    for (std::size_t i = 0; i < english.size(); ++i) {
        const std::string name(english[i].control);
        ASSERT_EQ(local[i].control, english[i].control);
        EXPECT_EQ(controls.captions.at(name), local[i].caption) << name;
        const auto tip = local[i].toolTip ? local[i].toolTip : english[i].toolTip;
        if (tip) {
            EXPECT_EQ(controls.toolTips.at(name), *tip) << name;
        } else {
            EXPECT_EQ(controls.toolTips.count(name), 0u) << name << " got a tool tip";
        }
    }
}

TEST(LanguageTablesTest, EveryLanguageAfterEveryOtherShowsItsOwnTextsAndEnglishElsewhere) {
    for (int before : {kEnglish, kGerman, kFrench, -1}) {
        for (int language : {kEnglish, kGerman, kFrench, -1, 3, INT_MIN}) {
            test::RecordingControls controls;
            applyLanguage(before, controls);
            applyLanguage(language, controls);
            expectShowing(controls, language);
        }
    }
}

// The breaks and blanks of the French texts are kept as the program has always shown them.
// (The captions the window shows are the language window test's.)
TEST(LanguageTablesTest, FrenchKeepsItsBreaksAndDoubleBlank) {
    test::RecordingControls french;
    applyLanguage(kFrench, french);
    EXPECT_EQ(french.captions.at("cbReset"), "Recomm- encer");
    EXPECT_NE(french.toolTips.at("cbReset").find("puzzle  - les"), std::string::npos);
}

}  // namespace
}  // namespace velmora
