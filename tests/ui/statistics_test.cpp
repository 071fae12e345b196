// The statistics panel below the grid: the statistics box, the technique switches and the counts
// of what each rule removed in the last recomputation.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "command_column.h"
#include "entry_grid.h"
#include "form_harness.h"
#include "model/workbench.h"
#include "statistics_panel.h"

namespace velmora::ui::test {

namespace {

using T = StatisticsPanel::Technique;
constexpr T kAll[] = {T::Singles, T::Pairs, T::Triplets,    T::Quads,
                      T::More,    T::Grabs, T::HiddenPairs, T::HiddenTriplets};

QString count(FormHarness& h, T t) {
    return h.form.statistics().countBox(t)->text();
}

int neSubsets(FormHarness& h, std::size_t k) {
    const auto& ne = h.form.workbench().neSubsets;
    return k < ne.size() ? ne[k] : 0;
}

// The first 16x16 sample typed in, with the complex rules switched on.
void sixteenWithComplexRules(FormHarness& h) {
    h.chooseSize(1);
    h.typeGrid(loadSamples("singles-4x4.txt").at(0).puzzle);
    h.click(h.column().ckbExperimental);
    h.click(h.form.statistics().statisticsBox());
}

}  // namespace

class StatisticsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { prepareApplication(); }

    void switchesLabelsAndCountsShowAndHideTogether() {
        FormHarness h;
        StatisticsPanel& s = h.form.statistics();
        QVERIFY(!s.statisticsBox()->isChecked());
        QVERIFY(s.statisticsBox()->isVisible());
        const auto all = [&s](bool visible) {
            for (T t : kAll) {
                if (s.techniqueSwitch(t)->isVisible() != visible) return false;
                if (s.techniqueLabel(t)->isVisible() != visible) return false;
                if (s.countBox(t)->isVisible() != visible) return false;
            }
            return true;
        };
        QVERIFY(all(false));
        h.click(s.statisticsBox());
        QVERIFY(all(true));
        for (T t : kAll) {
            const bool enabled = t != T::HiddenTriplets;
            QCOMPARE(s.techniqueSwitch(t)->isEnabled(), enabled);
            QCOMPARE(s.techniqueLabel(t)->isEnabled(), enabled);
            QCOMPARE(s.countBox(t)->isEnabled(), enabled);
            QVERIFY(s.techniqueSwitch(t)->isChecked());
        }
        QCOMPARE(s.techniqueLabel(T::HiddenPairs)->text(), QString("Hidden Pairs"));
        QCOMPARE(s.countBox(T::More)->objectName(), QString("tbMore"));
        h.click(s.statisticsBox());
        QVERIFY(all(false));
    }

    void simpleEliminationOnlyCountsNothing() {
        FormHarness h;
        h.typeGrid(loadSamples("logic-3x3.txt").at(0).puzzle);
        QVERIFY(h.column().ckbExperimental->isChecked());
        h.click(h.form.statistics().statisticsBox());
        for (T t : kAll)
            QCOMPARE(count(h, t), QString("0"));
    }

    void sixteenBySixteenShowsEveryCountAndTheSumOfTheLargeSubsets() {
        FormHarness h;
        sixteenWithComplexRules(h);
        int more = 0;
        for (std::size_t k = 4; k < 16; ++k)
            more += neSubsets(h, k);
        QVERIFY2(more > 0, "the sample should need subsets of five cells or more");
        QCOMPARE(count(h, T::More), QString::number(more));
        QCOMPARE(count(h, T::Singles), QString::number(neSubsets(h, 0)));
        QCOMPARE(count(h, T::Pairs), QString::number(neSubsets(h, 1)));
        QCOMPARE(count(h, T::Triplets), QString::number(neSubsets(h, 2)));
        QCOMPARE(count(h, T::Quads), QString::number(neSubsets(h, 3)));
        QCOMPARE(count(h, T::Grabs), QString::number(h.form.workbench().sBlock().neGrabs));
        QCOMPARE(count(h, T::HiddenPairs), QString::number(h.form.workbench().sBlock().neHPairs));
        QVERIFY(count(h, T::Singles).toInt() > 0);
        QVERIFY(count(h, T::Grabs).toInt() > 0);
        // No rule counts hidden triplets: the box keeps its first text.
        QCOMPARE(count(h, T::HiddenTriplets), QString("0"));
    }

    void everySwitchRereadsTheSwitchesAndRecomputes() {
        FormHarness h;
        sixteenWithComplexRules(h);
        StatisticsPanel& s = h.form.statistics();
        Workbench& wb = h.form.workbench();
        QVERIFY(count(h, T::Pairs).toInt() > 0);
        QStringList before;
        for (T t : kAll)
            before << count(h, t);
        h.click(s.techniqueSwitch(T::Pairs));
        QVERIFY(!wb.subsetEnabled[1]);
        QCOMPARE(count(h, T::Pairs), QString("0"));
        h.click(s.techniqueSwitch(T::More));
        for (std::size_t k = 4; k <= 8; ++k)
            QVERIFY(!wb.subsetEnabled[k]);
        QCOMPARE(count(h, T::More), QString("0"));
        h.click(s.techniqueSwitch(T::Grabs));
        QVERIFY(!wb.grabsEnabled);
        QCOMPARE(count(h, T::Grabs), QString("0"));
        h.click(s.techniqueSwitch(T::HiddenPairs));
        QVERIFY(!wb.hiddenPairsEnabled);
        QCOMPARE(count(h, T::HiddenPairs), QString("0"));
        for (T t : {T::Pairs, T::More, T::Grabs, T::HiddenPairs})
            h.click(s.techniqueSwitch(t));
        QVERIFY(wb.subsetEnabled[1]);
        QStringList after;
        for (T t : kAll)
            after << count(h, t);
        QCOMPARE(after, before);
    }

    void untickedTheBoxesKeepTheirOldCounts() {
        FormHarness h;
        sixteenWithComplexRules(h);
        const QString singles = count(h, T::Singles);
        h.click(h.form.statistics().statisticsBox());
        h.click(h.column().ckbExperimental);
        QCOMPARE(count(h, T::Singles), singles);
        // Ticked again, the panel shows the counts of now.
        h.click(h.form.statistics().statisticsBox());
        QCOMPARE(count(h, T::Singles), QString("0"));
    }

    void aFourByFourHasNoLargeSubsets() {
        FormHarness h;
        h.chooseSize(2);
        h.typeGrid(loadSamples("singles-2x2.txt").at(0).puzzle);
        h.click(h.column().ckbExperimental);
        h.click(h.form.statistics().statisticsBox());
        QCOMPARE(count(h, T::More), QString("0"));
    }
};

}  // namespace velmora::ui::test

QTEST_MAIN(velmora::ui::test::StatisticsTest)
#include "statistics_test.moc"
