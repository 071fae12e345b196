// The language list: captions and tool tips in English, German and French, the window title,
// and the status messages, which follow from the next message on.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QSet>
#include <QTest>

#include "command_column.h"
#include "form_harness.h"
#include "model/workbench.h"
#include "size_frame.h"
#include "statistics_panel.h"
#include "status_panels.h"
#include "texts/language_tables.h"

namespace velmora::ui::test {

namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Every caption, title and tool tip the window shows.
QSet<QString> shownTexts(MainForm& form) {
    QSet<QString> texts{form.windowTitle()};
    for (QWidget* w : form.findChildren<QWidget*>()) {
        texts << w->toolTip();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) texts << b->text();
        if (auto* l = qobject_cast<QLabel*>(w)) texts << l->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) texts << g->title();
    }
    texts.remove(QString());
    return texts;
}

// The texts of `language` that English does not share.
QSet<QString> ownTexts(int language) {
    QSet<QString> english;
    for (const ControlTexts& t : languageTable(0)) {
        english << fromView(t.caption);
        if (t.toolTip) english << fromView(*t.toolTip);
    }
    QSet<QString> own;
    for (const ControlTexts& t : languageTable(language)) {
        own << fromView(t.caption);
        if (t.toolTip) own << fromView(*t.toolTip);
    }
    return own - english;
}

QString toolTipOf(MainForm& form, const char* name) {
    return form.findChild<QWidget*>(name)->toolTip();
}

QString captionOf(MainForm& form, const char* name) {
    QWidget* w = form.findChild<QWidget*>(name);
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    return qobject_cast<QLabel*>(w)->text();
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { prepareApplication(); }

    void theListOffersTheThreeLanguagesUntranslated() {
        FormHarness h;
        h.chooseLanguage(1);
        QComboBox& list = h.form.languageList();
        QCOMPARE(list.itemText(0), QString("English"));
        QCOMPARE(list.itemText(1), QString("German"));
        QCOMPARE(list.itemText(2), QString("French"));
        QCOMPARE(list.toolTip(), QString("Choose your language"));
    }

    void germanShowsGermanCaptionsAndTitle() {
        FormHarness h;
        h.chooseLanguage(1);
        QCOMPARE(h.form.workbench().pc().wLanguage, 1);
        QCOMPARE(captionOf(h.form, "cbGenerate"), QString("Neu"));
        QCOMPARE(captionOf(h.form, "lblanguage"), QString("Sprachauswahl"));
        QCOMPARE(captionOf(h.form, "cbRedo"), QString("Wiederher- stellen"));
        QCOMPARE(toolTipOf(h.form, "cbRedo"), QString("Ruecknahme zuruecknehmen"));
        QVERIFY(h.form.windowTitle().contains("Sudoku Velmora"));
        QVERIFY(h.form.windowTitle().contains("Programm"));
        // Reset and Clear keep their captions, with German tool tips.
        QCOMPARE(captionOf(h.form, "cbReset"), QString("Reset"));
        QCOMPARE(captionOf(h.form, "cbClear"), QString("Clear"));
        QVERIFY(toolTipOf(h.form, "cbClear").startsWith("Diese Taste loescht"));
        // What the tables do not name stays English.
        QCOMPARE(h.column().frsize->title(), QString("Size"));
        QCOMPARE(h.form.statistics().techniqueLabel(StatisticsPanel::Pairs)->text(),
                 QString("Pairs"));
        QCOMPARE(h.column().ckbTrial->toolTip(),
                 QString("True Sudokus only have 1 solution and can be solved by logic alone - "
                         "this will solve non-genuine Sudokus"));
    }

    void germanThenEnglishLeavesNoGermanText() {
        FormHarness h;
        h.chooseLanguage(1);
        const QSet<QString> german = ownTexts(1);
        QVERIFY(shownTexts(h.form).intersects(german));
        h.chooseLanguage(0);
        const QSet<QString> left = shownTexts(h.form) & german;
        QVERIFY2(left.isEmpty(), qPrintable(QStringList(left.values()).join(" | ")));
        QCOMPARE(captionOf(h.form, "cbGenerate"), QString("Generate"));
        QCOMPARE(captionOf(h.form, "lblanguage"), QString("Language"));
        QCOMPARE(toolTipOf(h.form, "cbRedo"), QString("Redo the last Undo"));
        QCOMPARE(h.form.windowTitle(),
                 QString("Sudoku Velmora - Velmora Puzzle Works - https://velmora.example"));
    }

    void frenchKeepsTheEnglishRedoTipTitleAndStatusTexts() {
        FormHarness h;
        h.chooseLanguage(1);
        h.chooseLanguage(2);
        QCOMPARE(captionOf(h.form, "cbGenerate"), QString("Créer"));
        QCOMPARE(captionOf(h.form, "lblanguage"), QString("langue"));
        QCOMPARE(captionOf(h.form, "cbRedo"), QString("Répéter"));
        QCOMPARE(toolTipOf(h.form, "cbRedo"), QString("Redo the last Undo"));
        QCOMPARE(h.form.windowTitle(),
                 QString("Sudoku Velmora - Velmora Puzzle Works - https://velmora.example"));
        QVERIFY(!shownTexts(h.form).intersects(ownTexts(1)));
        h.click(h.column().cbClear);
        QCOMPARE(h.panel(1), QString("Puzzle cleared - enter, generate or load a new one"));
        QCOMPARE(h.panel(2), QString("Ready .."));
        QCOMPARE(h.panel(3), QString("Ready .."));
    }

    void statusMessagesFollowFromTheNextMessageOn() {
        FormHarness h;
        h.click(h.column().cbenterSolution);
        const QString shown = h.panel(1);
        h.chooseLanguage(1);
        QCOMPARE(h.panel(1), shown);
        h.click(h.column().cbClear);
        QCOMPARE(h.panel(1),
                 QString("Puzzle geloest, laden oder generieren Sie eins oder geben Sie ein Neues "
                         "ein"));
        QCOMPARE(h.panel(2), QString("Bereit ..."));
        h.chooseLanguage(0);
        h.click(h.column().cbenterSolution);
        QCOMPARE(h.panel(1), QString("Try to solve this puzzle manually or click Solve"));
    }
};

}  // namespace velmora::ui::test

QTEST_MAIN(velmora::ui::test::LanguageTest)
#include "language_test.moc"
