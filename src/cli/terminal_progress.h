// A status bar for the command line: keeps the three panel texts and shows them as one line on
// a terminal, redrawn in place with a carriage return; the busy panel 2 at most ten times a
// second.
#pragma once

#include <array>
#include <chrono>
#include <iosfwd>
#include <string>

#include "model/ports.h"

namespace velmora::cli {

class TerminalProgress : public StatusBar {
  public:
    explicit TerminalProgress(std::ostream& terminal) : terminal_(terminal) {}
    ~TerminalProgress() override { finish(); }

    void setPanelText(Panel panel, const std::string& text) override;
    // Text shown in front of the panels, e.g. which puzzle of a run is being made.
    void setPrefix(const std::string& prefix);
    // Wipes the line so that later output starts clean.
    void finish();

  private:
    void draw();

    std::ostream& terminal_;
    std::string prefix_;
    std::array<std::string, 3> panels_;
    std::size_t shownWidth_ = 0;
    std::chrono::steady_clock::time_point lastDraw_{};
};

}  // namespace velmora::cli
