#include "window_access.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QVariant>
#include <QWidget>
#include <array>
#include <utility>

#include "named_controls_port.h"

namespace velmora::ui {

namespace {

// Label, then the control it stands beside.
constexpr std::array<std::pair<const char*, const char*>, 16> kBuddies{{
    {"lbDifficulty", "hsDifficulty"},
    {"lbUsing", "tbSelements"},
    {"lbshowpencil", "ckbScribbleArea"},
    {"lbsimple", "ckbExperimental"},
    {"lbManual", "ckbmanualpencilmarks"},
    {"lbuseBrute", "ckbTrial"},
    {"lblanguage", "cmbLanguage"},
    {"lbshowelims", "cbElimstats"},
    {"lbsingles", "cbsingles"},
    {"lbpairs", "cbPairs"},
    {"lbtriplets", "cbtriplets"},
    {"lbquads", "cbquads"},
    {"lbmore", "cbmore"},
    {"lbgrabs", "cbGrabs"},
    {"lbhpairs", "cbhpairs"},
    {"lbhtriplets", "cbhtriplets"},
}};

// Count box, then the label of its technique.
constexpr std::array<std::pair<const char*, const char*>, 8> kCounts{{
    {"tbSingles", "lbsingles"},
    {"tbPairs", "lbpairs"},
    {"tbtriplets", "lbtriplets"},
    {"tbquads", "lbquads"},
    {"tbMore", "lbmore"},
    {"tbgrabs", "lbgrabs"},
    {"tbHPairs", "lbhpairs"},
    {"tbhtriplets", "lbhtriplets"},
}};

// The grid, the command buttons in reading order, the check boxes, then the other settings.
constexpr std::array<const char*, 32> kTabOrder{
    "EntryGrid",       "cbGenerate",  "cbEnterInitial",  "cbReset",         "cbClear",
    "cbenterSolution", "cbSolve",     "cbUndo",          "cbRedo",          "cbhint",
    "cbCheck",         "cbExplain",   "cbPrint",         "cbBook",          "cbLoad",
    "cbSave",          "cbExit",      "ckbScribbleArea", "ckbExperimental", "ckbmanualpencilmarks",
    "ckbTrial",        "cbElimstats", "cbsingles",       "cbPairs",         "cbtriplets",
    "cbquads",         "cbmore",      "cbGrabs",         "cbhpairs",        "cbhtriplets",
    "hsDifficulty",    "tbSelements",
};

// The size options in the frame's reading order, by their index.
constexpr std::array<int, 10> kSizeOrder{2, 5, 3, 4, 0, 1, 6, 8, 7, 9};

}  // namespace

void labelControls(QWidget& window) {
    for (const auto& [labelName, controlName] : kBuddies) {
        auto* label = window.findChild<QLabel*>(labelName);
        auto* control = window.findChild<QWidget*>(controlName);
        if (label && control) label->setBuddy(control);
    }
    nameLabelledControls(window);
    for (const auto& [countName, labelName] : kCounts) {
        auto* count = window.findChild<QLineEdit*>(countName);
        const auto* label = window.findChild<QLabel*>(labelName);
        if (count && label) count->setAccessibleName(label->text());
    }
    for (QLineEdit* box : window.findChildren<QLineEdit*>())
        if (box->isReadOnly()) box->setFocusPolicy(Qt::NoFocus);
}

void setReadingTabOrder(QWidget& window) {
    QList<QWidget*> chain;
    for (const char* name : kTabOrder)
        if (auto* w = window.findChild<QWidget*>(name)) chain.append(w);
    QList<QAbstractButton*> sizes(10, nullptr);
    for (QAbstractButton* option : window.findChildren<QAbstractButton*>("optSize")) {
        const int index = option->property("Index").toInt();
        if (index >= 0 && index < sizes.size()) sizes[index] = option;
    }
    for (const int index : kSizeOrder)
        if (sizes[index]) chain.append(sizes[index]);
    if (auto* languages = window.findChild<QWidget*>("cmbLanguage")) chain.append(languages);
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

}  // namespace velmora::ui
