// Check: what the givens alone allow (no solution, exactly one, more than one, or equal givens
// in a unit), the likely typos of a puzzle without a solution, how many of the user's own values
// are wrong (a second press shows which), and the rating. Check never changes the grid.
#pragma once

#include <cstdint>

#include "texts/check_texts.h"

namespace velmora {

class Workbench;

class CheckCommand {
  public:
    // The Check button.
    void press(Workbench& wb);
    // Shows the findings again, in the window's language (after a language change).
    void showAgain(Workbench& wb);

    const CheckFindings& findings() const { return findings_; }

  private:
    void show(Workbench& wb);

    bool checked_ = false;
    std::uint64_t grid_ = 0;  // the fingerprint of the grid the findings are about
    CheckFindings findings_;
    std::vector<int> wrong_;
};

// The rating of the puzzle on screen, in the panel beside the grid (after Generate).
void showRating(Workbench& wb);

}  // namespace velmora
