#include "grid_area.h"

#include <algorithm>

#include "entry_grid.h"
#include "explanation_box.h"
#include "pencil_mark_box.h"

namespace velmora::ui {

GridArea::GridArea(QWidget* parent)
    : QWidget(parent),
      grid_(new EntryGrid(this)),
      editorBox_(new PencilMarkBox(this)),
      explanation_(new ExplanationBox(this)) {
    setObjectName("gridArea");
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    grid_->move(0, 0);
    // A long explanation takes the lines it needs below the grid.
    connect(explanation_, &ExplanationBox::textShown, this, &GridArea::arrange);
}

void GridArea::setDesignedSide(int side) {
    designedSide_ = side;
    grid_->setDesignedSide(side);
    updateGeometry();
    arrange();
}

void GridArea::setFooter(QWidget* footer) {
    footer_ = footer;
    footer_->setParent(this);
    updateGeometry();
    arrange();
}

int GridArea::explanationHeight(int width) const {
    return std::max(explanation_->minimumHeight(), explanation_->heightForWidth(width));
}

int GridArea::footerHeight() const {
    return footer_ ? footer_->sizeHint().height() : 0;
}

QSize GridArea::hintFor(int side) const {
    const int footerWidth = footer_ ? footer_->sizeHint().width() : 0;
    const int footer = footer_ ? kGap + footerHeight() : 0;
    return {std::max(side, footerWidth), side + kGap + explanation_->minimumHeight() + footer};
}

QSize GridArea::sizeHint() const {
    return hintFor(designedSide_);
}

QSize GridArea::minimumSizeHint() const {
    return hintFor(kMinSide);
}

void GridArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrange();
}

void GridArea::arrange() {
    if (designedSide_ <= 0) return;
    const int w = width();
    const int h = height();
    const int footerWidth = footer_ ? footer_->sizeHint().width() : 0;
    const int footer = footer_ ? footerHeight() + kGap : 0;
    // Below: the explanation and the footer under the grid. Beside: both in a column to its right.
    const int below = std::min(w, h - footer - kGap - explanationHeight(w));
    const int beside = std::min(w - kGap - std::max(kMinBesideWidth, footerWidth), h);
    beside_ = beside > below;
    const int side = std::max(beside_ ? beside : below, kMinSide);
    grid_->fitInto(side);
    // The parts keep their places whatever the grid's size: the square's edge, not the grid's.
    if (beside_) {
        const int left = side + kGap;
        explanation_->setGeometry(left, 0, w - left, std::max(side - footer, 0));
        if (footer_) footer_->setGeometry(left, side - footerHeight(), w - left, footerHeight());
        return;
    }
    const int height = explanationHeight(w);
    explanation_->setGeometry(0, side + kGap, w, height);
    if (footer_) footer_->setGeometry(0, side + kGap + height + kGap, w, footerHeight());
}

}  // namespace velmora::ui
