#include "core/checks/scenario_check.h"

#include "core/promotion/record/promotion_record.h"
#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

#include <map>

namespace bm::checks {
namespace {

namespace line = promotion::line;

const std::string kReady =
    "\r\nThis scenario is ready to be zipped and distributed. You will find the folder in your "
    "Scenarios folder, with all required files inside. Put that folder into a zip file and "
    "distribute it on the forums or a resource site.\r\n\r\nRemember to use the Date Checker "
    "before distributing a scenario!";
const std::string kNotReady = "\r\nThis scenario is not ready to be distributed.";
const std::string kFilesOk =
    "maindata.bm1 file.....OK\r\nvenues.txt file.....OK\r\nwrestlers.bm1 file.....OK\r\n";

// A promotion whose logo lines hold `logos`: line number to name.
std::string promotionWith(const std::map<int, std::string>& logos) {
    auto record = promotion::makeTemplateRecord();
    for (const auto& [l, name] : logos) {
        record.set(l, name);
    }
    return platform::joinLines(record.lines());
}

TEST(ScenarioCheck, ReportsFilesLogosAndTheVerdict) {
    const std::string s = "Scenarios/S/";
    const std::string files = "maindata.bm1 venues.txt wrestlers.bm1";
    const struct {
        const char* name;
        std::map<std::string, std::string> files; // below the game folder
        std::string report;
    } cases[] = {
        {"just created: no promotion file",
         {{s + "maindata.bm1", "x"}, {s + "venues.txt", "x"}, {s + "wrestlers.bm1", ""}},
         kFilesOk + "promotion files.....** MISSING **\r\n" + kNotReady},
        {"logos in Images or in the scenario; no line holding default.jpg (the logo), NA or "
         "nothing",
         {{s + "maindata.bm1", "x"},
          {s + "venues.txt", "x"},
          {s + "wrestlers.bm1", "x"},
          {"Images/a.jpg", "x"},
          {s + "b.gif", "x"},
          {s + "one.fed", promotionWith({{line::promlogo, "a.jpg"},
                                         {line::shows[1].showlogo, "b.gif"},
                                         {line::shows[2].showlogo, ""},
                                         {line::months[11].bigshowlogo, "NA"}})},
          {"Images/default.jpg", "x"},
          {s + "two.fed", promotionWith({{line::shows[0].showlogo, "default.jpg"},
                                         {line::months[0].bigshowlogo, "a.jpg"}})}},
         kFilesOk +
             "promotion files..... OK (2 found)\r\n"
             "Image: ''a.jpg''..... OK\r\nImage: ''b.gif''..... OK\r\n"
             "Image: ''default.jpg''..... OK\r\nImage: ''a.jpg''..... OK\r\n" +
             kReady},
        {"missing files and logos, odd names, a short promotion file",
         {{s + "wrestlers.bm1", ""},
          {"Data/c.jpg", "x"},
          {"Images/sub/d.jpg", "x"},
          {s + "a.fed", promotionWith({{line::promlogo, ""},
                                       {line::shows[0].showlogo, "..\\Data\\c.jpg"},
                                       {line::shows[1].showlogo, "sub\\d.jpg"},
                                       {line::shows[3].showlogo, "sub"},
                                       {line::months[3].bigshowlogo, "gone.bmp"}})},
          {s + "b.fed", "BMF\r\nName\r\nb.jpg\r\n"}},
         "maindata.bm1 file.....** MISSING **\r\nvenues.txt file.....** MISSING **\r\n"
         "wrestlers.bm1 file.....OK\r\npromotion files..... OK (2 found)\r\n"
         "Image: ''''..... ** MISSING **\r\nImage: ''..\\Data\\c.jpg''..... ** MISSING **\r\n"
         "Image: ''sub\\d.jpg''..... OK\r\nImage: ''sub''..... ** MISSING **\r\n"
         "Image: ''gone.bmp''..... ** MISSING **\r\n"
         "* The promotion file b.fed has only 3 lines, too few to name all its logos. *\r\n"
         "Image: ''b.jpg''..... ** MISSING **\r\n" +
             kNotReady},
    };
    for (const auto& c : cases) {
        test::TempGameFolder game;
        for (const auto& [file, bytes] : c.files) {
            game.write(file, bytes);
        }
        context::EditingContext context;
        context.enter(context::ContextKind::Scenario,
                      context::EditingContext::folderOf(context::ContextKind::Scenario, "S"));
        const ScenarioCheck check = checkScenario(context);
        EXPECT_EQ(check.report, c.report) << c.name;
        EXPECT_EQ(check.ready, c.report.ends_with("!")) << c.name;
    }
}

} // namespace
} // namespace bm::checks
