// Stand-ins for the grid widget and the statistics panel: they keep every cell's properties and
// count the writes, so a test sees what a full or partial redraw touched.
#pragma once

#include <string>
#include <vector>

#include "display/grid_surface.h"
#include "display/statistics_view.h"

namespace velmora::test {

struct FakeCell {
    Colour back = kNoColour;
    Colour fore = kNoColour;
    std::string fontName;
    double fontSize = 0;
    CellAlignment alignment{};
    std::string text;
};

class FakeSurface : public GridSurface {
  public:
    void setRedraw(bool on) override { redraw = on; }
    void clearCells() override { cells.assign(cells.size(), FakeCell{}); }
    int rowCount() const override { return rows; }
    int columnCount() const override { return cols; }
    void setDimensions(int r, int c) override {
        rows = r;
        cols = c;
        cells.resize(static_cast<std::size_t>(r * c));
        widths.resize(static_cast<std::size_t>(c), 0);
        heights.resize(static_cast<std::size_t>(r), 0);
    }
    double dpiX() const override { return 96; }
    double dpiY() const override { return 96; }
    int columnWidth(int c) const override { return widths.at(static_cast<std::size_t>(c)); }
    void setColumnWidth(int c, int px) override {
        widths.at(static_cast<std::size_t>(c)) = px;
        ++sizeWrites;
    }
    int rowHeight(int r) const override { return heights.at(static_cast<std::size_t>(r)); }
    void setRowHeight(int r, int px) override { heights.at(static_cast<std::size_t>(r)) = px; }
    int cellAreaWidth() const override { return areaWidth; }
    int cellAreaHeight() const override { return areaHeight; }
    void setCellAreaSize(int w, int h) override {
        areaWidth = w;
        areaHeight = h;
        ++sizeWrites;
    }
    int currentRow() const override { return row; }
    int currentCol() const override { return col; }
    void setCurrentCell(int r, int c) override {
        row = r;
        col = c;
    }
    Colour cellBackColor() const override { return cur().back; }
    void setCellBackColor(Colour c) override { cur().back = format(c); }
    Colour cellForeColor() const override { return cur().fore; }
    void setCellForeColor(Colour c) override { cur().fore = format(c); }
    std::string cellFontName() const override { return cur().fontName; }
    void setCellFontName(const std::string& name) override { cur().fontName = format(name); }
    double cellFontSize() const override { return cur().fontSize; }
    void setCellFontSize(double points) override { cur().fontSize = format(points); }
    CellAlignment cellAlignment() const override { return cur().alignment; }
    void setCellAlignment(CellAlignment a) override { cur().alignment = format(a); }
    std::string cellText() const override { return cur().text; }
    void setCellText(const std::string& text) override {
        cur().text = text;
        ++textWrites;
        if (!redraw) ++textWritesWhileHidden;
    }
    bool wordWrap() const override { return wrap; }
    void setWordWrap(bool on) override { wrap = on; }
    void beep() override {}

    const FakeCell& at(int r, int c) const {
        return cells.at(static_cast<std::size_t>(r * cols + c));
    }
    void resetCounts() { formatWrites = textWrites = textWritesWhileHidden = 0; }

    int rows = 0;
    int cols = 0;
    int row = -1;
    int col = -1;
    int areaWidth = 0;
    int areaHeight = 0;
    bool redraw = true;
    bool wrap = false;
    std::vector<FakeCell> cells;
    std::vector<int> widths;
    std::vector<int> heights;
    int sizeWrites = 0;
    int formatWrites = 0;
    int textWrites = 0;
    int textWritesWhileHidden = 0;

  private:
    template <typename T>
    T format(T value) {
        ++formatWrites;
        return value;
    }
    FakeCell& cur() { return cells.at(static_cast<std::size_t>(row * cols + col)); }
    const FakeCell& cur() const { return cells.at(static_cast<std::size_t>(row * cols + col)); }
};

// Remembers the counts it was shown.
class FakeStatistics : public StatisticsView {
  public:
    bool countsShown() const override { return shown; }
    void showCounts(const EliminationCounts& c) override {
        counts = c;
        ++writes;
    }

    bool shown = false;
    EliminationCounts counts;
    int writes = 0;
};

}  // namespace velmora::test
