#pragma once

namespace bm::promotion {

// A step screen of the promotion editor. Creating or loading a promotion
// shows the new record in every registered step; each step plugs itself in,
// so the chooser never needs to know how many steps exist.
class StepFiller {
public:
    // Shows the record in the screen's fields; the record is not changed.
    virtual void fillFromRecord() = 0;

protected:
    ~StepFiller() = default;
};

} // namespace bm::promotion
