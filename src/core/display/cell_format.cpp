#include "display/cell_format.h"

#include "model/latin1.h"

namespace velmora {

CellFormat cellFormat(const scell& s, const PuzzleControl& pc) {
    const bool even = s.evenSquare();
    CellFormat f;
    f.back = even ? pc.cBackevenValidSquare : pc.cBackoddValidSquare;
    if (s.Sure) {
        f.alignment = CellAlignment::Centre;
        f.fontSize = pc.cFontSize;
        // A cell flagged both ways counts as the user's entry.
        if (s.Entered) {
            f.fontName = pc.cHumanFontName;
            f.fore = pc.cHumanColorindex;
        } else if (s.Original) {
            f.fontName = pc.cComputerFontName;
            f.fore = pc.cOriginalIndex;
        } else {
            f.fontName = pc.cComputerFontName;
            f.fore = pc.cComputerSureIndex;
        }
    } else {
        f.alignment = CellAlignment::TopCentre;
        f.fontSize = pc.cMaybeFontSize;
        f.fontName = pc.cMaybeFontName;
        f.fore = pc.cComputerMaybeIndex;
        if (!pc.manualPencilMarks && s.countPossibilities == 0)
            f.back = even ? pc.cBackevenunsolvableSquare : pc.cBackoddunsolvableSquare;
    }
    // Applied last, so a conflict shows even on a cell without candidates.
    if (!pc.manualPencilMarks && s.Invalid)
        f.back = even ? pc.cBackevenInvalidSquare : pc.cBackoddInvalidSquare;
    return f;
}

std::string cellText(const scell& s, const PuzzleControl& pc) {
    if (s.Sure || !pc.Scribbling) {
        if (!s.Sure) return {};
        if (s.Trying < 1) return "?";
        const auto p = static_cast<std::size_t>(s.Trying - 1);
        return p < pc.sElements.size() ? latin1ToUtf8(pc.sElements.substr(p, 1)) : std::string{};
    }
    if (s.countPossibilities < 1) return {};
    std::string list = s.unmask();
    while (!list.empty() && list.back() == ' ')
        list.pop_back();
    return latin1ToUtf8(list);
}

CellView cellView(const scell& s, const PuzzleControl& pc) {
    CellView view{cellFormat(s, pc), cellText(s, pc), 0};
    if (!s.Sure && pc.Scribbling) view.candidates = s.bPoss & allCandidates(pc.nDim);
    return view;
}

}  // namespace velmora
