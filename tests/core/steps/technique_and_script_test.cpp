// Hand-built units per technique (where it must fire, where it must not, and its switch), the
// sentences in three languages and the exact script lines of explain and rate.
#include <gtest/gtest.h>

#include <set>

#include "steps/grid_text.h"
#include "steps/rating.h"
#include "steps/step_finder.h"
#include "texts/step_script.h"
#include "texts/step_texts.h"

namespace velmora {
namespace {

constexpr BoxShape k9{3, 3};

// Every cell open with every candidate: no rule applies until a test carves a pattern.
CandidateGrid blank(BoxShape shape = k9) {
    const auto cells = static_cast<std::size_t>(shape.cellCount());
    return {shape, std::vector<int>(cells, 0),
            std::vector<std::uint32_t>(cells, allValues(shape.n()))};
}
int at(int r, int c, int n = 9) {
    return r * n + c;
}
void set(CandidateGrid& g, int cell, std::initializer_list<int> values) {
    g.candidates[static_cast<std::size_t>(cell)] = 0;
    for (const int v : values)
        g.candidates[static_cast<std::size_t>(cell)] |= valueBit(v);
}
void drop(CandidateGrid& g, int cell, int v) {
    g.candidates[static_cast<std::size_t>(cell)] &= ~valueBit(v);
}
std::vector<int> range(int from, int to) {  // [from, to)
    std::vector<int> out;
    for (int i = from; i < to; ++i)
        out.push_back(i);
    return out;
}

TEST(StepTechniques, NakedSingleTakesTheFirstCellAndReadsPastStaleMarks) {
    CandidateGrid g = blank();
    EXPECT_EQ(findStep(g).state, GridState::Stuck);
    set(g, at(6, 1), {2});
    set(g, at(2, 4), {4});
    const StepFinding f = findStep(g);
    ASSERT_EQ(f.state, GridState::Step);
    EXPECT_EQ(f.step.technique, Technique::NakedSingle);
    EXPECT_EQ(f.step.placements, (std::vector<CellValue>{{at(2, 4), 4}}));

    // 7 is placed in the row, so the mark left beside 4 does not count.
    g = blank();
    g.values[0] = 7;
    g.candidates[0] = 0;
    set(g, at(0, 5), {4, 7});
    EXPECT_EQ(findStep(g).step.placements, (std::vector<CellValue>{{at(0, 5), 4}}));
}

TEST(StepTechniques, HiddenSingleLooksInBoxesThenRowsThenColumnsAndNeedsGrabs) {
    struct Case {
        UnitRef unit;
        int cell;
    };
    for (const Case& c :
         {Case{{kBox, 4}, at(4, 4)}, Case{{kRow, 7}, at(7, 2)}, Case{{kColumn, 8}, at(1, 8)}}) {
        CandidateGrid g = blank();
        for (int cell = 0; cell < 81; ++cell)
            if (cell != c.cell && (c.unit.type == kBox   ? k9.boxOf(cell / 9, cell % 9) == 4
                                   : c.unit.type == kRow ? cell / 9 == c.unit.index
                                                         : cell % 9 == c.unit.index))
                drop(g, cell, 6);
        const StepFinding f = findStep(g);
        EXPECT_EQ(f.step.technique, Technique::HiddenSingle);
        EXPECT_EQ(f.step.units, std::vector<UnitRef>{c.unit});
        EXPECT_EQ(f.step.placements, (std::vector<CellValue>{{c.cell, 6}}));
        EXPECT_EQ(findStep(g, RuleSwitches{.grabs = false}).state, GridState::Stuck);
    }
}

TEST(StepTechniques, BoxLineWorksFromTheBoxToTheLineOnly) {
    CandidateGrid g = blank();
    for (const int c : range(0, 3))
        for (const int r : {1, 2})
            drop(g, at(r, c), 5);
    StepFinding f = findStep(g);
    EXPECT_EQ(f.step.technique, Technique::BoxLine);
    EXPECT_EQ(f.step.units, (std::vector<UnitRef>{{kBox, 0}, {kRow, 0}}));
    EXPECT_EQ(f.step.cells, range(0, 3));
    ASSERT_EQ(f.step.eliminations.size(), 6u);
    EXPECT_EQ(f.step.eliminations.front(), (CellValue{at(0, 3), 5}));
    EXPECT_EQ(findStep(g, RuleSwitches{.grabs = false}).state, GridState::Stuck);

    g = blank();  // the column case
    for (const int r : range(0, 3))
        for (const int c : {1, 2})
            drop(g, at(r, c), 5);
    f = findStep(g);
    EXPECT_EQ(f.step.units, (std::vector<UnitRef>{{kBox, 0}, {kColumn, 0}}));
    EXPECT_EQ(f.step.eliminations.back(), (CellValue{at(8, 0), 5}));

    // Row 1 holds 5 only inside box 1; the line-to-box direction is not one of the rules.
    g = blank();
    for (const int c : range(3, 9))
        drop(g, at(0, c), 5);
    EXPECT_EQ(findStep(g).state, GridState::Stuck);
}

TEST(StepTechniques, NakedPairNeedsSomethingToRemoveAndItsSwitch) {
    CandidateGrid g = blank();
    set(g, at(2, 1), {4, 8});
    set(g, at(2, 6), {4, 8});
    const StepFinding f = findStep(g);
    EXPECT_EQ(f.step.technique, Technique::NakedPair);
    EXPECT_EQ(f.step.units, (std::vector<UnitRef>{{kRow, 2}}));
    EXPECT_EQ(f.step.eliminations.size(), 14u);
    EXPECT_EQ(findStep(g, RuleSwitches{.pairs = false}).state, GridState::Stuck);

    for (const int c : range(0, 9))
        if (c != 1 && c != 6) set(g, at(2, c), {1, 2, 3, 5, 6, 7, 9});
    EXPECT_EQ(findStep(g).state, GridState::Stuck);
}

// A ring of cells in row 1: cell i holds values i and i+1, the last wraps to 1. No part of it is
// a smaller subset; it keeps every box's first-row segment partly free, so no box-line applies.
CandidateGrid ring(BoxShape shape, int size, std::vector<int>& cells) {
    CandidateGrid g = blank(shape);
    cells.clear();
    for (int c = 0; c < shape.n() && static_cast<int>(cells.size()) < size; ++c)
        if (c % shape.cols != shape.cols - 1) cells.push_back(c);
    for (int i = 0; i < static_cast<int>(cells.size()); ++i)
        set(g, cells[static_cast<std::size_t>(i)], {i + 1, (i + 1) % size + 1});
    return g;
}

TEST(StepTechniques, NakedSubsetsUpToHalfTheGridOnEveryShape) {
    for (const BoxShape shape : kBoxShapes) {
        SCOPED_TRACE(std::to_string(shape.rows) + "x" + std::to_string(shape.cols));
        const int n = shape.n(), k = largestNakedSubset(n);
        std::vector<int> cells;
        CandidateGrid g = ring(shape, k, cells);
        const StepFinding f = findStep(g);
        EXPECT_EQ(f.step.technique, nakedSubsetTechnique(k));
        EXPECT_EQ(f.step.cells, cells);
        EXPECT_EQ(f.step.values, allValues(k));
        EXPECT_EQ(f.step.eliminations.size(), static_cast<std::size_t>((n - k) * k));
        // In small grids the cells off the ring form a hidden pair.
        RuleSwitches off{.hiddenPairs = false};
        (k == 2 ? off.pairs : k == 3 ? off.triplets : k == 4 ? off.quads : off.more) = false;
        EXPECT_EQ(findStep(g, off).state, GridState::Stuck);

        g = ring(shape, k + 1, cells);
        if (static_cast<int>(cells.size()) == k + 1) {
            EXPECT_EQ(findStep(g, {.hiddenPairs = false}).state, GridState::Stuck);
        }
    }
}

TEST(StepTechniques, HiddenPairKeepsOnlyThePairAndNeedsItsSwitch) {
    CandidateGrid g = blank();
    for (const int r : range(0, 9))
        if (r != 0 && r != 4)
            for (const int v : {2, 6})
                drop(g, at(r, 3), v);
    const StepFinding f = findStep(g);
    EXPECT_EQ(f.step.technique, Technique::HiddenPair);
    EXPECT_EQ(f.step.units, (std::vector<UnitRef>{{kColumn, 3}}));
    EXPECT_EQ(f.step.cells, (std::vector<int>{at(0, 3), at(4, 3)}));
    EXPECT_EQ(f.step.eliminations.size(), 14u);
    EXPECT_EQ(findStep(g, RuleSwitches{.hiddenPairs = false}).state, GridState::Stuck);

    set(g, at(0, 3), {2, 6});  // now nothing is left to remove
    set(g, at(4, 3), {2, 6});
    EXPECT_EQ(findStep(g).state, GridState::Stuck);
}

TEST(StepTechniques, ConflictsAndDeadCellsComeInsteadOfAStep) {
    CandidateGrid g = blank();
    for (const int cell : {at(0, 1), at(0, 6), at(1, 0)}) {
        g.values[static_cast<std::size_t>(cell)] = 5;
        g.candidates[static_cast<std::size_t>(cell)] = 0;
    }
    set(g, at(3, 3), {});
    set(g, at(8, 0), {5});  // 5 is placed in its column
    const StepFinding f = findStep(g);
    EXPECT_EQ(f.state, GridState::Conflict);
    // r1c2 and r2c1 share a box; r1c2 and r1c7 a row.
    EXPECT_EQ(f.conflicts,
              (std::vector<Conflict>{{at(0, 1), at(0, 6), 5}, {at(0, 1), at(1, 0), 5}}));
    EXPECT_EQ(f.deadCells, (std::vector<int>{at(3, 3), at(8, 0)}));

    g.values[static_cast<std::size_t>(at(0, 6))] = 0;
    g.values[static_cast<std::size_t>(at(1, 0))] = 0;
    EXPECT_EQ(findStep(g).state, GridState::DeadCells);
}

using enum StepLanguage;

// 1234/3412/2143/4321 with r1c1 and r3c3 open, written with the elements WXYZ.
TEST(StepScript, TsvOfASmallPuzzleIsExact) {
    const ExplainedPath path =
        explainGivens({2, 2}, *parseGrid(".XYZYZWXXW.YZYXW", {2, 2}, "WXYZ"));
    EXPECT_EQ(explainTsv(path, "WXYZ", English),
              "1\tnaked-single\tr1c1=W\t-\tOnly W can go into r1c1, so it is placed there.\n"
              "2\tnaked-single\tr3c3=Z\t-\tOnly Z can go into r3c3, so it is placed there.\n"
              "RESULT\tsolved\n\n");
    EXPECT_EQ(explainText(path, "WXYZ", French),
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
        explainTsv(path, {}, German),
        "1\tbox-line\t-\tr1c4-5;r1c9-5\tIn Block 1 kann die 5 nur in Zeile 1 stehen, also kann "
        "die 5 aus den Zellen von Zeile 1 außerhalb des Blocks gestrichen werden.\n"
        "RESULT\tstuck\n\n");
    EXPECT_EQ(stepTitle(step, 9, French), "Bloc-ligne dans le bloc 1 et la ligne 1");
}

TEST(StepScript, ConflictingGivensAreInvalidWithoutSteps) {
    const ExplainedPath path =
        explainGivens({2, 2}, *parseGrid("W.W.............", {2, 2}, "WXYZ"));
    EXPECT_EQ(path.outcome, PathOutcome::Invalid);
    EXPECT_EQ(explainTsv(path, "WXYZ", English), "RESULT\tinvalid\n\n");
    EXPECT_EQ(explainText(path, "WXYZ", English), "r1c1 and r1c3 both hold W.\n\n");
    EXPECT_EQ(rateLine(ratePath(path)), "invalid\t0\t-\t0\n");
}

TEST(StepTexts, NakedPairInEveryLanguage) {
    Step pair;
    pair.technique = Technique::NakedPair;
    pair.units = {{kRow, 2}};
    pair.cells = {19, 24};
    pair.values = valueBit(4) | valueBit(8);
    EXPECT_EQ(stepSentence(pair, 9, {}, English),
              "In row 3, r3c2 and r3c7 can hold only 4 and 8, so 4 and 8 can be removed from the "
              "other cells of the row.");
    EXPECT_EQ(stepSentence(pair, 9, {}, German),
              "In Zeile 3 können r3c2 und r3c7 nur 4 und 8 enthalten, also können 4 und 8 aus den "
              "übrigen Zellen der Zeile gestrichen werden.");
    EXPECT_EQ(stepTitle(pair, 9, English), "Naked pair in row 3");
    EXPECT_EQ(stepTitle(pair, 9, German), "Nacktes Paar in Zeile 3");
}

// Every technique and report has a filled-in sentence of its own in each language.
TEST(StepTexts, EveryTechniqueHasItsOwnSentenceInEachLanguage) {
    const StepFinding conflict{GridState::Conflict, {}, {{0, 5, 3}}, {40}};
    for (const StepLanguage language : {English, German, French}) {
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
    EXPECT_EQ(findingSentence(conflict, 9, {}, English),
              "r1c1 and r1c6 both hold 3. r5c5 has no candidate left.");
    EXPECT_EQ(deadCellsSentence({40, 41}, 9, French), "r5c5 et r5c6 n'ont plus aucun candidat.");
}

}  // namespace
}  // namespace velmora
