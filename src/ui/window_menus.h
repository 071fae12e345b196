// The menu bar: File, Edit, Puzzle and Help, holding every command of the buttons and a few more,
// each with its keyboard shortcut. An entry that a button also offers clicks that button, so both
// run the same handler, and it is enabled exactly while the button is; the button's tool tip
// shows the shortcut. Captions come from the core's tables (applyWindowTexts).
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class QAction;
class QMainWindow;
class QMenu;

namespace velmora::ui {

class WindowMenus : public QObject {
    Q_OBJECT
  public:
    explicit WindowMenus(QMainWindow& window);

    // The entry named `name` ("actUndo", ...), or null.
    QAction* action(const char* name) const;
    // Every entry in menu order.
    const QList<QAction*>& actions() const { return actions_; }
    // True when an entry answers to `keys`.
    bool takesKeys(const QKeySequence& keys) const;

  signals:
    // Entries without a button.
    void copyChosen();
    void pasteChosen();
    void bookChosen();
    void highlightChosen();
    void keysChosen();
    void aboutChosen();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QAction* add(QMenu* menu, const char* name, const char* buttonName,
                 QList<QKeySequence> shortcuts);

    QMainWindow& window_;
    QList<QAction*> actions_;
};

}  // namespace velmora::ui
