// Choosing from the language list: captions at once, status messages from the next one on.
#include "display/language_choice.h"

#include <gtest/gtest.h>

#include <map>

#include "model/quiet_ports.h"
#include "model/workbench.h"
#include "solving/commands.h"

namespace velmora::test {
namespace {

class CaptionRecorder : public NamedControls {
  public:
    void setCaption(std::string_view control, const std::string& text) override {
        captions[std::string(control)] = text;
    }
    void setToolTip(std::string_view control, const std::string& text) override {
        toolTips[std::string(control)] = text;
    }
    std::map<std::string, std::string> captions;
    std::map<std::string, std::string> toolTips;
};

struct ChoiceBench {
    CaptionRecorder controls;
    QuietStatusBar status;
    std::unique_ptr<Workbench> wb;
    ChoiceBench() {
        Ports ports;
        ports.controls = &controls;
        ports.statusBar = &status;
        wb = std::make_unique<Workbench>(ports, 1);
        wb->newPuzzle();
    }
};

TEST(LanguageChoiceTest, GermanCaptionsAtOnceAndGermanMessagesNext) {
    ChoiceBench b;
    cbEnterInitial_Click(*b.wb);
    cmbLanguage_Click(*b.wb, 1);
    EXPECT_EQ(b.wb->pc().wLanguage, 1);
    EXPECT_EQ(b.controls.captions["cbGenerate"], "Neu");
    EXPECT_EQ(b.controls.captions["lblanguage"], "Sprachauswahl");
    // The message on show keeps its language; the next one is German.
    EXPECT_EQ(b.status.panel(1), "Enter, generate or load a new puzzle");
    cbEnterInitial_Click(*b.wb);
    EXPECT_EQ(b.status.panel(1), "Geben Sie eines neues ein oder generieren oder laden Sie eins!");
    EXPECT_EQ(b.status.panel(2), "Bereit ...");
}

TEST(LanguageChoiceTest, FrenchCaptionsWithEnglishMessagesAndRedoTip) {
    ChoiceBench b;
    cmbLanguage_Click(*b.wb, 1);
    cmbLanguage_Click(*b.wb, 2);
    EXPECT_EQ(b.controls.captions["cbGenerate"], "Cr\u00e9er");
    EXPECT_EQ(b.controls.captions["lblanguage"], "langue");
    EXPECT_EQ(b.controls.toolTips["cbRedo"], "Redo the last Undo");
    cbClear_Click(*b.wb);
    EXPECT_EQ(b.status.panel(1), "Puzzle cleared - enter, generate or load a new one");
    EXPECT_EQ(b.status.panel(2), "Ready ..");
}

TEST(LanguageChoiceTest, NothingSelectedMeansEnglish) {
    ChoiceBench b;
    cmbLanguage_Click(*b.wb, 1);
    cmbLanguage_Click(*b.wb, -1);
    EXPECT_EQ(b.wb->pc().wLanguage, -1);
    EXPECT_EQ(b.controls.captions["cbGenerate"], "Generate");
}

}  // namespace
}  // namespace velmora::test
