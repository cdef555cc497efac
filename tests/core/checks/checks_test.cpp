#include "core/checks/date_check.h"
#include "core/checks/scenario_check.h"
#include "core/promotion/record/promotion_record.h"
#include "core/roster/roster_fixture.h"
#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

#include <map>

namespace bm::checks {
namespace {

using context::ContextKind;
namespace line = promotion::line;
constexpr auto wrestler = roster::test::wrestlerExpiring;

// A promotion file of the template but for these lines: line number to value.
std::string promotionWith(const std::map<int, std::string>& lines) {
    auto record = promotion::makeTemplateRecord();
    for (const auto& [l, value] : lines) {
        record.set(l, value);
    }
    return platform::joinLines(record.lines());
}

std::string bigShow(const std::string& name, const std::string& date) {
    return promotionWith({{line::nameofbigshow, name}, {line::dateofshow, date}});
}

const std::string kAdvice =
    "\r\nIf you don't change these contract expiry dates to be after the start date, the game "
    "will freeze. You can automatically create random expiry dates for all wrestlers using the "
    "wrestler editor screen. The randomly created expiry dates always work with your start "
    "date.\r\n";
const std::string kShowsOk =
    "\r\nThere are no problems with the dates of Next Big Shows in any of the promotion files.";
const std::string kShowAdvice =
    "\r\nIf the incorrect date(s) are not changed, if the player begins a game with this "
    "promotion, they will permanently have the same Big Show and will never be able to book a "
    "new one.";

std::string problemLine(std::string_view file) {
    return "\r\n* There is a problem with the date of the Next Big Show in the promotion file " +
           std::string(file) + ". *\r\n";
}

// "kind:subject" of every problem, joined by "|".
std::string summary(const DateCheck& check) {
    std::string out;
    for (const auto& p : check.problems) {
        static const char* kKinds[] = {"expiry", "unreadable", "show", "file"};
        out += (out.empty() ? "" : "|") + std::string(kKinds[static_cast<int>(p.kind)]) + ":" +
               p.subject;
    }
    return out;
}

TEST(DateCheck, ReportsEveryLineAsTheMenuShowsIt) {
    const std::string start = "Wednesday\r\n18\r\nAugust\r\n2004\r\n";
    const std::string data = "a\r\nb\r\n" + start + "kept\r\n";
    const struct {
        const char* name;
        std::map<std::string, std::string> files; // in the Data folder
        std::string report;
        std::string problems;
    } cases[] = {
        {"expiry dates around the start month",
         {{"wrestlers.bm1", wrestler("Ada", "August 2004") + wrestler("Bo", "September 2004") +
                                wrestler("Cy", "March 2004") + wrestler("Di", "January 2005") +
                                wrestler("Ed", "December 2003")}},
         "* Ada's contract expires before the start date. *\r\n"
         "* Cy's contract expires before the start date. *\r\n"
         "* Ed's contract expires before the start date. *\r\n" +
             kAdvice + kShowsOk,
         "expiry:Ada|expiry:Cy|expiry:Ed"},
        {"no wrestlers; a show booked as None is never judged",
         {{"wrestlers.bm1", ""}, {"a.fed", bigShow("None", "Someday")}},
         "There are no wrestlers in the wrestlers.bm1 file, so no contract expiry dates can be "
         "checked.\r\n" +
             kShowsOk,
         ""},
        {"no wrestlers file; next big show at offsets 0, 359, 360, -1 and unsplittable",
         {{"a.fed", bigShow("Zero", "Wednesday 18th August 2004")},
          {"b.fed", bigShow("Last", "Friday 12th August 2005")},
          {"c.fed", bigShow("Late", "Saturday 13th August 2005")},
          {"d.fed", bigShow("Early", "Tuesday 17th August 2004")},
          {"e.fed", bigShow("Odd", "18th August")},
          {"f.FED", bigShow("Skipped", "")}},
         "* The file \"@Data/wrestlers.bm1\" does not exist. No contract expiry dates can be "
         "checked. *\r\n" +
             problemLine("c.fed") + problemLine("d.fed") + problemLine("e.fed") + kShowAdvice,
         "file:wrestlers.bm1|show:c.fed|show:d.fed|show:e.fed"},
        {"unreadable expiry, damaged last record, short promotion file",
         {{"wrestlers.bm1", wrestler("Ada", "Jul 2007") + wrestler("Bo", "July 07") +
                                wrestler("Cy", "July 2007") + "Dee\r\nD\r\n"},
          {"a.fed", "BMF\r\nName\r\n"}},
         "* Ada's contract expiry date \"Jul 2007\" is not a month name followed by a four-digit "
         "year. *\r\n"
         "* Bo's contract expiry date \"July 07\" is not a month name followed by a four-digit "
         "year. *\r\n"
         "* The file \"@Data/wrestlers.bm1\" cannot be checked to its end: its last wrestler "
         "has 2 of the 31 lines that every wrestler needs, so the file is damaged. *\r\n" +
             kAdvice +
             "\r\n* The promotion file a.fed has only 2 lines, too few to hold a Next Big "
             "Show. *\r\n" +
             kShowAdvice,
         "unreadable:Ada|unreadable:Bo|file:wrestlers.bm1|file:a.fed"},
        {"start month not a name",
         {{"maindata.bm1", "a\r\nb\r\nWednesday\r\n18\r\nAug\r\n2004\r\n"}},
         "* The start date in the file \"@Data/maindata.bm1\" cannot be read: its month must be "
         "a month name and its year four digits. No dates can be checked without the start "
         "date. *\r\n",
         "file:maindata.bm1"},
    };
    for (const auto& c : cases) {
        test::TempGameFolder game;
        game.write("Data/maindata.bm1", data);
        for (const auto& [file, bytes] : c.files) {
            game.write("Data/" + file, bytes);
        }
        context::EditingContext context;
        context.enter(ContextKind::NewGameData, "\\Data\\");
        std::string expected = c.report;
        for (auto at = expected.find('@'); at != expected.npos; at = expected.find('@')) {
            expected.replace(at, 1, game.root().string() + "/");
        }
        const DateCheck check = checkDates(context);
        EXPECT_EQ(check.report, expected) << c.name;
        EXPECT_EQ(summary(check), c.problems) << c.name;
        // Over the promotion files read once for every check: the same.
        const DateCheck shared = checkDates(context, readPromotionFiles(context));
        EXPECT_EQ(std::tuple(shared.report, summary(shared)), std::tuple(check.report, c.problems));
    }
}

TEST(ScenarioCheck, ReportsFilesLogosAndTheVerdict) {
    const std::string s = "Scenarios/S/";
    const struct {
        const char* name;
        std::map<std::string, std::string> files; // below the game folder
        std::string lines; // the report's; the verdict after them is pinned by the demo's check
        bool ready;
    } cases[] = {
        {"logos in Images or in the scenario; no line holding default.jpg (the logo), NA or "
         "nothing",
         {{s + "maindata.bm1", "x"},
          {s + "venues.txt", "x"},
          {s + "wrestlers.bm1", "x"},
          {"Images/a.jpg", "x"},
          {s + "b.gif", "x"},
          {"Images/default.jpg", "x"},
          {s + "one.fed", promotionWith({{line::promlogo, "a.jpg"},
                                         {line::shows[1].showlogo, "b.gif"},
                                         {line::shows[2].showlogo, ""},
                                         {line::months[11].bigshowlogo, "NA"}})},
          {s + "two.fed", promotionWith({{line::shows[0].showlogo, "default.jpg"},
                                         {line::months[0].bigshowlogo, "a.jpg"}})}},
         "maindata.bm1 file.....OK\r\nvenues.txt file.....OK\r\nwrestlers.bm1 file.....OK\r\n"
         "promotion files..... OK (2 found)\r\n"
         "Image: ''a.jpg''..... OK\r\nImage: ''b.gif''..... OK\r\n"
         "Image: ''default.jpg''..... OK\r\nImage: ''a.jpg''..... OK\r\n\r\n",
         true},
        // Names that would leave the folder: see the bad input tests.
        {"missing files and logos, a folder's name, a short promotion file",
         {{s + "wrestlers.bm1", ""},
          {"Images/sub/d.jpg", "x"},
          {s + "a.fed", promotionWith({{line::promlogo, ""},
                                       {line::shows[3].showlogo, "sub"},
                                       {line::months[3].bigshowlogo, "gone.bmp"}})},
          {s + "b.fed", "BMF\r\nName\r\nb.jpg\r\n"}},
         "maindata.bm1 file.....** MISSING **\r\nvenues.txt file.....** MISSING **\r\n"
         "wrestlers.bm1 file.....OK\r\npromotion files..... OK (2 found)\r\n"
         "Image: ''''..... ** MISSING **\r\nImage: ''sub''..... ** MISSING **\r\n"
         "Image: ''gone.bmp''..... ** MISSING **\r\n"
         "* The promotion file b.fed has only 3 lines, too few to name all its logos. *\r\n"
         "Image: ''b.jpg''..... ** MISSING **\r\n\r\n",
         false},
    };
    for (const auto& c : cases) {
        test::TempGameFolder game;
        for (const auto& [file, bytes] : c.files) {
            game.write(file, bytes);
        }
        context::EditingContext context;
        context.enter(ContextKind::Scenario, "\\Scenarios\\S\\");
        const ScenarioCheck check = checkScenario(context);
        EXPECT_EQ(check.report.substr(0, c.lines.size()), c.lines) << c.name;
        EXPECT_EQ(check.ready, c.ready) << c.name;
    }
}

} // namespace
} // namespace bm::checks
