#include "texts/exchange_texts.h"

#include <array>

namespace velmora {

namespace {

struct Label {
    std::string_view key;
    std::array<std::string_view, 3> names;  // English, German, French
};

constexpr std::array<Label, 7> kLabels{{
    {"author", {"Author", "Autor", "Auteur"}},
    {"description", {"Description", "Beschreibung", "Description"}},
    {"comment", {"Comment", "Kommentar", "Commentaire"}},
    {"date", {"Date", "Datum", "Date"}},
    {"source", {"Source", "Quelle", "Source"}},
    {"level", {"Level", "Schwierigkeit", "Niveau"}},
    {"address", {"Address", "Adresse", "Adresse"}},
}};

std::size_t column(int language) {
    return language == 1 ? 1 : language == 2 ? 2 : 0;
}

}  // namespace

std::string metadataLine(const std::vector<std::pair<std::string, std::string>>& fields,
                         int language) {
    std::string line;
    for (const auto& [key, value] : fields) {
        std::string_view name = key;
        for (const Label& l : kLabels)
            if (l.key == key) name = l.names[column(language)];
        if (!line.empty()) line += " - ";
        line += name;
        line += ": ";
        line += value;
    }
    return line;
}

std::string twelveQuestion(int language) {
    static constexpr std::array<std::string_view, 3> kText{
        "This 12x12 puzzle does not say the shape of its boxes. Are they 3 rows high and 4 "
        "columns wide? (No: 2 rows high and 6 columns wide)",
        "Dieses 12x12-Rätsel sagt nicht, welche Form seine Blöcke haben. Sind sie 3 Zeilen hoch "
        "und 4 Spalten breit? (Nein: 2 Zeilen hoch und 6 Spalten breit)",
        "Ce puzzle 12x12 n'indique pas la forme de ses blocs. Font-ils 3 lignes de haut et 4 "
        "colonnes de large ? (Non : 2 lignes de haut et 6 colonnes de large)"};
    return std::string(kText[column(language)]);
}

std::string nothingToPaste(int language) {
    static constexpr std::array<std::string_view, 3> kText{
        "The clipboard holds no text, so there is no puzzle to paste.",
        "Die Zwischenablage enthält keinen Text, es gibt also kein Rätsel zum Einfügen.",
        "Le presse-papiers ne contient aucun texte, il n'y a donc pas de puzzle à coller."};
    return std::string(kText[column(language)]);
}

}  // namespace velmora
