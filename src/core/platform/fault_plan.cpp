#include "core/platform/fault_plan.h"

namespace bm::platform {
namespace {

FaultPlan* active = nullptr;

} // namespace

FaultPlan::FaultPlan() : previous_(active) {
    active = this;
}

FaultPlan::~FaultPlan() {
    active = previous_;
}

FaultPlan& FaultPlan::fail(Op op, int nth, int error) {
    rules_.push_back({op, nth, nth, error, nullptr});
    return *this;
}

FaultPlan& FaultPlan::failFrom(Op op, int nth, int error) {
    rules_.push_back({op, nth, 0, error, nullptr});
    return *this;
}

FaultPlan& FaultPlan::before(Op op, int nth, std::function<void()> action) {
    rules_.push_back({op, nth, nth, 0, std::move(action)});
    return *this;
}

int FaultPlan::check(Op op) {
    if (active == nullptr) {
        return 0;
    }
    const int n = ++active->calls_[static_cast<std::size_t>(op)];
    active->steps_.push_back(op);
    int error = 0;
    for (const Rule& rule : active->rules_) {
        if (rule.op != op || n < rule.from || (rule.to != 0 && n > rule.to)) {
            continue;
        }
        if (rule.action) {
            rule.action();
        } else if (error == 0) {
            error = rule.error;
        }
    }
    return error;
}

} // namespace bm::platform
