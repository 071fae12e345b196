#include "pencil_mark_editor.h"

#include "commands/pencil_mark_commands.h"
#include "commands/workbench.h"
#include "entry_grid.h"
#include "pencil_mark_box.h"
#include "qt_colour.h"

namespace velmora::ui {

PencilMarkEditor::PencilMarkEditor(Workbench& wb, EntryGrid& grid, PencilMarkBox& box)
    : wb_(wb), grid_(grid), box_(box) {
    box_.validate = [this] { return tbGridEntry_Validate(); };
    connect(&box_, &PencilMarkBox::enterPressed, this, &PencilMarkEditor::tbGridEntry_Enter);
    connect(&box_, &PencilMarkBox::escapePressed, this, &PencilMarkEditor::tbGridEntry_Escape);
}

PencilMarkEditor::~PencilMarkEditor() {
    // The box outlives the editor while the window is taken down.
    box_.validate = nullptr;
}

bool PencilMarkEditor::isOpen() const {
    return box_.isVisible();
}

void PencilMarkEditor::EntryGrid_DblClick(int row, int col) {
    // A box kept open by an invalid character stays on its own cell.
    if (isOpen()) return;
    const auto look = velmora::EntryGrid_DblClick(wb_, row, col);
    if (!look) return;
    row_ = row;
    col_ = col;
    QPalette palette = box_.palette();
    palette.setColor(QPalette::Base, toQColor(look->back));
    palette.setColor(QPalette::Text, toQColor(look->fore));
    box_.setPalette(palette);
    QFont font = box_.font();
    font.setFamily(QString::fromStdString(look->fontName));
    // As large as the candidates the grid now draws.
    font.setPointSizeF(look->fontSize * grid_.fontScale());
    box_.setFont(font);
    placeOverCell();
    box_.setText(QString::fromStdString(look->text));
    box_.show();
    box_.raise();
    box_.setFocus(Qt::OtherFocusReason);
}

void PencilMarkEditor::placeOverCell() {
    const QModelIndex index = grid_.model()->index(row_, col_);
    if (!index.isValid()) return;
    // The cell as drawn, without the grid lines along its right and bottom edges.
    const QRect cell = grid_.visualRect(index);
    const QPoint topLeft = grid_.viewport()->mapTo(box_.parentWidget(), cell.topLeft());
    box_.setGeometry(QRect(topLeft, cell.size()));
}

void PencilMarkEditor::tbGridEntry_Enter() {
    if (applyPencilMarkText(wb_, row_, col_, box_.text().toStdString())) grid_.setFocus();
}

void PencilMarkEditor::tbGridEntry_Escape() {
    wb_.gControl().bUnloadGrid();
    // Leaving the box applies its text, as every way out does.
    grid_.setFocus();
}

bool PencilMarkEditor::tbGridEntry_Validate() {
    return applyPencilMarkText(wb_, row_, col_, box_.text().toStdString());
}

}  // namespace velmora::ui
