#include "main_form.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <filesystem>

#include "background_run.h"
#include "book_command.h"
#include "command_column.h"
#include "commands/candidate_options.h"
#include "commands/check_command.h"
#include "commands/commands.h"
#include "commands/exchange_commands.h"
#include "commands/language_choice.h"
#include "commands/pencil_mark_commands.h"
#include "commands/save_commands.h"
#include "commands/session_keeping.h"
#include "commands/size_commands.h"
#include "commands/workbench.h"
#include "display/grid_control.h"
#include "display/grid_geometry.h"
#include "elements_box.h"
#include "entry_grid.h"
#include "explanation_box.h"
#include "font_substitutes.h"
#include "grid_area.h"
#include "grid_printer.h"
#include "gui_thread_ports.h"
#include "input_blocker.h"
#include "message_box_port.h"
#include "model/size_options.h"
#include "named_controls_port.h"
#include "pencil_mark_box.h"
#include "pencil_mark_editor.h"
#include "qt_file_dialogs.h"
#include "savefile/save_messages.h"
#include "size_frame.h"
#include "statistics_panel.h"
#include "status_panels.h"
#include "texts/exchange_texts.h"
#include "texts/language_tables.h"
#include "texts/window_texts.h"
#include "undo_buttons_port.h"
#include "window_access.h"
#include "window_menus.h"
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

QString text(WindowText id, int language) {
    return QString::fromStdString(windowText(id, language));
}

}  // namespace

MainForm::MainForm(std::uint64_t seed, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QString::fromUtf8(kWindowTitleControl.data(),
                                    static_cast<qsizetype>(kWindowTitleControl.size())));
    setWindowTitle(englishTitle());
    installFontSubstitutes();
    buildWidgets();
    menus_ = new WindowMenus(*this);

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
    // Generate and Solve run on a worker thread; their calls into the window come back here.
    threadPorts_ = std::make_unique<GuiThreadPorts>(*this, ports);
    background_ = std::make_unique<BackgroundRun>(*this, *blocker_);
    wb_ = std::make_unique<Workbench>(threadPorts_->ports(), seed);
    gridControl_->init(wb_->fControl());

    labelControls(*this);
    applyWindowTexts(0, *controls_);
    Form_Load();
    pencilMarkEditor_ = std::make_unique<PencilMarkEditor>(*wb_, *entryGrid_, *tbGridEntry_);
    connectHandlers();
    connectGridKeys();
    connectMenus();
    setReadingTabOrder(*this);
    setAcceptDrops(true);
    // The start-up size is the layout's, where the screen allows it; an expanding grid would
    // otherwise let Qt make the window smaller.
    const QSize wanted = sizeHint();
    resize(screen() ? wanted.boundedTo(screen()->availableSize()) : wanted);
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

    // At the start-up size the grid sits top left in a square that holds the largest grid, so
    // that changing the size moves nothing else; the square grows with the window.
    gridArea_ = new GridArea(central);
    entryGrid_ = gridArea_->grid();
    tbGridEntry_ = gridArea_->editorBox();
    explanation_ = gridArea_->explanation();
    int areaSide = 0;
    for (const SizeOption& o : kSizeOptions) {
        const int n = o.nRows * o.nCols;
        const GridGeometry g = entryGridGeometry(o.cFontSize * 1.6, n, n, entryGrid_->logicalDpiX(),
                                                 entryGrid_->logicalDpiY());
        const QSize s = entryGrid_->sizeForCellArea(g.width, g.height);
        areaSide = std::max({areaSide, s.width(), s.height()});
    }

    auto* footer = new QWidget(central);
    footer->setObjectName("gridFooter");
    auto* bottom = new QHBoxLayout(footer);
    bottom->setContentsMargins(0, 0, 0, 0);
    bottom->setSpacing(12);
    statistics_ = new StatisticsPanel(footer);
    bottom->addWidget(statistics_, 0, Qt::AlignTop);
    bottom->addStretch(1);
    lblanguage_ = new QLabel("Language", footer);
    lblanguage_->setObjectName("lblanguage");
    cmbLanguage_ = new QComboBox(footer);
    cmbLanguage_->setObjectName("cmbLanguage");
    cmbLanguage_->setToolTip("Choose your language");
    bottom->addWidget(lblanguage_, 0, Qt::AlignTop);
    bottom->addWidget(cmbLanguage_, 0, Qt::AlignTop);
    gridArea_->setFooter(footer);
    gridArea_->setDesignedSide(areaSide);
    layout->addWidget(gridArea_, 0, 0);

    column_ = new CommandColumn(central);
    // As wide in every language as in English: longer captions wrap, and the grid keeps its room.
    column_->setFixedWidth(column_->sizeHint().width());
    layout->addWidget(column_, 0, 1, Qt::AlignTop);
    layout->setColumnStretch(0, 1);

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
    connect(entryGrid_, &EntryGrid::keyTyped, this, &MainForm::EntryGrid_KeyPress);
    const auto command = [this](QPushButton* button, void (*handler)(Workbench&)) {
        connect(button, &QPushButton::clicked, this, [this, handler] {
            if (!ready()) return;
            // Quick as they are, on a slow machine they show that they work.
            QApplication::setOverrideCursor(Qt::WaitCursor);
            handler(*wb_);
            QApplication::restoreOverrideCursor();
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

void MainForm::connectGridKeys() {
    entryGrid_->claimsKey = [this](const QKeyEvent& event) { return gridClaims(event); };
    connect(entryGrid_, &EntryGrid::cursorKey, this,
            [this](CursorMove move) { gridControl_->moveCursor(move); });
    connect(entryGrid_, &EntryGrid::highlightTyped, this, [this](int code) {
        if (!busy_) gridControl_->highlightKey(code);
    });
    connect(entryGrid_, &EntryGrid::pencilMarkTyped, this, [this](int code) {
        if (!ready()) return;
        const GridCursor at = entryGrid_->cursor();
        velmora::togglePencilMark(*wb_, at.row, at.col, code);
    });
    connect(entryGrid_, &QAbstractItemView::clicked, this, [this](const QModelIndex& at) {
        if (!busy_) gridControl_->cellClicked(at.row(), at.column());
    });
}

bool MainForm::gridClaims(const QKeyEvent& event) const {
    if (busy_) return false;
    const int code = keyCharacter(event);
    if (gridControl_->elementOf(code) == 0) return false;
    if (event.modifiers().testFlag(Qt::AltModifier)) {
        // Without hand-kept marks Alt opens the menus as usual.
        return wb_->pc().manualPencilMarks;
    }
    // A menu entry's shortcut wins over the highlight.
    return !menus_->takesKeys(QKeySequence(event.keyCombination()));
}

void MainForm::connectMenus() {
    connect(menus_, &WindowMenus::copyChosen, this, &MainForm::copyPuzzle);
    connect(menus_, &WindowMenus::pasteChosen, this, &MainForm::pastePuzzle);
    connect(menus_, &WindowMenus::bookChosen, this, &MainForm::openPuzzleBook);
    connect(menus_, &WindowMenus::keysChosen, this, &MainForm::showKeyboardHelp);
    connect(menus_, &WindowMenus::aboutChosen, this, &MainForm::showAbout);
    connect(menus_, &WindowMenus::highlightChosen, this, [this] {
        if (!busy_) gridControl_->highlightCurrentValue();
    });
}

void MainForm::runBusy(const std::function<void()>& command, bool cancellable) {
    busy_ = true;
    cancel_ = false;
    wb_->stopRequested = [this] { return cancel_.load(); };
    const int language = wb_->pc().wLanguage;
    BackgroundRequest request;
    request.work = command;
    request.cancel = cancellable ? &cancel_ : nullptr;
    request.boxText = text(WindowText::Working, language);
    request.cancelText = text(WindowText::Cancel, language);
    request.boxDelayMs = cancelDelayMs_;
    background_->run(request);
    threadPorts_->flushStatus();
    wb_->stopRequested = nullptr;
    busy_ = false;
    // Closing the window waited for the command to stop.
    if (closePending_) QTimer::singleShot(0, this, &QWidget::close);
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
    runBusy([this] { velmora::cbGenerate_Click(*wb_); }, true);
    // A cancelled Generate put the old puzzle back; only a new one is rated.
    if (!cancel_) velmora::showRating(*wb_);
}

void MainForm::cbSolve_Click() {
    if (!ready()) return;
    runBusy([this] { velmora::cbSolve_Click(*wb_); }, false);
}

void MainForm::optSize_Click(int index) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    velmora::optSize_Click(*wb_, index);
    QApplication::restoreOverrideCursor();
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
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool opened =
        velmora::openPuzzleFile(*wb_, std::filesystem::path(QFile::encodeName(path).toStdString()));
    QApplication::restoreOverrideCursor();
    return opened;
}

void MainForm::pastePuzzle() {
    if (!ready()) return;
    const QString text = QGuiApplication::clipboard()->text();
    if (text.trimmed().isEmpty()) {
        wb_->messages().information(nothingToPaste(wb_->pc().wLanguage));
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    velmora::openPuzzleText(*wb_, text.toStdString());
    QApplication::restoreOverrideCursor();
}

void MainForm::copyPuzzle() {
    if (busy_) return;
    const ClipboardTexts texts = velmora::copyPuzzle(*wb_);
    auto* mime = new QMimeData;
    mime->setText(QString::fromStdString(texts.line));
    mime->setData(kPencilMarksMime, QByteArray::fromStdString(texts.pencilMarks));
    QGuiApplication::clipboard()->setMimeData(mime);
}

void MainForm::openPuzzleBook() {
    cbBook_Click();
}

void MainForm::showKeyboardHelp() {
    const int language = wb_->pc().wLanguage;
    QString rows;
    for (const QAction* a : menus_->actions()) {
        if (a->shortcut().isEmpty()) continue;
        QStringList keys;
        for (const QKeySequence& k : a->shortcuts()) {
            // The function keys of old workstation keyboards only clutter the list.
            const int key = k[0].key();
            if (key >= Qt::Key_F13 && key <= Qt::Key_F35) continue;
            keys << k.toString(QKeySequence::NativeText).toHtmlEscaped();
        }
        rows += QString("<tr><td>%1</td><td>%2</td></tr>")
                    .arg(QString(a->text()).remove('&').toHtmlEscaped(), keys.join(", "));
    }
    QString grid;
    for (const QString& line : QString::fromStdString(gridKeysHelp(language)).split('\n')) {
        const qsizetype colon = line.indexOf(':');
        grid += QString("<tr><td>%1</td><td>%2</td></tr>")
                    .arg(line.left(colon).trimmed().toHtmlEscaped(),
                         line.mid(colon + 1).trimmed().toHtmlEscaped());
    }
    auto* box = new QMessageBox(QMessageBox::NoIcon, text(WindowText::KeyboardTitle, language),
                                QString("<h3>%1</h3><table cellspacing=4>%2</table>"
                                        "<h3>%3</h3><table cellspacing=4>%4</table>")
                                    .arg(text(WindowText::MenuCommands, language), rows,
                                         text(WindowText::GridKeys, language), grid),
                                QMessageBox::Ok, this);
    box->setObjectName("keysBox");
    box->setTextFormat(Qt::RichText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void MainForm::showAbout() {
    const int language = wb_->pc().wLanguage;
    const PuzzleControl& pc = wb_->pc();
    auto* box = new QMessageBox(QMessageBox::Information, text(WindowText::AboutTitle, language),
                                QString::fromStdString(aboutText(language, pc.pVersion)),
                                QMessageBox::Ok, this);
    box->setObjectName("aboutBox");
    box->setTextFormat(Qt::PlainText);
    box->setIconPixmap(windowIcon().pixmap(64, 64));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
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

void MainForm::keepSessionIn(const std::filesystem::path& file) {
    sessionFile_ = file;
}

bool MainForm::restoreSession() {
    if (sessionFile_.empty()) return false;
    return velmora::restoreSession(*wb_, sessionFile_);
}

bool MainForm::keepSession() {
    if (sessionFile_.empty()) return true;
    if (background_->running()) {
        // A cancelled Generate puts the puzzle back as it was; that one is kept.
        cancel_ = true;
        background_->finish();
    }
    return velmora::keepSession(*wb_, sessionFile_);
}

void MainForm::sessionEnding() {
    if (!sessionKept_) keepSession();
}

void MainForm::closeEvent(QCloseEvent* event) {
    if (busy_) {
        // The command stops first; the window closes once it has.
        cancel_ = true;
        closePending_ = true;
        event->ignore();
        return;
    }
    closePending_ = false;
    if (!keepSession()) {
        const std::string question =
            windowText(WindowText::KeepFailed, wb_->pc().wLanguage) + pathText(sessionFile_);
        if (!wb_->messages().question(question)) {
            event->ignore();
            return;
        }
    }
    sessionKept_ = true;
    event->accept();
}

void MainForm::cbExit_Click() {
    close();
}

}  // namespace velmora::ui
