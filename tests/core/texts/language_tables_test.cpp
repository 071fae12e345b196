#include "texts/language_tables.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace velmora {
namespace {

constexpr int kEnglish = 0;
constexpr int kGerman = 1;
constexpr int kFrench = 2;

// Keeps the last caption and tool tip written to each control, plus every write in order.
class RecordingControls : public NamedControls {
  public:
    struct Write {
        std::string control;
        bool toolTip;
        std::string text;
    };

    void setCaption(std::string_view control, const std::string& text) override {
        captions[std::string(control)] = text;
        log.push_back({std::string(control), false, text});
    }
    void setToolTip(std::string_view control, const std::string& text) override {
        toolTips[std::string(control)] = text;
        log.push_back({std::string(control), true, text});
    }

    std::map<std::string, std::string> captions;
    std::map<std::string, std::string> toolTips;
    std::vector<Write> log;
};

const std::vector<std::string> kControlNames = {
    "lbGenerate", "cbGenerate", "lbDifficulty", "lbUsing",         "lbSetup",      "cbEnterInitial",
    "cbReset",    "cbClear",    "lbcandidates", "cbenterSolution", "lbshowpencil", "lbsimple",
    "lbsolve",    "lbManual",   "cbSolve",      "lbuseBrute",      "lboops",       "cbUndo",
    "cbRedo",     "cbhint",     "cbSave",       "cbPrint",         "cbLoad",       "cbExit",
    "xSMainForm", "lblanguage", "lbshowelims"};

const ControlTexts& row(int language, std::string_view control) {
    const auto table = languageTable(language);
    const auto it = std::find_if(table.begin(), table.end(),
                                 [&](const ControlTexts& r) { return r.control == control; });
    if (it == table.end()) throw std::runtime_error("no row for " + std::string(control));
    return *it;
}

std::string caption(int language, std::string_view control) {
    return std::string(row(language, control).caption);
}

std::string toolTip(int language, std::string_view control) {
    return std::string(row(language, control).toolTip.value());
}

// What a control should show after applyLanguage(language): the language's text where it has one,
// English otherwise.
void expectShowing(const RecordingControls& controls, int language) {
    for (const ControlTexts& english : languageTable(kEnglish)) {
        const std::string name(english.control);
        const ControlTexts& local = row(language, english.control);
        ASSERT_TRUE(controls.captions.count(name)) << name;
        EXPECT_EQ(controls.captions.at(name), local.caption) << name;
        const auto expectedTip = local.toolTip ? local.toolTip : english.toolTip;
        if (expectedTip) {
            ASSERT_TRUE(controls.toolTips.count(name)) << name;
            EXPECT_EQ(controls.toolTips.at(name), *expectedTip) << name;
        } else {
            EXPECT_FALSE(controls.toolTips.count(name)) << name << " got a tool tip";
        }
    }
}

TEST(LanguageTablesTest, EveryLanguageListsTheWindowsControlsInOneOrder) {
    for (int language : {kEnglish, kGerman, kFrench}) {
        const auto table = languageTable(language);
        ASSERT_EQ(table.size(), kControlNames.size()) << language;
        for (std::size_t i = 0; i < table.size(); ++i) {
            EXPECT_EQ(table[i].control, kControlNames[i]) << language;
            EXPECT_FALSE(table[i].caption.empty()) << kControlNames[i];
        }
    }
    EXPECT_EQ(kWindowTitleControl, "xSMainForm");
}

TEST(LanguageTablesTest, UnknownLanguagesEnumerateEnglish) {
    const auto english = languageTable(kEnglish);
    for (int language : {-1, 3, INT_MIN, INT_MAX}) {
        const auto table = languageTable(language);
        EXPECT_EQ(table.data(), english.data()) << language;
        EXPECT_EQ(table.size(), english.size()) << language;
    }
}

TEST(LanguageTablesTest, EnglishWritesEveryControl) {
    RecordingControls controls;
    applyLanguage(kEnglish, controls);
    EXPECT_EQ(controls.captions.size(), kControlNames.size());
    for (const std::string& name : kControlNames)
        EXPECT_TRUE(controls.captions.count(name)) << name;
    expectShowing(controls, kEnglish);
    EXPECT_EQ(controls.captions.at("cbGenerate"), "Generate");
    EXPECT_EQ(controls.captions.at("lblanguage"), "Language");
}

TEST(LanguageTablesTest, WindowTitleGetsNoToolTip) {
    for (int language : {kEnglish, kGerman, kFrench}) {
        RecordingControls controls;
        applyLanguage(language, controls);
        EXPECT_FALSE(controls.toolTips.count(std::string(kWindowTitleControl))) << language;
    }
}

TEST(LanguageTablesTest, GermanOverwritesEnglish) {
    RecordingControls controls;
    applyLanguage(kGerman, controls);
    expectShowing(controls, kGerman);
    EXPECT_EQ(controls.captions.at("cbGenerate"), "Neu");
    EXPECT_EQ(controls.captions.at("lblanguage"), "Sprachauswahl");
    EXPECT_EQ(controls.captions.at("cbRedo"), "Wiederher- stellen");
}

TEST(LanguageTablesTest, GermanKeepsResetAndClearCaptionsWithGermanToolTips) {
    RecordingControls controls;
    applyLanguage(kGerman, controls);
    EXPECT_EQ(controls.captions.at("cbReset"), "Reset");
    EXPECT_EQ(controls.captions.at("cbClear"), "Clear");
    EXPECT_NE(controls.toolTips.at("cbReset"), toolTip(kEnglish, "cbReset"));
    EXPECT_NE(controls.toolTips.at("cbClear"), toolTip(kEnglish, "cbClear"));
}

TEST(LanguageTablesTest, EnglishIsWrittenInFullBeforeTheOtherLanguage) {
    for (int language : {kGerman, kFrench}) {
        RecordingControls controls;
        applyLanguage(language, controls);
        std::size_t at = 0;
        for (const ControlTexts& english : languageTable(kEnglish)) {
            ASSERT_LT(at, controls.log.size());
            EXPECT_EQ(controls.log[at].control, english.control);
            EXPECT_FALSE(controls.log[at].toolTip);
            EXPECT_EQ(controls.log[at].text, english.caption);
            ++at;
            if (english.toolTip) {
                ASSERT_LT(at, controls.log.size());
                EXPECT_TRUE(controls.log[at].toolTip);
                EXPECT_EQ(controls.log[at].text, *english.toolTip);
                ++at;
            }
        }
        EXPECT_GT(controls.log.size(), at) << "nothing written after English for " << language;
    }
}

TEST(LanguageTablesTest, SwitchingBackLeavesNoTextOfThePreviousLanguage) {
    for (int previous : {kGerman, kFrench}) {
        RecordingControls controls;
        applyLanguage(previous, controls);
        applyLanguage(kEnglish, controls);
        expectShowing(controls, kEnglish);
        EXPECT_EQ(controls.toolTips.at("cbRedo"), "Redo the last Undo");
        EXPECT_EQ(controls.captions.at("cbGenerate"), "Generate");
        EXPECT_EQ(controls.captions.at("lblanguage"), "Language");
    }
}

TEST(LanguageTablesTest, SwitchingBetweenGermanAndFrench) {
    RecordingControls controls;
    applyLanguage(kGerman, controls);
    applyLanguage(kFrench, controls);
    expectShowing(controls, kFrench);
    applyLanguage(kGerman, controls);
    expectShowing(controls, kGerman);
}

TEST(LanguageTablesTest, FrenchKeepsEnglishRedoToolTipAndTitle) {
    RecordingControls controls;
    applyLanguage(kFrench, controls);
    expectShowing(controls, kFrench);
    EXPECT_EQ(controls.captions.at("cbGenerate"), "Cr\u00e9er");
    EXPECT_EQ(controls.captions.at("lblanguage"), "langue");
    EXPECT_EQ(controls.captions.at("cbRedo"), "R\u00e9p\u00e9ter");
    EXPECT_EQ(controls.toolTips.at("cbRedo"), "Redo the last Undo");
    EXPECT_EQ(controls.captions.at("xSMainForm"), caption(kEnglish, "xSMainForm"));
}

TEST(LanguageTablesTest, FrenchKeepsItsBreaksAndDoubleBlank) {
    EXPECT_EQ(caption(kFrench, "cbReset"), "Recomm- encer");
    EXPECT_NE(toolTip(kFrench, "cbReset").find("puzzle  - les"), std::string::npos);
}

TEST(LanguageTablesTest, UnknownLanguageShowsEnglish) {
    for (int language : {-1, 3, INT_MIN}) {
        RecordingControls controls;
        applyLanguage(language, controls);
        expectShowing(controls, kEnglish);
        RecordingControls english;
        applyLanguage(kEnglish, english);
        EXPECT_EQ(controls.log.size(), english.log.size()) << language;
    }
}

TEST(LanguageTablesTest, TitlesNameProgramProviderAndAddress) {
    for (int language : {kEnglish, kGerman, kFrench}) {
        const std::string title = caption(language, kWindowTitleControl);
        EXPECT_NE(title.find("Sudoku Velmora"), std::string::npos) << language;
        EXPECT_NE(title.find("Velmora Puzzle Works"), std::string::npos) << language;
        EXPECT_NE(title.find("https://velmora.example"), std::string::npos) << language;
    }
    EXPECT_NE(caption(kGerman, kWindowTitleControl), caption(kEnglish, kWindowTitleControl));
    EXPECT_EQ(caption(kFrench, kWindowTitleControl), caption(kEnglish, kWindowTitleControl));
}

TEST(LanguageTablesTest, GermanStaysAscii) {
    for (const ControlTexts& r : languageTable(kGerman)) {
        for (std::string_view text : {r.caption, r.toolTip.value_or("")}) {
            EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) {
                return static_cast<unsigned char>(c) < 0x80;
            })) << r.control;
        }
    }
}

}  // namespace
}  // namespace velmora
