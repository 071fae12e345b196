#include "terminal_progress.h"

#include <ostream>

namespace velmora::cli {

namespace {
// Stay on one line of an ordinary terminal.
constexpr std::size_t kMaxWidth = 79;
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);
}  // namespace

void TerminalProgress::setPanelText(Panel panel, const std::string& text) {
    panels_[static_cast<std::size_t>(panel) - 1] = text;
    // Panel 2 changes with every removal try and every guess: drawing each would cost more than
    // the work itself. The other panels change a few times a puzzle.
    const auto now = std::chrono::steady_clock::now();
    if (panel == Panel::Result && now - lastDraw_ < kRedrawInterval) return;
    lastDraw_ = now;
    draw();
}

void TerminalProgress::setPrefix(const std::string& prefix) {
    prefix_ = prefix;
}

void TerminalProgress::draw() {
    std::string line = prefix_;
    for (const std::string& text : panels_) {
        if (text.empty()) continue;
        if (!line.empty()) line += " | ";
        line += text;
    }
    if (line.size() > kMaxWidth) line.resize(kMaxWidth);
    const std::size_t width = line.size();
    if (width < shownWidth_) line.append(shownWidth_ - width, ' ');
    shownWidth_ = width;
    terminal_ << '\r' << line << std::flush;
}

void TerminalProgress::finish() {
    if (shownWidth_ == 0) return;
    terminal_ << '\r' << std::string(shownWidth_, ' ') << '\r' << std::flush;
    shownWidth_ = 0;
}

}  // namespace velmora::cli
