#include "size_frame.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace velmora::ui {

namespace {

struct OptionDesign {
    const char* caption;
    const char* toolTip;
    int row;  // the frame shows two columns of five
    int column;
};

const std::array<OptionDesign, SizeFrame::kOptions> kOptionDesign{{
    {"3X3", "Select for a 3x3 puzzle", 2, 0},
    {"4x4", "Select for a 3x3 puzzle", 2, 1},
    {"2x2", "Select for a 3x3 puzzle", 0, 0},
    {"2x3", "Select for a 2x3 puzzle", 1, 0},
    {"3x4", "Select for a 3x4 puzzle", 1, 1},
    {"2x4", "Select for a 2x4 puzzle", 0, 1},
    {"2x5", "Select for a 3x3 puzzle", 3, 0},
    {"3x5", "Select for a 3x3 puzzle", 4, 0},
    {"2x6", "Select for a 3x3 puzzle", 3, 1},
    {"3x6", "Select for a 3x3 puzzle", 4, 1},
}};

}  // namespace

SizeFrame::SizeFrame(QWidget* parent) : QGroupBox("Size", parent) {
    setObjectName("frsize");
    setToolTip("Select size of puzzle");
    group_ = new QButtonGroup(this);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < kOptions; ++i) {
        const OptionDesign& d = kOptionDesign[static_cast<std::size_t>(i)];
        auto* button = new QRadioButton(d.caption, this);
        // One control array: every option has the same name and its own index.
        button->setObjectName("optSize");
        button->setProperty("Index", i);
        button->setToolTip(d.toolTip);
        group_->addButton(button, i);
        grid->addWidget(button, d.row, d.column);
        options_[static_cast<std::size_t>(i)] = button;
    }
    option(0)->setChecked(true);
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) emit sizeChosen(id);
    });
}

int SizeFrame::selected() const {
    return group_->checkedId();
}

}  // namespace velmora::ui
