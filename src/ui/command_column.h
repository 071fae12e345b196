// The column right of the grid: the command buttons in their sections ("Generate Puzzle",
// "Set up Puzzle", "Candidates and Entry", "Solve Puzzle", "Oops!!"), the option check boxes,
// the difficulty slider, the element characters, the size frame, the file buttons and the
// version box. The form reads and wires the controls through these members.
#pragma once

#include <QWidget>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace velmora::ui {

class ElementsBox;
class SizeFrame;

class CommandColumn : public QWidget {
    Q_OBJECT
  public:
    explicit CommandColumn(QWidget* parent = nullptr);

    QLabel* lbGenerate = nullptr;
    QPushButton* cbGenerate = nullptr;
    QSlider* hsDifficulty = nullptr;
    QLabel* lbDifficulty = nullptr;
    QLabel* lbUsing = nullptr;
    ElementsBox* tbSelements = nullptr;

    QLabel* lbSetup = nullptr;
    QPushButton* cbEnterInitial = nullptr;
    QPushButton* cbReset = nullptr;
    QPushButton* cbClear = nullptr;

    QLabel* lbcandidates = nullptr;
    QPushButton* cbenterSolution = nullptr;
    QCheckBox* ckbScribbleArea = nullptr;
    QLabel* lbshowpencil = nullptr;
    QCheckBox* ckbExperimental = nullptr;
    QLabel* lbsimple = nullptr;
    QCheckBox* ckbmanualpencilmarks = nullptr;
    QLabel* lbManual = nullptr;

    QLabel* lbsolve = nullptr;
    QPushButton* cbSolve = nullptr;
    QCheckBox* ckbTrial = nullptr;
    QLabel* lbuseBrute = nullptr;

    QLabel* lboops = nullptr;
    QPushButton* cbUndo = nullptr;
    QPushButton* cbRedo = nullptr;
    QPushButton* cbhint = nullptr;
    QPushButton* cbCheck = nullptr;
    QPushButton* cbExplain = nullptr;

    SizeFrame* frsize = nullptr;
    QPushButton* cbPrint = nullptr;
    QPushButton* cbBook = nullptr;
    QPushButton* cbLoad = nullptr;
    QPushButton* cbSave = nullptr;
    QPushButton* cbExit = nullptr;
    QLineEdit* tbVersion = nullptr;

  private:
    QPushButton* button(const char* name, const char* caption, const char* toolTip);
    QLabel* sectionLabel(const char* name, const char* caption);
    QLabel* optionLabel(const char* name, const char* caption, const char* toolTip);
    QCheckBox* optionBox(const char* name, const char* toolTip, bool ticked);
    QFrame* line(int number);
};

}  // namespace velmora::ui
