#include "texts/check_texts.h"

#include "texts/placeholders.h"

#include <array>

namespace velmora {

namespace {

using Words = std::array<std::string_view, 3>;  // English, German, French

std::string_view in(const Words& words, StepLanguage language) {
    return words[static_cast<std::size_t>(language)];
}

std::string cells(const std::vector<int>& list, int n, StepLanguage language) {
    std::vector<std::string> names;
    for (const int c : list)
        names.push_back(cellName(c, n));
    return joinList(names, language);
}

constexpr Words kNone{"The givens have no solution.", "Die Vorgaben haben keine Lösung.",
                      "Les chiffres donnés n'ont aucune solution."};
constexpr Words kUnique{"The givens have exactly one solution: a proper puzzle.",
                        "Die Vorgaben haben genau eine Lösung: ein richtiges Rätsel.",
                        "Les chiffres donnés ont exactement une solution : un vrai puzzle."};
constexpr Words kMultiple{"The givens have more than one solution.",
                          "Die Vorgaben haben mehr als eine Lösung.",
                          "Les chiffres donnés ont plus d'une solution."};
constexpr Words kInvalid{"Two givens of one row, column or box hold the same value: {1}.",
                         "Zwei Vorgaben einer Zeile, Spalte oder eines Blocks haben denselben "
                         "Wert: {1}.",
                         "Deux chiffres donnés d'une même ligne, colonne ou d'un même bloc ont "
                         "la même valeur : {1}."};
constexpr Words kInvalidShort{"Two givens of one row, column or box hold the same value.",
                              "Zwei Vorgaben einer Zeile, Spalte oder eines Blocks haben "
                              "denselben Wert.",
                              "Deux chiffres donnés d'une même ligne, colonne ou d'un même bloc "
                              "ont la même valeur."};
constexpr Words kTypos{"Likely typos: {1}. Removing any one of them gives the puzzle a solution.",
                       "Wahrscheinliche Tippfehler: {1}. Ohne einen von ihnen hat das Rätsel "
                       "eine Lösung.",
                       "Fautes de frappe probables : {1}. Sans l'un d'eux, le puzzle a une "
                       "solution."};
constexpr Words kTypoValue{"{1} (should be {2})", "{1} (richtig wäre {2})", "{1} (plutôt {2})"};
constexpr Words kNoTypo{"No single typo explains it.", "Kein einzelner Tippfehler erklärt das.",
                        "Aucune faute de frappe isolée ne l'explique."};
constexpr Words kNoneWrong{"None of your values is wrong.", "Keiner Ihrer Werte ist falsch.",
                           "Aucune de vos valeurs n'est fausse."};
constexpr Words kSomeWrong{"{1} of your values are wrong - press Check again to see which.",
                           "{1} Ihrer Werte sind falsch - noch einmal Prüfen zeigt, welche.",
                           "{1} de vos valeurs sont fausses - cliquez encore sur Vérifier pour "
                           "les voir."};
constexpr Words kOneWrong{"One of your values is wrong - press Check again to see which.",
                          "Einer Ihrer Werte ist falsch - noch einmal Prüfen zeigt, welcher.",
                          "Une de vos valeurs est fausse - cliquez encore sur Vérifier pour la "
                          "voir."};
constexpr Words kWhichWrong{"Wrong: {1}.", "Falsch: {1}.", "Fausses : {1}."};
constexpr Words kRating{"Rating: {1} (score {2}).", "Bewertung: {1} ({2} Punkte).",
                        "Difficulté : {1} (score {2})."};
constexpr std::array<Words, 5> kLevels{{{"easy", "leicht", "facile"},
                                        {"medium", "mittel", "moyen"},
                                        {"hard", "schwer", "difficile"},
                                        {"beyond the program's rules",
                                         "jenseits der Regeln des "
                                         "Programms",
                                         "au-delà des règles du logiciel"},
                                        {"invalid", "ungültig", "invalide"}}};

}  // namespace

std::string verdictLine(Verdict verdict, StepLanguage language) {
    switch (verdict) {
        case Verdict::None:
            return std::string(in(kNone, language));
        case Verdict::Unique:
            return std::string(in(kUnique, language));
        case Verdict::Multiple:
            return std::string(in(kMultiple, language));
        case Verdict::Invalid:
            break;
    }
    return std::string(in(kInvalidShort, language));
}

std::string levelName(Level level, StepLanguage language) {
    return std::string(in(kLevels[static_cast<std::size_t>(level)], language));
}

std::string ratingLine(const Rating& rating, StepLanguage language) {
    return fillNumbered(in(kRating, language),
                        {levelName(rating.level, language), std::to_string(rating.score)});
}

std::string checkReport(const CheckFindings& f, StepLanguage language) {
    std::string out;
    const auto add = [&out](const std::string& sentence) {
        if (!out.empty()) out += ' ';
        out += sentence;
    };
    if (f.check.verdict == Verdict::Invalid) {
        add(fillNumbered(in(kInvalid, language),
                         {cells(f.check.conflictingGivens, f.n, language)}));
    } else {
        add(verdictLine(f.check.verdict, language));
    }
    if (f.typos.searched && !f.typos.suspects.empty()) {
        std::vector<std::string> names;
        for (const TypoSuspect& s : f.typos.suspects) {
            const std::string name = cellName(s.cell, f.n);
            names.push_back(s.value == 0 ? name
                                         : fillNumbered(in(kTypoValue, language),
                                                        {name, elementName(s.value, f.elements)}));
        }
        add(fillNumbered(in(kTypos, language), {joinList(names, language)}));
    } else if (f.typos.noSingleGivenExplains()) {
        add(std::string(in(kNoTypo, language)));
    }
    if (f.wrong) {
        if (*f.wrong == 0) {
            add(std::string(in(kNoneWrong, language)));
        } else if (!f.wrongCells.empty()) {
            add(fillNumbered(in(kWhichWrong, language), {cells(f.wrongCells, f.n, language)}));
        } else {
            add(*f.wrong == 1 ? std::string(in(kOneWrong, language))
                              : fillNumbered(in(kSomeWrong, language), {std::to_string(*f.wrong)}));
        }
    }
    if (f.rating) add(ratingLine(*f.rating, language));
    return out;
}

}  // namespace velmora
