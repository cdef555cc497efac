#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <vector>

namespace bm::platform {

// The steps of the file layer that can fail on a real disk. Every one of
// them goes through FaultPlan::check, so a test can make any step fail.
enum class Op {
    Open,       // opening or creating a file, or opening a folder to sync it
    Read,       // one read from an open file
    Write,      // writing a file's content
    Close,      // closing a written file, where a late write error can show
    Sync,       // flushing a file or a folder to the disk
    Rename,     // putting a finished file in place of the old one
    Delete,     // deleting a file
    MakeFolder, // creating a folder
    Memory,     // room for a whole file's content or its lines
};
inline constexpr std::size_t kOpCount = 9;

// For tests: while an object lives, the calls that it names fail with the
// error number it gives, as the system would have failed them. Plans nest;
// the one made last is in force. Calls are counted from the plan's creation.
// The editor is single-threaded, and so is the plan.
class FaultPlan {
public:
    FaultPlan();
    ~FaultPlan();
    FaultPlan(const FaultPlan&) = delete;
    FaultPlan& operator=(const FaultPlan&) = delete;

    // The nth call of `op` (counted from 1) fails with `error`.
    FaultPlan& fail(Op op, int nth, int error);
    // Every call of `op` from the nth on fails with `error` (a full disk).
    FaultPlan& failFrom(Op op, int nth, int error);
    // Runs `action` just before the nth call of `op`: another program
    // changing a file between two steps.
    FaultPlan& before(Op op, int nth, std::function<void()> action);

    int calls(Op op) const { return calls_[static_cast<std::size_t>(op)]; }
    // Every step seen, in order, failed ones included.
    const std::vector<Op>& steps() const { return steps_; }

    // Called by the file layer before each step: 0, or the error the step
    // must fail with.
    static int check(Op op);

private:
    struct Rule {
        Op op;
        int from;
        int to; // 0: no end
        int error;
        std::function<void()> action;
    };
    std::vector<Rule> rules_;
    std::array<int, kOpCount> calls_{};
    std::vector<Op> steps_;
    FaultPlan* previous_;
};

} // namespace bm::platform
