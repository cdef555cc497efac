#include "cli/check_command.h"

#include "core/app/version.h"
#include "core/promotion/record/promotion_record.h"
#include "core/roster/roster_fixture.h"
#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <tuple>

namespace bm::cli {
namespace {

namespace fs = std::filesystem;
constexpr auto wrestler = roster::test::wrestlerExpiring;

// "@" stands for the game folder in arguments and expected texts.
std::string placed(std::string text, const fs::path& root) {
    for (auto at = text.find('@'); at != text.npos; at = text.find('@', at + 1)) {
        text.replace(at, 1, root.string());
    }
    return text;
}

struct Outcome {
    int status;
    std::string out, err;
};

Outcome run(std::vector<std::string> args, const fs::path& root) {
    for (auto& a : args) {
        a = placed(a, root);
    }
    std::ostringstream out, err;
    const int status = runCheckCommand(args, out, err);
    return {status, out.str(), err.str()};
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
    };
    test::TempGameFolder game;
    game.write("Career", "a file where a saved game's folder would be");
    game.write("Scenarios", "a file where the scenarios would be");
    fs::create_directory_symlink("Loop", game.path("Loop"));
    for (const auto& c : cases) {
        const Outcome r = run(c.args, game.root());
        EXPECT_EQ(r.status, c.status) << c.args.front();
        EXPECT_NE(r.err.find(placed(c.err, game.root())), std::string::npos) << r.err;
        EXPECT_EQ(r.out.empty(), c.status != 0) << r.out;
    }
    EXPECT_EQ(run({"--version"}, game.root()).out, app::versionText("bm13check"));
    const Outcome help = run({"--bogus", "--help"}, game.root()); // help wins over any error
    EXPECT_EQ(std::tuple(help.status, help.err), std::tuple(0, ""));
    EXPECT_EQ(help.out, checkHelpText());
    EXPECT_TRUE(help.out.starts_with(
        "Usage: bm13check [GAME_FOLDER] [--context CONTEXT | --all] [--json]\n"));
}

TEST(CheckCommand, PrintsEverySectionInTextOrJson) {
    const std::string mainData = "a\r\nb\r\nWednesday\r\n18\r\nAugust\r\n2004\r\n";
    auto failing = promotion::makeTemplateRecord();
    failing.set(promotion::line::untvatt, "5");
    failing.set(promotion::line::tvatt, "5");
    test::TempGameFolder game;
    game.write("Data/maindata.bm1", mainData);
    game.write("Data/wrestlers.bm1", wrestler("Ada", "July 2007"));
    game.write("Career/maindata.bm1", mainData);
    game.write("Career/wrestlers.bm1",
               wrestler("Ada", "July 2007") + wrestler("Jos\xe9", "May 2004"));
    game.write("Career/b.fed", platform::joinLines(failing.lines()));
    game.write("Scenarios/S/maindata.bm1", mainData); // and no promotion file
    game.write("Scenarios/S/wrestlers.bm1", "");
    game.write("Scenarios/S/venues.txt", "");
    const std::string expiry = "* Jos\xc3\xa9's contract expires before the start date. *";
    const std::string rule7 = "Non Televised Attendence must be at least 20.";
    const std::string rule8 = "Televised Attendence must be at least 20.";
    const struct {
        std::vector<std::string> args;
        int status;
        std::string out;
    } cases[] = {
        {{"--context", "Career"},
         1,
         "Context: Career\nResults Of The Date Check\n" + expiry +
             "\n\nIf you don't change these contract expiry dates to be after the start date, the "
             "game will freeze. You can automatically create random expiry dates for all "
             "wrestlers using the wrestler editor screen. The randomly created expiry dates "
             "always work with your start date.\n\nPlease note that the dates of promotion's Next "
             "Big Shows are not checked for saved games.\n\n== b.fed ==\n" +
             rule7 + "\n" + rule8 + "\n"},
        {{"@", "--json", "--context=Career/"},
         1,
         "{\n  \"found\": true,\n  \"contexts\": [\n    {\n      \"context\": \"Career\",\n"
         "      \"found\": true,\n      \"dateProblems\": [\n        {\"kind\": "
         "\"contract-expiry\", \"subject\": \"Jos\xc3\xa9\", \"line\": \"" +
             expiry +
             "\"}\n      ],\n      \"scenario\": null,\n      \"promotions\": [\n        "
             "{\"file\": \"b.fed\", \"error\": null, \"failures\": [{\"rule\": 7, \"message\": \"" +
             rule7 + "\"}, {\"rule\": 8, \"message\": \"" + rule8 +
             "\"}]}\n      ]\n    }\n  ]\n}\n"},
        {{"--json", "--context", "Scenarios\\S\\"},
         1,
         "{\n  \"found\": true,\n  \"contexts\": [\n    {\n      \"context\": \"Scenarios/S\",\n"
         "      \"found\": true,\n      \"dateProblems\": [],\n      \"scenario\": {\n"
         "        \"ready\": false,\n        \"lines\": [\n"
         "          \"maindata.bm1 file.....OK\",\n          \"venues.txt file.....OK\",\n"
         "          \"wrestlers.bm1 file.....OK\",\n"
         "          \"promotion files.....** MISSING **\"\n        ]\n      },\n"
         "      \"promotions\": []\n    }\n  ]\n}\n"},
    };
    // The text of a context without problems is pinned by the golden run on the demo folder.
    EXPECT_EQ(run({"@"}, game.root()).status, 0);
    for (const auto& c : cases) {
        // A game folder given by name is entered for the run only.
        const bool named = c.args.front() == "@";
        const fs::path from = named ? fs::temp_directory_path() : game.root();
        fs::current_path(from);
        const Outcome r = run(c.args, game.root());
        EXPECT_EQ(fs::current_path(), from);
        fs::current_path(game.root());
        EXPECT_EQ(std::tuple(r.status, r.err), std::tuple(c.status, "")) << c.args.front();
        EXPECT_EQ(r.out, c.out);
    }
}

} // namespace
} // namespace bm::cli
