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

TEST(RosterFile, ReadsWholeRecordsAndWritesThemBack) {
    const std::string odd = test::everyByteButLineEnds();
    std::string loneCrs = record("Ada");
    for (auto at = loneCrs.find("\r\n"); at != std::string::npos; at = loneCrs.find("\r\n", at)) {
        loneCrs.erase(at + 1, 1);
    }
    const std::string noLastEnd = record("Bo").substr(0, record("Bo").size() - 2);
    const struct {
        std::string file;
        std::size_t count;
        std::string last;       // the last wrestler's name
        std::string saved = ""; // when not the file as it was: the game's line ends
    } cases[] = {
        {"", 0, ""},
        {record("Ada", "") + record("Bo", ""), 2, "Bo"}, // an empty Status keeps them in step
        {record(odd) + record("Bo", odd), 2, "Bo"},
        {loneCrs + noLastEnd, 2, "Bo", record("Ada") + record("Bo")},
    };
    for (const auto& c : cases) {
        test::TempGameFolder game;
        game.write("in.bm1", c.file);
        Roster roster;
        ASSERT_TRUE(loadRoster(game.path("in.bm1"), roster));
        EXPECT_EQ(std::tuple(roster.size(), roster.empty() ? "" : roster.back().names()),
                  std::tuple(c.count, c.last));
        ASSERT_TRUE(saveRoster(game.path("out.bm1"), roster));
        EXPECT_EQ(game.read("out.bm1"), c.saved.empty() ? c.file : c.saved);
    }
}

TEST(RosterFile, RefusesAFileThatIsNotWholeRecordsAndKeepsEverything) {
    const struct {
        std::string file;
        const char* why;
    } cases[] = {
        {lines(30), "its last wrestler has 30 of the 31 lines"},
        {record("Ada") + "\r\n", "has 1 of the 31 lines"}, // a trailing empty line
        {std::string(40, 'x') + "\n" + "y\n", "in a line feed alone"},
        {lines(31 * 32768), "more than 32767 wrestlers"},
    };
    for (const auto& c : cases) {
        Roster roster;
        ASSERT_TRUE(parseRoster(record("Kept"), "x", roster));
        const Roster before = roster;
        const auto status = parseRoster(c.file, "Data/wrestlers.bm1", roster);
        EXPECT_NE(status.message().find("\"Data/wrestlers.bm1\" cannot be loaded: "),
                  std::string::npos);
        EXPECT_NE(status.message().find(c.why), std::string::npos) << status.message();
        EXPECT_EQ(roster, before);
    }
    Roster largest;
    EXPECT_TRUE(parseRoster(lines(31 * 32767), "x", largest));
    EXPECT_EQ(largest.size(), 32767u);
    EXPECT_FALSE(largest.append(WrestlerRecord()));
}

TEST(RosterFile, NewWrestlerHasTheDefaultsAndAContractFromTheStartYear) {
    WrestlerRecord r = newWrestler("New Wrestler 3", "2004");
    EXPECT_EQ(r.fileBytes(),
              "New Wrestler 3\r\nNew Wrestler 3\r\nFree Agent\r\nAll\r\nMale\r\n70\r\n70\r\n"
              "Type your description here.\r\nJuly 2007\r\n850\r\nNo\r\n500\r\nNone\r\n2\r\n"
              "Face\r\nFinishing Move\r\np\r\nno\r\nno\r\n0\r\n\r\n100\r\nno\r\nBasic Wrestler\r\n"
              "75\r\n15\r\n70\r\n70\r\nHeavy\r\n70\r\nUSA\r\n");
    EXPECT_EQ(newContractExpiry(" 1999 (leap)"), "July 2002");
    r.set(Field::status, "Broken\rleg"); // a CR in a value cannot split its line
    EXPECT_EQ(std::tuple(r.status(), r.cond()), std::tuple("Broken leg", "100"));
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
        {"10", "1a", -1},             // a number before any text
        {"inf", "Inf", 1},            // words, not numbers
        {"ABC", "abc", -1},           // equal but for case: byte order
        {"\xC9mile", "emile", 1},     // E acute after every plain letter
        {"\xC9mile", "\xE9mile", -1}, // its lower case ties, then bytes
        {"Maximilb", "maximilA", 1},  // the eighth byte
        {longA, longA + "s", -1},     // past the first 16 bytes
        {longA + "x", "MAXIMILIAN STORMWATER-BLACKWOODY", -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sign(compareCells(c.a, c.b)), c.order) << c.a << " / " << c.b;
        EXPECT_EQ(sign(compareCells(c.b, c.a)), -c.order) << c.b << " / " << c.a;
    }
}

} // namespace
} // namespace bm::roster
