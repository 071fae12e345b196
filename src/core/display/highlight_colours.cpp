#include "display/highlight_colours.h"

namespace velmora {

namespace {

// Pale yellow for a step's unit, pale green for its pattern, orange for cells that are wrong;
// each a shade darker on the shaded boxes, so the box pattern still shows through.
constexpr Colour kUnitEven = rgb(236, 232, 160);
constexpr Colour kUnitOdd = rgb(255, 248, 190);
constexpr Colour kPatternEven = rgb(160, 222, 160);
constexpr Colour kPatternOdd = rgb(196, 240, 196);
constexpr Colour kAttentionEven = rgb(250, 190, 110);
constexpr Colour kAttentionOdd = rgb(255, 210, 140);
constexpr Colour kMarkFore = rgb(0, 110, 0);
constexpr Colour kStrikeFore = rgb(200, 0, 0);

}  // namespace

void highlightCell(CellView& view, Emphasis emphasis, bool evenBox) {
    view.format.markFore = kMarkFore;
    view.format.strikeFore = kStrikeFore;
    switch (emphasis) {
        case Emphasis::Unit:
            view.format.back = evenBox ? kUnitEven : kUnitOdd;
            break;
        case Emphasis::Pattern:
            view.format.back = evenBox ? kPatternEven : kPatternOdd;
            break;
        case Emphasis::Attention:
            view.format.back = evenBox ? kAttentionEven : kAttentionOdd;
            break;
        case Emphasis::None:
            break;
    }
}

}  // namespace velmora
