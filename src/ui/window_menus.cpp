#include "window_menus.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>

#include "named_controls_port.h"

namespace velmora::ui {

namespace {

QList<QKeySequence> keys(QKeySequence::StandardKey standard, QList<QKeySequence> own = {}) {
    // The named keys first, so that menus show them; the platform's own where they differ.
    for (const QKeySequence& k : QKeySequence::keyBindings(standard))
        if (!own.contains(k)) own.append(k);
    return own;
}

QMenu* menu(QMainWindow& window, const char* name) {
    QMenu* m = window.menuBar()->addMenu(QString::fromLatin1(name));
    m->setObjectName(name);
    return m;
}

}  // namespace

WindowMenus::WindowMenus(QMainWindow& window) : QObject(&window), window_(window) {
    window.menuBar()->setObjectName("menuBar");
    QMenu* file = menu(window, "mnuFile");
    add(file, "actLoad", "cbLoad", keys(QKeySequence::Open));
    add(file, "actSave", "cbSave", keys(QKeySequence::Save));
    add(file, "actPrint", "cbPrint", keys(QKeySequence::Print));
    connect(add(file, "actBook", nullptr, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)}),
            &QAction::triggered, this, &WindowMenus::bookChosen);
    file->addSeparator();
    add(file, "actExit", "cbExit", keys(QKeySequence::Quit, {QKeySequence(Qt::CTRL | Qt::Key_Q)}));

    QMenu* edit = menu(window, "mnuEdit");
    add(edit, "actUndo", "cbUndo", keys(QKeySequence::Undo));
    add(edit, "actRedo", "cbRedo",
        keys(QKeySequence::Redo,
             {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
    edit->addSeparator();
    connect(add(edit, "actCopy", nullptr, keys(QKeySequence::Copy)), &QAction::triggered, this,
            &WindowMenus::copyChosen);
    connect(add(edit, "actPaste", nullptr, keys(QKeySequence::Paste)), &QAction::triggered, this,
            &WindowMenus::pasteChosen);

    // Keys that type nothing into the grid: function keys and Ctrl with a letter no puzzle uses.
    QMenu* puzzle = menu(window, "mnuPuzzle");
    add(puzzle, "actGenerate", "cbGenerate", keys(QKeySequence::New));
    add(puzzle, "actEnterInitial", "cbEnterInitial", {QKeySequence(Qt::Key_F6)});
    add(puzzle, "actEnterSolution", "cbenterSolution", {QKeySequence(Qt::Key_F7)});
    puzzle->addSeparator();
    add(puzzle, "actSolve", "cbSolve", {QKeySequence(Qt::Key_F9)});
    add(puzzle, "actHint", "cbhint", {QKeySequence(Qt::Key_F2)});
    add(puzzle, "actExplain", "cbExplain", {QKeySequence(Qt::Key_F3)});
    add(puzzle, "actCheck", "cbCheck", {QKeySequence(Qt::Key_F4)});
    connect(add(puzzle, "actHighlight", nullptr, {QKeySequence(Qt::Key_F8)}), &QAction::triggered,
            this, &WindowMenus::highlightChosen);
    puzzle->addSeparator();
    add(puzzle, "actReset", "cbReset", {QKeySequence(Qt::CTRL | Qt::Key_R)});
    add(puzzle, "actClear", "cbClear", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)});

    QMenu* help = menu(window, "mnuHelp");
    connect(
        add(help, "actKeys", nullptr, keys(QKeySequence::HelpContents, {QKeySequence(Qt::Key_F1)})),
        &QAction::triggered, this, &WindowMenus::keysChosen);
    connect(add(help, "actAbout", nullptr, {}), &QAction::triggered, this,
            &WindowMenus::aboutChosen);
}

QAction* WindowMenus::add(QMenu* menu, const char* name, const char* buttonName,
                          QList<QKeySequence> shortcuts) {
    auto* action = new QAction(QString::fromLatin1(name), &window_);
    action->setObjectName(name);
    action->setShortcuts(shortcuts);
    menu->addAction(action);
    actions_.append(action);
    if (!buttonName) return action;
    auto* button = window_.findChild<QAbstractButton*>(QString::fromLatin1(buttonName));
    if (!button) return action;
    action->setEnabled(button->isEnabled());
    button->installEventFilter(this);
    button->setProperty("menuAction", QVariant::fromValue(action));
    connect(action, &QAction::triggered, button, [button] {
        if (button->isEnabled()) button->click();
    });
    if (!shortcuts.isEmpty()) showShortcutInToolTip(*button, shortcuts.constFirst());
    return action;
}

QAction* WindowMenus::action(const char* name) const {
    for (QAction* a : actions_)
        if (a->objectName() == QLatin1String(name)) return a;
    return nullptr;
}

bool WindowMenus::takesKeys(const QKeySequence& keys) const {
    for (const QAction* a : actions_)
        if (a->shortcuts().contains(keys)) return true;
    return false;
}

bool WindowMenus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        auto* button = static_cast<QAbstractButton*>(watched);
        if (auto* a = button->property("menuAction").value<QAction*>())
            a->setEnabled(button->isEnabled());
    }
    return false;
}

}  // namespace velmora::ui
