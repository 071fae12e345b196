#include "support/puzzle_fixture.h"

#include <fstream>
#include <set>
#include <sstream>

#include "model/size_options.h"

namespace velmora::test {

Bench::Bench(int boxRows, int boxCols, std::uint64_t seed) {
    settings.sizeOption = sizeOptionForBox(boxRows, boxCols);
    Ports ports;
    ports.settings = &settings;
    ports.statusBar = &status;
    ports.messages = &messages;
    ports.gridView = &grid;
    ports.undoButtons = &undo;
    wb = std::make_unique<Workbench>(ports, seed);
    wb->buildPuzzle();
}

void Bench::enterGivens(const std::string& puzzle) {
    wb->buildPuzzle();
    const std::string& elements = pc().sElements;
    for (int b = 0; b < cells().cellCount(); ++b) {
        const auto p = elements.find(puzzle.at(static_cast<std::size_t>(b)));
        if (p != std::string::npos) cells().getcellBigindex(b).putOriginal(static_cast<int>(p) + 1);
    }
    cells().resetPossibilities();
}

std::string Bench::gridText() {
    std::string text;
    for (int b = 0; b < cells().cellCount(); ++b) {
        const scell& cell = cells().getcellBigindex(b);
        text += cell.Sure ? pc().elementChar(cell.Trying) : '.';
    }
    return text;
}

std::vector<SamplePuzzle> loadSamples(const std::string& fileName) {
    std::ifstream in(std::string(VELMORA_TEST_DATA) + "/" + fileName);
    std::vector<SamplePuzzle> samples;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        SamplePuzzle s;
        fields >> s.puzzle >> s.solution;
        samples.push_back(s);
    }
    return samples;
}

bool isSolution(const std::string& text, int boxRows, int boxCols) {
    const int n = boxRows * boxCols;
    if (static_cast<int>(text.size()) != n * n) return false;
    const std::string elements =
        std::string(kDefaultElements).substr(0, static_cast<std::size_t>(n));
    auto at = [&](int r, int c) { return text[static_cast<std::size_t>(r * n + c)]; };
    for (int i = 0; i < n; ++i) {
        std::set<char> row, col, box;
        for (int k = 0; k < n; ++k) {
            row.insert(at(i, k));
            col.insert(at(k, i));
            const int r = (i / (n / boxCols)) * boxRows + k / boxCols;
            const int c = (i % (n / boxCols)) * boxCols + k % boxCols;
            box.insert(at(r, c));
        }
        for (const auto* unit : {&row, &col, &box}) {
            if (static_cast<int>(unit->size()) != n) return false;
            for (char ch : *unit)
                if (elements.find(ch) == std::string::npos) return false;
        }
    }
    return true;
}

}  // namespace velmora::test
