#include "bench.h"

#include <cctype>
#include <chrono>
#include <fstream>
#include <random>
#include <set>
#include <sstream>

#include "commands/save_commands.h"
#include "elimination/candidates.h"
#include "model/size_options.h"

namespace velmora::test {

std::vector<std::string> RecordingStatusBar::history(Panel p) const {
    std::vector<std::string> texts;
    for (const auto& [panel, text] : events)
        if (panel == p) texts.push_back(text);
    return texts;
}

TempFolder::TempFolder() {
    std::random_device device;
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = std::filesystem::temp_directory_path() /
            ("velmora-test-" + std::to_string(device()) + "-" + std::to_string(stamp));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_ / "saved", std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

Bench::Bench(int boxRows, int boxCols, std::uint64_t seed, GridControl* drawn) {
    settings.sizeOption = sizeOptionForBox(boxRows, boxCols);
    Ports ports;
    ports.settings = &settings;
    ports.statusBar = &status;
    ports.messages = &messages;
    ports.gridView = drawn != nullptr ? static_cast<GridView*>(drawn) : &grid;
    ports.undoButtons = &undo;
    ports.controls = &controls;
    ports.fileDialogs = &dialogs;
    wb = std::make_unique<Workbench>(ports, seed);
    if (drawn != nullptr) drawn->init(wb->fControl());
    wb->newPuzzle();
    wb->clock = [] { return std::string(kFixedTime); };
}

void Bench::enterGivens(const std::string& puzzle) {
    wb->buildPuzzle();
    const std::string& elements = pc().sElements;
    for (int b = 0; b < cells().cellCount(); ++b) {
        const auto p = elements.find(puzzle.at(static_cast<std::size_t>(b)));
        if (p != std::string::npos) cells().getcellBigindex(b).putOriginal(static_cast<int>(p) + 1);
    }
    resetPossibilities(cells());
}

std::vector<int> Bench::values(bool givensOnly) {
    std::vector<int> v(static_cast<std::size_t>(cells().cellCount()));
    for (int b = 0; b < cells().cellCount(); ++b) {
        const scell& c = cells().getcellBigindex(b);
        v[static_cast<std::size_t>(b)] = c.Sure && (!givensOnly || c.Original) ? c.Trying : 0;
    }
    return v;
}

std::string Bench::gridText() {
    std::string text;
    for (const int v : values())
        text += v == 0 ? '.' : pc().elementChar(v);
    return text;
}

std::filesystem::path Bench::savedFolder() {
    if (!folder_) {
        folder_ = std::make_unique<TempFolder>();
        dialogs.folder = folder_->path();
        std::filesystem::create_directories(folder_->path() / "saved");
    }
    return folder_->path() / "saved";
}

void Bench::save(const std::string& name) {
    savedFolder();
    fSave(*wb, name);
}

void Bench::load(const std::string& name) {
    savedFolder();
    fload(*wb, name);
}

void Bench::loadFrom(Bench& other, const std::string& name) {
    std::filesystem::copy_file(other.savedFolder() / name, savedFolder() / name,
                               std::filesystem::copy_options::overwrite_existing);
    load(name);
}

void DrawnBench::type(const std::string& keys) {
    for (char ch : keys)
        control.loadKeypress(static_cast<unsigned char>(ch));
}

std::vector<SamplePuzzle> loadSamples(const std::string& fileName) {
    std::ifstream in(testData(fileName));
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
    const std::string elements(kDefaultElements, static_cast<std::size_t>(n));
    auto at = [&](int r, int c) { return text[static_cast<std::size_t>(r * n + c)]; };
    for (int i = 0; i < n; ++i) {
        std::set<char> row, col, box;
        for (int k = 0; k < n; ++k) {
            row.insert(at(i, k));
            col.insert(at(k, i));
            box.insert(
                at((i / boxRows) * boxRows + k / boxCols, (i % boxRows) * boxCols + k % boxCols));
        }
        for (const auto* unit : {&row, &col, &box}) {
            if (static_cast<int>(unit->size()) != n) return false;
            for (char ch : *unit)
                if (elements.find(ch) == std::string::npos) return false;
        }
    }
    return true;
}

bool isTextAndNumber(const std::string& text, const std::string& prefix) {
    if (text.size() <= prefix.size() || text.compare(0, prefix.size(), prefix) != 0) return false;
    for (std::size_t i = prefix.size(); i < text.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    return true;
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
