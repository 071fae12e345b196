#include "texts/read_error_texts.h"

#include <array>
#include <string_view>

#include "texts/placeholders.h"

namespace velmora {

namespace {

struct Sentences {
    ReadErrorCode code;
    std::array<std::string_view, 3> text;  // English, German, French
};

// {L} line, {C} column, {F} found, {E} expected, {T} text.
constexpr std::array<Sentences, 14> kSentences{{
    {ReadErrorCode::TooLarge,
     {"The text is larger than 1 MiB and is not read.",
      "Der Text ist größer als 1 MiB und wird nicht gelesen.",
      "Le texte dépasse 1 Mio et n'est pas lu."}},
    {ReadErrorCode::BadElements,
     {"The element characters {T} cannot be used for reading: they must be distinct printable "
      "characters other than blanks and . - * _ | ! + # ( ) : = ' [ ].",
      "Die Elementzeichen {T} taugen nicht zum Lesen: Es müssen verschiedene druckbare Zeichen "
      "sein, keine Leerzeichen und keines von . - * _ | ! + # ( ) : = ' [ ].",
      "Les caractères d'éléments {T} ne conviennent pas à la lecture : il faut des caractères "
      "imprimables distincts, sans espace ni . - * _ | ! + # ( ) : = ' [ ]."}},
    {ReadErrorCode::NoPuzzle,
     {"The text holds no puzzle.", "Der Text enthält kein Rätsel.",
      "Le texte ne contient aucune grille."}},
    {ReadErrorCode::NotAPuzzle,
     {"Line {L} is neither a puzzle line nor a row of a grid.",
      "Zeile {L} ist weder eine Rätselzeile noch eine Zeile eines Gitters.",
      "La ligne {L} n'est ni une grille sur une ligne ni une rangée de grille."}},
    {ReadErrorCode::WrongLength,
     {"Line {L}: a puzzle line of {F} characters; a line holds N*N of them (16, 36, 64, 81, 100, "
      "144, 225, 256 or 324) or N*N*N candidates.",
      "Zeile {L}: eine Rätselzeile mit {F} Zeichen; eine Zeile hat N*N davon (16, 36, 64, 81, "
      "100, 144, 225, 256 oder 324) oder N*N*N Kandidaten.",
      "Ligne {L} : une grille sur une ligne de {F} caractères ; une ligne en a N*N (16, 36, 64, "
      "81, 100, 144, 225, 256 ou 324) ou N*N*N candidats."}},
    {ReadErrorCode::TagLength,
     {"Line {L}: after the tag {T} come {F} characters; it needs {E}.",
      "Zeile {L}: Nach der Kennung {T} folgen {F} Zeichen; nötig sind {E}.",
      "Ligne {L} : l'étiquette {T} est suivie de {F} caractères ; il en faut {E}."}},
    {ReadErrorCode::BadTag,
     {"Line {L}: the tag {T} names none of the box shapes 3x3, 4x4, 2x2, 2x3, 3x4, 2x4, 2x5, "
      "3x5, 2x6, 3x6.",
      "Zeile {L}: Die Kennung {T} nennt keine der Blockformen 3x3, 4x4, 2x2, 2x3, 3x4, 2x4, 2x5, "
      "3x5, 2x6, 3x6.",
      "Ligne {L} : l'étiquette {T} ne désigne aucune des formes de bloc 3x3, 4x4, 2x2, 2x3, 3x4, "
      "2x4, 2x5, 3x5, 2x6, 3x6."}},
    {ReadErrorCode::BadCharacter,
     {"Line {L}: the character {T} at position {C} is not an element of a {E}x{E} puzzle.",
      "Zeile {L}: Das Zeichen {T} an Position {C} ist kein Element eines {E}x{E}-Rätsels.",
      "Ligne {L} : le caractère {T} en position {C} n'est pas un élément d'une grille {E}x{E}."}},
    {ReadErrorCode::BadCandidate,
     {"Line {L}: position {C} of the candidate line holds {T}; only element {E} or '.' fits "
      "there.",
      "Zeile {L}: Position {C} der Kandidatenzeile enthält {T}; dort passt nur Element {E} oder "
      "'.'.",
      "Ligne {L} : la position {C} de la ligne de candidats contient {T} ; seul l'élément {E} ou "
      "'.' y convient."}},
    {ReadErrorCode::BadCell,
     {"Line {L}: cell {C} of the row, {T}, is neither a value nor a list of candidates.",
      "Zeile {L}: Zelle {C} der Zeile, {T}, ist weder ein Wert noch eine Kandidatenliste.",
      "Ligne {L} : la case {C} de la rangée, {T}, n'est ni une valeur ni une liste de "
      "candidats."}},
    {ReadErrorCode::UnsupportedSize,
     {"Line {L}: a grid row of {F} cells; rows hold 4, 6, 8, 9, 10, 12, 15, 16 or 18.",
      "Zeile {L}: eine Gitterzeile mit {F} Zellen; Zeilen haben 4, 6, 8, 9, 10, 12, 15, 16 "
      "oder 18.",
      "Ligne {L} : une rangée de {F} cases ; une rangée en compte 4, 6, 8, 9, 10, 12, 15, 16 "
      "ou 18."}},
    {ReadErrorCode::RowLength,
     {"Line {L}: a row of {F} cells in a grid whose rows have {E}.",
      "Zeile {L}: eine Zeile mit {F} Zellen in einem Gitter, dessen Zeilen {E} haben.",
      "Ligne {L} : une rangée de {F} cases dans une grille dont les rangées en ont {E}."}},
    {ReadErrorCode::IncompleteGrid,
     {"The grid starting at line {L} has {F} of its {E} rows.",
      "Das Gitter ab Zeile {L} hat {F} von {E} Zeilen.",
      "La grille qui commence à la ligne {L} a {F} de ses {E} rangées."}},
    {ReadErrorCode::AmbiguousShape,
     {"Line {L}: ambiguous shape (3x4 or 2x6): the 12x12 puzzle does not say which boxes it "
      "has.",
      "Zeile {L}: mehrdeutige Form (3x4 oder 2x6): Das 12x12-Rätsel sagt nicht, welche Blöcke es "
      "hat.",
      "Ligne {L} : forme ambiguë (3x4 ou 2x6) : la grille 12x12 ne dit pas quels blocs elle "
      "a."}},
}};

}  // namespace

std::string readErrorMessage(const ReadError& error, int language) {
    const std::size_t column = language == 1 ? 1 : language == 2 ? 2 : 0;
    std::string_view pattern;
    for (const auto& sentences : kSentences)
        if (sentences.code == error.code) pattern = sentences.text[column];
    return fillPlaceholders(pattern, {{"L", std::to_string(error.line)},
                                      {"C", std::to_string(error.column)},
                                      {"F", std::to_string(error.found)},
                                      {"E", std::to_string(error.expected)},
                                      {"T", error.text}});
}

}  // namespace velmora
