#include "bench.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <numeric>
#include <sstream>

#include "commands/commands.h"
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
    std::string name = (std::filesystem::temp_directory_path() / "velmora-test-XXXXXX").string();
    path = mkdtemp(name.data());
    std::filesystem::create_directory(path / "saved");
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path / "saved", std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(path, ec);
}

Bench::Bench(int boxRows, int boxCols, std::uint64_t seed, GridControl* drawn) {
    settings.sizeOption = sizeOptionForBox(boxRows, boxCols);
    dialogs.folder = folder.path;
    GridView* view = drawn != nullptr ? static_cast<GridView*>(drawn) : &grid;
    wb = std::make_unique<Workbench>(
        Ports{&status, &messages, view, &settings, &undo, &controls, &dialogs}, seed);
    if (drawn != nullptr) drawn->init(wb->fControl());
    wb->newPuzzle();
    wb->clock = [] { return std::string(kFixedTime); };
}

void Bench::enterGivens(const std::string& puzzle) {
    enterGivens(valuesOf(puzzle));
}

void Bench::enterGivens(const std::vector<int>& values) {
    wb->buildPuzzle();
    for (int b = 0; b < cells().cellCount(); ++b)
        if (const int v = values.at(static_cast<std::size_t>(b)); v != 0) at(b).putOriginal(v);
    resetPossibilities(cells());
}

std::vector<int> Bench::values(bool givensOnly) {
    std::vector<int> v;
    for (const scell& c : cells().cells())
        v.push_back(c.Sure && (!givensOnly || c.Original) ? c.Trying : 0);
    return v;
}

std::vector<std::tuple<int, bool, bool, bool, std::uint32_t, int>> Bench::states() {
    std::vector<std::tuple<int, bool, bool, bool, std::uint32_t, int>> all;
    for (const scell& c : cells().cells())
        all.emplace_back(c.Trying, c.Sure, c.Original, c.Entered, c.bPoss, c.countPossibilities);
    return all;
}

std::string Bench::gridText() {
    std::string text;
    for (const int v : values())
        text += v == 0 ? '.' : pc().elementChar(v);
    return text;
}

void DrawnBench::type(const std::string& keys) {
    for (char ch : keys) {
        control.loadKeypress(static_cast<unsigned char>(ch));
        sbDoneornot(*wb, false);
    }
}

std::vector<SamplePuzzle> loadSamples(const std::string& fileName) {
    std::ifstream in(testData(fileName));
    std::vector<SamplePuzzle> samples;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        SamplePuzzle& s = samples.emplace_back();
        fields >> s.puzzle >> s.solution;
    }
    return samples;
}

std::string shapeName(BoxShape shape) {
    return std::to_string(shape.rows) + "x" + std::to_string(shape.cols);
}

std::vector<int> randomGrid(BoxShape shape, Rng& rng) {
    std::vector<int> relabel(std::size_t(shape.n()) + 1);
    std::iota(relabel.begin(), relabel.end(), 0);
    std::shuffle(relabel.begin() + 1, relabel.end(), rng);
    const auto samples = loadSamples("singles-" + shapeName(shape) + ".txt");
    std::vector<int> values = valuesOf(samples.at(std::size_t(below(rng, 4))).solution);
    for (int& v : values)
        v = relabel.at(static_cast<std::size_t>(v));
    return values;
}

std::vector<int> valuesOf(const std::string& text) {
    std::vector<int> values;
    for (const char c : text)
        values.push_back(static_cast<int>(("." + std::string(kDefaultElements)).find(c)));
    return values;
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string testData(const std::string& relative) {
    return std::string(VELMORA_TEST_DATA) + "/" + relative;
}

}  // namespace velmora::test
