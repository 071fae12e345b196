// The double-click pencil-mark editor: opens the text box over the double-clicked cell, dressed
// like it, applies the box's text on Enter and whenever the focus leaves the box, and hands the
// focus back to the grid.
#pragma once

#include <QObject>

namespace velmora {
class Workbench;
}

namespace velmora::ui {

class EntryGrid;
class PencilMarkBox;

class PencilMarkEditor : public QObject {
    Q_OBJECT
  public:
    PencilMarkEditor(Workbench& wb, EntryGrid& grid, PencilMarkBox& box);
    ~PencilMarkEditor() override;

    // The grid was double-clicked on (row, col).
    void EntryGrid_DblClick(int row, int col);
    bool isOpen() const;
    // The cell being edited.
    int row() const { return row_; }
    int col() const { return col_; }

  private:
    void tbGridEntry_Enter();
    void tbGridEntry_Escape();
    bool tbGridEntry_Validate();
    void placeOverCell();

    Workbench& wb_;
    EntryGrid& grid_;
    PencilMarkBox& box_;
    int row_ = -1;
    int col_ = -1;
};

}  // namespace velmora::ui
