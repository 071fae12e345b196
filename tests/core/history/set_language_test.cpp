// The language switch writes every text, so nothing of the previous language stays behind.
#include <gtest/gtest.h>

#include <map>

#include "model/quiet_ports.h"
#include "model/workbench.h"

namespace velmora {
namespace {

class RecordingControls : public NamedControls {
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

struct LanguageBench {
    RecordingControls controls;
    std::unique_ptr<Workbench> wb;
    LanguageBench() {
        Ports ports;
        ports.controls = &controls;
        wb = std::make_unique<Workbench>(ports, 1);
        wb->newPuzzle();
    }
    void choose(int language) {
        wb->pc().wLanguage = language;
        wb->fControl().setLanguage();
    }
};

TEST(SetLanguage, GermanThenEnglishLeavesNoGermanText) {
    LanguageBench english;
    english.choose(0);
    LanguageBench switched;
    switched.choose(1);
    EXPECT_EQ(switched.controls.captions["cbGenerate"], "Neu");
    EXPECT_EQ(switched.controls.toolTips["cbRedo"], "Ruecknahme zuruecknehmen");
    switched.choose(0);
    EXPECT_EQ(switched.controls.captions, english.controls.captions);
    EXPECT_EQ(switched.controls.toolTips, english.controls.toolTips);
    EXPECT_EQ(switched.controls.toolTips["cbRedo"], "Redo the last Undo");
}

TEST(SetLanguage, FrenchKeepsTheEnglishTextsItHasNoneFor) {
    LanguageBench bench;
    bench.choose(1);
    bench.choose(2);
    EXPECT_EQ(bench.controls.captions["cbGenerate"],
              "Cr\xC3\xA9"
              "er");
    EXPECT_EQ(bench.controls.captions["lblanguage"], "langue");
    EXPECT_EQ(bench.controls.toolTips["cbRedo"], "Redo the last Undo");
    LanguageBench english;
    english.choose(0);
    EXPECT_EQ(bench.controls.captions["xSMainForm"], english.controls.captions["xSMainForm"]);
}

TEST(SetLanguage, NothingSelectedMeansEnglish) {
    LanguageBench bench;
    bench.choose(1);
    bench.choose(-1);
    EXPECT_EQ(bench.controls.captions["cbGenerate"], "Generate");
    EXPECT_EQ(bench.controls.captions["lblanguage"], "Language");
}

}  // namespace
}  // namespace velmora
