#include "core/roster/roster_screen.h"

#include "core/roster/roster_fixture.h"

#include <filesystem>
#include <tuple>

namespace bm::roster {
namespace {

namespace fs = std::filesystem;
using Kind = bm::test::ScriptedDialogs::Kind;
using test::Wrestler;
using test::wrestlersFile;
using ui::Icon;
using ui::Screen;

class RosterScreenTest : public test::RosterTest {};

TEST_F(RosterScreenTest, OpeningReadsTheFileAfreshOrCreatesAnEmptyOne) {
    editor.menu.press(context::MenuButton::Wrestlers);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(navigator.current(), Screen::Roster);
    EXPECT_TRUE(game.exists("Data/wrestlers.bm1"));
    EXPECT_EQ(file(), "");
    EXPECT_EQ(screen.rowCount(), 0);
    EXPECT_EQ(screen.totalnum(), "0");

    screen.done();
    openWith({{"Zed", "NWC"}, {"amy"}, {"Bo", "CCW", "3"}});
    EXPECT_EQ(listed(), (std::vector<std::string>{"amy", "Bo", "Zed"}));
    EXPECT_EQ(screen.cell(2, kPromotionColumn), "NWC");
    EXPECT_EQ(screen.totalnum(), "3");

    // A damaged file is refused by name; the menu stays and nothing is lost.
    screen.done();
    const std::string damaged = wrestlersFile({{"Cy"}}) + "half\r\n";
    game.write("Data/wrestlers.bm1", damaged);
    editor.menu.press(context::MenuButton::Wrestlers);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].icon, Icon::Critical);
    EXPECT_NE(dialogs.shown()[0].text.find(game.path("Data/wrestlers.bm1").string()),
              std::string::npos);
    EXPECT_EQ(navigator.current(), Screen::EditingMenu);
    EXPECT_EQ(screen.roster().size(), 3u);
    EXPECT_EQ(file(), damaged);
}

TEST_F(RosterScreenTest, ShowsAllOrInjuredAndSearchesCaseBlind) {
    const std::string emile = "\xC9mile Hart"; // E acute in the game's code page
    openWith({{"Hal Brandt"},
              {"shane harlow", "NWC", "12"},
              {"ZED HAMMER", "NWC", "00"},
              {"Abe Ortiz"},
              {emile}});
    const std::vector<std::string> all{"Abe Ortiz", "Hal Brandt", "shane harlow", "ZED HAMMER",
                                       emile};
    const std::string noResults = "No results were found which matched your search.";
    enum class Act { ShowInjured, ShowAll, Search };
    const struct {
        Act act;
        std::string search;
        std::vector<std::string> listed;
        std::string message; // shown with the information icon
    } cases[] = {
        {Act::ShowInjured, "", {"shane harlow", "ZED HAMMER"}, ""},
        {Act::ShowAll, "", all, ""},
        {Act::Search, "ha", {"Hal Brandt", "shane harlow", "ZED HAMMER", emile}, ""},
        {Act::Search, "\xE9", {emile}, ""},
        {Act::Search, "e h*t", {emile}, ""},
        {Act::Search, "qq", {}, noResults},
        // An empty box reports and leaves the list as the last search left it.
        {Act::Search, "", {}, "No text entered for this search."},
    };
    for (const auto& c : cases) {
        dialogs.clear();
        if (c.act == Act::ShowInjured) {
            screen.showInjured();
        } else if (c.act == Act::ShowAll) {
            screen.showAll();
        } else {
            screen.typeSearch(c.search);
            screen.search();
        }
        EXPECT_EQ(listed(), c.listed) << c.search;
        if (c.message.empty()) {
            EXPECT_TRUE(dialogs.shown().empty()) << c.search;
        } else {
            ASSERT_EQ(dialogs.shown().size(), 1u) << c.search;
            EXPECT_EQ(std::tuple(dialogs.shown()[0].text, dialogs.shown()[0].icon),
                      std::tuple(c.message, Icon::Information));
        }
    }
    EXPECT_EQ(screen.showbutton(), ShowWhich::All);
}

// The cell order itself is the column sort's; here, that equal promotions
// keep their names in order.
TEST_F(RosterScreenTest, SortsByPromotionWithNamesBreakingTies) {
    openWith({{"Ed", "abd"}, {"Al", "10"}, {"Cy", "abd"}, {"Bo", "ABC"}, {"Di", "9"}});
    screen.sortByPromotion();
    EXPECT_EQ(listed(), (std::vector<std::string>{"Di", "Al", "Bo", "Cy", "Ed"}));
    screen.sortByName();
    EXPECT_EQ(listed(), (std::vector<std::string>{"Al", "Bo", "Cy", "Di", "Ed"}));
}

TEST_F(RosterScreenTest, ComingBackFromTheEditorRelistsSortsAndScrolls) {
    openWith({{"Al", "ZZ"}, {"Bo", "AA", "5"}, {"Cy", "MM", "9"}, {"Di", "BB"}});
    std::vector<int> tops;
    const auto watching = screen.rowsChanged().subscribe([&](int top) { tops.push_back(top); });

    // The sort chosen last survives an edit.
    screen.sortByPromotion();
    edit("Di");
    EXPECT_EQ(navigator.current(), Screen::StatEditor);
    stats.close();
    EXPECT_EQ(navigator.current(), Screen::Roster);
    EXPECT_EQ(listed(), (std::vector<std::string>{"Bo", "Di", "Cy", "Al"}));
    EXPECT_EQ(tops.back(), 1) << "the row opened comes back at the top";

    // "Show All" sorts by name although the sort chosen stays.
    screen.showAll();
    EXPECT_EQ(listed(), (std::vector<std::string>{"Al", "Bo", "Cy", "Di"}));
    EXPECT_EQ(screen.sortbutton(), SortBy::Promotion);

    // Cured in the editor: no longer injured, no longer listed.
    screen.showInjured();
    edit("Cy");
    stats.clickCell(static_cast<int>(indexOf(Field::injury)), 1);
    stats.typeText("0");
    stats.apply();
    stats.close();
    EXPECT_EQ(listed(), (std::vector<std::string>{"Bo"}));
    EXPECT_EQ(tops.back(), 0) << "row 1 no longer exists";

    // Deleted: gone from every list.
    edit("Bo");
    dialogs.yes();
    stats.deleteWrestler();
    EXPECT_EQ(listed(), std::vector<std::string>{});
    screen.showAll();
    EXPECT_EQ(listed(), (std::vector<std::string>{"Al", "Cy", "Di"}));
    EXPECT_EQ(screen.totalnum(), "3");
}

TEST_F(RosterScreenTest, CreatesNewWrestlersWithGeneratedNamesAndOpensThem) {
    openWith({{"Al"}});
    screen.createNewWrestler();
    stats.close();
    screen.createNewWrestler();
    EXPECT_EQ(navigator.current(), Screen::StatEditor);
    EXPECT_EQ(stats.heading(), "New Wrestler 1");
    EXPECT_EQ(stats.entry(), 2u);
    EXPECT_EQ(screen.totalnum(), "3");
    EXPECT_EQ(screen.roster()[1].names(), "New Wrestler");
    EXPECT_EQ(screen.roster()[2].expires(), "July 2007");
    EXPECT_TRUE(screen.hasUnsavedChanges());
    EXPECT_TRUE(dialogs.shown().empty());

    // Without a start year no contract can be dated: nothing is made.
    stats.close();
    fs::remove(game.path("Data/maindata.bm1"));
    screen.createNewWrestler();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_NE(dialogs.shown()[0].text.find("maindata.bm1"), std::string::npos);
    EXPECT_EQ(screen.roster().size(), 3u);
    EXPECT_EQ(navigator.current(), Screen::Roster);
}

TEST_F(RosterScreenTest, AFullRosterTakesNoNewWrestler) {
    std::string full;
    const std::string one = wrestlersFile({{"X"}});
    for (std::size_t i = 0; i < kMaxWrestlers; ++i) {
        full += one;
    }
    game.write("Data/wrestlers.bm1", full);
    editor.menu.press(context::MenuButton::Wrestlers);
    screen.createNewWrestler();
    EXPECT_EQ(dialogs.texts(),
              std::vector<std::string>{
                  "The roster already holds 32767 wrestlers, the most the game can use. Delete a "
                  "wrestler before you create a new one."});
    EXPECT_EQ(screen.roster().size(), kMaxWrestlers);
    EXPECT_FALSE(screen.hasUnsavedChanges());
}

TEST_F(RosterScreenTest, SavesOnRequestAndAsksBeforeLeavingAfterAnyOpening) {
    openWith({{"Al"}, {"Bo"}});
    const std::string original = file();
    const auto leave = [&] {
        dialogs.clear();
        screen.done();
        return navigator.current();
    };
    EXPECT_EQ(leave(), Screen::EditingMenu);
    EXPECT_TRUE(dialogs.shown().empty()) << "nothing opened, nothing asked";

    // Opening counts as a change; No leaves the file as it was.
    editor.menu.press(context::MenuButton::Wrestlers);
    edit("Bo");
    stats.close();
    dialogs.no();
    EXPECT_EQ(leave(), Screen::EditingMenu);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(std::tuple(dialogs.shown()[0].kind, dialogs.shown()[0].text),
              std::tuple(Kind::Question, "Save changes before leaving?"));
    EXPECT_EQ(file(), original);

    // Saved in roster order, not list order.
    editor.menu.press(context::MenuButton::Wrestlers);
    edit("Al");
    stats.clickCell(0, 1);
    stats.typeText("Zed");
    stats.apply();
    stats.close();
    dialogs.clear();
    screen.saveChanges();
    EXPECT_EQ(dialogs.texts(), (std::vector<std::string>{"Saved OK."}));
    EXPECT_EQ(file(), std::string(original).replace(0, 2, "Zed"));
    EXPECT_EQ(leave(), Screen::EditingMenu);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(RosterScreenTest, AFailedSaveIsReportedAndKeepsTheUserAndTheChanges) {
    openWith({{"Al"}});
    edit("Al");
    stats.close();
    fs::remove(game.path("Data/wrestlers.bm1"));
    game.makeFolder("Data/wrestlers.bm1"); // in the way of the file
    dialogs.clear();
    screen.saveChanges();
    dialogs.yes();
    screen.done();
    ASSERT_EQ(dialogs.shown().size(), 3u);
    for (const std::size_t i : {0u, 2u}) {
        EXPECT_EQ(dialogs.shown()[i].icon, Icon::Critical);
        EXPECT_NE(dialogs.shown()[i].text.find("wrestlers.bm1"), std::string::npos);
    }
    EXPECT_EQ(navigator.current(), Screen::Roster);
    EXPECT_TRUE(screen.hasUnsavedChanges());
}

} // namespace
} // namespace bm::roster
