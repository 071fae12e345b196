// The "Size" frame (frsize): ten option buttons (optSize, indexes 0..9), one per box shape.
#pragma once

#include <QGroupBox>
#include <array>

class QButtonGroup;
class QRadioButton;

namespace velmora::ui {

class SizeFrame : public QGroupBox {
    Q_OBJECT
  public:
    static constexpr int kOptions = 10;

    explicit SizeFrame(QWidget* parent = nullptr);

    QRadioButton* option(int index) const { return options_.at(static_cast<std::size_t>(index)); }
    // The selected index, or -1.
    int selected() const;
    QButtonGroup* group() const { return group_; }

  signals:
    // An option became selected, by a click or by code.
    void sizeChosen(int index);

  private:
    QButtonGroup* group_ = nullptr;
    std::array<QRadioButton*, kOptions> options_{};
};

}  // namespace velmora::ui
