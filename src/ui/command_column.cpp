#include "command_column.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "caption_button.h"
#include "elements_box.h"
#include "size_frame.h"

namespace velmora::ui {

namespace {

// The grid's three columns of buttons.
constexpr int kColumns = 3;

QHBoxLayout* pair(QWidget* a, QWidget* b) {
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    row->addWidget(a);
    row->addWidget(b, 1);
    return row;
}

}  // namespace

CommandColumn::CommandColumn(QWidget* parent) : QWidget(parent) {
    setObjectName("commandColumn");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    int row = 0;

    // Generate Puzzle
    lbGenerate = sectionLabel("lbGenerate", "Generate Puzzle");
    grid->addWidget(lbGenerate, row++, 0, 1, kColumns);
    cbGenerate = button("cbGenerate", "Generate",
                        "Use this to generate a new puzzle - any existing puzzle will be wiped");
    hsDifficulty = new QSlider(Qt::Horizontal, this);
    hsDifficulty->setObjectName("hsDifficulty");
    hsDifficulty->setRange(0, 100);
    hsDifficulty->setValue(0);
    hsDifficulty->setToolTip("Move the slider to increase difficulty of puzzle generated");
    lbDifficulty = new QLabel("Difficulty", this);
    lbDifficulty->setObjectName("lbDifficulty");
    lbDifficulty->setToolTip(hsDifficulty->toolTip());
    grid->addWidget(cbGenerate, row, 0);
    grid->addLayout(pair(hsDifficulty, lbDifficulty), row++, 1, 1, 2);
    lbUsing = new QLabel("Using", this);
    lbUsing->setObjectName("lbUsing");
    lbUsing->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    tbSelements = new ElementsBox(this);
    tbSelements->setToolTip(
        "Normally you wouldn't need to touch this - it is the characters to use in the puzzle");
    lbUsing->setToolTip(tbSelements->toolTip());
    grid->addWidget(lbUsing, row, 0);
    grid->addWidget(tbSelements, row++, 1, 1, 2);
    grid->addWidget(line(1), row++, 0, 1, kColumns);

    // Set up Puzzle
    lbSetup = sectionLabel("lbSetup", "Set up Puzzle");
    grid->addWidget(lbSetup, row++, 0, 1, kColumns);
    cbEnterInitial =
        button("cbEnterInitial", "Enter given numbers",
               "Use this button to enter the intial puzzle - for example from the newspaper");
    cbReset = button(
        "cbReset", "Reset",
        "This will set the puzzle back to the intial numbers - losing the work you have done");
    cbClear = button("cbClear", "Clear",
                     "This will clear the current grid - losing all work done on this puzzle "
                     "including the initial numbers");
    grid->addWidget(cbEnterInitial, row, 0);
    grid->addWidget(cbReset, row, 1);
    grid->addWidget(cbClear, row++, 2);
    grid->addWidget(line(2), row++, 0, 1, kColumns);

    // Candidates and Entry
    lbcandidates = sectionLabel("lbcandidates", "Candidates and Entry");
    grid->addWidget(lbcandidates, row++, 0, 1, kColumns);
    cbenterSolution = button("cbenterSolution", "Enter Solution",
                             "Use this to enter your manual solution in the cells");
    const char* showTip = "Ticking this box will reveal the possibilities for a particular cell";
    ckbScribbleArea = optionBox("ckbScribbleArea", showTip, false);
    lbshowpencil = optionLabel("lbshowpencil", "Show Pencil Marks", showTip);
    const char* simpleTip =
        "Normally I use complex rules to eliminate as many possibilities from the scribble area "
        "as possible. Tick this box for simple rules only";
    ckbExperimental = optionBox("ckbExperimental", simpleTip, true);
    lbsimple = optionLabel("lbsimple", "Simple Elimination only", simpleTip);
    const char* manualTip = "Double click on cell to enter your own pencil marks";
    ckbmanualpencilmarks = optionBox("ckbmanualpencilmarks", manualTip, false);
    lbManual = optionLabel("lbManual", "Manual Pencil marks", manualTip);
    grid->addWidget(cbenterSolution, row, 0, Qt::AlignTop);
    grid->addLayout(pair(ckbScribbleArea, lbshowpencil), row++, 1, 1, 2);
    grid->addLayout(pair(ckbExperimental, lbsimple), row++, 1, 1, 2);
    grid->addLayout(pair(ckbmanualpencilmarks, lbManual), row++, 1, 1, 2);
    grid->addWidget(line(3), row++, 0, 1, kColumns);

    // Solve Puzzle
    lbsolve = sectionLabel("lbsolve", "Solve Puzzle");
    grid->addWidget(lbsolve, row++, 0, 1, kColumns);
    cbSolve = button("cbSolve", "Solve", "Will Solve the current puzzle");
    const char* bruteTip =
        "True Sudokus only have 1 solution and can be solved by logic alone - this will solve "
        "non-genuine Sudokus";
    ckbTrial = optionBox("ckbTrial", bruteTip, false);
    lbuseBrute =
        optionLabel("lbuseBrute", "Use brute force (not necessary for genuine Sudokus)", bruteTip);
    grid->addWidget(cbSolve, row, 0, Qt::AlignTop);
    auto* brute = pair(ckbTrial, lbuseBrute);
    brute->setAlignment(ckbTrial, Qt::AlignTop);
    grid->addLayout(brute, row++, 1, 1, 2);
    grid->addWidget(line(4), row++, 0, 1, kColumns);

    // Oops!!
    lboops = sectionLabel("lboops", "Oops!!");
    grid->addWidget(lboops, row++, 0, 1, kColumns);
    cbUndo = button("cbUndo", "Undo", "Undo the last manual entry");
    cbRedo = button("cbRedo", "Redo", "Redo the last Undo");
    cbhint = button("cbhint", "Hint", "If you are stuck this will reveal a possible answer");
    cbCheck = button("cbCheck", "Check",
                     "Checks the puzzle - how many solutions it has, likely typos and wrong values "
                     "of your own");
    cbExplain = button(
        "cbExplain", "Explain",
        "Explains the next step - press again to see it in the grid, a third time to apply it");
    grid->addWidget(cbUndo, row, 0);
    grid->addWidget(cbRedo, row, 1);
    grid->addWidget(cbhint, row++, 2);
    grid->addWidget(cbCheck, row, 1);
    grid->addWidget(cbExplain, row++, 2);
    grid->addWidget(line(5), row++, 0, 1, kColumns);

    // Size, files and version.
    frsize = new SizeFrame(this);
    cbPrint = button("cbPrint", "Print", "Print the Puzzle");
    cbBook =
        button("cbBook", "Puzzle book...", "Make a book of new puzzles as a PDF file to print");
    cbLoad = button("cbLoad", "Load", nullptr);
    cbSave = button("cbSave", "Save", nullptr);
    cbExit = button("cbExit", "Exit", "Exit the Program");
    auto* files = new QVBoxLayout;
    files->setSpacing(4);
    for (QPushButton* b : {cbPrint, cbBook, cbLoad, cbSave, cbExit})
        files->addWidget(b);
    files->addStretch(1);
    grid->addWidget(frsize, row, 0, 1, 2);
    grid->addLayout(files, row++, 2);
    grid->addWidget(line(6), row++, 0, 1, kColumns);
    tbVersion = new QLineEdit(this);
    tbVersion->setObjectName("tbVersion");
    tbVersion->setReadOnly(true);
    grid->addWidget(tbVersion, row++, 0, 1, 2);
    grid->setRowStretch(row, 1);
    for (int c = 0; c < kColumns; ++c)
        grid->setColumnStretch(c, 1);
}

QPushButton* CommandColumn::button(const char* name, const char* caption, const char* toolTip) {
    auto* b = new CaptionButton(caption, this);
    b->setObjectName(name);
    if (toolTip) b->setToolTip(toolTip);
    b->setAutoDefault(false);
    // Every command button wears the tool-tip background until the phase highlight moves.
    QPalette p = b->palette();
    p.setColor(QPalette::Button, QApplication::palette().color(QPalette::ToolTipBase));
    b->setPalette(p);
    return b;
}

QLabel* CommandColumn::sectionLabel(const char* name, const char* caption) {
    auto* l = new QLabel(caption, this);
    l->setObjectName(name);
    // Longer texts of other languages wrap rather than widen the column.
    l->setWordWrap(true);
    QFont f = l->font();
    f.setFamily("Tahoma");
    f.setBold(true);
    l->setFont(f);
    return l;
}

QLabel* CommandColumn::optionLabel(const char* name, const char* caption, const char* toolTip) {
    auto* l = new QLabel(caption, this);
    l->setObjectName(name);
    l->setWordWrap(true);
    l->setToolTip(toolTip);
    return l;
}

QCheckBox* CommandColumn::optionBox(const char* name, const char* toolTip, bool ticked) {
    auto* b = new QCheckBox(this);
    b->setObjectName(name);
    b->setToolTip(toolTip);
    b->setChecked(ticked);
    return b;
}

QFrame* CommandColumn::line(int number) {
    auto* l = new QFrame(this);
    l->setObjectName(QString("Line%1").arg(number));
    l->setFrameShape(QFrame::HLine);
    l->setFrameShadow(QFrame::Sunken);
    return l;
}

}  // namespace velmora::ui
