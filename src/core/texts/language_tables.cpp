// The language tables. Texts are kept exactly as the program has always shown them; the blank
// after the hyphen in "Wiederher- stellen" and "Recomm- encer" is where those captions wrap.
#include "texts/language_tables.h"

#include <cstddef>
#include <string>

namespace velmora {

namespace {

constexpr std::string_view kEnglishTitle =
    "Sudoku Velmora - Velmora Puzzle Works - https://velmora.example";
constexpr std::string_view kGermanTitle =
    "Sudoku Velmora - ein Programm von Velmora Puzzle Works - im Internet unter "
    "https://velmora.example";

constexpr ControlTexts kEnglish[] = {
    {"lbGenerate", "Generate Puzzle", std::nullopt},
    {"cbGenerate", "Generate",
     "Use this to generate a new puzzle - any existing puzzle will be wiped"},
    {"lbDifficulty", "Difficulty", "Move the slider to increase difficulty of puzzle generated"},
    {"lbUsing", "Using",
     "Normally you wouldn't need to touch this - it is the characters to use in the puzzle"},
    {"lbSetup", "Set Up Puzzle", std::nullopt},
    {"cbEnterInitial", "Enter given numbers",
     "Use this button to enter the initial puzzle - for example from a newspaper"},
    {"cbReset", "Reset",
     "This will set the puzzle to the initial puzzle - losing the work you have done"},
    {"cbClear", "Clear",
     "This will clear the current grid - losing all work done on this puzzle including the given "
     "numbers"},
    {"lbcandidates", "Candidates and Entry", std::nullopt},
    {"cbenterSolution", "Enter Solution", "Use this to enter your manual solution in the cells"},
    {"lbshowpencil", "Show Pencil Marks",
     "Ticking this box will reveal the possibilities for a particular cell"},
    {"lbsimple", "Simple Elimination only",
     "Normally I use complex rules to eliminate as many possibilities from the scribble area as "
     "possible. Tick this box for simple rules only"},
    {"lbsolve", "Solve Puzzle", std::nullopt},
    {"lbManual", "Manual Pencil Marks", "Double click on cell to enter your own pencil marks"},
    {"cbSolve", "Solve", "Will solve the current puzzle"},
    {"lbuseBrute", "Use brute force (not necessary for genuine sudokus)",
     "True sudokus only have 1 solution and can be solved by logic alone - this will solve "
     "non-genuine Sudokus"},
    {"lboops", "Oops!!", std::nullopt},
    {"cbUndo", "Undo", "Undo the last manual entry"},
    {"cbRedo", "Redo", "Redo the last Undo"},
    {"cbhint", "Hint", "If you are stuck this may reveal a possible answer"},
    {"cbSave", "Save", std::nullopt},
    {"cbPrint", "Print", "Print the puzzle"},
    {"cbBook", "Puzzle book...", "Make a book of new puzzles as a PDF file to print"},
    {"cbLoad", "Load", std::nullopt},
    {"cbExit", "Exit", "Exit the program"},
    {kWindowTitleControl, kEnglishTitle, std::nullopt},
    {"lblanguage", "Language", std::nullopt},
    {"lbshowelims", "Show Pencil mark eliminations",
     "Reveal count of each type of complex eliminations"},
    {"cbExplain", "Explain",
     "Explains the next step - press again to see it in the grid, a third time to apply it"},
    {"cbCheck", "Check",
     "Checks the puzzle - how many solutions it has, likely typos and wrong values of your own"},
};

// The German texts the window has always had spell umlauts as two letters; newer ones use them.
constexpr ControlTexts kGerman[] = {
    {"lbGenerate", "Puzzle generieren", std::nullopt},
    {"cbGenerate", "Neu", "Ein Klick generiert ein neues Puzzle - alles Bestehende wird geloescht"},
    {"lbDifficulty", "Niveau",
     "Der Schieber nimmt Einfluss auf das Niveau: links: leicht - rechts: schwer"},
    {"lbUsing", "Benutzt",
     "Dieses Feld kann normalerweise so bleiben - es zeigt die benutzten Ziffern"},
    {"lbSetup", "Puzzle -Einstellungen", std::nullopt},
    {"cbEnterInitial", "Manuelle Eingabe",
     "Hier koennen Sie eigene Sudokus eingeben -zum Beispiel aus der Zeitung"},
    {"cbReset", "Reset",
     "Diese Taste stellt den Ursprungszustand wieder her - die geleistete Puzzlearbeit ist dann "
     "verloren"},
    {"cbClear", "Clear",
     "Diese Taste loescht das Ziffernfeld komplett - einschliesslich der selbst eingegebenen "
     "Ziffern"},
    {"lbcandidates", "Eintragskontrolle", std::nullopt},
    {"cbenterSolution", "Loesung eingeben",
     "Hier koennen Sie die Loesung manuell in die Zellen eingeben"},
    {"lbshowpencil", "Zeigt die Hilfszahlen",
     "Ein Klick zeigt kleine graue Ziffern mit den Wahlmoeglichkeiten dieser Zelle"},
    {"lbsimple", "Einfaches Ausschlussverfahren",
     "Hier laesst sich einstellen, ob komplexe oder einfache Ausschlussregeln zur Anwendung "
     "kommen. Angehakt werden einfache Regeln benutzt"},
    {"lbsolve", "Das Puzzle loesen", std::nullopt},
    {"lbManual", "Manuelle Hilfsziffern",
     "Ein Doppelklick auf die Zelle ermoeglicht die Eingabe eigener Hilfsziffern"},
    {"cbSolve", "Loesen", "Loest das generierte Puzzle sofort"},
    {"lbuseBrute", "Brute Force-Methode (nicht erforderlich fuer stilreine Sudokus)",
     "Stilreine Sudokus haben nur eine Loesung und koennen allein mit Logik geknackt werden - "
     "Brute-Force loest auch nicht regelgerechte Sudokus."},
    {"lboops", "Probleme?", std::nullopt},
    {"cbUndo", "Schritt zurueck", "Letzten Zug zuruecknehmen"},
    {"cbRedo", "Wiederher- stellen", "Ruecknahme zuruecknehmen"},
    {"cbhint", "Kleiner Tip",
     "Wenn Sie wirklich nicht weiterkommen, gibt es hier eine Ziffer pro Klick gratis."},
    {"cbSave", "Speichern", std::nullopt},
    {"cbPrint", "Drucken", "Das Puzzle ausdrucken"},
    {"cbBook", "Rätselheft...", "Ein Heft neuer Rätsel als PDF-Datei zum Ausdrucken erstellen"},
    {"cbLoad", "Laden", std::nullopt},
    {"cbExit", "Schliessen", "Beendet das Programm"},
    {kWindowTitleControl, kGermanTitle, std::nullopt},
    {"lblanguage", "Sprachauswahl", std::nullopt},
    {"lbshowelims", "Zeige Hilfszeichen",
     "Bei gesetztem Haken werden die Auswahlmoeglichkeiten der Zelle gezeigt"},
    {"cbExplain", "Erklären",
     "Erklärt den nächsten Schritt - nochmals klicken zeigt ihn im Gitter, ein drittes Mal führt "
     "ihn aus"},
    {"cbCheck", "Prüfen",
     "Prüft das Puzzle - wie viele Lösungen es hat, mögliche Tippfehler und eigene falsche Werte"},
};

// French keeps the English Redo tool tip and the English title.
constexpr ControlTexts kFrench[] = {
    {"lbGenerate", "Créer un nouveau puzzle", std::nullopt},
    {"cbGenerate", "Créer",
     "Utilisez ce bouton pour créer un nouveau puzzle - le puzzle en cours sera effacé"},
    {"lbDifficulty", "Difficulté",
     "Déplacer le barre horizontale sur la droite pour augmenter la difficulté du puzzle"},
    {"lbUsing", "Utilisant...",
     "Entrez différents charactères si vous voulez rendre le puzzle plus complexe."},
    {"lbSetup", "Préparation du puzzle", std::nullopt},
    {"cbEnterInitial", "Entrée manuelle",
     "Utilisez ce bouton pour remplir les chiffres initialement - Par exemple un puzzle trouvé "
     "dans le journal"},
    {"cbReset", "Recomm- encer",
     "Ré-initialiser le puzzle  - les solutions entrées jusqu'ici seront effacées -retour à la "
     "grille originale"},
    {"cbClear", "Effacer",
     "Effacer la grille courante - les solutions et les chiffres initiaux seront effacés"},
    {"lbcandidates", "Les possibilitées", std::nullopt},
    {"cbenterSolution", "Entrer la solution",
     "Utiliser ce bouton pour rentrer les chiffres dans les cellules"},
    {"lbshowpencil", "Crayon", "Montrer les possibilités de chaque cellule"},
    {"lbsimple", "Simple élimination seulement",
     "Normalement, le logiciel utilise des techniques complexes pour éliminer les possibilités. "
     "Choisissez cette option pour utiliser des tactiques simples."},
    {"lbsolve", "Trouver la solution", std::nullopt},
    {"lbManual", "Entrez vos solutions comme sur papier",
     "Double-cliquez la cellule pour rentrer vos possibilités"},
    {"cbSolve", "Résoudre", "Trouver la solution du puzzle"},
    {"lbuseBrute", "Forcer la solution (pas nécessaire pour les véritables Sudokus)",
     "Les véritables Sudokus ont une solution unique, trouvée logiquement. Cette option est pour "
     "les Sudokus aux solutions multiples"},
    {"lboops", "Oh zut..", std::nullopt},
    {"cbUndo", "Annuler", "Annuler la dernière entrée"},
    {"cbRedo", "Répéter", std::nullopt},
    {"cbhint", "Conseiller", "Si vous êtes bloqué, je peux vous aider"},
    {"cbSave", "Sauver", std::nullopt},
    {"cbPrint", "Imprimer", "Imprimer le puzzle"},
    {"cbBook", "Livret de puzzles...", "Créer un livret de nouveaux puzzles en PDF, à imprimer"},
    {"cbLoad", "Charger", std::nullopt},
    {"cbExit", "Sortir", "Fini"},
    {kWindowTitleControl, kEnglishTitle, std::nullopt},
    {"lblanguage", "langue", std::nullopt},
    {"lbshowelims", "Révéler statistiques",
     "Révéler les différentes méthodes d'élimination complexe"},
    {"cbExplain", "Expliquer",
     "Explique la prochaine étape - cliquez encore pour la voir dans la grille, une troisième fois "
     "pour l'appliquer"},
    {"cbCheck", "Vérifier",
     "Vérifie le puzzle - nombre de solutions, fautes de frappe probables et vos valeurs erronées"},
};

void writeTable(std::span<const ControlTexts> table, NamedControls& controls) {
    for (const ControlTexts& row : table) {
        controls.setCaption(row.control, std::string(row.caption));
        if (row.toolTip) controls.setToolTip(row.control, std::string(*row.toolTip));
    }
}

}  // namespace

std::span<const ControlTexts> languageTable(int language) {
    if (language == 1) return kGerman;
    if (language == 2) return kFrench;
    return kEnglish;
}

void applyLanguage(int wLanguage, NamedControls& controls) {
    writeTable(kEnglish, controls);
    if (wLanguage == 1) {
        writeTable(kGerman, controls);
    } else if (wLanguage == 2) {
        writeTable(kFrench, controls);
    }
}

}  // namespace velmora
