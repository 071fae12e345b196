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
#include "size_frame.h"
#include "statistics_panel.h"
#include "status_panels.h"
#include "texts/language_tables.h"

namespace velmora::ui::test {

namespace {

const QString kEnglishTitle("Sudoku Velmora - Velmora Puzzle Works - https://velmora.example");

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

// The German texts that English does not share.
QSet<QString> germanTexts() {
    QSet<QString> texts[2];
    for (int language : {0, 1}) {
        for (const ControlTexts& t : languageTable(language)) {
            texts[language] << QString::fromUtf8(t.caption.data(), std::ssize(t.caption));
            if (t.toolTip)
                texts[language] << QString::fromUtf8(t.toolTip->data(), std::ssize(*t.toolTip));
        }
    }
    return texts[1] - texts[0];
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

    void germanShowsGermanCaptionsAndTitleAndEnglishThenNoGermanText() {
        FormHarness h;
        h.chooseLanguage(1);
        QCOMPARE(h.wb().pc().wLanguage, 1);
        QCOMPARE(captionOf(h.form, "cbGenerate"), QString("Neu"));
        QCOMPARE(captionOf(h.form, "lblanguage"), QString("Sprachauswahl"));
        QCOMPARE(captionOf(h.form, "cbRedo"), QString("Wiederher- stellen"));
        QCOMPARE(toolTipOf(h.form, "cbRedo"), QString("Ruecknahme zuruecknehmen"));
        QVERIFY(h.form.windowTitle().contains("Programm"));
        // Reset and Clear keep their captions, with German tool tips.
        QCOMPARE(captionOf(h.form, "cbReset"), QString("Reset"));
        QVERIFY(toolTipOf(h.form, "cbClear").startsWith("Diese Taste loescht"));
        // What the tables do not name stays English.
        QCOMPARE(h.column().frsize->title(), QString("Size"));
        QCOMPARE(h.form.statistics().techniqueLabel(StatisticsPanel::Pairs)->text(),
                 QString("Pairs"));
        QVERIFY(shownTexts(h.form).intersects(germanTexts()));

        h.chooseLanguage(0);
        const QSet<QString> left = shownTexts(h.form) & germanTexts();
        QVERIFY2(left.isEmpty(), qPrintable(QStringList(left.values()).join(" | ")));
        QCOMPARE(captionOf(h.form, "cbGenerate"), QString("Generate"));
        QCOMPARE(toolTipOf(h.form, "cbRedo"), QString("Redo the last Undo"));
        QCOMPARE(h.form.windowTitle(), kEnglishTitle);
    }

    void frenchKeepsTheEnglishRedoTipTitleAndStatusTexts() {
        FormHarness h;
        h.chooseLanguage(1);
        h.chooseLanguage(2);
        QCOMPARE(captionOf(h.form, "cbGenerate"), QString("Créer"));
        QCOMPARE(captionOf(h.form, "lblanguage"), QString("langue"));
        QCOMPARE(captionOf(h.form, "cbRedo"), QString("Répéter"));
        QCOMPARE(toolTipOf(h.form, "cbRedo"), QString("Redo the last Undo"));
        QCOMPARE(h.form.windowTitle(), kEnglishTitle);
        QVERIFY(!shownTexts(h.form).intersects(germanTexts()));
        h.click(h.column().cbClear);
        QCOMPARE(h.panel(1), QString("Puzzle cleared - enter, generate or load a new one"));
        QCOMPARE(h.panel(2), QString("Ready .."));
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
