#include "texts/window_texts.h"

#include <array>
#include <cstddef>

namespace velmora {

namespace {

constexpr ControlTexts kEnglishMenus[] = {
    {"mnuFile", "&File", std::nullopt},
    {"actLoad", "&Load...", std::nullopt},
    {"actSave", "&Save...", std::nullopt},
    {"actPrint", "&Print...", std::nullopt},
    {"actBook", "Puzzle &book...", std::nullopt},
    {"actExit", "E&xit", std::nullopt},
    {"mnuEdit", "&Edit", std::nullopt},
    {"actUndo", "&Undo", std::nullopt},
    {"actRedo", "&Redo", std::nullopt},
    {"actCopy", "&Copy", std::nullopt},
    {"actPaste", "&Paste", std::nullopt},
    {"mnuPuzzle", "&Puzzle", std::nullopt},
    {"actGenerate", "&Generate", std::nullopt},
    {"actEnterInitial", "Enter gi&ven numbers", std::nullopt},
    {"actEnterSolution", "Enter &solution", std::nullopt},
    {"actSolve", "S&olve", std::nullopt},
    {"actHint", "&Hint", std::nullopt},
    {"actExplain", "E&xplain", std::nullopt},
    {"actCheck", "&Check", std::nullopt},
    {"actHighlight", "Highlight the cell's v&alue", std::nullopt},
    {"actReset", "&Reset", std::nullopt},
    {"actClear", "C&lear", std::nullopt},
    {"mnuHelp", "&Help", std::nullopt},
    {"actKeys", "&Keyboard shortcuts", std::nullopt},
    {"actAbout", "&About Sudoku Velmora", std::nullopt},
};

constexpr ControlTexts kGermanMenus[] = {
    {"mnuFile", "&Datei", std::nullopt},
    {"actLoad", "&Laden...", std::nullopt},
    {"actSave", "&Speichern...", std::nullopt},
    {"actPrint", "&Drucken...", std::nullopt},
    {"actBook", "Puzzle&buch...", std::nullopt},
    {"actExit", "B&eenden", std::nullopt},
    {"mnuEdit", "&Bearbeiten", std::nullopt},
    {"actUndo", "&Rückgängig", std::nullopt},
    {"actRedo", "&Wiederherstellen", std::nullopt},
    {"actCopy", "&Kopieren", std::nullopt},
    {"actPaste", "E&infügen", std::nullopt},
    {"mnuPuzzle", "&Puzzle", std::nullopt},
    {"actGenerate", "&Neu generieren", std::nullopt},
    {"actEnterInitial", "&Vorgaben eingeben", std::nullopt},
    {"actEnterSolution", "&Lösung eingeben", std::nullopt},
    {"actSolve", "Lö&sen", std::nullopt},
    {"actHint", "&Tipp", std::nullopt},
    {"actExplain", "&Erklären", std::nullopt},
    {"actCheck", "&Prüfen", std::nullopt},
    {"actHighlight", "Wert der Zelle &hervorheben", std::nullopt},
    {"actReset", "&Zurücksetzen", std::nullopt},
    {"actClear", "&Alles löschen", std::nullopt},
    {"mnuHelp", "&Hilfe", std::nullopt},
    {"actKeys", "&Tastenkürzel", std::nullopt},
    {"actAbout", "Ü&ber Sudoku Velmora", std::nullopt},
};

constexpr ControlTexts kFrenchMenus[] = {
    {"mnuFile", "&Fichier", std::nullopt},
    {"actLoad", "&Charger...", std::nullopt},
    {"actSave", "&Sauver...", std::nullopt},
    {"actPrint", "&Imprimer...", std::nullopt},
    {"actBook", "&Livre de puzzles...", std::nullopt},
    {"actExit", "&Quitter", std::nullopt},
    {"mnuEdit", "É&dition", std::nullopt},
    {"actUndo", "&Annuler", std::nullopt},
    {"actRedo", "&Répéter", std::nullopt},
    {"actCopy", "&Copier", std::nullopt},
    {"actPaste", "C&oller", std::nullopt},
    {"mnuPuzzle", "&Puzzle", std::nullopt},
    {"actGenerate", "&Créer", std::nullopt},
    {"actEnterInitial", "Entrer les chiffres &donnés", std::nullopt},
    {"actEnterSolution", "Entrer la &solution", std::nullopt},
    {"actSolve", "&Résoudre", std::nullopt},
    {"actHint", "C&onseil", std::nullopt},
    {"actExplain", "&Expliquer", std::nullopt},
    {"actCheck", "&Vérifier", std::nullopt},
    {"actHighlight", "Mettre en év&idence la valeur de la case", std::nullopt},
    {"actReset", "Reco&mmencer", std::nullopt},
    {"actClear", "E&ffacer", std::nullopt},
    {"mnuHelp", "&Aide", std::nullopt},
    {"actKeys", "&Raccourcis clavier", std::nullopt},
    {"actAbout", "À &propos de Sudoku Velmora", std::nullopt},
};

constexpr ControlTexts kEnglishNames[] = {
    {"EntryGrid", "Puzzle grid", std::nullopt},
    {"tbGridEntry", "Pencil marks of the cell", std::nullopt},
    {"tbExplanation", "Explanation", std::nullopt},
    {"tbVersion", "Version", std::nullopt},
};

constexpr ControlTexts kGermanNames[] = {
    {"EntryGrid", "Sudoku-Gitter", std::nullopt},
    {"tbGridEntry", "Hilfsziffern der Zelle", std::nullopt},
    {"tbExplanation", "Erklärung", std::nullopt},
    {"tbVersion", "Version", std::nullopt},
};

constexpr ControlTexts kFrenchNames[] = {
    {"EntryGrid", "Grille du puzzle", std::nullopt},
    {"tbGridEntry", "Possibilités de la case", std::nullopt},
    {"tbExplanation", "Explication", std::nullopt},
    {"tbVersion", "Version", std::nullopt},
};

// The words of a cell's name, per language.
struct CellWords {
    std::string_view row;
    std::string_view col;
    std::string_view colon;
    std::string_view given;
    std::string_view conflict;
    std::string_view candidates;
    std::string_view noCandidates;
    std::string_view empty;
    std::string_view highlighted;
};

constexpr std::array<CellWords, 3> kCellWords{{
    {"r", "c", ": ", ", given", ", conflict", "candidates", "no candidates", "empty",
     ", highlighted"},
    {"Z", "S", ": ", ", Vorgabe", ", Konflikt", "Kandidaten", "keine Kandidaten", "leer",
     ", hervorgehoben"},
    // French sets a blank before the colon.
    {"L", "C", " : ", ", donné", ", conflit", "candidats", "aucun candidat", "vide",
     ", en évidence"},
}};

constexpr std::array<std::string_view, 3> kGridKeys{
    "1-9, 0, A-Z (the puzzle's characters): enter the value and move on\n"
    ". (and 0 where it is no character of the puzzle): empty the cell and move on\n"
    "Space, Backspace: empty the cell\n"
    "Enter: to the start of the next row\n"
    "Arrow keys: move; Left and Right go on into the previous or next row\n"
    "Home, End: start or end of the row; Ctrl+Home, Ctrl+End: first or last cell\n"
    "Ctrl + a character: highlight that value everywhere; again, or Escape, ends it\n"
    "Alt + a character: with Manual Pencil marks, add or remove that pencil mark\n"
    "Double click: edit the pencil marks of the cell\n"
    "Tab, Shift+Tab: on to the buttons and options, and back",
    "1-9, 0, A-Z (die Zeichen des Puzzles): Wert eintragen und weiter\n"
    ". (und 0, wo sie kein Zeichen des Puzzles ist): Zelle leeren und weiter\n"
    "Leertaste, Rücktaste: Zelle leeren\n"
    "Eingabetaste: an den Anfang der nächsten Zeile\n"
    "Pfeiltasten: bewegen; links und rechts geht es in der vorigen oder nächsten Zeile weiter\n"
    "Pos1, Ende: Anfang oder Ende der Zeile; Strg+Pos1, Strg+Ende: erste oder letzte Zelle\n"
    "Strg + ein Zeichen: diesen Wert überall hervorheben; nochmals, oder Esc, beendet es\n"
    "Alt + ein Zeichen: bei manuellen Hilfsziffern diese Hilfsziffer setzen oder entfernen\n"
    "Doppelklick: Hilfsziffern der Zelle bearbeiten\n"
    "Tab, Umschalt+Tab: weiter zu den Tasten und Optionen, und zurück",
    "1-9, 0, A-Z (les caractères du puzzle) : entrer la valeur et avancer\n"
    ". (et 0 s'il n'est pas un caractère du puzzle) : vider la case et avancer\n"
    "Espace, Retour arrière : vider la case\n"
    "Entrée : au début de la ligne suivante\n"
    "Flèches : se déplacer ; gauche et droite continuent sur la ligne précédente ou suivante\n"
    "Début, Fin : début ou fin de la ligne ; Ctrl+Début, Ctrl+Fin : première ou dernière case\n"
    "Ctrl + un caractère : mettre cette valeur en évidence ; encore, ou Échap, l'arrête\n"
    "Alt + un caractère : avec vos possibilités manuelles, ajouter ou retirer celle-ci\n"
    "Double clic : modifier les possibilités de la case\n"
    "Tab, Maj+Tab : vers les boutons et les options, et retour",
};

constexpr std::array<std::string_view, 3> kAboutLines{
    "A workbench for Sudoku puzzles from 4x4 to 18x18: generate, type in, solve with help, "
    "save and print.",
    "Eine Werkbank für Sudokus von 4x4 bis 18x18: generieren, eintippen, mit Hilfe lösen, "
    "speichern und drucken.",
    "Un atelier pour les Sudokus de 4x4 à 18x18 : créer, saisir, résoudre avec de l'aide, "
    "sauver et imprimer.",
};

constexpr std::array<std::array<std::string_view, 3>, 8> kWindowTexts{{
    {"Keyboard shortcuts", "Tastenkürzel", "Raccourcis clavier"},
    {"Commands", "Befehle", "Commandes"},
    {"In the grid", "Im Gitter", "Dans la grille"},
    {"About Sudoku Velmora", "Über Sudoku Velmora", "À propos de Sudoku Velmora"},
    {"Working - Cancel stops it and keeps the puzzle as it was",
     "Bitte warten - Abbrechen hält an und lässt das Puzzle, wie es war",
     "Calcul en cours - Annuler l'arrête et garde le puzzle tel quel"},
    {"Cancel", "Abbrechen", "Annuler"},
    {"Generation cancelled - the puzzle is as it was",
     "Generieren abgebrochen - das Puzzle ist wie vorher",
     "Création annulée - le puzzle est inchangé"},
    {"Your puzzle could not be kept for the next start. Exit anyway?\n",
     "Ihr Puzzle konnte nicht für den nächsten Start aufbewahrt werden. Trotzdem beenden?\n",
     "Votre puzzle n'a pas pu être gardé pour le prochain démarrage. Quitter quand même ?\n"},
}};

std::size_t languageIndex(int language) {
    return (language == 1 || language == 2) ? static_cast<std::size_t>(language) : 0;
}

void writeCaptions(std::span<const ControlTexts> table, NamedControls& controls) {
    for (const ControlTexts& row : table)
        controls.setCaption(row.control, std::string(row.caption));
}

void writeNames(std::span<const ControlTexts> table, NamedControls& controls) {
    for (const ControlTexts& row : table)
        controls.setAccessibleName(row.control, std::string(row.caption));
}

}  // namespace

std::span<const ControlTexts> menuTable(int language) {
    if (language == 1) return kGermanMenus;
    if (language == 2) return kFrenchMenus;
    return kEnglishMenus;
}

std::span<const ControlTexts> accessibleNameTable(int language) {
    if (language == 1) return kGermanNames;
    if (language == 2) return kFrenchNames;
    return kEnglishNames;
}

void applyWindowTexts(int language, NamedControls& controls) {
    writeCaptions(kEnglishMenus, controls);
    writeNames(kEnglishNames, controls);
    if (language == 1 || language == 2) {
        writeCaptions(menuTable(language), controls);
        writeNames(accessibleNameTable(language), controls);
    }
}

std::string cellName(int row, int col, const CellSpeech& cell, int language) {
    const CellWords& w = kCellWords[languageIndex(language)];
    std::string name;
    name += w.row;
    name += std::to_string(row + 1);
    name += w.col;
    name += std::to_string(col + 1);
    name += w.colon;
    if (!cell.value.empty()) {
        name += cell.value;
        if (cell.given) name += w.given;
    } else if (!cell.candidatesShown) {
        name += w.empty;
    } else if (cell.candidates.empty()) {
        name += w.noCandidates;
    } else {
        name += w.candidates;
        for (const std::string& c : cell.candidates) {
            name += ' ';
            name += c;
        }
    }
    if (cell.conflict) name += w.conflict;
    if (cell.highlighted) name += w.highlighted;
    return name;
}

std::string gridKeysHelp(int language) {
    return std::string(kGridKeys[languageIndex(language)]);
}

std::string aboutText(int language, std::string_view version) {
    std::string text = "Sudoku Velmora ";
    text += version;
    text += "\n\n";
    text += kAboutLines[languageIndex(language)];
    text += "\n\nVelmora Puzzle Works\nhttps://velmora.example";
    return text;
}

std::string windowText(WindowText id, int language) {
    const auto i = static_cast<std::size_t>(id);
    if (i >= kWindowTexts.size()) return {};
    return std::string(kWindowTexts[i][languageIndex(language)]);
}

}  // namespace velmora
