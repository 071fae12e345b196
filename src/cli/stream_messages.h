// Message boxes on the command line: each text goes to a stream as the window would show it, and
// every question is answered Yes, as a user who lets the command go ahead.
#pragma once

#include <ostream>

#include "model/ports.h"

namespace velmora::cli {

class StreamMessages : public MessageBoxes {
  public:
    explicit StreamMessages(std::ostream& out) : out_(out) {}
    void information(const std::string& text) override { out_ << text << '\n'; }
    bool question(const std::string&) override { return true; }

  private:
    std::ostream& out_;
};

}  // namespace velmora::cli
