#include "main_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>
#include <algorithm>
#include <filesystem>

#include "book_command.h"
#include "command_column.h"
#include "commands/candidate_options.h"
#include "commands/check_command.h"
#include "commands/commands.h"
#include "commands/exchange_commands.h"
#include "commands/language_choice.h"
#include "commands/save_commands.h"
#include "commands/size_commands.h"
#include "commands/workbench.h"
#include "display/grid_control.h"
#include "display/grid_geometry.h"
#include "elements_box.h"
#include "entry_grid.h"
#include "explanation_box.h"
#include "font_substitutes.h"
#include "grid_printer.h"
#include "input_blocker.h"
#include "message_box_port.h"
#include "model/size_options.h"
#include "named_controls_port.h"
#include "pencil_mark_box.h"
#include "pencil_mark_editor.h"
#include "qt_file_dialogs.h"
#include "size_frame.h"
#include "statistics_panel.h"
#include "status_panels.h"
#include "texts/exchange_texts.h"
#include "texts/language_tables.h"
#include "undo_buttons_port.h"
#include "window_settings_port.h"

namespace velmora::ui {

namespace {

// The English title of the window from the language table.
QString englishTitle() {
    for (const ControlTexts& t : languageTable(0))
        if (t.control == kWindowTitleControl)
            return QString::fromUtf8(t.caption.data(), static_cast<qsizetype>(t.caption.size()));
    return "Sudoku Velmora";
}

}  // namespace

MainForm::MainForm(std::uint64_t seed, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QString::fromUtf8(kWindowTitleControl.data(),
                                    static_cast<qsizetype>(kWindowTitleControl.size())));
    setWindowTitle(englishTitle());
    installFontSubstitutes();
    buildWidgets();

    messages_ = std::make_unique<MessageBoxPort>(this);
    settings_ = std::make_unique<WindowSettingsPort>(*column_, *statistics_, *cmbLanguage_);
    undoButtons_ = std::make_unique<UndoButtonsPort>(column_->cbUndo, column_->cbRedo);
    controls_ = std::make_unique<NamedControlsPort>(*this);
    gridControl_ = std::make_unique<GridControl>(*entryGrid_, statistics_);
    fileDialogs_ = std::make_unique<QtFileDialogs>(this);
    Ports ports;
    ports.statusBar = statusPanels_;
    ports.messages = messages_.get();
    ports.gridView = gridControl_.get();
    ports.settings = settings_.get();
    ports.undoButtons = undoButtons_.get();
    ports.controls = controls_.get();
    ports.fileDialogs = fileDialogs_.get();
    ports.explanation = explanation_;
    wb_ = std::make_unique<Workbench>(ports, seed);
    gridControl_->init(wb_->fControl());

    Form_Load();
    pencilMarkEditor_ = std::make_unique<PencilMarkEditor>(*wb_, *entryGrid_, *tbGridEntry_);
    connectHandlers();
    setAcceptDrops(true);
    // Typing goes into the grid from the start.
    entryGrid_->setFocus();
}

MainForm::~MainForm() = default;

void MainForm::buildWidgets() {
    auto* central = new QWidget(this);
    central->setObjectName("centralWidget");
    setCentralWidget(central);
    auto* layout = new QGridLayout(central);
    layout->setContentsMargins(8, 8, 8, 4);
    layout->setHorizontalSpacing(16);
    layout->setVerticalSpacing(8);

    // The grid sits top left in an area that holds the largest grid, so that changing the size
    // moves nothing else.
    auto* gridArea = new QWidget(central);
    gridArea->setObjectName("gridArea");
    entryGrid_ = new EntryGrid(gridArea);
    entryGrid_->move(0, 0);
    tbGridEntry_ = new PencilMarkBox(gridArea);
    int areaWidth = 0;
    int areaHeight = 0;
    for (const SizeOption& o : kSizeOptions) {
        const int n = o.nRows * o.nCols;
        const GridGeometry g = entryGridGeometry(o.cFontSize * 1.6, n, n, entryGrid_->logicalDpiX(),
                                                 entryGrid_->logicalDpiY());
        const QSize s = entryGrid_->sizeForCellArea(g.width, g.height);
        areaWidth = std::max(areaWidth, s.width());
        areaHeight = std::max(areaHeight, s.height());
    }
    gridArea->setFixedSize(areaWidth, areaHeight);
    layout->addWidget(gridArea, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    explanation_ = new ExplanationBox(central);
    explanation_->setFixedWidth(areaWidth);
    layout->addWidget(explanation_, 1, 0, Qt::AlignLeft | Qt::AlignTop);

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(12);
    statistics_ = new StatisticsPanel(central);
    bottom->addWidget(statistics_, 0, Qt::AlignTop);
    bottom->addStretch(1);
    lblanguage_ = new QLabel("Language", central);
    lblanguage_->setObjectName("lblanguage");
    cmbLanguage_ = new QComboBox(central);
    cmbLanguage_->setObjectName("cmbLanguage");
    cmbLanguage_->setToolTip("Choose your language");
    bottom->addWidget(lblanguage_, 0, Qt::AlignTop);
    bottom->addWidget(cmbLanguage_, 0, Qt::AlignTop);
    layout->addLayout(bottom, 2, 0);

    column_ = new CommandColumn(central);
    layout->addWidget(column_, 0, 1, 3, 1, Qt::AlignTop);
    layout->setRowStretch(2, 1);

    statusPanels_ = new StatusPanels(this);
    setStatusBar(statusPanels_);
    blocker_ = new InputBlocker(this);
}

void MainForm::Form_Load() {
    wb_->newPuzzle();
    cmbLanguage_->addItems({"English", "German", "French"});
    wb_->settings().highlightPhase(Phase::Generate);
    const PuzzleControl& pc = wb_->pc();
    column_->tbVersion->setText(QString::fromStdString(pc.pVersion) + "-" +
                                QString::number(pc.pSaveVersion));
}

void MainForm::connectHandlers() {
    connect(new QShortcut(QKeySequence::Paste, this), &QShortcut::activated, this,
            &MainForm::pastePuzzle);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &MainForm::copyPuzzle);
    connect(entryGrid_, &EntryGrid::keyTyped, this, &MainForm::EntryGrid_KeyPress);
    const auto command = [this](QPushButton* button, void (*handler)(Workbench&)) {
        connect(button, &QPushButton::clicked, this, [this, handler] {
            if (ready()) handler(*wb_);
        });
    };
    command(column_->cbEnterInitial, &velmora::cbEnterInitial_Click);
    command(column_->cbenterSolution, &velmora::cbenterSolution_Click);
    command(column_->cbReset, &velmora::cbReset_Click);
    command(column_->cbClear, &velmora::cbClear_Click);
    command(column_->cbhint, &velmora::cbhint_Click);
    command(column_->cbExplain, &velmora::cbExplain_Click);
    command(column_->cbCheck, &velmora::cbCheck_Click);
    command(column_->cbUndo, &velmora::cbUndo_Click);
    command(column_->cbRedo, &velmora::cbRedo_Click);
    connect(column_->cbGenerate, &QPushButton::clicked, this, &MainForm::cbGenerate_Click);
    connect(column_->cbSolve, &QPushButton::clicked, this, &MainForm::cbSolve_Click);
    connect(column_->cbSave, &QPushButton::clicked, this, &MainForm::cbSave_Click);
    connect(column_->cbLoad, &QPushButton::clicked, this, &MainForm::cbLoad_Click);
    connect(column_->cbPrint, &QPushButton::clicked, this, &MainForm::cbPrint_Click);
    connect(column_->cbBook, &QPushButton::clicked, this, &MainForm::cbBook_Click);
    connect(column_->cbExit, &QPushButton::clicked, this, &MainForm::cbExit_Click);
    connect(entryGrid_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& at) {
        if (!busy_) pencilMarkEditor_->EntryGrid_DblClick(at.row(), at.column());
    });
    connect(cmbLanguage_, &QComboBox::currentIndexChanged, this,
            [this](int index) { velmora::cmbLanguage_Click(*wb_, index); });
    connect(column_->frsize, &SizeFrame::sizeChosen, this, &MainForm::optSize_Click);
    connect(column_->tbSelements, &ElementsBox::left, this, &MainForm::tbSelements_Validate);
    // The candidate display and the statistics panel redraw the same way.
    connect(column_->ckbScribbleArea, &QCheckBox::toggled, this,
            [this] { velmora::ckbScribbleArea_Click(*wb_); });
    connect(column_->ckbmanualpencilmarks, &QCheckBox::toggled, this,
            [this](bool ticked) { velmora::ckbmanualpencilmarks_Click(*wb_, ticked); });
    connect(column_->ckbExperimental, &QCheckBox::toggled, this,
            [this](bool ticked) { velmora::ckbExperimental_Click(*wb_, ticked); });
    // Solve reads the box itself; keeping the field in step lets a saved puzzle carry the box
    // as the window shows it.
    connect(column_->ckbTrial, &QCheckBox::toggled, this,
            [this](bool ticked) { wb_->pc().guessingEnabled = ticked; });
    connect(statistics_, &StatisticsPanel::techniqueToggled, this,
            [this] { velmora::ckbScribbleArea_Click(*wb_); });
    connect(statistics_, &StatisticsPanel::statisticsToggled, this, [this](bool ticked) {
        if (ticked) velmora::ckbScribbleArea_Click(*wb_);
    });
}

void MainForm::runBusy(const std::function<void()>& command) {
    busy_ = true;
    blocker_->setActive(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    command();
    // Clicks and keys given meanwhile arrive now, into the blocker.
    QCoreApplication::processEvents();
    QApplication::restoreOverrideCursor();
    blocker_->setActive(false);
    busy_ = false;
}

bool MainForm::ready() const {
    // An editor that refused to let go (an invalid character) keeps the command from running.
    return !busy_ && !pencilMarkEditor_->isOpen();
}

void MainForm::EntryGrid_KeyPress(int keyAscii) {
    if (busy_) return;
    gridControl_->loadKeypress(keyAscii);
    velmora::sbDoneornot(*wb_, false);
}

void MainForm::cbGenerate_Click() {
    if (!ready()) return;
    runBusy([this] {
        velmora::cbGenerate_Click(*wb_);
        velmora::showRating(*wb_);
    });
}

void MainForm::cbSolve_Click() {
    if (!ready()) return;
    runBusy([this] { velmora::cbSolve_Click(*wb_); });
}

void MainForm::optSize_Click(int index) {
    velmora::optSize_Click(*wb_, index);
}

void MainForm::tbSelements_Validate() {
    velmora::tbSelements_Validate(*wb_, column_->tbSelements->text().toStdString());
}

void MainForm::cbSave_Click() {
    if (!ready()) return;
    velmora::fSave(*wb_, "");
}

void MainForm::cbLoad_Click() {
    if (!ready()) return;
    velmora::fload(*wb_, "");
}

void MainForm::cbPrint_Click() {
    if (!ready()) return;
    gPrint(this, *entryGrid_, *wb_);
}

bool MainForm::openFile(const QString& path) {
    if (!ready()) return false;
    return velmora::openPuzzleFile(*wb_,
                                   std::filesystem::path(QFile::encodeName(path).toStdString()));
}

void MainForm::pastePuzzle() {
    if (!ready()) return;
    const QString text = QGuiApplication::clipboard()->text();
    if (text.trimmed().isEmpty()) {
        wb_->messages().information(nothingToPaste(wb_->pc().wLanguage));
        return;
    }
    velmora::openPuzzleText(*wb_, text.toStdString());
}

void MainForm::copyPuzzle() {
    const ClipboardTexts texts = velmora::copyPuzzle(*wb_);
    auto* mime = new QMimeData;
    mime->setText(QString::fromStdString(texts.line));
    mime->setData(kPencilMarksMime, QByteArray::fromStdString(texts.pencilMarks));
    QGuiApplication::clipboard()->setMimeData(mime);
}

void MainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() || event->mimeData()->hasText()) event->acceptProposedAction();
}

void MainForm::dropEvent(QDropEvent* event) {
    const QMimeData* dropped = event->mimeData();
    for (const QUrl& url : dropped->urls()) {
        if (!url.isLocalFile()) continue;
        event->acceptProposedAction();
        openFile(url.toLocalFile());
        return;
    }
    if (dropped->hasText() && ready()) {
        event->acceptProposedAction();
        velmora::openPuzzleText(*wb_, dropped->text().toStdString());
    }
}

void MainForm::cbBook_Click() {
    if (!ready()) return;
    makePuzzleBook(this, *wb_);
}

void MainForm::cbExit_Click() {
    close();
}

}  // namespace velmora::ui
