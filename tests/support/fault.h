#pragma once

#include "core/platform/fault_plan.h"

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace bm::test {

using platform::Op;

// While it lives, the next call of one file step fails (EIO unless told otherwise).
class FailNext : public platform::FaultPlan {
public:
    explicit FailNext(Op op, int error = EIO) { fail(op, 1, error); }
};

// One step of an action made to fail by forEachFailingStep.
struct FailedStep {
    Op op;
    int nth;             // the how-manieth call of `op` it was
    bool afterReplacing; // the action had already put a file in place before it
    std::string name() const;
};

// Runs `action` once to learn the file steps it takes, then again for each of
// them with that step failing (EIO); `reset` sets the scene before every run
// and `check` judges each failed run.
void forEachFailingStep(const std::function<void()>& reset, const std::function<void()>& action,
                        const std::function<void(const FailedStep&)>& check);

// Temporary files of unfinished saves anywhere under a folder.
std::vector<std::filesystem::path> strayTemporaryFiles(const std::filesystem::path& root);

} // namespace bm::test
