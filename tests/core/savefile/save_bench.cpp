#include "save_bench.h"

#include <chrono>
#include <fstream>
#include <random>
#include <sstream>

#include "model/size_options.h"

namespace velmora::test {

TempFolder::TempFolder() {
    std::random_device device;
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = std::filesystem::temp_directory_path() /
            ("velmora-test-" + std::to_string(device()) + "-" + std::to_string(stamp));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

SaveBench::SaveBench(int boxRows, int boxCols, std::uint64_t seed) {
    settings.sizeOption = sizeOptionForBox(boxRows, boxCols);
    Ports ports;
    ports.settings = &settings;
    ports.statusBar = &status;
    ports.messages = &messages;
    ports.gridView = &grid;
    ports.undoButtons = &undo;
    ports.controls = &controls;
    wb = std::make_unique<Workbench>(ports, seed);
    wb->newPuzzle();
    wb->fControl().setFileDialogs(dialogs);
    wb->fControl().clock = [] { return std::string(kFixedTime); };
    dialogs.folder = folder.path();
    std::filesystem::create_directories(savedFolder());
}

void SaveBench::enterGivens(const std::string& puzzle) {
    wb->newPuzzle();
    const std::string& elements = pc().sElements;
    for (int b = 0; b < cells().cellCount(); ++b) {
        const auto p = elements.find(puzzle.at(static_cast<std::size_t>(b)));
        if (p != std::string::npos) cells().getcellBigindex(b).putOriginal(static_cast<int>(p) + 1);
    }
    cells().resetPossibilities();
}

void SaveBench::save(const std::string& name) {
    std::string forcename = name;
    wb->fControl().fSave(forcename);
}

void SaveBench::load(const std::string& name) {
    std::string forcename = name;
    wb->fControl().fload(forcename);
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::string testData(const std::string& relative) {
    return std::string(VELMORA_TEST_DATA) + "/" + relative;
}

}  // namespace velmora::test
