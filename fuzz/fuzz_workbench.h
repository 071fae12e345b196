// A workbench for the fuzz targets: quiet window ports that count the messages shown, built for
// one of the ten box shapes, with a fixed seed so a crashing input replays the same way.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "commands/workbench.h"
#include "model/quiet_ports.h"
#include "model/size_options.h"

namespace velmora::fuzz {

class CountingMessages : public MessageBoxes {
  public:
    void information(const std::string& text) override {
        ++shown;
        last = text;
    }
    bool question(const std::string&) override { return true; }

    int shown = 0;
    std::string last;
};

struct FuzzWorkbench {
    FixedSettings settings;
    CountingMessages messages;
    std::unique_ptr<Workbench> wb;

    // The window at start-up with size option `option` (taken modulo 10) selected.
    explicit FuzzWorkbench(int option = 0) {
        settings.sizeOption = option % static_cast<int>(kSizeOptions.size());
        Ports ports;
        ports.settings = &settings;
        ports.messages = &messages;
        wb = std::make_unique<Workbench>(ports, 1);
        wb->newPuzzle();
    }
    PuzzleControl& pc() { return wb->pc(); }
    scells& cells() { return wb->theCells(); }
};

// A broken property: report it and abort, which libFuzzer records as a crash with its input.
[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

inline void require(bool holds, const char* what) {
    if (!holds) fail(what);
}

}  // namespace velmora::fuzz
