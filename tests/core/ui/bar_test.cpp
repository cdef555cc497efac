#include "core/ui/bar.h"

#include <gtest/gtest.h>

namespace bm::ui {
namespace {

TEST(BarTest, StoredValuesAreShownWithinTheRangeAndMovesOutsideItRefused) {
    const std::pair<const char*, int> shown[] = {
        {"37", 37},  {"150", 100},   {"-5", 0},     {"abc", 0}, {"", 0},
        {"12%", 12}, {"1e400", 100}, {"-1e400", 0}, {"nan", 0},
    };
    Bar bar(0, 100);
    for (const auto& [stored, position] : shown) {
        bar.show(stored);
        EXPECT_EQ(bar.position(), position) << stored;
    }
    EXPECT_TRUE(bar.move(100));
    EXPECT_FALSE(bar.move(101));
    EXPECT_FALSE(bar.move(-1));
    EXPECT_EQ(bar.position(), 100);
}

} // namespace
} // namespace bm::ui
