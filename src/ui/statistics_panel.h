// The statistics panel below the grid: the statistics box (cbElimstats) and, shown only while it
// is ticked, the eight technique switches with their labels and count boxes.
#pragma once

#include <QWidget>
#include <array>

#include "model/ports.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace velmora::ui {

class StatisticsPanel : public QWidget, public StatisticsView {
    Q_OBJECT
  public:
    // The techniques in the panel's order.
    enum Technique { Singles, Pairs, Triplets, Quads, More, Grabs, HiddenPairs, HiddenTriplets };
    static constexpr int kTechniques = 8;

    explicit StatisticsPanel(QWidget* parent = nullptr);

    bool countsShown() const override;
    void showCounts(const EliminationCounts& counts) override;

    QCheckBox* statisticsBox() const { return cbElimstats_; }
    QCheckBox* techniqueSwitch(Technique t) const { return switches_[index(t)]; }
    QLabel* techniqueLabel(Technique t) const { return labels_[index(t)]; }
    QLineEdit* countBox(Technique t) const { return counts_[index(t)]; }

  signals:
    void statisticsToggled(bool ticked);
    void techniqueToggled();

  private:
    static std::size_t index(Technique t) { return static_cast<std::size_t>(t); }
    void setTechniquesVisible(bool visible);

    QCheckBox* cbElimstats_ = nullptr;
    QLabel* lbshowelims_ = nullptr;
    std::array<QCheckBox*, kTechniques> switches_{};
    std::array<QLabel*, kTechniques> labels_{};
    std::array<QLineEdit*, kTechniques> counts_{};
};

}  // namespace velmora::ui
