#include "size_frame.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

#include "model/box_shape.h"

namespace velmora::ui {

namespace {

struct OptionDesign {
    const char* caption;
    int row;  // the frame shows two columns of five
    int column;
};

const std::array<OptionDesign, SizeFrame::kOptions> kOptionDesign{{
    {"3X3", 2, 0},
    {"4x4", 2, 1},
    {"2x2", 0, 0},
    {"2x3", 1, 0},
    {"3x4", 1, 1},
    {"2x4", 0, 1},
    {"2x5", 3, 0},
    {"3x5", 4, 0},
    {"2x6", 3, 1},
    {"3x6", 4, 1},
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
        const BoxShape shape = kBoxShapes[static_cast<std::size_t>(i)];
        button->setToolTip(QString("Select for a %1x%2 puzzle").arg(shape.rows).arg(shape.cols));
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
