#include "gui_thread_ports.h"

#include <QApplication>
#include <QThread>
#include <type_traits>

namespace velmora::ui {

namespace {

// A box asks for a click: the arrow, not the busy cursor of the command that asks.
class ArrowCursor {
  public:
    ArrowCursor() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~ArrowCursor() { QApplication::restoreOverrideCursor(); }
    ArrowCursor(const ArrowCursor&) = delete;
    ArrowCursor& operator=(const ArrowCursor&) = delete;
};

}  // namespace

GuiThreadPorts::GuiThreadPorts(QObject& context, const Ports& real)
    : context_(context), real_(real) {}

Ports GuiThreadPorts::ports() {
    Ports p;
    p.statusBar = &status_;
    p.messages = &messages_;
    p.gridView = &grid_;
    p.settings = &settings_;
    p.undoButtons = &undo_;
    p.controls = &controls_;
    p.fileDialogs = &dialogs_;
    p.explanation = &explanation_;
    return p;
}

template <class Call>
auto GuiThreadPorts::onWindowThread(Call call) const -> decltype(call()) {
    using Result = decltype(call());
    if (QThread::currentThread() == context_.thread()) return call();
    auto* context = const_cast<QObject*>(&context_);
    if constexpr (std::is_void_v<Result>) {
        QMetaObject::invokeMethod(context, std::move(call), Qt::BlockingQueuedConnection);
    } else {
        Result result{};
        QMetaObject::invokeMethod(context, std::move(call), Qt::BlockingQueuedConnection, &result);
        return result;
    }
}

void GuiThreadPorts::flushStatus() {
    std::array<std::optional<std::string>, 3> texts;
    {
        const std::lock_guard lock(statusMutex_);
        texts.swap(pendingStatus_);
        statusPosted_ = false;
    }
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (texts[i]) real_.statusBar->setPanelText(static_cast<Panel>(i + 1), *texts[i]);
}

void GuiThreadPorts::Status::setPanelText(Panel panel, const std::string& text) {
    if (QThread::currentThread() == owner_.context_.thread()) {
        owner_.real_.statusBar->setPanelText(panel, text);
        return;
    }
    {
        const std::lock_guard lock(owner_.statusMutex_);
        owner_.pendingStatus_[static_cast<std::size_t>(panel) - 1] = text;
        if (owner_.statusPosted_) return;
        owner_.statusPosted_ = true;
    }
    QMetaObject::invokeMethod(
        &owner_.context_, [&owner = owner_] { owner.flushStatus(); }, Qt::QueuedConnection);
}

void GuiThreadPorts::Messages::information(const std::string& text) {
    owner_.onWindowThread([&] {
        const ArrowCursor arrow;
        owner_.real_.messages->information(text);
    });
}

bool GuiThreadPorts::Messages::question(const std::string& text) {
    return owner_.onWindowThread([&] {
        const ArrowCursor arrow;
        return owner_.real_.messages->question(text);
    });
}

void GuiThreadPorts::Grid::refreshEntrygrid() {
    owner_.onWindowThread([&] { owner_.real_.gridView->refreshEntrygrid(); });
}

void GuiThreadPorts::Grid::bUnloadGrid() {
    owner_.onWindowThread([&] { owner_.real_.gridView->bUnloadGrid(); });
}

void GuiThreadPorts::Grid::setCursor(int row, int col) {
    owner_.onWindowThread([&] { owner_.real_.gridView->setCursor(row, col); });
}

void GuiThreadPorts::Grid::beep() {
    owner_.onWindowThread([&] { owner_.real_.gridView->beep(); });
}

void GuiThreadPorts::Grid::setHighlight(GridHighlight highlight) {
    owner_.onWindowThread([&] { owner_.real_.gridView->setHighlight(std::move(highlight)); });
}

int GuiThreadPorts::Settings::selectedSizeOption() const {
    return owner_.onWindowThread([&] { return owner_.real_.settings->selectedSizeOption(); });
}

bool GuiThreadPorts::Settings::showPencilMarks() const {
    return owner_.onWindowThread([&] { return owner_.real_.settings->showPencilMarks(); });
}

bool GuiThreadPorts::Settings::subsetSwitch(int k) const {
    return owner_.onWindowThread([&] { return owner_.real_.settings->subsetSwitch(k); });
}

bool GuiThreadPorts::Settings::grabsSwitch() const {
    return owner_.onWindowThread([&] { return owner_.real_.settings->grabsSwitch(); });
}

bool GuiThreadPorts::Settings::hiddenPairsSwitch() const {
    return owner_.onWindowThread([&] { return owner_.real_.settings->hiddenPairsSwitch(); });
}

bool GuiThreadPorts::Settings::bruteForce() const {
    return owner_.onWindowThread([&] { return owner_.real_.settings->bruteForce(); });
}

int GuiThreadPorts::Settings::difficulty() const {
    return owner_.onWindowThread([&] { return owner_.real_.settings->difficulty(); });
}

void GuiThreadPorts::Settings::setElementsText(const std::string& text) {
    owner_.onWindowThread([&] { owner_.real_.settings->setElementsText(text); });
}

void GuiThreadPorts::Settings::highlightPhase(Phase phase) {
    owner_.onWindowThread([&] { owner_.real_.settings->highlightPhase(phase); });
}

void GuiThreadPorts::Settings::setShowPencilMarks(bool ticked) {
    owner_.onWindowThread([&] { owner_.real_.settings->setShowPencilMarks(ticked); });
}

void GuiThreadPorts::Settings::setShowPencilMarksEnabled(bool enabled) {
    owner_.onWindowThread([&] { owner_.real_.settings->setShowPencilMarksEnabled(enabled); });
}

void GuiThreadPorts::Settings::showManualPencilMarks(bool ticked) {
    owner_.onWindowThread([&] { owner_.real_.settings->showManualPencilMarks(ticked); });
}

void GuiThreadPorts::Settings::showSizeOption(int index) {
    owner_.onWindowThread([&] { owner_.real_.settings->showSizeOption(index); });
}

void GuiThreadPorts::Settings::showLoadedOptions(const LoadedOptions& options) {
    owner_.onWindowThread([&] { owner_.real_.settings->showLoadedOptions(options); });
}

void GuiThreadPorts::Undo::setUndoEnabled(bool enabled) {
    owner_.onWindowThread([&] { owner_.real_.undoButtons->setUndoEnabled(enabled); });
}

void GuiThreadPorts::Undo::setRedoEnabled(bool enabled) {
    owner_.onWindowThread([&] { owner_.real_.undoButtons->setRedoEnabled(enabled); });
}

void GuiThreadPorts::Controls::setCaption(std::string_view control, const std::string& text) {
    owner_.onWindowThread([&] { owner_.real_.controls->setCaption(control, text); });
}

void GuiThreadPorts::Controls::setToolTip(std::string_view control, const std::string& text) {
    owner_.onWindowThread([&] { owner_.real_.controls->setToolTip(control, text); });
}

void GuiThreadPorts::Controls::setAccessibleName(std::string_view control,
                                                 const std::string& text) {
    owner_.onWindowThread([&] { owner_.real_.controls->setAccessibleName(control, text); });
}

std::filesystem::path GuiThreadPorts::Dialogs::programFolder() const {
    return owner_.onWindowThread([&] { return owner_.real_.fileDialogs->programFolder(); });
}

std::optional<std::filesystem::path> GuiThreadPorts::Dialogs::saveFileName(
    const FileDialogRequest& r) {
    return owner_.onWindowThread([&] {
        const ArrowCursor arrow;
        return owner_.real_.fileDialogs->saveFileName(r);
    });
}

std::optional<std::filesystem::path> GuiThreadPorts::Dialogs::openFileName(
    const FileDialogRequest& r) {
    return owner_.onWindowThread([&] {
        const ArrowCursor arrow;
        return owner_.real_.fileDialogs->openFileName(r);
    });
}

void GuiThreadPorts::Explanation::showExplanation(const std::string& text) {
    owner_.onWindowThread([&] { owner_.real_.explanation->showExplanation(text); });
}

}  // namespace velmora::ui
