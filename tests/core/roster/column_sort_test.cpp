#include "core/roster/column_sort.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bm::roster {
namespace {

int sign(int v) {
    return (v > 0) - (v < 0);
}

TEST(ColumnSort, CellsCompareAsTheGridSortsThem) {
    const std::string longA = "Maximilian Stormwater-Blackwood";
    const struct {
        std::string a, b;
        int order;
    } cases[] = {
        {"9", "10", -1},
        {" -2 ", "1", -1},
        {"1e3", "999", 1},
        {"10", "1a", -1},  // a number before any text
        {"inf", "Inf", 1}, // words, not numbers
        {"alpha", "Beta", -1},
        {"ABC", "abc", -1}, // equal but for case: byte order
        {"abc", "abc", 0},
        {"ab", "abc", -1},
        {"\xC9mile", "emile", 1},     // E acute after every plain letter
        {"\xC9mile", "\xE9mile", -1}, // its lower case ties, then bytes
        {longA, longA + "s", -1},     // past the first 16 bytes
        {longA + "x", "MAXIMILIAN STORMWATER-BLACKWOODY", -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sign(compareCells(c.a, c.b)), c.order) << c.a << " / " << c.b;
        EXPECT_EQ(sign(compareCells(c.b, c.a)), -c.order) << c.b << " / " << c.a;
    }
}

TEST(ColumnSort, GroupingKeepsTheOrderWithinEachGroup) {
    const std::vector<std::string> cells{"NWC", "Free Agent", "10", "NWC", "free agent", "9"};
    const auto cellOf = [&cells](int row) -> std::string_view {
        return cells[static_cast<std::size_t>(row)];
    };
    std::vector<int> rows{5, 3, 1, 0, 4, 2};
    groupRows(rows, cellOf);
    EXPECT_EQ(rows, (std::vector<int>{5, 2, 1, 4, 3, 0}));
    sortRows(rows, cellOf);
    EXPECT_EQ(rows, (std::vector<int>{5, 2, 1, 4, 0, 3})) << "equal cells in roster order";
}

} // namespace
} // namespace bm::roster
