// Draws one cell of the entry grid on screen: the cell as cell_painting paints it, and a frame
// round the entry cursor.
#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;

namespace velmora::ui {

class CellDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    explicit CellDelegate(QAbstractItemView* view);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    QAbstractItemView* view_;
};

}  // namespace velmora::ui
