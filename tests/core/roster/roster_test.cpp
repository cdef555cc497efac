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

TEST(RosterFile, GeneratedNameIsTheFirstFreeOne) {
    const struct {
        std::vector<std::string> taken;
        const char* name;
    } cases[] = {
        {{}, "New Wrestler"},
        {{"New Wrestler"}, "New Wrestler 1"},
        {{"New Wrestler 1"}, "New Wrestler"},
        {{"New Wrestler", "New Wrestler 2"}, "New Wrestler 1"},
        {{"new wrestler", "New Wrestler "}, "New Wrestler"},
    };
    for (const auto& c : cases) {
        Roster roster;
        for (const auto& name : c.taken) {
            roster.append(newWrestler(name, "2004"));
        }
        EXPECT_EQ(generatedName(roster), c.name);
    }
}

TEST(RosterFile, NewWrestlerHasTheDefaultsAndAContractFromTheStartYear) {
    EXPECT_EQ(newWrestler("New Wrestler 3", "2004").fileBytes(),
              "New Wrestler 3\r\nNew Wrestler 3\r\nFree Agent\r\nAll\r\nMale\r\n70\r\n70\r\n"
              "Type your description here.\r\nJuly 2007\r\n850\r\nNo\r\n500\r\nNone\r\n2\r\n"
              "Face\r\nFinishing Move\r\np\r\nno\r\nno\r\n0\r\n\r\n100\r\nno\r\nBasic Wrestler\r\n"
              "75\r\n15\r\n70\r\n70\r\nHeavy\r\n70\r\nUSA\r\n");
    EXPECT_EQ(newContractExpiry(" 1999 (leap)"), "July 2002");
}

} // namespace
} // namespace bm::roster
