// The room left of the command column: the grid, square, at its top left; the explanation box
// below it or, when that leaves the grid more room, beside it; below them the footer (statistics
// and language list). The pencil-mark editor's box lies over the grid while it is open. The grid
// takes every pixel the window gives the area; at the window's start-up size it has its designed
// size and the explanation box sits below the place of the largest grid, as it always has.
#pragma once

#include <QWidget>

namespace velmora::ui {

class EntryGrid;
class ExplanationBox;
class PencilMarkBox;

class GridArea : public QWidget {
    Q_OBJECT
  public:
    explicit GridArea(QWidget* parent = nullptr);

    EntryGrid* grid() const { return grid_; }
    PencilMarkBox* editorBox() const { return editorBox_; }
    ExplanationBox* explanation() const { return explanation_; }

    // The square, in pixels, that holds the largest grid at its designed size.
    void setDesignedSide(int side);
    // The row below the grid and its explanation; the area takes it over.
    void setFooter(QWidget* footer);
    // The explanation box stands beside the grid rather than below it.
    bool explanationBeside() const { return beside_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Space between the parts, and the narrowest explanation beside the grid.
    static constexpr int kGap = 8;
    static constexpr int kMinBesideWidth = 240;
    // The smallest square the grid is offered.
    static constexpr int kMinSide = 240;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void arrange();
    int explanationHeight(int width) const;
    int footerHeight() const;
    QSize hintFor(int side) const;

    EntryGrid* grid_;
    PencilMarkBox* editorBox_;
    ExplanationBox* explanation_;
    QWidget* footer_ = nullptr;
    int designedSide_ = 0;
    bool beside_ = false;
};

}  // namespace velmora::ui
