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
    void enterScenario(const std::string& name) {
        game.makeFolder("Scenarios/" + name);
        editor.context.enter(ContextKind::Scenario,
                             EditingContext::folderOf(ContextKind::Scenario, name));
        navigator.go(Screen::EditingMenu);
        dialogs.clear();
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
    std::string shown() const {
        return info.shown(ScenarioField::scenarioname) + "|" +
               info.shown(ScenarioField::scenariodesc) + "|" +
               info.shown(ScenarioField::scenariocreator);
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
    editor.menu.press(MenuButton::ScenarioInfo);
    EXPECT_EQ(shown(), "Old Times|Enter a description here.|Enter your name here.");
    EXPECT_EQ(dialogs.shown().size(), 2u);
}

TEST_F(ScenarioTest, UnusableOrTakenNamesAreRefusedAndAskedAgain) {
    game.makeFolder("Scenarios/Old Times");
    game.makeFolder("Scenarios/Room 11");
    const struct {
        std::string name;
        const char* refusal; // null: the name cannot be a folder
    } cases[] = {
        {"a/b", nullptr},      {"..", nullptr},
        {"CON", nullptr},      {std::string(300, 'x'), nullptr},
        {"Old Times", kTaken}, {"Room #1", kTaken}, // "#" stands for any digit
    };
    for (const auto& c : cases) {
        dialogs.reply(c.name);
    }
    dialogs.reply("");
    editor.start.createScenario();

    ASSERT_EQ(dialogs.shown().size(), 2 * std::size(cases) + 1);
    EXPECT_EQ(dialogs.shown()[1].text,
              "\"a/b\" cannot be used as a scenario name, because the scenario's folder takes its "
              "name. A scenario name must not contain \\ / : * ? \" < > | or control characters, "
              "must not be . or .., must not end in a space or a dot, must not be longer than 255 "
              "characters, and must not be a reserved device name such as CON, PRN, AUX, NUL, "
              "COM1 or LPT1.");
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& refusal = dialogs.shown()[2 * i + 1];
        EXPECT_EQ(refusal.icon, Icon::Exclamation);
        EXPECT_EQ(cases[i].refusal ? refusal.text == cases[i].refusal
                                   : refusal.text.starts_with("\"" + cases[i].name.substr(0, 20)),
                  true)
            << cases[i].name << ": " << refusal.text;
        EXPECT_LT(refusal.text.size(), 500u) << "a long name is not shown whole";
    }
    EXPECT_EQ(entries("."), (Entries{{"Data", ""}, {"Scenarios", ""}}));
    EXPECT_EQ(entries("Scenarios"), (Entries{{"Old Times", ""}, {"Room 11", ""}}));
}

TEST_F(ScenarioTest, NamesThePatternMissesAreMadeUnlessTheFolderIsThere) {
    game.makeFolder("Scenarios/Old Times");
    game.makeFolder("Scenarios/Room [1");
    // An unclosed list matches nothing, letter case differs: only the folder decides.
    dialogs.reply("Room [1").reply("old times");
    editor.start.createScenario();
    ASSERT_EQ(dialogs.shown().size(), 4u);
    EXPECT_NE(dialogs.shown()[1].text.find(game.path("Scenarios/Room [1").string()),
              std::string::npos);
    EXPECT_TRUE(entries("Scenarios/Room [1").empty()) << "the other folder is untouched";
    EXPECT_EQ(game.read("Scenarios/old times/scenario.txt"), "old times\r\n" + kNewInfo);
}

TEST_F(ScenarioTest, AMissingBaseFileOrScenariosFolderStopsBeforeAnythingIsMade) {
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
}

// A copy that fails, and then the removal of the folder too: the user is told
// which folder is left to delete.
TEST_F(ScenarioTest, AHalfMadeFolderThatCannotBeRemovedIsNamed) {
    platform::FaultPlan plan;
    // The venues copy fails; its temporary file and the main data copy go,
    // the folder stays.
    plan.fail(test::Op::Write, 2, EIO).fail(test::Op::Delete, 3, EBUSY);
    dialogs.reply("New World");
    editor.start.createScenario();
    EXPECT_NE(lastShown().text.find("\"" + game.path("Scenarios/New World").string() +
                                    "\" could not be removed again: please delete it"),
              std::string::npos)
        << lastShown().text;
    EXPECT_TRUE(entries("Scenarios/New World").empty());
}

TEST_F(ScenarioTest, TheInformationScreenEditsEachValueAndOkWritesTheFileWithItsExtraLines) {
    enterScenario("Iron Age");
    game.write("Scenarios/Iron Age/scenario.txt", "Iron Age\r\nOld desc\r\nA. Author\r\nextra\r\n");
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
    EXPECT_EQ(shown(), "Iron \xe9poque|Old desc|B. Writer");
    info.ok();
    EXPECT_EQ(game.read("Scenarios/Iron Age/scenario.txt"),
              "Iron \xe9poque\r\nOld desc\r\nB. Writer\r\nextra\r\n");
    EXPECT_EQ(navigator.current(), Screen::EditingMenu);
}

TEST_F(ScenarioTest, AMissingShortOrUnwritableInformationFile) {
    enterScenario("Bare");
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
    EXPECT_EQ(navigator.current(), Screen::ScenarioInfo);
    EXPECT_FALSE(game.exists(path)) << "only OK writes the file";
    info.ok();
    EXPECT_EQ(game.read(path), "Enter a title here.\r\n" + kNewInfo);

    game.write(path, "Only A Title");
    dialogs.clear();
    editor.menu.press(MenuButton::ScenarioInfo);
    EXPECT_EQ(lastShown().icon, Icon::Information);
    EXPECT_NE(lastShown().text.find(game.path(path).string()), std::string::npos);
    EXPECT_EQ(shown(), "Only A Title|Enter a description here.|Enter your name here.");

    // A failed write names the file and stays, never reported as written.
    fs::remove(game.path(path));
    game.makeFolder(path);
    info.ok();
    EXPECT_EQ(lastShown().icon, Icon::Critical);
    EXPECT_NE(lastShown().text.find(game.path(path).string()), std::string::npos);
    EXPECT_EQ(navigator.current(), Screen::ScenarioInfo);
}

} // namespace
} // namespace bm::context
