#include "display_bench.h"

namespace velmora::test {

DisplayBench::DisplayBench(int sizeOption, std::uint64_t seed) {
    settings.sizeOption = sizeOption;
    Ports ports;
    ports.settings = &settings;
    ports.statusBar = &status;
    ports.messages = &messages;
    ports.gridView = &grid;
    ports.undoButtons = &undo;
    wb = std::make_unique<Workbench>(ports, seed);
    grid.init(*wb);
    wb->newPuzzle();
}

void DisplayBench::type(const std::string& keys) {
    for (char ch : keys)
        grid.loadKeypress(static_cast<unsigned char>(ch));
}

}  // namespace velmora::test
