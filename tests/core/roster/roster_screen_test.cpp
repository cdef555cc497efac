#include "core/roster/bulk_tools.h"
#include "core/roster/roster_fixture.h"
#include "core/roster/roster_screen.h"
#include "core/roster/stat_editor.h"
#include "support/editor_fixture.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <ranges>
#include <tuple>

namespace bm::roster {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;
using ui::Icon;
using ui::Screen;

constexpr int kValue = 1; // the stat editor's value column

int rowOf(Field field) {
    return static_cast<int>(indexOf(field));
}

// The editor on a game folder whose Data folder holds a start year of 2004.
class RosterTest : public bm::test::EditorTest {
protected:
    RosterScreen& screen = editor.rosterScreen;
    StatEditor& stats = editor.statEditor;
    std::vector<double> draws;
    std::size_t drawn = 0;
    BulkTools tools{dialogs, editor.context, screen, [this] { return draws.at(drawn++); }};

    void SetUp() override {
        game.writeLines("Data/maindata.bm1",
                        {"x", "y", "Wednesday", "18", "August", "2004", "rest"});
    }
    void openWith(const std::vector<test::Wrestler>& wrestlers) {
        game.write("Data/wrestlers.bm1", test::wrestlersFile(wrestlers));
        editor.menu.press(context::MenuButton::Wrestlers);
        dialogs.clear();
    }
    Names listed() const {
        Names names;
        for (int row = 0; row < screen.rowCount(); ++row) {
            names.emplace_back(screen.cell(row, kNameColumn));
        }
        return names;
    }
    void edit(const std::string& name) {
        const Names names = listed();
        screen.clickCell(static_cast<int>(std::ranges::find(names, name) - names.begin()),
                         kNameColumn);
    }
    std::string file() const { return game.read("Data/wrestlers.bm1"); }
    Names column(Field field) const {
        auto values = screen.roster() | std::views::transform([field](const auto& record) {
                          return std::string(record.get(field));
                      });
        return {values.begin(), values.end()};
    }
    // Types into a bulk tools row's boxes and presses its "Go".
    void run(ToolRow row, const Names& typed) {
        const auto& boxes = kToolRows[static_cast<std::size_t>(row)];
        for (int b = 0; b < boxes.boxes; ++b) {
            tools.type(static_cast<Box>(static_cast<int>(boxes.first) + b),
                       typed[static_cast<std::size_t>(b)]);
        }
        tools.go(row);
    }
};

TEST_F(RosterTest, ScreenShowsAllOrInjuredAndSearchesCaseBlind) {
    const std::string emile = "\xC9mile Hart"; // E acute in the game's code page
    openWith(
        {{"Hal Bly"}, {"shane hay", "NWC", "12"}, {"ZED HAW", "NWC", "00"}, {"Abe Orr"}, {emile}});
    const auto search = [&](const std::string& text) {
        dialogs.clear();
        screen.typeSearch(text);
        screen.search();
        return listed();
    };
    screen.showInjured();
    EXPECT_EQ(listed(), (Names{"shane hay", "ZED HAW"}));
    screen.showAll();
    EXPECT_EQ(listed(), (Names{"Abe Orr", "Hal Bly", "shane hay", "ZED HAW", emile}));
    EXPECT_EQ(search("ha"), (Names{"Hal Bly", "shane hay", "ZED HAW", emile}));
    EXPECT_EQ(search("\xE9"), Names{emile});
    EXPECT_EQ(search("qq"), Names{});
    EXPECT_EQ(dialogs.texts(), Names{"No results were found which matched your search."});
    EXPECT_EQ(search(""), Names{}) << "the list stays as the last search left it";
    EXPECT_EQ(std::tuple(dialogs.texts(), lastShown().icon),
              std::tuple(Names{"No text entered for this search."}, Icon::Information));
}

TEST_F(RosterTest, ScreenRelistsSortsAndScrollsAfterTheEditor) {
    openWith({{"Di", "AA"}, {"Al", "ZZ"}, {"Cy", "MM", "9"}, {"Bo", "AA", "5"}});
    std::vector<int> tops;
    const auto watching = screen.rowsChanged().subscribe([&](int top) { tops.push_back(top); });
    // Names break the ties of a promotion; the sort chosen last survives an edit.
    screen.sortByPromotion();
    edit("Di");
    stats.close();
    // The row opened comes back at the top.
    EXPECT_EQ(std::tuple(listed(), tops.back()), std::tuple(Names{"Bo", "Di", "Cy", "Al"}, 1));
    // "Show All" sorts by name although the sort chosen stays.
    screen.showAll();
    EXPECT_EQ(std::tuple(listed(), screen.sortbutton()),
              std::tuple(Names{"Al", "Bo", "Cy", "Di"}, SortBy::Promotion));
    // Cured in the editor: no longer injured, no longer listed.
    screen.showInjured();
    edit("Cy");
    stats.clickCell(rowOf(Field::injury), kValue);
    stats.typeText("0");
    stats.apply();
    stats.close();
    EXPECT_EQ(std::tuple(listed(), tops.back()), std::tuple(Names{"Bo"}, 0)); // row 1 is gone
    // Deleting asks, defaulting to No; the wrestler is then gone from every list.
    edit("Bo");
    dialogs.no().yes();
    stats.deleteWrestler();
    stats.deleteWrestler();
    EXPECT_EQ(dialogs.texts(), (Names{"Are you sure you want to permanently delete this wrestler?",
                                      "Delete cancelled.", std::string(kDeleteQuestion),
                                      "This wrestler has been deleted."}));
    EXPECT_EQ(std::tuple(dialogs.shown()[0].answer, listed()),
              std::tuple(ui::Default::No, Names{}));
    screen.showAll();
    EXPECT_EQ(std::tuple(listed(), screen.totalnum()), std::tuple(Names{"Al", "Cy", "Di"}, "3"));
}

TEST_F(RosterTest, ScreenCreatesNewWrestlersUnderTheFirstFreeName) {
    // The first free name: letter case and blanks count, gaps are filled.
    openWith({{"new wrestler"}, {"New Wrestler "}, {"New Wrestler 2"}});
    screen.createNewWrestler();
    stats.close();
    const Roster before = screen.roster();
    screen.createNewWrestler();
    EXPECT_EQ(std::tuple(navigator.current(), stats.heading(), stats.entry(), screen.totalnum()),
              std::tuple(Screen::StatEditor, "New Wrestler 1", 4u, "5"));
    EXPECT_EQ(std::tuple(screen.roster()[3].names(), screen.roster()[4].expires(),
                         screen.hasUnsavedChanges()),
              std::tuple("New Wrestler", "July 2007", true));
    // Deleted at once: exactly the entry edited goes.
    dialogs.yes();
    stats.deleteWrestler();
    EXPECT_EQ(std::tuple(screen.roster(), screen.totalnum(), navigator.current()),
              std::tuple(before, "4", Screen::Roster));
}

TEST_F(RosterTest, ScreenOpensAfreshSavesAndAsksBeforeLeavingAfterAnyOpening) {
    const auto leave = [&] {
        dialogs.clear();
        screen.done();
        return navigator.current();
    };
    editor.menu.press(context::MenuButton::Wrestlers); // no file yet: an empty one is made
    EXPECT_EQ(std::tuple(navigator.current(), file(), screen.rowCount(), screen.totalnum()),
              std::tuple(Screen::Roster, "", 0, "0"));
    EXPECT_EQ(leave(), Screen::EditingMenu);
    openWith({{"Bo", "NWC"}, {"Al"}});
    const std::string original = file();
    EXPECT_EQ(std::tuple(listed(), screen.cell(1, kPromotionColumn), screen.totalnum()),
              std::tuple(Names{"Al", "Bo"}, "NWC", "2"));
    // Opening counts as a change; No leaves the file as it was.
    edit("Al");
    stats.close();
    dialogs.no();
    EXPECT_EQ(leave(), Screen::EditingMenu);
    EXPECT_EQ(std::tuple(lastShown().kind, lastShown().text, file()),
              std::tuple(bm::test::ScriptedDialogs::Kind::Question, "Save changes before leaving?",
                         original));
    // Saved in roster order, not list order.
    editor.menu.press(context::MenuButton::Wrestlers);
    screen.roster()[0].set(Field::names, "Zed"); // Bo
    dialogs.clear();
    screen.saveChanges();
    EXPECT_EQ(std::tuple(dialogs.texts(), file(), screen.hasUnsavedChanges()),
              std::tuple(Names{"Saved OK."}, std::string(original).replace(0, 2, "Zed"), false));
    // A save that fails on leaving keeps the user, and the changes, here.
    edit("Al");
    stats.close();
    fs::remove(game.path("Data/wrestlers.bm1"));
    game.makeFolder("Data/wrestlers.bm1"); // in the way of the file
    dialogs.yes();
    EXPECT_EQ(leave(), Screen::Roster);
    EXPECT_EQ(std::tuple(lastShown().icon, screen.hasUnsavedChanges()),
              std::tuple(Icon::Critical, true));
}

// Al is edited; Bo and a wrestler without a name share the roster.
TEST_F(RosterTest, StatEditorChecksStoresAndStartsFromTheShownValue) {
    openWith({{"Al", "NWC"}, {"Bo"}, {"", "CCW"}});
    edit("Al");
    const WrestlerRecord& al = screen.roster()[0];
    const std::string inUse = "That name is already being used in this database.";
    const std::string form =
        "The expiry date must be in the form month then year, eg. January 2004.";
    const struct {
        Field field;
        std::string typed; // into the text box or the list; for a bar, its position
        std::string said;  // the messages, one a line
        std::optional<std::string> stored = std::nullopt; // when nothing is said: else as typed
    } cases[] = {
        {Field::names, "", "You can't leave the Full Name stat blank.\n" + inUse},
        {Field::names, "Al", inUse},
        {Field::names, "al", ""},
        {Field::shortname, "", "You can't leave the Short Name stat blank.\n" + inUse},
        {Field::promotion, "", "You can't leave the Promotion stat blank."},
        {Field::brand, "brand 1", "The Brand stat must be either Brand 1, Brand 2 or All."},
        {Field::gender, "male", "The Gender stat must be either Male or Female."},
        {Field::desc, "", "You can't leave the Description stat blank."},
        {Field::expires, "", "You can't leave the Contract Expiry Date stat blank."},
        {Field::expires, "march 2005", form},
        {Field::expires, "Marchy 2005", form},
        {Field::expires, "December soon", ""},
        {Field::wages, "", "You can't leave the Weekly Wages stat blank."},
        {Field::indybookings, "yes", "The Accept Indy Bookings stat must be either Yes or No."},
        {Field::bookingfee, "", "You can't leave the Booking Fee stat blank."},
        {Field::multiproms, "",
         "You can't leave the Regular Promotions stat blank. If the wrestler doesn't wrestle for "
         "more than one promotion regularly, enter 'None'."},
        {Field::multiproms, "none", "", "None"},
        {Field::roles, "3",
         "The Card Position stat must be either Lower Carder, Mid Carder or Upper Carder."},
        {Field::roles, "Upper Carder", "", "3"},
        {Field::faceheel, "Tweener", "The Disposition stat must be either Face or Heel."},
        {Field::finisher, "", "You can't leave the Finisher stat blank."},
        {Field::finisher, "The Drop",
         "You can't start the finisher with 'The'! The game automatically adds 'the' to the "
         "commentary."},
        {Field::finisher, "the Drop", ""},
        {Field::finishertype, "p",
         "The Finisher Type stat must be either Pin, Submission or Top Rope."},
        {Field::finishertype, "Top Rope", "", "t"},
        {Field::tagteam, "", "You can't leave the Tag Team stat blank."},
        {Field::tagteam, "None", "", "no"},
        {Field::tagteam, "NONE", ""},
        {Field::stable, "", "You can't leave the Stable stat blank."},
        {Field::stable, "No", "", "no"},
        {Field::injury, "",
         "You can't leave the Injury Time stat blank. If this wrestler is not injured, enter "
         "'0'."},
        {Field::status, "", ""},
        {Field::cond, "0", "Condition stat cannot be 'Inj' if Injury Time is zero."},
        {Field::manager, "", "You can't leave the Valet stat blank."},
        {Field::manager, "none", "", "no"},
        {Field::ringstyle, "Brawler",
         "The Ring Style stat must be one of the options in the list."},
        {Field::weight, "heavy", "The Weight Class stat must be either Light or Heavy."},
        {Field::basecountry, "Canada",
         "The Base Country stat must be either USA, UK, Japan or Other."},
    };
    for (const auto& c : cases) {
        const std::string before(al.get(c.field));
        dialogs.clear();
        stats.clickCell(rowOf(c.field), kValue);
        if (stats.input() == Input::Scroll) {
            stats.moveScroll(std::stoi(c.typed));
        } else if (stats.input() == Input::Choice) {
            stats.typeChoice(c.typed);
        } else {
            stats.typeText(c.typed);
        }
        stats.apply();
        std::string said;
        for (const auto& text : dialogs.texts()) {
            said += (said.empty() ? "" : "\n") + text;
        }
        EXPECT_EQ(said, c.said) << c.typed;
        EXPECT_EQ(al.get(c.field), c.said.empty() ? c.stored.value_or(c.typed) : before);
        EXPECT_EQ(stats.editing(), !c.said.empty()) << c.typed;
        stats.cancel();
    }
    EXPECT_EQ(std::tuple(stats.heading(), stats.value(rowOf(Field::finishertype)),
                         stats.value(rowOf(Field::roles))),
              std::tuple("al", "Top Rope", "Upper Carder"));

    // Inputs start from the value shown; one the bar cannot show stays until the bar moves.
    WrestlerRecord& record = screen.roster()[0];
    record.set(Field::pop, "150");
    record.set(Field::cond, "Inj");
    record.set(Field::injury, "14");
    const struct {
        Field field;
        int move; // -1: not moved
        int bar;
        const char* label;
    } scrolls[] = {
        {Field::pop, -1, 100, "150"}, {Field::cond, -1, 1, "Inj"},      {Field::cond, 0, 0, "Inj"},
        {Field::cond, 1, 1, "1"},     {Field::morale, 101, 100, "100"},
    };
    for (const auto& s : scrolls) {
        stats.clickCell(rowOf(s.field), kValue);
        if (s.move >= 0) {
            stats.moveScroll(s.move);
        }
        EXPECT_EQ(std::tuple(stats.scrollValue(), stats.numberLabel()), std::tuple(s.bar, s.label));
        stats.cancel();
    }
    stats.clickCell(rowOf(Field::cond), kValue);
    stats.apply();
    EXPECT_EQ(record.cond(), "Inj") << "injured, so Inj stands";
    stats.clickCell(rowOf(Field::expires), kValue);
    EXPECT_EQ(stats.textBox(), "December soon");
    EXPECT_EQ(stats.help(), "The date the wrestler's contract expires, month then year. Every "
                            "wrestler on the database can be given a random expiry date instantly "
                            "by clicking the button on the previous screen. If choosing manually, "
                            "remember the game begins in the year 2004, so no dates should be "
                            "before this.");
}

TEST_F(RosterTest, BulkToolsRefusalsShowTheirMessageAndChangeNothing) {
    openWith({{"Al", "NWC"}});
    game.write("Data/taken.bm1", "");
    const std::string unsafe =
        "The filename must name a file in this folder: it may not contain \\ / : * ? \" < > | or "
        "control characters, be longer than 255 characters, or be a name reserved for a device, "
        "such as CON, NUL or COM1.";
    const std::string error = "Filename Error!";
    const std::optional<ToolRow> merge; // its prompt gets the one text typed
    const struct {
        std::optional<ToolRow> row;
        std::string first, second; // typed in the row's boxes, or the first in the prompt
        std::string said;
        Icon icon = Icon::None;
        std::string title = "BM 1.3 Official Editor";
    } cases[] = {
        {ToolRow::Rename, "NWC", "", "Both text boxes must contain text."},
        {ToolRow::Export, "NWC", "new.BM1", "The filename must end in ''.bm1''"},
        {ToolRow::Export, "NWC", "../new.bm1", unsafe},
        {ToolRow::Export, "NWC", "taken.bm1",
         "A file with this name already exists. Please enter a new filename."},
        {ToolRow::Delete, "", "", "Please enter a promotion's initials."},
        {merge, "x.BM1", "", "Filename must have extension .bm1.", Icon::Critical, error},
        {merge, "a\\taken.bm1", "", unsafe, Icon::Critical, error},
        {merge, "no.bm1", "", "No file with that name exists in this directory.", Icon::Critical,
         error},
    };
    const Roster before = screen.roster();
    for (const auto& c : cases) {
        dialogs.clear();
        if (c.row) {
            run(*c.row, {c.first, c.second});
        } else {
            dialogs.reply(c.first);
            tools.exportIntoAnotherFile();
        }
        ASSERT_EQ(dialogs.shown().size(), c.row ? 1u : 2u) << "the prompt, then the refusal";
        EXPECT_EQ(std::tuple(lastShown().text, lastShown().icon, lastShown().title),
                  std::tuple(c.said, c.icon, c.title));
        EXPECT_EQ(std::tuple(screen.roster(), game.read("Data/taken.bm1"),
                             game.exists("Data/new.bm1"), screen.hasUnsavedChanges()),
                  std::tuple(before, "", false, false));
    }
    openWith({});
    dialogs.reply("taken.bm1");
    tools.exportIntoAnotherFile();
    EXPECT_EQ(std::tuple(lastShown().text, lastShown().icon, lastShown().title),
              std::tuple("There's no wrestlers here to export!", Icon::Critical, "No Wrestlers!"));
}

TEST_F(RosterTest, BulkToolsRenamesExportsDatesAndDeletesByExactInitials) {
    openWith({{"Al", "NWC"}, {"Bo", "nwc"}, {"Cy", "NWC"}, {"Di", "NWC"}, {"Ed", "CCW"}});
    screen.roster()[0].set(Field::multiproms, "NWC,CCW");
    const std::string saved = file();
    const auto record = [&](std::size_t i) { return std::string(screen.roster()[i].fileBytes()); };
    screen.typeSearch("zz");

    run(ToolRow::Export, {"NWC", "nwc.bm1"});
    run(ToolRow::Export, {"XX", "none.bm1"});
    EXPECT_EQ(std::tuple(game.read("Data/nwc.bm1"), game.read("Data/none.bm1"),
                         screen.hasUnsavedChanges()),
              std::tuple(record(0) + record(2) + record(3), "", false));

    run(ToolRow::Rename, {"NWC", "Free Agent"});
    EXPECT_EQ(column(Field::promotion),
              (Names{"Free Agent", "nwc", "Free Agent", "Free Agent", "CCW"}));
    EXPECT_EQ(std::tuple(screen.roster()[0].multiproms(), screen.searchText()),
              std::tuple("NWC,CCW", "")); // listed as by Show All

    // Random expiry dates: out of range draws count as 0.
    const std::string overwrite = "Using this feature will overwrite any contract expiry dates "
                                  "you have entered manually.\r\nContinue?";
    draws = {0.0, 0.0, 0.999999, 0.999999, 0.5, 0.25, 1.0, NAN, 0.0, 0.0};
    dialogs.no().yes();
    tools.createAutoExpiryDates();
    EXPECT_EQ(drawn, 0u);
    tools.createAutoExpiryDates();
    EXPECT_EQ(std::tuple(dialogs.shown().end()[-2].answer, editor.context.startYear),
              std::tuple(ui::Default::No, "2004"));
    EXPECT_EQ(column(Field::expires), (Names{"January 2005", "December 2008", "July 2006",
                                             "January 2005", "January 2005"}));

    const int busy = dialogs.busyCount();
    run(ToolRow::Delete, {"Free Agent"});
    EXPECT_EQ(std::tuple(listed(), screen.totalnum(), dialogs.busyCount() - busy),
              std::tuple(Names{"Bo", "Ed"}, "2", 1));
    // Saving is left to the roster screen.
    EXPECT_EQ(std::tuple(screen.hasUnsavedChanges(), file()), std::tuple(true, saved));
    EXPECT_EQ(
        dialogs.texts(),
        (Names{"File ''nwc.bm1'' created successfully.", "File ''none.bm1'' created successfully.",
               "All wrestlers with the promotion NWC have now been changed to the promotion "
               "Free Agent.\r\n\r\nRemember to click Save before you leave.",
               overwrite, overwrite, "Random Contract Expiry Dates created successfully.",
               "All wrestlers from promotion Free Agent have been deleted."}));
    EXPECT_EQ(tools.text(Box::RenameFrom) + tools.text(Box::RenameTo) +
                  tools.text(Box::ExportFile) + tools.text(Box::DeletePromotion),
              "")
        << "emptied after success";
}

TEST_F(RosterTest, BulkToolsMergeAsksOncePerMatchAndAppendsInRosterOrder) {
    openWith({{"Cy"}, {"Xi"}, {"Al"}, {"Zo"}});
    screen.roster()[0].set(Field::pop, "88");
    const auto ours = [&](std::size_t i) { return std::string(screen.roster()[i].fileBytes()); };
    // The file's own wrestlers are of another promotion.
    game.write("Data/other.bm1",
               test::wrestlersFile({{"Al", "NWC"}, {"Bo", "NWC"}, {"Cy", "NWC"}}));
    game.write("Data/twice.bm1", test::wrestlersFile({{"Zo", "NWC"}, {"Zo", "CCW"}}));

    dialogs.reply("other.bm1").yes().no(); // Cy overwritten, Al kept
    tools.exportIntoAnotherFile();
    EXPECT_EQ(game.read("Data/other.bm1"),
              test::wrestlersFile({{"Al", "NWC"}, {"Bo", "NWC"}}) + ours(0) + ours(1) + ours(3));
    const auto& shown = dialogs.shown();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(std::tuple(shown[0].title, shown[0].text, shown[0].initial),
              std::tuple("Add To Other File",
                         "Please enter the name of the file you wish to add these wrestlers to.",
                         "wrestlers.bm1"));
    EXPECT_EQ(std::tuple(shown[1].text, shown[1].title, shown[1].answer),
              std::tuple("Cy already exists in the roster you're exporting to. Do you want to "
                         "overwrite the other.bm1 version:\r\n\r\nDraw Value: 70   Ability: 70"
                         "\r\n\r\nWith the one you are exporting:\r\n\r\nDraw Value: 88   "
                         "Ability: 70\r\n",
                         "Wrestler Already In File", ui::Default::No));
    EXPECT_EQ(shown[3].text, "Roster exported successfully.");
    // A name twice in the file: asked for each copy, replaced by one.
    dialogs.reply("twice.bm1").yes().yes();
    tools.exportIntoAnotherFile();
    EXPECT_EQ(game.read("Data/twice.bm1"), ours(0) + ours(1) + ours(2) + ours(3));
    EXPECT_FALSE(screen.hasUnsavedChanges());
}

} // namespace
} // namespace bm::roster
