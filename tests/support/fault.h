#pragma once

#include "core/platform/fault_plan.h"

#include <cerrno>
#include <filesystem>
#include <vector>

namespace bm::test {

using platform::Op;

// While it lives, the next call of one file step fails (EIO unless told otherwise).
class FailNext : public platform::FaultPlan {
public:
    explicit FailNext(Op op, int error = EIO) { fail(op, 1, error); }
};

// Temporary files of unfinished saves anywhere under a folder.
std::vector<std::filesystem::path> strayTemporaryFiles(const std::filesystem::path& root);

} // namespace bm::test
