#include "core/context/scenario_creator.h"

#include "support/editor_fixture.h"
#include "support/fault.h"

#include <filesystem>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace bm::context {
namespace {

namespace fs = std::filesystem;
using ui::Icon;
using ui::Screen;
using Entries = std::map<std::string, std::string>;

constexpr const char* kTaken =
    "There is already a scenario in your Scenarios folder with that name.";
const std::string kMainData = "BM13\r\n" + test::everyByteButLineEnds() + "\r\n\r\n";
const std::string kVenues = "Quay Hall\r\nQuay, Coast\r\nQuay\r\n900\r\nUK\r\nNone\r\n";
const std::string kNewInfo = "Enter a description here.\r\nEnter your name here.\r\n";

class ScenarioTest : public test::EditorTest {
protected:
    ScenarioInfoScreen& info = editor.scenarioInfo;

    void SetUp() override {
        game.write("Data/maindata.bm1", kMainData);
        game.write("Data/venues.txt", kVenues);
    }
    // Each entry of a folder by name, with its bytes ("" for a folder).
    Entries entries(const std::string& folder) const {
        Entries all;
        for (const auto& entry : fs::directory_iterator(game.path(folder))) {
            const std::string name = entry.path().filename().string();
            all[name] = entry.is_regular_file() ? game.read(folder + "/" + name) : "";
        }
        return all;
    }
};

TEST_F(ScenarioTest, CreatingMakesTheWholeFolderAndLeadsThroughTheInformationScreen) {
    dialogs.reply("Old Times");
    editor.start.createScenario();
    ASSERT_EQ(dialogs.shown().size(), 2u);
    const auto& [asked, told] = std::tie(dialogs.shown()[0], dialogs.shown()[1]);
    EXPECT_EQ(
        std::tuple(asked.title, asked.text, asked.initial),
        std::tuple("Scenario Name", "Please enter a name for this scenario.", "WWF vs WCW 1995"));
    EXPECT_EQ(std::tuple(told.text, told.icon),
              std::tuple("Please enter some information about this scenario.\r\n\r\nWhen you "
                         "have done that, you will be taken to the main editing menu, where you "
                         "can add wrestlers and promotions to this scenario, and change the start "
                         "date.",
                         Icon::Information));
    EXPECT_EQ(entries("Scenarios/Old Times"), (Entries{{"maindata.bm1", kMainData},
                                                       {"scenario.txt", "Old Times\r\n" + kNewInfo},
                                                       {"venues.txt", kVenues},
                                                       {"wrestlers.bm1", ""}}));
    EXPECT_EQ(editor.context.folder(), "\\Scenarios\\Old Times\\");
    EXPECT_EQ(editor.menu.heading(), "Currently Editing: Scenario Data");
    EXPECT_EQ(navigator.current(), Screen::ScenarioInfo);
    info.ok();
    EXPECT_EQ(navigator.current(), Screen::EditingMenu);
}

// Refused names are asked again; the pattern ("#" for any digit) refuses
// taken names, and only the folder decides where it misses.
TEST_F(ScenarioTest, UnusableOrTakenNamesAreRefusedAndAskedAgain) {
    for (const char* taken : {"Old Times", "Room 11", "Room [1"}) {
        game.makeFolder(std::string("Scenarios/") + taken);
    }
    const struct {
        std::string name;
        std::string refusal; // in the message
    } cases[] = {
        {"a/b", "\"a/b\" cannot be used as a scenario name, because the scenario's folder takes "
                "its name. A scenario name must not contain \\ / : * ? \" < > | or control "
                "characters, must not be . or .., must not end in a space or a dot, must not be "
                "longer than 255 characters, and must not be a reserved device name such as CON, "
                "PRN, AUX, NUL, COM1 or LPT1."},
        {std::string(300, 'x'), "\"xxxxxxxxxx"},
        {"Old Times", kTaken},
        {"Room #1", kTaken},
        {"Room [1", game.path("Scenarios/Room [1").string()},
    };
    for (const auto& c : cases) {
        dialogs.reply(c.name);
    }
    dialogs.reply("old times"); // letter case differs: made
    editor.start.createScenario();
    ASSERT_EQ(dialogs.shown().size(), 2 * std::size(cases) + 2);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& refusal = dialogs.shown()[2 * i + 1];
        EXPECT_EQ(refusal.icon, Icon::Exclamation);
        EXPECT_NE(refusal.text.find(cases[i].refusal), std::string::npos)
            << cases[i].name << ": " << refusal.text;
        EXPECT_LT(refusal.text.size(), 500u) << "a long name is not shown whole";
    }
    EXPECT_EQ(entries("."), (Entries{{"Data", ""}, {"Scenarios", ""}}));
    EXPECT_EQ(entries("Scenarios"),
              (Entries{{"Old Times", ""}, {"Room 11", ""}, {"Room [1", ""}, {"old times", ""}}));
    EXPECT_EQ(game.read("Scenarios/old times/scenario.txt"), "old times\r\n" + kNewInfo);
}

TEST_F(ScenarioTest, AMissingBaseFileOrAHalfMadeFolderIsNamed) {
    for (const char* missing : {"Data/maindata.bm1", "Data/venues.txt", "Scenarios"}) {
        test::TempGameFolder fresh;
        fresh.write("Data/maindata.bm1", kMainData);
        fresh.write("Data/venues.txt", kVenues);
        fs::remove(fresh.path(missing));
        const bool asked = std::string(missing) != "Scenarios";
        if (!asked) {
            fresh.write("Scenarios", "a file in the way");
        }
        dialogs.clear();
        if (asked) {
            dialogs.reply("New World");
        }
        editor.start.createScenario();
        EXPECT_NE(lastShown().text.find(fresh.path(missing).string()), std::string::npos);
        EXPECT_TRUE(lastShown().text.ends_with("\r\n\r\nThe scenario was not created."));
        EXPECT_FALSE(fresh.exists("Scenarios/New World")) << missing;
        EXPECT_EQ(editor.context.folder(), "\\Data\\") << missing;
    }
    // The venues copy fails, and then the removal of the folder too.
    platform::FaultPlan plan;
    plan.fail(test::Op::Write, 2, EIO).fail(test::Op::Delete, 3, EBUSY);
    dialogs.reply("New World");
    editor.start.createScenario();
    EXPECT_NE(lastShown().text.find("\"" + game.path("Scenarios/New World").string() +
                                    "\" could not be removed again: please delete it"),
              std::string::npos)
        << lastShown().text;
    EXPECT_TRUE(entries("Scenarios/New World").empty());
}

// Offered when missing and written only on OK, filled in when short; each
// value is edited and the lines after them are kept.
TEST_F(ScenarioTest, TheInformationScreenCreatesFillsAndEditsTheFile) {
    game.makeFolder("Scenarios/Bare");
    editor.context.enter(ContextKind::Scenario, "\\Scenarios\\Bare\\");
    navigator.go(Screen::EditingMenu);
    const std::string path = "Scenarios/Bare/scenario.txt";
    dialogs.no();
    editor.menu.press(MenuButton::ScenarioInfo);
    EXPECT_EQ(std::tuple(lastShown().text, lastShown().icon),
              std::tuple("There is no scenario.txt file for this scenario, would you like to "
                         "create one?",
                         Icon::None));
    EXPECT_EQ(navigator.current(), Screen::EditingMenu);
    dialogs.yes();
    editor.menu.press(MenuButton::ScenarioInfo);
    EXPECT_FALSE(game.exists(path)) << "only OK writes the file";
    info.ok();
    EXPECT_EQ(game.read(path), "Enter a title here.\r\n" + kNewInfo);

    game.write(path, "Only A Title");
    editor.menu.press(MenuButton::ScenarioInfo);
    EXPECT_EQ(lastShown().icon, Icon::Information);
    EXPECT_NE(lastShown().text.find(game.path(path).string()), std::string::npos);
    EXPECT_EQ(info.shown(ScenarioField::scenariodesc) + info.shown(ScenarioField::scenariocreator),
              "Enter a description here.Enter your name here.");
    info.ok();
    game.write(path, "Iron Age\r\nOld desc\r\nA. Author\r\nextra\r\n");
    editor.menu.press(MenuButton::ScenarioInfo);
    const struct {
        ScenarioField field;
        const char* title;
        const char* message;
        const char* answer;
    } cases[] = {
        {ScenarioField::scenarioname, "Scenario Name",
         "Please enter the name of this scenario, eg. 'WWF vs WCW 1995'.", "Iron \xe9poque"},
        {ScenarioField::scenariodesc, "Scenario Description",
         "Please enter a short description of this scenario.", ""},
        {ScenarioField::scenariocreator, "Scenario Creator",
         "Please enter your name, which will show as a credit in the game.", "B. Writer"},
    };
    for (const auto& c : cases) {
        const std::string before = info.shown(c.field);
        dialogs.reply(c.answer);
        info.edit(c.field);
        EXPECT_EQ(std::tuple(lastShown().title, lastShown().text, lastShown().initial),
                  std::tuple(c.title, c.message, before));
    }
    info.ok();
    EXPECT_EQ(game.read(path), "Iron \xe9poque\r\nOld desc\r\nB. Writer\r\nextra\r\n");
    EXPECT_EQ(navigator.current(), Screen::EditingMenu);
}

} // namespace
} // namespace bm::context
