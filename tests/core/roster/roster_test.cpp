#include "core/roster/column_sort.h"
#include "core/roster/roster.h"

#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace bm::roster {
namespace {

// One record's 31 lines, each ended by CR LF; `first` is its name line.
std::string record(const std::string& first, const std::string& status = "Out for a month") {
    std::string bytes = first + "\r\n";
    for (int line = 2; line <= 31; ++line) {
        bytes += (line == lineOf(Field::status) ? status : "v" + std::to_string(line)) + "\r\n";
    }
    return bytes;
}

std::string lines(int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i) {
        bytes += "x\r\n";
    }
    return bytes;
}

TEST(RosterFile, LoadsWholeRecordsAndSavesThemBack) {
    const std::string odd = test::everyByteButLineEnds();
    std::string loneCrs = record("Ada");
    for (auto at = loneCrs.find("\r\n"); at != std::string::npos; at = loneCrs.find("\r\n", at)) {
        loneCrs.erase(at + 1, 1);
    }
    const std::string noLastEnd = record("Bo").substr(0, record("Bo").size() - 2);
    const struct {
        const char* name;
        std::string file;
        std::vector<std::string> names; // names(i) of every wrestler
        std::string saved;
    } cases[] = {
        {"empty file", "", {}, ""},
        {"31 lines", record("Ada"), {"Ada"}, record("Ada")},
        {"empty Status keeps the next lines in step",
         record("Ada", "") + record("Bo", ""),
         {"Ada", "Bo"},
         record("Ada", "") + record("Bo", "")},
        {"every byte value",
         record(odd) + record("Bo", odd),
         {odd, "Bo"},
         record(odd) + record("Bo", odd)},
        // The game's line ends on save.
        {"lone CRs and no last line end",
         loneCrs + noLastEnd,
         {"Ada", "Bo"},
         record("Ada") + record("Bo")},
    };
    for (const auto& c : cases) {
        test::TempGameFolder game;
        game.write("in.bm1", c.file);
        Roster roster;
        ASSERT_TRUE(loadRoster(game.path("in.bm1"), roster)) << c.name;
        std::vector<std::string> names;
        for (const auto& r : roster) {
            names.emplace_back(r.names());
        }
        EXPECT_EQ(names, c.names) << c.name;
        ASSERT_TRUE(saveRoster(game.path("out.bm1"), roster)) << c.name;
        EXPECT_EQ(game.read("out.bm1"), c.saved) << c.name;
    }
}

// A set changes one line; a CR in a value cannot split it.
TEST(RosterFile, FieldsAreTheirLines) {
    Roster roster;
    ASSERT_TRUE(parseRoster(record("Ada", ""), "w.bm1", roster));
    WrestlerRecord r = roster[0];
    EXPECT_EQ(std::tuple(r.names(), r.promotion(), r.injury(), r.status(), r.basecountry()),
              std::tuple("Ada", "v3", "v20", "", "v31"));
    r.set(Field::status, "Broken\rleg");
    r.set(Field::names, "");
    EXPECT_EQ(std::tuple(r.names(), r.shortname(), r.status(), r.cond()),
              std::tuple("", "v2", "Broken leg", "v22"));
}

TEST(RosterFile, RefusesAFileThatIsNotWholeRecordsAndKeepsEverything) {
    const struct {
        const char* name;
        std::string file;
        const char* why;
    } cases[] = {
        {"30 lines", lines(30), "its last wrestler has 30 of the 31 lines"},
        {"32 lines", lines(32), "its last wrestler has 1 of the 31 lines"},
        {"a trailing empty line", record("Ada") + "\r\n", "has 1 of the 31 lines"},
        {"lines ended by LF", std::string(40, 'x') + "\n" + "y\n", "in a line feed alone"},
        {"too many wrestlers", lines(31 * 32768), "more than 32767 wrestlers"},
    };
    for (const auto& c : cases) {
        test::TempGameFolder game;
        game.write("Data/wrestlers.bm1", c.file);
        Roster roster;
        ASSERT_TRUE(parseRoster(record("Kept"), "x", roster));
        const Roster before = roster;
        const auto status = loadRoster(game.path("Data/wrestlers.bm1"), roster);
        ASSERT_FALSE(status) << c.name;
        EXPECT_NE(status.message().find(game.path("Data/wrestlers.bm1").string()),
                  std::string::npos)
            << status.message();
        EXPECT_NE(status.message().find(c.why), std::string::npos) << status.message();
        EXPECT_EQ(roster, before) << c.name;
        EXPECT_EQ(game.read("Data/wrestlers.bm1"), c.file) << c.name;
    }
    Roster largest;
    EXPECT_TRUE(parseRoster(lines(31 * 32767), "x", largest));
    EXPECT_EQ(largest.size(), 32767u);
    EXPECT_FALSE(largest.append(WrestlerRecord()));
}

TEST(RosterFile, NewWrestlerHasTheDefaultsAndAContractFromTheStartYear) {
    EXPECT_EQ(newWrestler("New Wrestler 3", "2004").fileBytes(),
              "New Wrestler 3\r\nNew Wrestler 3\r\nFree Agent\r\nAll\r\nMale\r\n70\r\n70\r\n"
              "Type your description here.\r\nJuly 2007\r\n850\r\nNo\r\n500\r\nNone\r\n2\r\n"
              "Face\r\nFinishing Move\r\np\r\nno\r\nno\r\n0\r\n\r\n100\r\nno\r\nBasic Wrestler\r\n"
              "75\r\n15\r\n70\r\n70\r\nHeavy\r\n70\r\nUSA\r\n");
    EXPECT_EQ(newContractExpiry(" 1999 (leap)"), "July 2002");
}

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
