#include "support/fault.h"

#include "core/platform/line_file.h"

#include <algorithm>
#include <array>

namespace bm::test {
namespace fs = std::filesystem;

std::string FailedStep::name() const {
    static constexpr std::array<const char*, platform::kOpCount> kNames{
        "open", "read", "write", "close", "sync", "rename", "delete", "make folder", "memory"};
    return std::string(kNames[static_cast<std::size_t>(op)]) + " #" + std::to_string(nth);
}

void forEachFailingStep(const std::function<void()>& reset, const std::function<void()>& action,
                        const std::function<void(const FailedStep&)>& check) {
    std::vector<Op> steps;
    {
        reset();
        platform::FaultPlan watch;
        action();
        steps = watch.steps();
    }
    const auto firstRename = std::find(steps.begin(), steps.end(), Op::Rename);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Op op = steps[i];
        const auto nth = static_cast<int>(std::count(steps.begin(), steps.begin() + i + 1, op));
        reset();
        platform::FaultPlan plan;
        plan.fail(op, nth, EIO);
        action();
        check({op, nth, firstRename != steps.end() && steps.begin() + i > firstRename});
    }
}

std::vector<fs::path> strayTemporaryFiles(const fs::path& root) {
    std::vector<fs::path> found;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        if (platform::isTemporaryFileName(it->path().filename().string())) {
            found.push_back(it->path());
        }
    }
    return found;
}

} // namespace bm::test
