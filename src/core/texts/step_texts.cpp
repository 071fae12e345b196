#include "texts/step_texts.h"

#include <algorithm>
#include <array>
#include <bit>
#include <initializer_list>
#include <utility>

#include "model/latin1.h"
#include "model/size_options.h"
#include "texts/placeholders.h"

namespace velmora {

namespace {

// One text in the three languages.
struct Phrase {
    std::string_view english;
    std::string_view german;
    std::string_view french;

    std::string_view in(StepLanguage language) const {
        switch (language) {
            case StepLanguage::German:
                return german;
            case StepLanguage::French:
                return french;
            default:
                return english;
        }
    }
};

constexpr Phrase kAnd{" and ", " und ", " et "};

std::string cellList(const std::vector<int>& cells, int n, StepLanguage language) {
    std::vector<std::string> names;
    for (const int cell : cells)
        names.push_back(cellName(cell, n));
    return joinList(names, language);
}

std::string valueList(std::uint32_t values, std::string_view elements, StepLanguage language) {
    std::vector<std::string> names;
    for (std::uint32_t vs = values; vs != 0; vs &= vs - 1)
        names.push_back(elementName(std::countr_zero(vs) + 1, elements));
    return joinList(names, language);
}

constexpr Phrase kRowName{"row {i}", "Zeile {i}", "la ligne {i}"};
constexpr Phrase kColumnName{"column {i}", "Spalte {i}", "la colonne {i}"};
constexpr Phrase kBoxName{"box {i}", "Block {i}", "le bloc {i}"};
// Closes "the other cells ...".
constexpr Phrase kOfRow{"of the row", "der Zeile", "de la ligne"};
constexpr Phrase kOfColumn{"of the column", "der Spalte", "de la colonne"};
constexpr Phrase kOfBox{"of the box", "des Blocks", "du bloc"};

std::string ofUnit(UnitRef unit, StepLanguage language) {
    const Phrase& p = unit.type == kRow ? kOfRow : unit.type == kColumn ? kOfColumn : kOfBox;
    return std::string(p.in(language));
}

constexpr Phrase kTitleAtCell{"{technique} in {cell}", "{technique} in {cell}",
                              "{technique} en {cell}"};
constexpr Phrase kTitleInUnit{"{technique} in {unit}", "{technique} in {unit}",
                              "{technique} dans {unit}"};
constexpr Phrase kTitleBoxLine{"{technique} in {box} and {line}", "{technique} in {box} und {line}",
                               "{technique} dans {box} et {line}"};

constexpr Phrase kNakedSingle{
    "Only {value} can go into {cell}, so it is placed there.",
    "In {cell} ist nur noch die {value} möglich, also wird sie dort eingetragen.",
    "Seul le {value} peut encore aller en {cell} ; on l'y place donc."};
// Boxes, rows and columns alike.
constexpr Phrase kHiddenSingle{
    "In {unit}, {value} can go only into {cell}, so it is placed there.",
    "In {unit} kann die {value} nur in {cell} stehen, also wird sie dort eingetragen.",
    "Dans {unit}, le {value} ne peut aller qu'en {cell} ; on l'y place donc."};
// The row case and the column case alike.
constexpr Phrase kBoxLine{
    "In {box}, {value} can go only into {line}, so {value} can be removed from the cells of "
    "{line} outside the box.",
    "In {box} kann die {value} nur in {line} stehen, also kann die {value} aus den Zellen von "
    "{line} außerhalb des Blocks gestrichen werden.",
    "Dans {box}, le {value} ne peut aller que dans {line} ; on peut donc retirer le {value} des "
    "cases de {line} situées hors du bloc."};
constexpr Phrase kNakedPair{
    "In {unit}, {cells} can hold only {values}, so {values} can be removed from the other cells "
    "{ofunit}.",
    "In {unit} können {cells} nur {values} enthalten, also können {values} aus den übrigen Zellen "
    "{ofunit} gestrichen werden.",
    "Dans {unit}, {cells} ne peuvent contenir que {values} ; on peut donc retirer {values} des "
    "autres cases {ofunit}."};
constexpr Phrase kNakedTriple{
    "In {unit}, the three cells {cells} can hold only {values} between them, so {values} can be "
    "removed from the other cells {ofunit}.",
    "In {unit} können die drei Zellen {cells} zusammen nur {values} enthalten, also können "
    "{values} aus den übrigen Zellen {ofunit} gestrichen werden.",
    "Dans {unit}, les trois cases {cells} ne peuvent contenir ensemble que {values} ; on peut "
    "donc retirer {values} des autres cases {ofunit}."};
constexpr Phrase kNakedQuad{
    "In {unit}, the four cells {cells} can hold only {values} between them, so {values} can be "
    "removed from the other cells {ofunit}.",
    "In {unit} können die vier Zellen {cells} zusammen nur {values} enthalten, also können "
    "{values} aus den übrigen Zellen {ofunit} gestrichen werden.",
    "Dans {unit}, les quatre cases {cells} ne peuvent contenir ensemble que {values} ; on peut "
    "donc retirer {values} des autres cases {ofunit}."};
constexpr Phrase kNakedSubset{
    "In {unit}, the {k} cells {cells} can hold only {values} between them, so {values} can be "
    "removed from the other cells {ofunit}.",
    "In {unit} können die {k} Zellen {cells} zusammen nur {values} enthalten, also können "
    "{values} aus den übrigen Zellen {ofunit} gestrichen werden.",
    "Dans {unit}, les {k} cases {cells} ne peuvent contenir ensemble que {values} ; on peut "
    "donc retirer {values} des autres cases {ofunit}."};
constexpr Phrase kHiddenPair{
    "In {unit}, {values} can go only into {cells}, so the other candidates can be removed from "
    "these two cells.",
    "In {unit} können {values} nur in {cells} stehen, also können die übrigen Kandidaten aus "
    "diesen beiden Zellen gestrichen werden.",
    "Dans {unit}, {values} ne peuvent aller qu'en {cells} ; on peut donc retirer les autres "
    "candidats de ces deux cases."};

constexpr Phrase kConflict{"{a} and {b} both hold {value}.",
                           "{a} und {b} enthalten beide die {value}.",
                           "{a} et {b} contiennent toutes deux le {value}."};
constexpr Phrase kDeadCell{"{cells} has no candidate left.", "{cells} hat keinen Kandidaten mehr.",
                           "{cells} n'a plus aucun candidat."};
constexpr Phrase kDeadCells{"{cells} have no candidate left.",
                            "{cells} haben keinen Kandidaten mehr.",
                            "{cells} n'ont plus aucun candidat."};
constexpr Phrase kStuck{
    "No rule of this program applies: the puzzle needs guessing (brute force) or a technique the "
    "program does not know.",
    "Keine Regel dieses Programms greift: Das Rätsel braucht Raten (Ausprobieren) oder eine "
    "Technik, die das Programm nicht kennt.",
    "Aucune règle de ce programme ne s'applique : la grille demande de deviner (force brute) ou "
    "une technique que le programme ne connaît pas."};
constexpr Phrase kSolved{"The puzzle is solved.", "Das Rätsel ist gelöst.",
                         "La grille est résolue."};

// By Technique.
constexpr std::array<Phrase, 8> kTechniqueNames{{
    {"Naked single", "Nackter Single", "Singleton nu"},
    {"Hidden single", "Versteckter Single", "Singleton caché"},
    {"Box-line", "Block-Linie", "Bloc-ligne"},
    {"Naked pair", "Nacktes Paar", "Paire nue"},
    {"Naked triple", "Nackter Drilling", "Triplet nu"},
    {"Naked quad", "Nackter Vierling", "Quadruplet nu"},
    {"Naked subset of {k}", "Nackte Gruppe aus {k}", "Groupe nu de {k}"},
    {"Hidden pair", "Verstecktes Paar", "Paire cachée"},
}};

const Phrase& techniquePhrase(Technique technique) {
    return kTechniqueNames[static_cast<std::size_t>(technique)];
}

const Phrase& sentencePhrase(Technique technique) {
    switch (technique) {
        case Technique::NakedSingle:
            return kNakedSingle;
        case Technique::HiddenSingle:
            return kHiddenSingle;
        case Technique::BoxLine:
            return kBoxLine;
        case Technique::NakedPair:
            return kNakedPair;
        case Technique::NakedTriple:
            return kNakedTriple;
        case Technique::NakedQuad:
            return kNakedQuad;
        case Technique::NakedSubset:
            return kNakedSubset;
        case Technique::HiddenPair:
            return kHiddenPair;
    }
    return kNakedSingle;
}

}  // namespace

std::string joinList(const std::vector<std::string>& items, StepLanguage language) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out += i + 1 == items.size() ? std::string(kAnd.in(language)) : ", ";
        out += items[i];
    }
    return out;
}

std::string cellName(int cell, int n) {
    return "r" + std::to_string(cell / n + 1) + "c" + std::to_string(cell % n + 1);
}

std::string elementName(int value, std::string_view elements) {
    const auto index = static_cast<std::size_t>(value - 1);
    if (index < elements.size()) return latin1ToUtf8(elements.substr(index, 1));
    const std::string_view fallback = kDefaultElements;
    return index < fallback.size() ? std::string(1, fallback[index]) : std::string("?");
}

std::string unitName(UnitRef unit, StepLanguage language) {
    const Phrase& p = unit.type == kRow ? kRowName : unit.type == kColumn ? kColumnName : kBoxName;
    return fillPlaceholders(p.in(language), {{"i", std::to_string(unit.index + 1)}});
}

std::string techniqueName(StepKind kind, StepLanguage language) {
    return fillPlaceholders(techniquePhrase(kind.technique).in(language),
                            {{"k", std::to_string(kind.size)}});
}

std::string stepTitle(const Step& step, int n, StepLanguage language) {
    const std::string technique = techniqueName(step.kind(), language);
    if (step.technique == Technique::BoxLine)
        return fillPlaceholders(kTitleBoxLine.in(language),
                                {{"technique", technique},
                                 {"box", unitName(step.units[0], language)},
                                 {"line", unitName(step.units[1], language)}});
    if (step.units.empty())
        return fillPlaceholders(
            kTitleAtCell.in(language),
            {{"technique", technique}, {"cell", cellList(step.cells, n, language)}});
    return fillPlaceholders(
        kTitleInUnit.in(language),
        {{"technique", technique}, {"unit", unitName(step.units[0], language)}});
}

std::string stepSentence(const Step& step, int n, std::string_view elements,
                         StepLanguage language) {
    const std::string values = valueList(step.values, elements, language);
    const std::string_view pattern = sentencePhrase(step.technique).in(language);
    if (step.technique == Technique::BoxLine)
        return fillPlaceholders(pattern, {{"box", unitName(step.units[0], language)},
                                          {"line", unitName(step.units[1], language)},
                                          {"value", values}});
    const UnitRef unit = step.units.empty() ? UnitRef{} : step.units[0];
    return fillPlaceholders(pattern, {{"unit", unitName(unit, language)},
                                      {"ofunit", ofUnit(unit, language)},
                                      {"cell", cellList(step.cells, n, language)},
                                      {"cells", cellList(step.cells, n, language)},
                                      {"value", values},
                                      {"values", values},
                                      {"k", std::to_string(step.cells.size())}});
}

std::string conflictSentence(const std::vector<Conflict>& conflicts, int n,
                             std::string_view elements, StepLanguage language) {
    std::string out;
    for (const Conflict& c : conflicts) {
        if (!out.empty()) out += ' ';
        out +=
            fillPlaceholders(kConflict.in(language), {{"a", cellName(c.first, n)},
                                                      {"b", cellName(c.second, n)},
                                                      {"value", elementName(c.value, elements)}});
    }
    return out;
}

std::string deadCellsSentence(const std::vector<int>& cells, int n, StepLanguage language) {
    const Phrase& p = cells.size() == 1 ? kDeadCell : kDeadCells;
    return fillPlaceholders(p.in(language), {{"cells", cellList(cells, n, language)}});
}

std::string stuckSentence(StepLanguage language) {
    return std::string(kStuck.in(language));
}
std::string solvedSentence(StepLanguage language) {
    return std::string(kSolved.in(language));
}

std::string findingSentence(const StepFinding& finding, int n, std::string_view elements,
                            StepLanguage language) {
    switch (finding.state) {
        case GridState::Step:
            return stepSentence(finding.step, n, elements, language);
        case GridState::Solved:
            return solvedSentence(language);
        case GridState::Stuck:
            return stuckSentence(language);
        case GridState::Conflict:
        case GridState::DeadCells: {
            std::string out = conflictSentence(finding.conflicts, n, elements, language);
            if (!finding.deadCells.empty()) {
                if (!out.empty()) out += ' ';
                out += deadCellsSentence(finding.deadCells, n, language);
            }
            return out;
        }
    }
    return {};
}

}  // namespace velmora
