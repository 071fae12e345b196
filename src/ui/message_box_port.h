// The core's message boxes as QMessageBox: information with OK, question with Yes and No and
// the question icon, both titled with the program's title. An answerer, when set, takes the
// place of the modal box (tests use one, so no box ever waits for a click).
#pragma once

#include <QString>
#include <functional>

#include "model/ports.h"

class QWidget;

namespace velmora::ui {

class MessageBoxPort : public MessageBoxes {
  public:
    enum class Kind { Information, Question };
    // Returns the answer to a question (true = Yes); its value is ignored for information.
    using Answerer = std::function<bool(Kind kind, const QString& text)>;

    explicit MessageBoxPort(QWidget* parent) : parent_(parent) {}

    void information(const std::string& text) override;
    bool question(const std::string& text) override;

    void setAnswerer(Answerer answerer) { answerer_ = std::move(answerer); }

  private:
    QWidget* parent_;
    Answerer answerer_;
};

}  // namespace velmora::ui
