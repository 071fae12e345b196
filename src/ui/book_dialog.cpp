#include "book_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "page_plan.h"
#include "texts/book_texts.h"

namespace velmora::ui {

namespace {

// Enough for a year of daily puzzles; the book is bounded by time alone, the box by typing.
constexpr int kMostPuzzles = 10000;

QString text(book::BookText id, int language) {
    return QString::fromStdString(book::bookText(id, language));
}

QString shapeCaption(BoxShape shape) {
    return QString("%1x%1 (%2x%3)").arg(shape.n()).arg(shape.rows).arg(shape.cols);
}

}  // namespace

BookDialog::BookDialog(const BookChoice& start, QWidget* parent) : QDialog(parent), start_(start) {
    const int language = start.options.language;
    setObjectName("bookDialog");
    setWindowTitle(text(book::BookText::DialogTitle, language));
    auto* form = new QFormLayout(this);

    shapeBox = new QComboBox(this);
    for (const BoxShape& shape : kBoxShapes) {
        shapeBox->addItem(shapeCaption(shape));
        if (shape == start.request.shape) shapeBox->setCurrentIndex(shapeBox->count() - 1);
    }
    form->addRow(text(book::BookText::BoxShapeLabel, language), shapeBox);

    difficultyBox = new QSpinBox(this);
    difficultyBox->setRange(0, 100);
    difficultyBox->setValue(start.request.difficulty);
    form->addRow(text(book::BookText::DifficultyLabel, language), difficultyBox);

    levelBox = new QComboBox(this);
    levelBox->addItem(text(book::BookText::AnyLevel, language));
    for (const Level level : {Level::Easy, Level::Medium, Level::Hard}) {
        levelBox->addItem(QString::fromStdString(book::levelName(level, language)),
                          static_cast<int>(level));
        if (start.request.level == level) levelBox->setCurrentIndex(levelBox->count() - 1);
    }
    form->addRow(text(book::BookText::LevelLabel, language), levelBox);

    countBox = new QSpinBox(this);
    countBox->setRange(1, kMostPuzzles);
    countBox->setValue(start.request.count);
    form->addRow(text(book::BookText::CountLabel, language), countBox);

    perPageBox = new QComboBox(this);
    form->addRow(text(book::BookText::PerPageLabel, language), perPageBox);
    offerPerPage();
    const int shown = perPageBox->findData(start.options.perPage);
    if (shown >= 0) perPageBox->setCurrentIndex(shown);
    connect(shapeBox, &QComboBox::currentIndexChanged, this, &BookDialog::offerPerPage);

    solutionsBox = new QCheckBox(text(book::BookText::SolutionsBox, language), this);
    solutionsBox->setChecked(start.options.solutions);
    form->addRow(solutionsBox);
    candidatesBox = new QCheckBox(text(book::BookText::CandidatesBox, language), this);
    candidatesBox->setChecked(start.options.candidates);
    form->addRow(candidatesBox);

    titleEdit = new QLineEdit(QString::fromStdString(start.options.title), this);
    titleEdit->setPlaceholderText(text(book::BookText::DefaultTitle, language));
    // Room for the default title as a hint.
    titleEdit->setMinimumWidth(
        titleEdit->fontMetrics().horizontalAdvance(titleEdit->placeholderText()) + 24);
    form->addRow(text(book::BookText::TitleLabel, language), titleEdit);

    paperBox = new QComboBox(this);
    paperBox->addItem("A4", static_cast<int>(book::Paper::A4));
    paperBox->addItem("Letter", static_cast<int>(book::Paper::Letter));
    paperBox->setCurrentIndex(start.options.paper == book::Paper::Letter ? 1 : 0);
    form->addRow(text(book::BookText::PaperLabel, language), paperBox);

    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(text(book::BookText::WriteButton, language));
    buttons->button(QDialogButtonBox::Cancel)
        ->setText(text(book::BookText::CancelButton, language));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

void BookDialog::offerPerPage() {
    const int n = kBoxShapes[static_cast<std::size_t>(shapeBox->currentIndex())].n();
    const int shown = perPageBox->currentData().toInt();
    perPageBox->clear();
    for (const int k : book::perPageChoices(n))
        perPageBox->addItem(QString::number(k), k);
    const int keep = perPageBox->findData(shown);
    perPageBox->setCurrentIndex(keep >= 0 ? keep : perPageBox->findData(book::defaultPerPage(n)));
}

BookChoice BookDialog::choice() const {
    BookChoice c = start_;
    c.request.shape = kBoxShapes[static_cast<std::size_t>(shapeBox->currentIndex())];
    c.request.difficulty = difficultyBox->value();
    c.request.level.reset();
    if (levelBox->currentIndex() > 0)
        c.request.level = static_cast<Level>(levelBox->currentData().toInt());
    c.request.count = countBox->value();
    // The window's element characters fit its own size only.
    if (c.request.shape != start_.request.shape) c.request.elements.clear();
    c.options.perPage = perPageBox->currentData().toInt();
    c.options.solutions = solutionsBox->isChecked();
    c.options.candidates = candidatesBox->isChecked();
    c.options.title = titleEdit->text().toStdString();
    c.options.paper = static_cast<book::Paper>(paperBox->currentData().toInt());
    return c;
}

}  // namespace velmora::ui
