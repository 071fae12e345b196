// The "Puzzle book..." dialog: the same choices as the book verb of the command line, starting
// from the window's shape, difficulty and language. The page counts offered follow the shape.
#pragma once

#include <QDialog>

#include "book_generator.h"
#include "book_options.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLineEdit;
class QSpinBox;

namespace velmora::ui {

// What a book is made of and how it is printed.
struct BookChoice {
    book::BookRequest request;
    book::BookOptions options;
};

class BookDialog : public QDialog {
    Q_OBJECT
  public:
    // Shows `start`, whose texts and puzzle labels are in start.options.language.
    explicit BookDialog(const BookChoice& start, QWidget* parent = nullptr);

    // The choices as shown, with the parts the dialog does not show (rules, elements) from
    // `start`.
    BookChoice choice() const;

    QComboBox* shapeBox = nullptr;
    QSpinBox* difficultyBox = nullptr;
    QComboBox* levelBox = nullptr;
    QSpinBox* countBox = nullptr;
    QComboBox* perPageBox = nullptr;
    QCheckBox* solutionsBox = nullptr;
    QCheckBox* candidatesBox = nullptr;
    QLineEdit* titleEdit = nullptr;
    QComboBox* paperBox = nullptr;
    QDialogButtonBox* buttons = nullptr;

  private:
    // The page counts the chosen shape allows, keeping the one shown when it is among them.
    void offerPerPage();

    BookChoice start_;
};

}  // namespace velmora::ui
