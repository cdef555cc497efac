#include "cli/check_command.h"

#include "core/app/version.h"
#include "core/promotion/record/promotion_record.h"
#include "core/roster/roster.h"
#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <unistd.h>

namespace bm::cli {
namespace {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::string>;

// "@" stands for the game folder in arguments and expected texts.
std::string placed(std::string text, const fs::path& root) {
    for (auto at = text.find('@'); at != text.npos; at = text.find('@', at + 1)) {
        text.replace(at, 1, root.string());
    }
    return text;
}

// Every file below the folder with its bytes, to prove that nothing was written.
Files snapshot(const fs::path& root) {
    Files files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_directory()) {
            files[entry.path().string()] = "(folder)";
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path().string()] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return files;
}

struct Outcome {
    int status;
    std::string out, err;
};

Outcome run(const std::vector<std::string>& arguments, const fs::path& root) {
    std::vector<std::string> args;
    for (const auto& a : arguments) {
        args.push_back(placed(a, root));
    }
    std::ostringstream out, err;
    const int status = runCheckCommand(args, out, err);
    return {status, out.str(), err.str()};
}

std::string wrestler(std::string_view name, std::string_view expires) {
    auto record = roster::newWrestler(name, "2004");
    record.set(roster::Field::expires, expires);
    return std::string(record.fileBytes());
}

TEST(CheckCommand, StopsWithTwoOnUsageErrorsAndUnreadableFolders) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string err; // contained in stderr
    };
    std::vector<Case> cases{
        {{"--bogus"}, 2, "unknown option '--bogus'\nTry 'bm13check --help'"},
        {{"@", "@"}, 2, "only one game folder can be given"},
        {{"--context"}, 2, "--context needs a CONTEXT"},
        {{"--all", "--context=Data"}, 2, "give --context or --all, not both"},
        {{"--context", "../Data"}, 2, "'../Data' is no context"},
        {{"--context", "Scenarios/Nope"}, 2, "the folder \"@/Scenarios/Nope\" does not exist"},
        {{"@/missing"}, 2, "cannot open the game folder \"@/missing\""},
        {{"--", "@/Data"}, 2, "\"@/Data\" is not a game folder: it has no Data folder"},
        {{"--context", "Career"}, 2, "\"@/Career\" is not a folder"},
        {{"--context", "Loop"}, 2, "the folder \"@/Loop\" cannot be read ("},
        {{"--all"}, 2, "\"@/Scenarios\" is not a folder"},
        {{"--bogus", "--help"}, 0, ""},
    };
    test::TempGameFolder game;
    game.write("Career", "a file where a saved game's folder would be");
    game.write("Scenarios", "a file where the scenarios would be");
    fs::create_directory_symlink("Loop", game.path("Loop"));
    game.makeFolder("Locked");
    fs::permissions(game.path("Locked"), fs::perms::none);
    if (::geteuid() != 0) { // nothing is unreadable to root
        cases.push_back({{"--context", "Locked"}, 2, "the folder \"@/Locked\" cannot be read ("});
    }
    for (const auto& c : cases) {
        const Outcome r = run(c.args, game.root());
        EXPECT_EQ(r.status, c.status) << c.args.front();
        EXPECT_NE(r.err.find(placed(c.err, game.root())), std::string::npos) << r.err;
        EXPECT_EQ(r.out.empty(), c.status != 0) << r.out;
    }
    fs::permissions(game.path("Locked"), fs::perms::owner_all);
    EXPECT_EQ(run({"--version"}, game.root()).out, app::versionText("bm13check"));
}

TEST(CheckCommand, PrintsEverySectionAndNeverWrites) {
    const std::string mainData = "a\r\nb\r\nWednesday\r\n18\r\nAugust\r\n2004\r\n";
    auto failing = promotion::makeTemplateRecord();
    failing.set(promotion::line::untvatt, "5");
    failing.set(promotion::line::tvatt, "5");
    const Files base{
        {"Data/maindata.bm1", mainData},
        {"Data/wrestlers.bm1", wrestler("Ada", "July 2007")},
        {"Data/a.fed", platform::joinLines(promotion::makeTemplateRecord().lines())},
    };
    Files more = base;
    more["Data/wrestlers.bm1"] += wrestler("Jos\xe9", "May 2004");
    more["Data/b.fed"] = platform::joinLines(failing.lines());
    more["Scenarios/S/maindata.bm1"] = mainData;
    more["Scenarios/S/wrestlers.bm1"] = "";
    more["Career/maindata.bm1"] = mainData;
    more["Career/wrestlers.bm1"] = wrestler("Ada", "July 2007");
    more["Career/b.fed"] = more["Data/b.fed"];

    const std::string datesOk =
        "Results Of The Date Check\nAll contract expiry dates are OK.\n\nThere are no problems "
        "with the dates of Next Big Shows in any of the promotion files.\n";
    const std::string bFailures = "== b.fed ==\nNon Televised Attendence must be at least 20.\n"
                                  "Televised Attendence must be at least 20.\n";
    const struct {
        const char* name;
        const Files& files;
        std::vector<std::string> args;
        int status;
        std::string out;
    } cases[] = {
        {"nothing found", base, {"@"}, 0, "Context: Data\n" + datesOk + "\n== a.fed ==\nOK\n"},
        {"every context",
         more,
         {"--all"},
         1,
         "Context: Data\nResults Of The Date Check\n"
         "* Jos\xc3\xa9's contract expires before the start date. *\n\nIf you don't change these "
         "contract expiry dates to be after the start date, the game will freeze. You can "
         "automatically create random expiry dates for all wrestlers using the wrestler editor "
         "screen. The randomly created expiry dates always work with your start date.\n\nThere "
         "are no problems with the dates of Next Big Shows in any of the promotion files.\n\n"
         "== a.fed ==\nOK\n" +
             bFailures +
             "\nContext: Scenarios/S\nResults Of The Date Check\nThere are no wrestlers in the "
             "wrestlers.bm1 file, so no contract expiry dates can be checked.\n\nThere are no "
             "problems with the dates of Next Big Shows in any of the promotion files.\n\n"
             "Results Of The Scenario Check\nmaindata.bm1 file.....OK\n"
             "venues.txt file.....** MISSING **\nwrestlers.bm1 file.....OK\n"
             "promotion files.....** MISSING **\n\nThis scenario is not ready to be "
             "distributed.\n"},
        {"a saved game",
         more,
         {"--context", "Career"},
         1,
         "Context: Career\nResults Of The Date Check\nAll contract expiry dates are OK.\n\n"
         "Please note that the dates of promotion's Next Big Shows are not checked for saved "
         "games.\n\n" +
             bFailures},
        {"JSON of dates and rules",
         more,
         {"--json"},
         1,
         "{\n  \"found\": true,\n  \"contexts\": [\n    {\n      \"context\": \"Data\",\n"
         "      \"found\": true,\n      \"dateProblems\": [\n        {\"kind\": "
         "\"contract-expiry\", \"subject\": \"Jos\xc3\xa9\", \"line\": \"* Jos\xc3\xa9's "
         "contract expires before the start date. *\"}\n      ],\n      \"scenario\": null,\n"
         "      \"promotions\": [\n        {\"file\": \"a.fed\", \"error\": null, \"failures\": "
         "[]},\n        {\"file\": \"b.fed\", \"error\": null, \"failures\": [{\"rule\": 7, "
         "\"message\": \"Non Televised Attendence must be at least 20.\"}, {\"rule\": 8, "
         "\"message\": \"Televised Attendence must be at least 20.\"}]}\n      ]\n    }\n  ]\n}\n"},
    };
    for (const auto& c : cases) {
        test::TempGameFolder game;
        for (const auto& [file, bytes] : c.files) {
            game.write(file, bytes);
        }
        const Files before = snapshot(game.root());
        // A game folder given by name is entered for the run only.
        const bool named = std::count(c.args.begin(), c.args.end(), "@") > 0;
        const fs::path from = named ? fs::temp_directory_path() : game.root();
        fs::current_path(from);
        const Outcome r = run(c.args, game.root());
        EXPECT_EQ(fs::current_path(), from) << c.name;
        fs::current_path(game.root());
        EXPECT_EQ(r.status, c.status) << c.name;
        EXPECT_EQ(r.out, c.out) << c.name;
        EXPECT_EQ(r.err, "") << c.name;
        EXPECT_EQ(snapshot(game.root()), before) << c.name;
    }
}

} // namespace
} // namespace bm::cli
