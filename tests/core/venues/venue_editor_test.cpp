#include "core/venues/venue_editor.h"

#include "core/platform/line_file.h"
#include "support/editor_fixture.h"

#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace bm::venues {
namespace {

using platform::Lines;
using ui::Icon;
using ui::Screen;
using Names = std::vector<std::string>;

// Six lines a venue, then `stray` lines that make no record.
Lines venueFile(const std::vector<std::pair<std::string, std::string>>& named, const Lines& stray) {
    Lines all;
    for (const auto& [name, country] : named) {
        all.insert(all.end(),
                   {name, name + " Town, Shire", name + " Town", "500", country, "None"});
    }
    all.insert(all.end(), stray.begin(), stray.end());
    return all;
}

// Numeric names, letter case, odd countries, a nameless record and two
// trailing lines that make no record.
const Lines kTrailing{"Stray Hall", "\xe9 half a record"};
const Lines kFile = venueFile({{"Harbor Hall", "USA"},
                               {"10", "UK"},
                               {"9", "USA"},
                               {"arena North", "Japan"},
                               {"Zephyr Dome", "usa"},
                               {"Basin Bowl", "Mexico"},
                               {"", "USA"},
                               {"2.5", "Other"}},
                              kTrailing);
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
};

TEST_F(VenueEditorTest, OpensOnTheFirstRecordAndEachFilterListsExactlyItsCountrySorted) {
    open();
    EXPECT_EQ(
        std::tuple(navigator.current(), venues.shown(VenueField::venuename), venues.selectedRow()),
        std::tuple(Screen::Venues, "Harbor Hall", 5));

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
        EXPECT_EQ(std::tuple(venues.marked(), venues.names(), venues.totalShowing()),
                  std::tuple(c.filter, c.names, std::to_string(c.names.size())));
        EXPECT_EQ(std::tuple(venues.shown(VenueField::venuename), venues.selectedRow(),
                             venues.country().text()),
                  std::tuple(c.names.front(), 0, c.country));
    }
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(VenueEditorTest, PromptsApplyTheirRulesAndConfirmRewritesOnlyThatRecord) {
    const struct {
        const char* title;
        const char* text;
    } prompts[] = {
        // in the order of VenueField
        {"Venue Name", "Please enter the name of this venue."},
        {"City & State", "Please enter the city and state where this venue is located."},
        {"City Name", "Please enter just the city name where this venue is located."},
        {"Capacity", "Please enter the capacity of this venue."},
        {"Venue Exclusive To Promotion?",
         "Please enter the initials of a promotion this venue is exclusive to, or enter 'None'."},
    };
    const struct {
        VenueField field;
        const char* answer;
        const char* shown;
        bool refused;
    } cases[] = {
        {VenueField::venuename, "Harbor Hall", "Harbor Hall", true}, // its own stored name
        {VenueField::venuename, "", "Harbor Hall", false},
        {VenueField::venuename, "Anchor Yard", "Anchor Yard", false},
        {VenueField::citystate, "Quay, Coast", "Quay, Coast", false},
        {VenueField::cityname, "Quay", "Quay", false},
        {VenueField::exclusiveto, "XWA", "XWA", false},
        {VenueField::capacity, "0", "1000", false},
        {VenueField::capacity, "750 seats", "750", false},
    };
    open();
    venues.edit();
    for (const auto& c : cases) {
        const std::string before = venues.shown(c.field);
        dialogs.clear();
        dialogs.reply(c.answer);
        venues.editField(c.field);
        const auto& prompt = dialogs.shown()[0];
        const auto& expected = prompts[static_cast<std::size_t>(c.field)];
        EXPECT_EQ(std::tuple(prompt.title, prompt.text, prompt.initial),
                  std::tuple(expected.title, expected.text, before));
        const Names refused{expected.text, "There is already a venue in this file with this name."};
        EXPECT_EQ(dialogs.texts(), Names(refused.begin(), refused.begin() + (c.refused ? 2 : 1)));
        EXPECT_EQ(venues.shown(c.field), c.shown) << c.answer;
    }
    EXPECT_EQ(file(), kFile) << "nothing is written before Confirm Changes";

    dialogs.clear();
    venues.chooseCountry(1);
    venues.confirmChanges();
    EXPECT_EQ(dialogs.texts(), Names{"Changes Saved OK."});
    Lines expected = kFile;
    const Lines changed{"Anchor Yard", "Quay, Coast", "Quay", "750", "UK", "XWA"};
    std::copy(changed.begin(), changed.end(), expected.begin());
    EXPECT_EQ(file(), expected);
    // Show All stays although the country changed; renamed where it stood, not sorted yet.
    EXPECT_EQ(std::tuple(venues.marked(), venues.names()[5]),
              std::tuple(VenueFilter::All, "Anchor Yard"));

    // The new name is the key now; under a filter, a new country takes the mark along.
    venues.filter(VenueFilter::UK);
    venues.selectName(1);
    venues.edit();
    venues.chooseCountry(2);
    venues.confirmChanges();
    EXPECT_EQ(std::tuple(venues.marked(), venues.names(), venues.selectedRow()),
              std::tuple(VenueFilter::Japan, Names{"Anchor Yard", "arena North"}, 0));
    EXPECT_EQ(file()[line::country], "Japan");
}

TEST_F(VenueEditorTest, DeleteAsksDefaultingToNoAndRemovesOnlyOnYes) {
    open();
    venues.filter(VenueFilter::UK);
    dialogs.no();
    venues.deleteVenue();
    EXPECT_EQ(dialogs.texts(),
              (Names{"Are you sure you want to delete the venue ''10''?", "Delete cancelled."}));
    const auto& asked = dialogs.shown()[0];
    EXPECT_EQ(std::tuple(asked.kind, asked.answer, asked.icon, asked.title),
              std::tuple(test::ScriptedDialogs::Kind::Question, ui::Default::No, Icon::None,
                         "BM 1.3 Official Editor"));
    EXPECT_EQ(file(), kFile);

    // The last venue of a filtered list: nothing is left to show.
    dialogs.yes();
    venues.deleteVenue();
    Lines expected = kFile;
    expected.erase(expected.begin() + 6, expected.begin() + 12);
    EXPECT_EQ(file(), expected);
    EXPECT_EQ(std::tuple(venues.totalShowing(), venues.shown(VenueField::venuename),
                         venues.shown(VenueField::capacity), venues.country().text()),
              std::tuple("0", "", "", "Other"));

    dialogs.clear();
    venues.edit();
    venues.deleteVenue();
    EXPECT_EQ(dialogs.texts(), (Names{"No venue selected!", "No venue has been selected!"}));
}

TEST_F(VenueEditorTest, OnlyTheButtonsOfTheModeAreEnabled) {
    open(venueFile({{"Harbor Hall", "UK"}}, {}));
    const struct {
        const char* mode;
        std::function<void()> reach;
        const char* enabled; // Add New, Delete, Edit, Confirm Changes, Cancel Changes, Back To Menu
    } cases[] = {
        {"browsing", [] {}, "111001"},
        {"editing", [&] { venues.edit(); }, "000110"},
        {"browsing again", [&] { venues.cancelChanges(); }, "111001"},
        {"no venue showing", [&] { venues.filter(VenueFilter::Japan), venues.edit(); }, "111001"},
    };
    for (const auto& c : cases) {
        c.reach();
        std::string enabled;
        for (std::size_t b = 0; b < kVenueButtonCaptions.size(); ++b) {
            enabled += venues.isEnabled(static_cast<VenueButton>(b)) ? '1' : '0';
        }
        EXPECT_EQ(enabled, c.enabled) << c.mode;
    }
}

TEST_F(VenueEditorTest, AddNewWritesTheFirstFreeDefaultNameAtOnceAheadOfStrayLines) {
    editor.menu.press(context::MenuButton::Venues); // no file yet: it is made by the first venue
    EXPECT_EQ(std::tuple(lastShown().icon, navigator.current()),
              std::tuple(Icon::Information, Screen::Venues));
    EXPECT_NE(lastShown().text.find(game.path("Data/venues.txt").string()), std::string::npos);
    venues.addNew();
    EXPECT_EQ(file().front(), "Default Venue");
    const std::vector<std::pair<std::string, std::string>> taken{{"Default Venue", "UK"},
                                                                 {"Default Venue 2", "UK"}};
    open(venueFile(taken, kTrailing));
    venues.filter(VenueFilter::Japan);
    venues.addNew();
    const Lines made = venueFile(taken, {"Default Venue 1", "Miami, Florida", "Florida", "1000",
                                         "USA", "None", kTrailing[0], kTrailing[1]});
    EXPECT_EQ(file(), made);
    EXPECT_EQ(std::tuple(venues.editing(), venues.marked(), venues.names(), venues.selectedRow()),
              std::tuple(true, VenueFilter::All,
                         Names{"Default Venue", "Default Venue 1", "Default Venue 2"}, 1));
    venues.cancelChanges();
    EXPECT_EQ(file(), made) << "Cancel keeps the new venue";
    EXPECT_TRUE(dialogs.shown().empty());
}

} // namespace
} // namespace bm::venues
