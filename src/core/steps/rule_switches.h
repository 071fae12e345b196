// Which of the program's rules the step finder may use, as the user switched them.
#pragma once

namespace velmora {

// Naked-single placements are always allowed, whatever the switches, as the solver places a cell
// with one candidate anyway. `singles` stands for removing a placed value from its peers, which a
// placement in the explained path always implies, so the finder does not read it. `grabs` gates
// both the box-line rule and hidden singles.
struct RuleSwitches {
    bool singles = true;
    bool pairs = true;
    bool triplets = true;
    bool quads = true;
    bool more = true;  // naked subsets of five cells and more
    bool grabs = true;
    bool hiddenPairs = true;

    // Whether naked subsets of `size` cells may be used.
    constexpr bool nakedSubsetOn(int size) const {
        switch (size) {
            case 2:
                return pairs;
            case 3:
                return triplets;
            case 4:
                return quads;
            default:
                return size >= 5 && more;
        }
    }
    bool operator==(const RuleSwitches&) const = default;
};

// The largest naked subset the program looks for in an n x n grid.
constexpr int largestNakedSubset(int n) {
    return (n + 1) / 2;
}

}  // namespace velmora
