#include "core/ui/model.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace bm::ui {
namespace {

TEST(SignalTest, ListenersHearUntilTheirSubscriptionEndsEvenMidEmit) {
    Signal<int> rowChanged;
    std::vector<std::string> heard;
    std::optional<Subscription> second;
    Subscription first = rowChanged.subscribe([&](int row) {
        heard.push_back("first " + std::to_string(row));
        second.reset(); // a view that goes away while the model announces
    });
    second.emplace(
        rowChanged.subscribe([&](int row) { heard.push_back("second " + std::to_string(row)); }));
    rowChanged.emit(7);
    EXPECT_EQ(heard, std::vector<std::string>{"first 7"});

    first.reset();
    rowChanged.emit(8);
    EXPECT_EQ(heard.size(), 1u);
}

TEST(SignalTest, ASubscriptionMayOutliveItsSignal) {
    Subscription token;
    {
        Signal<> gone;
        token = gone.subscribe([] {});
    }
    token.reset(); // must not touch the signal
}

} // namespace
} // namespace bm::ui
