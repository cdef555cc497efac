#include "support/editor_fixture.h"
#include "support/fault.h"

#include <cstring>
#include <filesystem>

namespace bm::context {
namespace {

namespace fs = std::filesystem;
using ui::Icon;
using ui::Screen;

constexpr const char* kWrongFolder =
    "This editor must be kept in the same folder as the Brawlmark 1.3 exe file (not in the Data "
    "folder).\r\n\r\nPlease move the editor, then reopen the editor.";
constexpr const char* kMainDataRepaired =
    "This scenario was missing the maindata.bm1 file. The editor has now copied the new game "
    "maindata.bm1 file into this scenario's folder. Don't forget to update the start date of the "
    "scenario!";
constexpr const char* kVenuesRepaired =
    "This scenario was missing the venues.txt file. The editor has now copied the new game venues "
    "file into this scenario's folder.";

class StartScreenTest : public test::EditorTest {
protected:
    StartScreen& start = editor.start;
    EditingMenu& menu = editor.menu;

    // "1" for each enabled button, in menu order.
    std::string enabled() const {
        std::string e;
        for (int i = 0; i < kMenuButtonCount; ++i) {
            e += menu.isEnabled(static_cast<MenuButton>(i)) ? '1' : '0';
        }
        return e;
    }
    void choose(const std::string& item) {
        const auto& items = start.items();
        const auto it = std::find(items.begin(), items.end(), item);
        ASSERT_NE(it, items.end()) << item;
        start.select(static_cast<int>(it - items.begin()));
        start.ok();
    }
};

TEST_F(StartScreenTest, StartUpNeedsADataFolderNamedExactlyDataAndExitEnds) {
    {
        test::TempGameFolder elsewhere(false);
        elsewhere.makeFolder("data");
        EXPECT_FALSE(start.startUp());
        EXPECT_EQ(std::tuple(lastShown().text, lastShown().icon, lastShown().title),
                  std::tuple(kWrongFolder, Icon::Exclamation, "BM 1.3 Official Editor"));
        EXPECT_TRUE(navigator.quitRequested);
        EXPECT_FALSE(navigator.isVisible(Screen::Start));
    }
    dialogs.clear();
    navigator.quitRequested = false;
    EXPECT_TRUE(start.startUp());
    start.exit(); // without a question
    EXPECT_TRUE(navigator.quitRequested);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(StartScreenTest, EachContextSetsFolderHeadingAndEnabledButtons) {
    game.makeFolder("Scenarios/Old Times");
    game.write("Scenarios/Old Times/maindata.bm1", "x");
    game.write("Scenarios/Old Times/venues.txt", "x");
    game.write("save1.sav", "Season Two\r\nignored\r\n");
    game.makeFolder("Season Two");

    const struct {
        ContextKind kind;
        const char* name; // chosen from the list
        const char* folder;
        std::string_view heading;
        const char* enabled; // promotions, wrestlers, start date, venues, checks, info
    } cases[] = {
        {ContextKind::Scenario, "Old Times", "\\Scenarios\\Old Times\\", kHeadingScenario,
         "1111111"},
        {ContextKind::SavedGame, "Season Two", "\\Season Two\\", kHeadingSavedGame, "0100100"},
        {ContextKind::NewGameData, "after a saved game", "\\Data\\", kHeadingNewGame, "1111100"},
    };
    ASSERT_TRUE(start.startUp());
    for (const auto& c : cases) {
        if (c.kind == ContextKind::NewGameData) {
            start.editNewGameData();
        } else {
            c.kind == ContextKind::Scenario ? start.editScenario() : start.editSavedGame();
            choose(c.name);
        }
        EXPECT_EQ(editor.context.folder(), c.folder) << c.name;
        EXPECT_EQ(menu.heading(), c.heading) << c.name;
        EXPECT_EQ(enabled(), c.enabled) << c.name;
        EXPECT_EQ(navigator.visible, std::set{Screen::EditingMenu}) << c.name;
        EXPECT_FALSE(start.choosing()) << c.name;
        menu.backToMenu();
        EXPECT_EQ(enabled(), "1111111") << "Back To Menu enables all seven after " << c.name;
        EXPECT_EQ(navigator.current(), Screen::Start);
    }
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(StartScreenTest, ScenarioListIsMadeWhenMissingAndOkWithoutChoiceSaysSo) {
    {
        test::FailNext fail(test::Op::MakeFolder, EACCES);
        start.editScenario();
    }
    EXPECT_EQ(dialogs.texts(),
              std::vector<std::string>{"The folder \"" + game.path("Scenarios").string() +
                                       "\" could not be created (Permission denied)."});
    EXPECT_EQ(lastShown().icon, Icon::Exclamation);
    EXPECT_TRUE(start.choosing()) << "an empty list";

    dialogs.clear();
    start.editScenario();
    EXPECT_TRUE(start.items().empty());
    start.ok();
    EXPECT_EQ(std::tuple(lastShown().text, lastShown().icon),
              std::tuple("Nothing is selected!", Icon::None));
    EXPECT_FALSE(start.choosing()) << "the list closes after the message";
    EXPECT_NE(navigator.current(), Screen::EditingMenu);

    game.makeFolder("Scenarios/Zeta");
    start.editScenario();
    start.select(0);
    start.cancel();
    EXPECT_FALSE(start.choosing());
    EXPECT_EQ(editor.context.folder(), "\\Data\\") << "Cancel chooses nothing";
}

TEST_F(StartScreenTest, ScenarioMissingBaseFilesIsRepairedFromTheDataFolder) {
    game.makeFolder("Scenarios/Both Missing");
    game.makeFolder("Scenarios/Venues Missing");
    game.write("Scenarios/Venues Missing/maindata.bm1", "own");
    const auto enter = [&](const std::string& scenario) {
        menu.backToMenu();
        dialogs.clear();
        start.editScenario();
        choose(scenario);
    };

    // Nothing to copy from: each missing file is named, and nothing is made.
    enter("Both Missing");
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_NE(dialogs.texts()[0].find(game.path("Data/maindata.bm1").string()), std::string::npos);
    EXPECT_NE(dialogs.texts()[1].find(game.path("Data/venues.txt").string()), std::string::npos);
    EXPECT_EQ(navigator.current(), Screen::EditingMenu);

    const std::string mainData = "line0\r\nline1\r\nWednesday\r\n18\r\nAugust\r\n2004\r\n\xe9\r\n";
    const std::string venues = "Hall\r\nTown, State\r\nTown\r\n900\r\nUSA\r\nNone\r\n";
    game.write("Data/maindata.bm1", mainData);
    game.write("Data/venues.txt", venues);
    enter("Both Missing");
    EXPECT_EQ(dialogs.texts(), (std::vector<std::string>{kMainDataRepaired, kVenuesRepaired}));
    EXPECT_EQ(lastShown().icon, Icon::Information);
    EXPECT_EQ(game.read("Scenarios/Both Missing/maindata.bm1"), mainData);
    EXPECT_EQ(game.read("Scenarios/Both Missing/venues.txt"), venues);

    enter("Venues Missing");
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{kVenuesRepaired});
    EXPECT_EQ(game.read("Scenarios/Venues Missing/maindata.bm1"), "own");

    // A copy that fails is named with the reason; the other is still repaired.
    const std::string failed = "Scenarios/Both Missing/maindata.bm1";
    fs::remove(game.path(failed));
    fs::remove(game.path("Scenarios/Both Missing/venues.txt"));
    {
        test::FailNext fail(test::Op::Rename);
        enter("Both Missing");
    }
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[0].icon, Icon::Critical);
    EXPECT_NE(dialogs.texts()[0].find(game.path(failed).string() + "\": "), std::string::npos);
    EXPECT_NE(dialogs.texts()[0].find(strerror(EIO)), std::string::npos);
    EXPECT_EQ(dialogs.shown()[1].text, kVenuesRepaired);
    EXPECT_FALSE(game.exists(failed));
    EXPECT_TRUE(test::strayTemporaryFiles(game.root()).empty());
}

// Saved games are listed by the first line of each marker, in marker order;
// a marker that is empty or leads outside the game folder is named and left out.
TEST_F(StartScreenTest, SavedGamesAreListedByTheirMarkersFirstLines) {
    game.write("b.sav", "Game Two\r\nrest\r\nis\r\nignored");
    game.write("a.sav", "Game One");
    const char* refused[][2] = {{"1.sav", ""},         {"2.sav", "\r\nSecond"}, {"3.sav", "..\r\n"},
                                {"4.sav", "C:\\Save"}, {"5.sav", "\\root"},     {"6.sav", "../up"}};
    for (const auto& [marker, bytes] : refused) {
        game.write(marker, bytes);
    }
    game.write("c.SAV", "Not a marker\r\n");
    game.write("8.sav", "Unix Save\nrest\n");
    game.makeFolder("Game Two");
    start.editSavedGame();
    EXPECT_EQ(start.listHeading(), "Choose a Saved Game to Edit");
    EXPECT_EQ(start.items(), (std::vector<std::string>{"Game One", "Game Two"}));
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(lastShown().icon, Icon::Exclamation);
    for (const auto& [marker, bytes] : refused) {
        EXPECT_NE(lastShown().text.find(marker), std::string::npos) << marker;
    }
    EXPECT_NE(lastShown().text.find("\r\nThe saved game file \"8.sav\" has lines ended by a "
                                    "bare line feed (LF) instead of CR LF."),
              std::string::npos)
        << lastShown().text;
    EXPECT_EQ(lastShown().text.find("a.sav"), std::string::npos);
    choose("Game Two");
    EXPECT_EQ(editor.context.folder(), "\\Game Two\\");
    EXPECT_EQ(editor.context.pathOf("wrestlers.bm1"), game.path("Game Two/wrestlers.bm1"));
}

// A report hides "Back To Menu" and the scenario info button until its OK;
// a hidden or disabled button does nothing, whatever the view does.
TEST_F(StartScreenTest, ButtonsActOnlyWhenEnabledAndVisible) {
    std::vector<MenuButton> pressed;
    for (int i = 0; i < kMenuButtonCount; ++i) {
        const auto b = static_cast<MenuButton>(i);
        menu.setAction(b, [&pressed, b] { pressed.push_back(b); });
    }
    editor.context.enter(ContextKind::Scenario, "\\Scenarios\\Old\\");
    menu.showReport("Results Of The Date Check", "line 1\r\nline 2");
    menu.showReport("Results Of The Scenario Check", "replaced");
    EXPECT_TRUE(menu.reporting());
    EXPECT_EQ(menu.reportHeading(), "Results Of The Scenario Check");
    EXPECT_EQ(menu.reportText(), "replaced");
    EXPECT_FALSE(menu.backToMenuVisible());
    EXPECT_FALSE(menu.isVisible(MenuButton::ScenarioInfo));
    menu.press(MenuButton::ScenarioInfo);
    menu.press(MenuButton::CheckDates); // other checks stay reachable
    menu.backToMenu();
    EXPECT_NE(navigator.current(), Screen::Start);

    menu.closeReport();
    EXPECT_FALSE(menu.reporting());
    EXPECT_TRUE(menu.backToMenuVisible());
    EXPECT_TRUE(menu.isVisible(MenuButton::ScenarioInfo));
    menu.press(MenuButton::ScenarioInfo);

    editor.context.enter(ContextKind::SavedGame, "\\Game\\");
    menu.showReport("h", "t");
    menu.closeReport(); // shows the info button again, but does not enable it
    for (const auto b : {MenuButton::Venues, MenuButton::ScenarioInfo, MenuButton::Wrestlers}) {
        menu.press(b);
    }
    EXPECT_EQ(pressed, (std::vector<MenuButton>{MenuButton::CheckDates, MenuButton::ScenarioInfo,
                                                MenuButton::Wrestlers}));
}

} // namespace
} // namespace bm::context
