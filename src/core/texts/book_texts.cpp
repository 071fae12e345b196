#include "texts/book_texts.h"

#include <array>
#include <cstddef>

#include "texts/placeholders.h"

namespace velmora::book {

namespace {

struct Row {
    BookText id;
    std::string_view english;
    std::string_view german;
    std::string_view french;
};

constexpr std::array kRows{
    Row{BookText::DefaultTitle, "Sudoku Velmora puzzle book", "Sudoku-Velmora-Rätselheft",
        "Livret de sudokus Velmora"},
    Row{BookText::SolutionsHeading, "Solutions", "Lösungen", "Solutions"},
    Row{BookText::PageOf, "Page {1} of {2}", "Seite {1} von {2}", "Page {1} sur {2}"},
    Row{BookText::Number, "No. {1}", "Nr. {1}", "N° {1}"},
    Row{BookText::GridShape, "{1}x{1}, boxes {2}x{3}", "{1}x{1}, Blöcke {2}x{3}",
        "{1}x{1}, blocs {2}x{3}"},
    Row{BookText::LevelScore, "{1}, score {2}", "{1}, Wertung {2}", "{1}, score {2}"},
    Row{BookText::NoSolution, "no solution found", "keine Lösung gefunden",
        "aucune solution trouvée"},
    Row{BookText::Easy, "easy", "leicht", "facile"},
    Row{BookText::Medium, "medium", "mittel", "moyen"},
    Row{BookText::Hard, "hard", "schwer", "difficile"},
    Row{BookText::Beyond, "beyond the rules", "jenseits der Regeln", "au-delà des règles"},
    Row{BookText::Invalid, "invalid", "ungültig", "invalide"},
    Row{BookText::DialogTitle, "Puzzle book", "Rätselheft", "Livret de puzzles"},
    Row{BookText::BoxShapeLabel, "Box shape", "Blockform", "Forme des blocs"},
    Row{BookText::DifficultyLabel, "Difficulty", "Niveau", "Difficulté"},
    Row{BookText::LevelLabel, "Level", "Stufe", "Niveau"},
    Row{BookText::AnyLevel, "any", "beliebig", "tous"},
    Row{BookText::CountLabel, "Puzzles", "Rätsel", "Puzzles"},
    Row{BookText::PerPageLabel, "Puzzles a page", "Rätsel pro Seite", "Puzzles par page"},
    Row{BookText::SolutionsBox, "Solutions at the back", "Lösungen am Ende", "Solutions à la fin"},
    Row{BookText::CandidatesBox, "Print the candidates", "Kandidaten drucken",
        "Imprimer les candidats"},
    Row{BookText::TitleLabel, "Title", "Titel", "Titre"},
    Row{BookText::PaperLabel, "Paper", "Papier", "Papier"},
    Row{BookText::WriteButton, "Write PDF...", "PDF schreiben...", "Écrire le PDF..."},
    Row{BookText::CancelButton, "Cancel", "Abbrechen", "Annuler"},
    Row{BookText::SaveTitle, "Save the puzzle book", "Rätselheft speichern",
        "Enregistrer le livret"},
    Row{BookText::PdfFilter, "PDF files (*.pdf)", "PDF-Dateien (*.pdf)", "Fichiers PDF (*.pdf)"},
    Row{BookText::Making, "Making puzzle {1} of {2}...", "Rätsel {1} von {2} wird erstellt...",
        "Création du puzzle {1} sur {2}..."},
    Row{BookText::Writing, "Writing page {1} of {2}...", "Seite {1} von {2} wird geschrieben...",
        "Écriture de la page {1} sur {2}..."},
    Row{BookText::Written, "The puzzle book was written to {1}.",
        "Das Rätselheft wurde in {1} gespeichert.", "Le livret a été enregistré dans {1}."},
    Row{BookText::CannotWrite, "cannot write {1}: {2}", "{1} kann nicht geschrieben werden: {2}",
        "impossible d'écrire {1} : {2}"},
    Row{BookText::LevelGaveUp,
        "no {1} puzzle came in {2} attempts (puzzle {3}); try another difficulty",
        "in {2} Versuchen kam kein Rätsel der Stufe {1} (Rätsel {3}); versuchen Sie ein anderes "
        "Niveau",
        "aucun puzzle {1} en {2} essais (puzzle {3}) ; essayez une autre difficulté"},
    Row{BookText::CellsTooSmall,
        "{1} puzzles a page would make the cells of a {2} grid {3} mm wide, too small to write "
        "in (at least {4} mm); choose {5} a page",
        "Mit {1} Rätseln pro Seite wären die Zellen eines {2}-Gitters {3} mm breit, zu klein zum "
        "Schreiben (mindestens {4} mm); wählen Sie {5} pro Seite",
        "avec {1} puzzles par page, les cases d'une grille {2} mesureraient {3} mm, trop petites "
        "pour écrire (au moins {4} mm) ; choisissez {5} par page"},
    Row{BookText::NotOffered, "{1} puzzles a page are not offered for a {2} grid; choose {3}",
        "{1} Rätsel pro Seite gibt es für ein {2}-Gitter nicht; wählen Sie {3}",
        "{1} puzzles par page ne sont pas proposés pour une grille {2} ; choisissez {3}"},
    Row{BookText::Or, "or", "oder", "ou"},
};

// Every row sits at its id's place, so a lookup is an index.
constexpr bool rowsInOrder() {
    for (std::size_t i = 0; i < kRows.size(); ++i)
        if (static_cast<std::size_t>(kRows[i].id) != i) return false;
    return true;
}
static_assert(rowsInOrder());

std::string_view pattern(BookText id, int language) {
    const Row& row = kRows[static_cast<std::size_t>(id)];
    if (language == 1) return row.german;
    if (language == 2) return row.french;
    return row.english;
}

}  // namespace

std::string bookText(BookText id, int language, std::initializer_list<std::string_view> args) {
    return fillNumbered(pattern(id, language), args);
}

std::string levelName(Level level, int language) {
    switch (level) {
        case Level::Easy:
            return bookText(BookText::Easy, language);
        case Level::Medium:
            return bookText(BookText::Medium, language);
        case Level::Hard:
            return bookText(BookText::Hard, language);
        case Level::Beyond:
            return bookText(BookText::Beyond, language);
        case Level::Invalid:
            break;
    }
    return bookText(BookText::Invalid, language);
}

std::string choiceList(const std::vector<int>& choices, int language) {
    std::string list;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (i > 0)
            list += i + 1 == choices.size() ? " " + bookText(BookText::Or, language) + " " : ", ";
        list += std::to_string(choices[i]);
    }
    return list;
}

}  // namespace velmora::book
