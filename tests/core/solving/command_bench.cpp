#include "solving/command_bench.h"

#include <cctype>
#include <cstdio>

#include "model/size_options.h"

namespace velmora::test {

void RecordingStatusBar::setPanelText(int panel, const std::string& text) {
    if (onText) onText(panel, text);
    events.emplace_back(panel, text);
    if (panel >= 1 && panel <= 3) panels[static_cast<std::size_t>(panel - 1)] = text;
}

std::vector<std::string> RecordingStatusBar::history(int n) const {
    std::vector<std::string> texts;
    for (const auto& [panel, text] : events)
        if (panel == n) texts.push_back(text);
    return texts;
}

CommandBench::CommandBench(int boxRows, int boxCols, std::uint64_t seed) {
    settings.sizeOption = sizeOptionForBox(boxRows, boxCols);
    Ports ports;
    ports.settings = &settings;
    ports.statusBar = &status;
    ports.messages = &messages;
    ports.gridView = &grid;
    ports.undoButtons = &undo;
    wb = std::make_unique<Workbench>(ports, seed);
    wb->newPuzzle();
}

void CommandBench::enterGivens(const std::string& puzzle) {
    wb->buildPuzzle();
    const std::string& elements = pc().sElements;
    for (int b = 0; b < cells().cellCount(); ++b) {
        const auto p = elements.find(puzzle.at(static_cast<std::size_t>(b)));
        if (p != std::string::npos) cells().getcellBigindex(b).putOriginal(static_cast<int>(p) + 1);
    }
    cells().resetPossibilities();
}

std::vector<int> CommandBench::values(bool givensOnly) {
    std::vector<int> v(static_cast<std::size_t>(cells().cellCount()));
    for (int b = 0; b < cells().cellCount(); ++b) {
        const scell& cell = cells().getcellBigindex(b);
        const bool shown = cell.Sure && (!givensOnly || cell.Original);
        v[static_cast<std::size_t>(b)] = shown ? cell.Trying : 0;
    }
    return v;
}

std::string CommandBench::text() {
    std::string t;
    for (const int v : values())
        t += v == 0 ? '.' : pc().elementChar(v);
    return t;
}

bool readProgress(const std::string& text, Progress& progress) {
    int used = 0;
    const int read = std::sscanf(text.c_str(), "%d/%d after %d attempts%n", &progress.givens,
                                 &progress.target, &progress.attempts, &used);
    return read == 3 && used == static_cast<int>(text.size()) && std::isdigit(text[0]) != 0;
}

bool isTextAndNumber(const std::string& text, const std::string& prefix) {
    if (text.size() <= prefix.size() || text.compare(0, prefix.size(), prefix) != 0) return false;
    for (std::size_t i = prefix.size(); i < text.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    return true;
}

}  // namespace velmora::test
