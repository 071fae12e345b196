// The sentences in three languages and the exact script lines of explain and rate.
#include <gtest/gtest.h>

#include <set>

#include "steps/grid_text.h"
#include "steps/rating.h"
#include "texts/step_script.h"
#include "texts/step_texts.h"

namespace velmora {
namespace {

constexpr auto kEnglish = StepLanguage::English;
constexpr auto kGerman = StepLanguage::German;
constexpr auto kFrench = StepLanguage::French;

// 1234/3412/2143/4321 with r1c1 and r3c3 open, written with the elements WXYZ.
TEST(StepScript, TsvOfASmallPuzzleIsExact) {
    const ExplainedPath path =
        explainGivens({2, 2}, *parseGrid(".XYZYZWXXW.YZYXW", {2, 2}, "WXYZ"));
    EXPECT_EQ(explainTsv(path, "WXYZ", kEnglish),
              "1\tnaked-single\tr1c1=W\t-\tOnly W can go into r1c1, so it is placed there.\n"
              "2\tnaked-single\tr3c3=Z\t-\tOnly Z can go into r3c3, so it is placed there.\n"
              "RESULT\tsolved\n\n");
    EXPECT_EQ(explainText(path, "WXYZ", kFrench),
              "1. Seul le W peut encore aller en r1c1 ; on l'y place donc.\n"
              "2. Seul le Z peut encore aller en r3c3 ; on l'y place donc.\n"
              "La grille est résolue.\n\n");
    EXPECT_EQ(rateLine(ratePath(path)), "easy\t110\tnaked-single\t2\n");  // 100*1 + 81*2/16
}

TEST(StepScript, EliminationsAndTheStuckResultInGerman) {
    ExplainedPath path;
    path.shape = {3, 3};
    Step step;
    step.technique = Technique::BoxLine;
    step.units = {{kBox, 0}, {kRow, 0}};
    step.cells = {0, 1};
    step.values = valueBit(5);
    step.eliminations = {{3, 5}, {8, 5}};
    path.steps = {step};
    path.outcome = PathOutcome::Stuck;
    path.end.state = GridState::Stuck;
    EXPECT_EQ(
        explainTsv(path, {}, kGerman),
        "1\tbox-line\t-\tr1c4-5;r1c9-5\tIn Block 1 kann die 5 nur in Zeile 1 stehen, also kann "
        "die 5 aus den Zellen von Zeile 1 außerhalb des Blocks gestrichen werden.\n"
        "RESULT\tstuck\n\n");
    EXPECT_EQ(stepTitle(step, 9, kFrench), "Bloc-ligne dans le bloc 1 et la ligne 1");
}

TEST(StepScript, ConflictingGivensAreInvalidWithoutSteps) {
    const ExplainedPath path =
        explainGivens({2, 2}, *parseGrid("W.W.............", {2, 2}, "WXYZ"));
    EXPECT_EQ(path.outcome, PathOutcome::Invalid);
    EXPECT_EQ(explainTsv(path, "WXYZ", kEnglish), "RESULT\tinvalid\n\n");
    EXPECT_EQ(explainText(path, "WXYZ", kEnglish), "r1c1 and r1c3 both hold W.\n\n");
    EXPECT_EQ(rateLine(ratePath(path)), "invalid\t0\t-\t0\n");
}

TEST(StepTexts, NakedPairInEveryLanguage) {
    Step pair;
    pair.technique = Technique::NakedPair;
    pair.units = {{kRow, 2}};
    pair.cells = {19, 24};
    pair.values = valueBit(4) | valueBit(8);
    EXPECT_EQ(stepSentence(pair, 9, {}, kEnglish),
              "In row 3, r3c2 and r3c7 can hold only 4 and 8, so 4 and 8 can be removed from the "
              "other cells of the row.");
    EXPECT_EQ(stepSentence(pair, 9, {}, kGerman),
              "In Zeile 3 können r3c2 und r3c7 nur 4 und 8 enthalten, also können 4 und 8 aus den "
              "übrigen Zellen der Zeile gestrichen werden.");
    EXPECT_EQ(stepTitle(pair, 9, kEnglish), "Naked pair in row 3");
    EXPECT_EQ(stepTitle(pair, 9, kGerman), "Nacktes Paar in Zeile 3");
}

// Every technique and report has a filled-in sentence of its own in each language.
TEST(StepTexts, EveryTechniqueHasItsOwnSentenceInEachLanguage) {
    const StepFinding conflict{GridState::Conflict, {}, {{0, 5, 3}}, {40}};
    for (const StepLanguage language : {kEnglish, kGerman, kFrench}) {
        std::set<std::string> sentences;
        for (int t = 0; t <= static_cast<int>(Technique::HiddenPair); ++t) {
            Step step;
            step.technique = static_cast<Technique>(t);
            step.units = {{kBox, 4}, {kColumn, 4}};
            step.cells = {30, 31, 32, 39, 40};
            step.values = 0x1f;
            const std::string sentence = stepSentence(step, 9, {}, language);
            EXPECT_EQ(sentence.find('{'), std::string::npos) << sentence;
            sentences.insert(sentence);
            sentences.insert(stepTitle(step, 9, language));
        }
        sentences.insert(findingSentence(conflict, 9, {}, language));
        sentences.insert(stuckSentence(language));
        sentences.insert(solvedSentence(language));
        EXPECT_EQ(sentences.size(), 19u);
    }
    EXPECT_EQ(findingSentence(conflict, 9, {}, kEnglish),
              "r1c1 and r1c6 both hold 3. r5c5 has no candidate left.");
    EXPECT_EQ(deadCellsSentence({40, 41}, 9, kFrench), "r5c5 et r5c6 n'ont plus aucun candidat.");
}

}  // namespace
}  // namespace velmora
