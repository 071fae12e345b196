#include "display/digit_highlight.h"

#include "model/scell.h"

namespace velmora {

bool highlightDigit(CellView& view, int value, int element, bool evenBox, bool conflict) {
    if (element < 1) return false;
    if (value == element) {
        if (!conflict) view.format.back = evenBox ? kDigitBackEven : kDigitBackOdd;
        return true;
    }
    const std::uint32_t bit = candidateBit(element - 1);
    if (value != 0 || (view.candidates & bit) == 0) return false;
    view.marked |= bit;
    view.format.markFore = kDigitMarkFore;
    return true;
}

}  // namespace velmora
