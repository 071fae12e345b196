// What the generator reports while it works. The window turns it into status texts in its own
// language, which the layers below do not know.
#pragma once

namespace velmora {

class GenerationProgress {
  public:
    virtual ~GenerationProgress() = default;
    // The random complete grid is there; values are removed from now on.
    virtual void baseGenerated() {}
    // A puzzle with the target's givens was found after `attempts` attempts.
    virtual void found(int /*attempts*/) {}
    // Asked between attempts: true makes the generator stop at once; its grid is then unfinished.
    virtual bool cancelled() { return false; }
};

}  // namespace velmora
