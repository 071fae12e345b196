// The statistics panel below the grid: the statistics box, the technique switches and the counts
// of what each rule removed in the last recomputation.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "command_column.h"
#include "entry_grid.h"
#include "form_harness.h"
#include "statistics_panel.h"

namespace velmora::ui::test {

namespace {

using T = StatisticsPanel::Technique;
constexpr T kAll[] = {T::Singles, T::Pairs, T::Triplets,    T::Quads,
                      T::More,    T::Grabs, T::HiddenPairs, T::HiddenTriplets};

QStringList counts(FormHarness& h) {
    QStringList texts;
    for (T t : kAll)
        texts << h.form.statistics().countBox(t)->text();
    return texts;
}

// The first 16x16 sample typed in, with the complex rules switched on and the counts shown.
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
        QVERIFY(s.statisticsBox()->isVisible());
        const auto all = [&s](bool visible) {
            for (T t : kAll)
                for (QWidget* w : {static_cast<QWidget*>(s.techniqueSwitch(t)),
                                   static_cast<QWidget*>(s.techniqueLabel(t)),
                                   static_cast<QWidget*>(s.countBox(t))})
                    if (w->isVisible() != visible || w->isEnabled() != (t != T::HiddenTriplets))
                        return false;
            return true;
        };
        QVERIFY(all(false));
        h.click(s.statisticsBox());
        QVERIFY(all(true));
        for (T t : kAll)
            QVERIFY(s.techniqueSwitch(t)->isChecked());
        QCOMPARE(s.techniqueLabel(T::HiddenPairs)->text(), QString("Hidden Pairs"));
        QCOMPARE(s.countBox(T::More)->objectName(), QString("tbMore"));
        h.click(s.statisticsBox());
        QVERIFY(all(false));
    }

    void sixteenBySixteenShowsEveryCountAndTheSumOfTheLargeSubsets() {
        FormHarness h;
        sixteenWithComplexRules(h);
        const std::vector<int>& ne = h.wb().neSubsets;
        int more = 0;
        for (std::size_t k = 4; k < 16; ++k)
            more += ne[k];
        QVERIFY2(more > 0, "the sample should need subsets of five cells or more");
        QVERIFY(ne[0] > 0 && h.wb().sBlock().neGrabs > 0);
        // No rule counts hidden triplets: the box keeps its first text.
        QCOMPARE(counts(h),
                 QStringList({QString::number(ne[0]), QString::number(ne[1]),
                              QString::number(ne[2]), QString::number(ne[3]), QString::number(more),
                              QString::number(h.wb().sBlock().neGrabs),
                              QString::number(h.wb().sBlock().neHPairs), "0"}));
    }

    void everySwitchRereadsTheSwitchesAndRecomputes() {
        FormHarness h;
        sixteenWithComplexRules(h);
        StatisticsPanel& s = h.form.statistics();
        const QStringList before = counts(h);
        QVERIFY(before[1].toInt() > 0);
        for (T t : {T::Pairs, T::More, T::Grabs, T::HiddenPairs}) {
            h.click(s.techniqueSwitch(t));
            QCOMPARE(s.countBox(t)->text(), QString("0"));
        }
        QVERIFY(!h.wb().subsetEnabled[1]);
        for (std::size_t k = 4; k <= 8; ++k)
            QVERIFY(!h.wb().subsetEnabled[k]);
        QVERIFY(!h.wb().grabsEnabled);
        QVERIFY(!h.wb().hiddenPairsEnabled);
        for (T t : {T::Pairs, T::More, T::Grabs, T::HiddenPairs})
            h.click(s.techniqueSwitch(t));
        QCOMPARE(counts(h), before);
    }

    void untickedTheBoxesKeepTheirOldCounts() {
        FormHarness h;
        sixteenWithComplexRules(h);
        const QStringList shown = counts(h);
        h.click(h.form.statistics().statisticsBox());
        h.click(h.column().ckbExperimental);  // simple elimination counts nothing
        QCOMPARE(counts(h), shown);
        // Ticked again, the panel shows the counts of now.
        h.click(h.form.statistics().statisticsBox());
        QCOMPARE(counts(h), QStringList({"0", "0", "0", "0", "0", "0", "0", "0"}));
    }
};

}  // namespace velmora::ui::test

QTEST_MAIN(velmora::ui::test::StatisticsTest)
#include "statistics_test.moc"
