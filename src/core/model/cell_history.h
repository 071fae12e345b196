// Where a cell records its state before the user changes it: the undo history, which lives in a
// layer above the model and implements this.
#pragma once

namespace velmora {

class scell;

class CellHistory {
  public:
    virtual ~CellHistory() = default;
    // Keeps a copy of `e` as it is now.
    virtual void addstack(const scell& e) = 0;
};

}  // namespace velmora
