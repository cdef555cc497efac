#include "core/venues/venue_editor.h"

#include "core/platform/line_file.h"
#include "support/editor_fixture.h"

#include <filesystem>
#include <map>
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
    VenueEditor& venues = editor.venueEditor;

    void SetUp() override { editor.start.editNewGameData(); }
    void open(const Lines& lines = kFile) {
        game.writeLines("Data/venues.txt", lines);
        editor.menu.press(context::MenuButton::Venues);
        dialogs.clear();
    }
    Lines file() const { return platform::splitLines(game.read("Data/venues.txt")); }
    // Every message and question was a plain box with the program title.
    void expectPlainBoxes() const {
        for (const auto& s : dialogs.shown()) {
            EXPECT_TRUE(s.kind == Kind::Prompt ||
                        (s.icon == Icon::None && s.title == "BM 1.3 Official Editor"))
                << s.text;
        }
    }
};

TEST_F(VenueEditorTest, OpensOnTheFirstRecordAndEachFilterListsExactlyItsCountrySorted) {
    open();
    EXPECT_EQ(navigator.current(), Screen::Venues);
    EXPECT_EQ(venues.shown(VenueField::venuename), "Harbor Hall");
    EXPECT_EQ(venues.selectedRow(), 5);
    venues.selectName(6);
    EXPECT_EQ(venues.shown(VenueField::cityname), "Zephyr Dome Town");
    EXPECT_EQ(venues.country().text(), "Other") << "a country outside the four shows as Other";

    const struct {
        VenueFilter filter;
        Names names;
        const char* country;
    } cases[] = {
        {VenueFilter::USA, {"9", "Harbor Hall"}, "USA"}, {VenueFilter::UK, {"10"}, "UK"},
        {VenueFilter::Japan, {"arena North"}, "Japan"},  {VenueFilter::Other, {"2.5"}, "Other"},
        {VenueFilter::All, kAllSorted, "Other"},
    };
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
    const std::map<VenueField, std::pair<std::string, std::string>> texts{
        {VenueField::venuename, {"Venue Name", "Please enter the name of this venue."}},
        {VenueField::citystate,
         {"City & State", "Please enter the city and state where this venue is located."}},
        {VenueField::cityname,
         {"City Name", "Please enter just the city name where this venue is located."}},
        {VenueField::capacity, {"Capacity", "Please enter the capacity of this venue."}},
        {VenueField::exclusiveto,
         {"Venue Exclusive To Promotion?", "Please enter the initials of a promotion this venue "
                                           "is exclusive to, or enter 'None'."}},
    };
    const struct {
        VenueField field;
        const char* answer;
        const char* shown;
        bool refused;
    } cases[] = {
        {VenueField::venuename, "Harbor Hall", "Harbor Hall", true}, // its own stored name
        {VenueField::venuename, "9", "Harbor Hall", true},
        {VenueField::venuename, "", "Harbor Hall", false},
        {VenueField::venuename, "Anchor Yard", "Anchor Yard", false},
        {VenueField::citystate, "Quay, Coast", "Quay, Coast", false},
        {VenueField::cityname, "Quay", "Quay", false},
        {VenueField::exclusiveto, "XWA", "XWA", false},
        {VenueField::capacity, "0", "1000", false},
        {VenueField::capacity, "-40", "-40", false},
        {VenueField::capacity, "750 seats", "750", false},
    };
    open();
    venues.editField(VenueField::citystate); // browse mode: no prompt
    venues.edit();
    for (const auto& c : cases) {
        const std::string before = venues.shown(c.field);
        dialogs.clear();
        dialogs.reply(c.answer);
        venues.editField(c.field);
        ASSERT_GE(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.shown()[0].title, texts.at(c.field).first);
        EXPECT_EQ(dialogs.shown()[0].text, texts.at(c.field).second);
        EXPECT_EQ(dialogs.shown()[0].initial, before);
        EXPECT_EQ(dialogs.texts().size() == 2 &&
                      dialogs.texts()[1] == "There is already a venue in this file with this name.",
                  c.refused)
            << c.answer;
        EXPECT_EQ(venues.shown(c.field), c.shown) << c.answer;
        expectPlainBoxes();
    }
    venues.filter(VenueFilter::UK); // edit mode: the browse controls do nothing
    venues.addNew();
    venues.backToMenu();
    EXPECT_EQ(navigator.current(), Screen::Venues);
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
    EXPECT_EQ(venues.marked(), VenueFilter::All) << "Show All stays when the country changes";
    EXPECT_EQ(venues.names()[5], "Anchor Yard") << "renamed where it stood, not sorted yet";

    // The new name is the key now; under a filter, a new country takes the mark along.
    venues.filter(VenueFilter::UK);
    venues.selectName(1);
    venues.edit();
    venues.chooseCountry(2);
    venues.confirmChanges();
    EXPECT_EQ(venues.marked(), VenueFilter::Japan);
    EXPECT_EQ(venues.names(), (Names{"Anchor Yard", "arena North"}));
    EXPECT_EQ(venues.selectedRow(), 0);
    EXPECT_EQ(file()[line::country], "Japan");
}

TEST_F(VenueEditorTest, AddNewWritesTheFirstFreeDefaultNameAtOnceAheadOfStrayLines) {
    const struct {
        Names taken;
        const char* name;
    } cases[] = {
        {{}, "Default Venue"},
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
        const Lines made = concat(
            {before, {c.name, "Miami, Florida", "Florida", "1000", "USA", "None"}, kTrailing});
        EXPECT_EQ(file(), made) << c.name;
        EXPECT_TRUE(venues.editing()) << c.name;
        EXPECT_EQ(venues.marked(), VenueFilter::All) << c.name;
        EXPECT_EQ(venues.names().at(static_cast<std::size_t>(venues.selectedRow())), c.name);
        venues.cancelChanges();
        EXPECT_EQ(file(), made) << "Cancel keeps the new venue";
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
    dialogs.yes();
    venues.deleteVenue();
    Lines expected = kFile;
    expected.erase(expected.begin() + 6, expected.begin() + 12);
    EXPECT_EQ(file(), expected);
    EXPECT_EQ(venues.totalShowing(), "0");
    EXPECT_EQ(venues.shown(VenueField::venuename) + venues.shown(VenueField::capacity), "");
    EXPECT_EQ(venues.country().text(), "Other");

    dialogs.clear();
    venues.edit();
    venues.deleteVenue();
    EXPECT_EQ(dialogs.texts(), (Names{"No venue selected!", "No venue has been selected!"}));
    expectPlainBoxes();
}

TEST_F(VenueEditorTest, AMissingFileOpensEmptyAndIsMadeByTheFirstVenueAdded) {
    editor.menu.press(context::MenuButton::Venues);
    EXPECT_EQ(lastShown().icon, Icon::Information);
    EXPECT_NE(lastShown().text.find(game.path("Data/venues.txt").string()), std::string::npos);
    EXPECT_EQ(navigator.current(), Screen::Venues);
    EXPECT_FALSE(game.exists("Data/venues.txt"));
    venues.addNew();
    EXPECT_EQ(file().front(), "Default Venue");
}

TEST_F(VenueEditorTest, AFailedWriteNamesTheFileAndChangesNothing) {
    const struct {
        const char* name;
        std::function<void()> act;
    } cases[] = {
        {"confirm",
         [&] {
             venues.edit();
             dialogs.reply("Renamed");
             venues.editField(VenueField::venuename);
             venues.confirmChanges();
             EXPECT_TRUE(venues.editing()) << "still editing, to retry or cancel";
             venues.cancelChanges();
         }},
        {"add", [&] { venues.addNew(); }},
        {"delete", [&] { dialogs.yes(), venues.deleteVenue(); }},
    };
    for (const auto& c : cases) {
        fs::remove_all(game.path("Data/venues.txt"));
        open();
        fs::remove(game.path("Data/venues.txt"));
        game.makeFolder("Data/venues.txt"); // in the way of the new file
        c.act();
        EXPECT_EQ(lastShown().icon, Icon::Critical) << c.name;
        EXPECT_NE(lastShown().text.find(game.path("Data/venues.txt").string()), std::string::npos)
            << c.name << ": " << lastShown().text;
        EXPECT_FALSE(venues.editing()) << c.name;
        EXPECT_EQ(venues.names(), kAllSorted) << c.name;
        EXPECT_EQ(venues.shown(VenueField::venuename), "Harbor Hall") << c.name << " or cancelled";
    }
}

} // namespace
} // namespace bm::venues
