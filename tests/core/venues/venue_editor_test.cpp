#include "core/venues/venue_editor.h"

#include "core/platform/line_file.h"
#include "support/editor_fixture.h"

#include <filesystem>
#include <string>
#include <vector>

namespace bm::venues {
namespace {

namespace fs = std::filesystem;
using platform::Lines;
using ui::Icon;
using ui::Screen;
using Kind = test::ScriptedDialogs::Kind;
using Names = std::vector<std::string>;

Lines venue(const std::string& name, const std::string& country) {
    return {name, name + " Town, Shire", name + " Town", "500", country, "None"};
}

Lines concat(std::initializer_list<Lines> parts) {
    Lines all;
    for (const auto& p : parts) {
        all.insert(all.end(), p.begin(), p.end());
    }
    return all;
}

// Numeric names, letter case, odd countries, a nameless record and two
// trailing lines that make no record.
const Lines kTrailing{"Stray Hall", "\xe9 half a record"};
const Lines kFile =
    concat({venue("Harbor Hall", "USA"), venue("10", "UK"), venue("9", "USA"),
            venue("arena North", "Japan"), venue("Zephyr Dome", "usa"),
            venue("Basin Bowl", "Mexico"), venue("", "USA"), venue("2.5", "Other"), kTrailing});
const Names kAllSorted{"2.5", "9", "10", "arena North", "Basin Bowl", "Harbor Hall", "Zephyr Dome"};

class VenueEditorTest : public test::EditorTest {
protected:
    VenueEditor& venues = editor.venues;

    void SetUp() override { editor.start.editNewGameData(); }
    void open(const Lines& lines = kFile) {
        game.writeLines("Data/venues.txt", lines);
        editor.menu.press(context::MenuButton::Venues);
        dialogs.clear();
    }
    Lines file() const { return platform::splitLines(game.read("Data/venues.txt")); }
    void select(const std::string& name) {
        const auto& n = venues.names();
        const auto it = std::find(n.begin(), n.end(), name);
        ASSERT_NE(it, n.end()) << name;
        venues.selectName(static_cast<int>(it - n.begin()));
    }
    // Every message and question was a plain box with the program title.
    void expectPlainBoxes() const {
        for (const auto& s : dialogs.shown()) {
            if (s.kind == Kind::Prompt) {
                continue;
            }
            EXPECT_EQ(s.icon, Icon::None) << s.text;
            EXPECT_EQ(s.title, "BM 1.3 Official Editor") << s.text;
        }
    }
};

TEST_F(VenueEditorTest, OpensOnTheFirstRecordBesideAllNamesSorted) {
    open();
    EXPECT_EQ(navigator.current(), Screen::Venues);
    EXPECT_EQ(venues.marked(), VenueFilter::All);
    EXPECT_EQ(venues.names(), kAllSorted);
    EXPECT_EQ(venues.totalShowing(), "7");
    EXPECT_EQ(venues.shown(VenueField::venuename), "Harbor Hall");
    EXPECT_EQ(venues.shown(VenueField::cityname), "Harbor Hall Town");
    EXPECT_EQ(venues.selectedRow(), 5);
    EXPECT_FALSE(venues.editing());
    EXPECT_TRUE(venues.isEnabled(VenueButton::Edit));
    EXPECT_FALSE(venues.isEnabled(VenueButton::ConfirmChanges));

    select("Zephyr Dome");
    EXPECT_EQ(venues.country().text(), "Other") << "a country outside the four shows as Other";
    EXPECT_EQ(venues.shown(VenueField::capacity), "500");
}

TEST_F(VenueEditorTest, EachFilterListsExactlyItsCountryAndShowsTheFirstName) {
    const struct {
        VenueFilter filter;
        Names names;
        const char* country;
    } cases[] = {
        {VenueFilter::USA, {"9", "Harbor Hall"}, "USA"}, {VenueFilter::UK, {"10"}, "UK"},
        {VenueFilter::Japan, {"arena North"}, "Japan"},  {VenueFilter::Other, {"2.5"}, "Other"},
        {VenueFilter::All, kAllSorted, "Other"},
    };
    open();
    for (const auto& c : cases) {
        venues.filter(c.filter);
        EXPECT_EQ(venues.marked(), c.filter);
        EXPECT_EQ(venues.names(), c.names);
        EXPECT_EQ(venues.totalShowing(), std::to_string(c.names.size()));
        EXPECT_EQ(venues.shown(VenueField::venuename), c.names.front());
        EXPECT_EQ(venues.selectedRow(), 0);
        EXPECT_EQ(venues.country().text(), c.country);
    }
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(VenueEditorTest, PromptsApplyTheirRulesAndConfirmRewritesOnlyThatRecord) {
    open();
    venues.edit();
    ASSERT_TRUE(venues.editing());
    const char* kTaken = "There is already a venue in this file with this name.";
    const struct {
        VenueField field;
        const char* title;
        const char* message;
        const char* answer;
        const char* shown;
        bool refused;
    } cases[] = {
        {VenueField::venuename, "Venue Name", "Please enter the name of this venue.", "Harbor Hall",
         "Harbor Hall", true},
        {VenueField::venuename, "Venue Name", "Please enter the name of this venue.", "9",
         "Harbor Hall", true},
        {VenueField::venuename, "Venue Name", "Please enter the name of this venue.", "",
         "Harbor Hall", false},
        {VenueField::venuename, "Venue Name", "Please enter the name of this venue.", "Anchor Yard",
         "Anchor Yard", false},
        {VenueField::citystate, "City & State",
         "Please enter the city and state where this venue is located.", "Quay, Coast",
         "Quay, Coast", false},
        {VenueField::cityname, "City Name",
         "Please enter just the city name where this venue is located.", "Quay", "Quay", false},
        {VenueField::exclusiveto, "Venue Exclusive To Promotion?",
         "Please enter the initials of a promotion this venue is exclusive to, or enter 'None'.",
         "XWA", "XWA", false},
        {VenueField::capacity, "Capacity", "Please enter the capacity of this venue.", "12,500",
         "12", false},
        {VenueField::capacity, "Capacity", "Please enter the capacity of this venue.", "abc",
         "1000", false},
        {VenueField::capacity, "Capacity", "Please enter the capacity of this venue.", "0", "1000",
         false},
        {VenueField::capacity, "Capacity", "Please enter the capacity of this venue.", "-40", "-40",
         false},
        {VenueField::capacity, "Capacity", "Please enter the capacity of this venue.",
         " 7.5e2 seats", "750", false},
    };
    for (const auto& c : cases) {
        const std::string before = venues.shown(c.field);
        dialogs.clear();
        dialogs.reply(c.answer);
        venues.editField(c.field);
        ASSERT_GE(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.shown()[0].title, c.title);
        EXPECT_EQ(dialogs.shown()[0].text, c.message);
        EXPECT_EQ(dialogs.shown()[0].initial, before);
        EXPECT_EQ(dialogs.texts().size(), c.refused ? 2u : 1u) << c.answer;
        if (c.refused) {
            EXPECT_EQ(dialogs.texts().back(), kTaken);
        }
        EXPECT_EQ(venues.shown(c.field), c.shown) << c.answer;
    }
    expectPlainBoxes();
    EXPECT_EQ(file(), kFile) << "nothing is written before Confirm Changes";

    dialogs.clear();
    venues.chooseCountry(1);
    venues.confirmChanges();
    EXPECT_EQ(dialogs.texts(), Names{"Changes Saved OK."});
    expectPlainBoxes();
    Lines expected = kFile;
    const Lines changed{"Anchor Yard", "Quay, Coast", "Quay", "750", "UK", "XWA"};
    std::copy(changed.begin(), changed.end(), expected.begin());
    EXPECT_EQ(file(), expected);
    EXPECT_FALSE(venues.editing());
    EXPECT_EQ(venues.marked(), VenueFilter::All) << "Show All stays when the country changes";
    EXPECT_EQ(venues.names()[5], "Anchor Yard") << "renamed where it stood, not sorted yet";
    EXPECT_EQ(venues.selectedRow(), 5);

    // The new name is now the key: editing again finds the same record.
    venues.edit();
    dialogs.reply("Anchor Yard Two");
    venues.editField(VenueField::venuename);
    venues.confirmChanges();
    EXPECT_EQ(file()[0], "Anchor Yard Two");
    EXPECT_EQ(file().size(), kFile.size());
}

TEST_F(VenueEditorTest, ACountryChangedUnderAFilterMovesTheMarkWithTheVenue) {
    open();
    venues.filter(VenueFilter::UK);
    venues.edit();
    venues.chooseCountry(2);
    venues.confirmChanges();
    EXPECT_EQ(venues.marked(), VenueFilter::Japan);
    EXPECT_EQ(venues.names(), (Names{"10", "arena North"}));
    EXPECT_EQ(venues.selectedRow(), 0);
    EXPECT_EQ(venues.shown(VenueField::venuename), "10");
    EXPECT_EQ(file()[6 + 4], "Japan");
}

TEST_F(VenueEditorTest, CancelRestoresTheStoredValuesAndEachModeIgnoresTheOthersControls) {
    open();
    // Browse mode: the edit controls do nothing.
    venues.editField(VenueField::citystate);
    venues.chooseCountry(2);
    venues.confirmChanges();
    venues.cancelChanges();
    EXPECT_TRUE(dialogs.shown().empty());

    venues.edit();
    dialogs.reply("Somewhere Else");
    venues.editField(VenueField::citystate);
    venues.chooseCountry(2);
    // Edit mode: the browse controls do nothing.
    venues.filter(VenueFilter::UK);
    venues.selectName(0);
    venues.addNew();
    venues.deleteVenue();
    venues.backToMenu();
    EXPECT_EQ(navigator.current(), Screen::Venues);
    EXPECT_EQ(venues.marked(), VenueFilter::All);
    EXPECT_EQ(venues.shown(VenueField::venuename), "Harbor Hall");
    EXPECT_EQ(dialogs.shown().size(), 1u) << "only the prompt";

    venues.cancelChanges();
    EXPECT_FALSE(venues.editing());
    EXPECT_EQ(venues.shown(VenueField::citystate), "Harbor Hall Town, Shire");
    EXPECT_EQ(venues.country().text(), "USA");
    venues.backToMenu();
    EXPECT_EQ(navigator.current(), Screen::EditingMenu);
    EXPECT_EQ(file(), kFile);
}

TEST_F(VenueEditorTest, AddNewWritesTheFirstFreeDefaultNameAtOnceAheadOfStrayLines) {
    const Lines kNew{"", "Miami, Florida", "Florida", "1000", "USA", "None"};
    const struct {
        Names taken;
        const char* name;
    } cases[] = {
        {{}, "Default Venue"},
        {{"Default Venue"}, "Default Venue 1"},
        {{"Default Venue", "Default Venue 1"}, "Default Venue 2"},
        {{"Default Venue 1", "Default Venue"}, "Default Venue 2"},
        {{"Default Venue", "Default Venue 2"}, "Default Venue 1"},
    };
    for (const auto& c : cases) {
        Lines before;
        for (const auto& name : c.taken) {
            before = concat({before, venue(name, "UK")});
        }
        open(concat({before, kTrailing}));
        venues.filter(VenueFilter::Japan);
        venues.addNew();
        Lines added = kNew;
        added[0] = c.name;
        EXPECT_EQ(file(), concat({before, added, kTrailing})) << c.name;
        EXPECT_TRUE(venues.editing()) << c.name;
        EXPECT_EQ(venues.marked(), VenueFilter::All) << c.name;
        ASSERT_GE(venues.selectedRow(), 0) << c.name;
        EXPECT_EQ(venues.names()[static_cast<std::size_t>(venues.selectedRow())], c.name);
        EXPECT_EQ(venues.shown(VenueField::cityname), "Florida");
        EXPECT_EQ(venues.country().text(), "USA");
        venues.cancelChanges();
        EXPECT_EQ(file(), concat({before, added, kTrailing})) << "Cancel keeps the new venue";
        EXPECT_TRUE(dialogs.shown().empty());
    }
}

TEST_F(VenueEditorTest, DeleteAsksDefaultingToNoAndRemovesOnlyOnYes) {
    open();
    venues.filter(VenueFilter::UK);
    dialogs.no();
    venues.deleteVenue();
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[0].kind, Kind::Question);
    EXPECT_EQ(dialogs.shown()[0].text, "Are you sure you want to delete the venue ''10''?");
    EXPECT_EQ(dialogs.shown()[0].answer, ui::Default::No);
    EXPECT_EQ(dialogs.shown()[1].text, "Delete cancelled.");
    expectPlainBoxes();
    EXPECT_EQ(file(), kFile);

    // The last venue of a filtered list: nothing is left to show.
    dialogs.clear();
    dialogs.yes();
    venues.deleteVenue();
    EXPECT_EQ(dialogs.shown().size(), 1u);
    Lines expected = kFile;
    expected.erase(expected.begin() + 6, expected.begin() + 12);
    EXPECT_EQ(file(), expected);
    EXPECT_EQ(venues.marked(), VenueFilter::UK);
    EXPECT_EQ(venues.totalShowing(), "0");
    EXPECT_EQ(venues.shown(VenueField::venuename), "");
    EXPECT_EQ(venues.shown(VenueField::capacity), "");
    EXPECT_EQ(venues.country().text(), "Other");
    EXPECT_FALSE(venues.hasSelection());
}

TEST_F(VenueEditorTest, WithoutASelectedVenueEditAndDeleteSaySo) {
    open({});
    EXPECT_EQ(venues.totalShowing(), "0");
    EXPECT_EQ(venues.country().text(), "Other");
    venues.edit();
    venues.deleteVenue();
    EXPECT_EQ(dialogs.texts(), (Names{"No venue selected!", "No venue has been selected!"}));
    expectPlainBoxes();
    EXPECT_FALSE(venues.editing());
}

TEST_F(VenueEditorTest, AMissingFileOpensEmptyAndAnUnreadableOneIsRefused) {
    editor.menu.press(context::MenuButton::Venues);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(lastShown().icon, Icon::Information);
    EXPECT_NE(lastShown().text.find(game.path("Data/venues.txt").string()), std::string::npos);
    EXPECT_EQ(navigator.current(), Screen::Venues);
    EXPECT_FALSE(game.exists("Data/venues.txt")) << "nothing is made before a venue is added";
    venues.addNew();
    EXPECT_EQ(file().front(), "Default Venue");

    venues.cancelChanges();
    venues.backToMenu();
    fs::remove(game.path("Data/venues.txt"));
    game.makeFolder("Data/venues.txt");
    dialogs.clear();
    editor.menu.press(context::MenuButton::Venues);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(lastShown().icon, Icon::Exclamation);
    EXPECT_NE(lastShown().text.find(game.path("Data/venues.txt").string()), std::string::npos);
    EXPECT_EQ(navigator.current(), Screen::EditingMenu);
}

TEST_F(VenueEditorTest, AFailedWriteNamesTheFileAndChangesNothing) {
    const struct {
        const char* name;
        std::function<void()> act;
        bool editing;
    } cases[] = {
        {"confirm",
         [&] {
             venues.edit();
             dialogs.reply("Renamed");
             venues.editField(VenueField::venuename);
             venues.confirmChanges();
         },
         true},
        {"add", [&] { venues.addNew(); }, false},
        {"delete",
         [&] {
             dialogs.yes();
             venues.deleteVenue();
         },
         false},
    };
    for (const auto& c : cases) {
        fs::remove_all(game.path("Data/venues.txt"));
        open();
        fs::remove(game.path("Data/venues.txt"));
        game.makeFolder("Data/venues.txt"); // in the way of the new file
        c.act();
        ASSERT_FALSE(dialogs.shown().empty()) << c.name;
        EXPECT_EQ(lastShown().icon, Icon::Critical) << c.name;
        EXPECT_NE(lastShown().text.find(game.path("Data/venues.txt").string()), std::string::npos)
            << c.name << ": " << lastShown().text;
        EXPECT_EQ(venues.editing(), c.editing) << c.name;
        EXPECT_EQ(venues.names(), kAllSorted) << c.name;
        if (c.editing) {
            venues.cancelChanges();
        }
        EXPECT_EQ(venues.shown(VenueField::venuename), "Harbor Hall") << c.name;
    }
}

} // namespace
} // namespace bm::venues
