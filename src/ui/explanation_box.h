// The panel below the grid where Explain and Check put their words.
#pragma once

#include <QLabel>

#include "model/ports.h"

namespace velmora::ui {

class ExplanationBox : public QLabel, public ExplanationPanel {
    Q_OBJECT
  public:
    explicit ExplanationBox(QWidget* parent = nullptr);
    void showExplanation(const std::string& text) override;

  signals:
    void textShown();
};

}  // namespace velmora::ui
