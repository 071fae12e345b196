#include "statistics_panel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace velmora::ui {

namespace {

struct TechniqueDesign {
    const char* switchName;
    const char* labelName;
    const char* caption;
    const char* countName;
};

const std::array<TechniqueDesign, StatisticsPanel::kTechniques> kTechniqueDesign{{
    {"cbsingles", "lbsingles", "Singles", "tbSingles"},
    {"cbPairs", "lbpairs", "Pairs", "tbPairs"},
    {"cbtriplets", "lbtriplets", "Triplets", "tbtriplets"},
    {"cbquads", "lbquads", "Quads", "tbquads"},
    {"cbmore", "lbmore", "More", "tbMore"},
    {"cbGrabs", "lbgrabs", "Grabs", "tbgrabs"},
    {"cbhpairs", "lbhpairs", "Hidden Pairs", "tbHPairs"},
    {"cbhtriplets", "lbhtriplets", "Hidden Triplets", "tbhtriplets"},
}};

constexpr const char* kStatisticsTip = "Reveal number of each time of complex eliminations";
// Four techniques to a column.
constexpr int kRowsPerColumn = 4;

}  // namespace

StatisticsPanel::StatisticsPanel(QWidget* parent) : QWidget(parent) {
    setObjectName("statisticsPanel");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);

    cbElimstats_ = new QCheckBox(this);
    cbElimstats_->setObjectName("cbElimstats");
    cbElimstats_->setToolTip(kStatisticsTip);
    lbshowelims_ = new QLabel("Show Pencil mark eliminations", this);
    lbshowelims_->setObjectName("lbshowelims");
    lbshowelims_->setToolTip(kStatisticsTip);
    grid->addWidget(cbElimstats_, 0, 0);
    grid->addWidget(lbshowelims_, 0, 1, 1, 6);

    const int countWidth = fontMetrics().horizontalAdvance("00000") + 8;
    for (std::size_t i = 0; i < kTechniqueDesign.size(); ++i) {
        const TechniqueDesign& d = kTechniqueDesign[i];
        auto* sw = new QCheckBox(this);
        sw->setObjectName(d.switchName);
        sw->setChecked(true);
        auto* label = new QLabel(d.caption, this);
        label->setObjectName(d.labelName);
        auto* count = new QLineEdit("0", this);
        count->setObjectName(d.countName);
        count->setReadOnly(true);
        count->setFixedWidth(countWidth);
        count->setAlignment(Qt::AlignRight);
        const int row = 1 + static_cast<int>(i) % kRowsPerColumn;
        const int col = 3 * (static_cast<int>(i) / kRowsPerColumn);
        grid->addWidget(sw, row, col);
        grid->addWidget(label, row, col + 1);
        grid->addWidget(count, row, col + 2);
        for (QWidget* w : std::initializer_list<QWidget*>{sw, label, count}) {
            // The panel keeps its place while hidden, so nothing below it moves.
            QSizePolicy p = w->sizePolicy();
            p.setRetainSizeWhenHidden(true);
            w->setSizePolicy(p);
        }
        switches_[i] = sw;
        labels_[i] = label;
        counts_[i] = count;
        connect(sw, &QCheckBox::toggled, this, &StatisticsPanel::techniqueToggled);
    }
    grid->setColumnStretch(6, 1);
    // No rule counts hidden triplets.
    for (QWidget* w :
         std::initializer_list<QWidget*>{techniqueSwitch(HiddenTriplets),
                                         techniqueLabel(HiddenTriplets), countBox(HiddenTriplets)})
        w->setEnabled(false);
    setTechniquesVisible(false);

    connect(cbElimstats_, &QCheckBox::toggled, this, [this](bool ticked) {
        setTechniquesVisible(ticked);
        emit statisticsToggled(ticked);
    });
}

bool StatisticsPanel::countsShown() const {
    return cbElimstats_->isChecked();
}

void StatisticsPanel::showCounts(const EliminationCounts& c) {
    countBox(Singles)->setText(QString::number(c.singles));
    countBox(Pairs)->setText(QString::number(c.pairs));
    countBox(Triplets)->setText(QString::number(c.triplets));
    countBox(Quads)->setText(QString::number(c.quads));
    countBox(More)->setText(QString::number(c.more));
    countBox(Grabs)->setText(QString::number(c.grabs));
    countBox(HiddenPairs)->setText(QString::number(c.hiddenPairs));
}

void StatisticsPanel::setTechniquesVisible(bool visible) {
    for (std::size_t i = 0; i < switches_.size(); ++i) {
        switches_[i]->setVisible(visible);
        labels_[i]->setVisible(visible);
        counts_[i]->setVisible(visible);
    }
}

}  // namespace velmora::ui
