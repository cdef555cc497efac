#include "core/roster/bulk_tools.h"

#include "core/roster/roster_fixture.h"
#include "support/fault.h"

#include <cmath>
#include <filesystem>
#include <map>
#include <optional>
#include <tuple>

namespace bm::roster {
namespace {

namespace fs = std::filesystem;
using ui::Icon;

class BulkToolsTest : public test::RosterTest {
protected:
    std::vector<double> draws;
    std::size_t drawn = 0;
    BulkTools tools{dialogs, editor.context, screen, [this] { return draws.at(drawn++); }};

    // Types into a row's boxes and presses its "Go".
    void run(ToolRow row, const std::vector<std::string>& typed) {
        for (std::size_t b = 0; b < typed.size(); ++b) {
            const auto first = kToolRows[static_cast<std::size_t>(row)].first;
            tools.type(static_cast<Box>(static_cast<std::size_t>(first) + b), typed[b]);
        }
        tools.go(row);
    }
    std::vector<std::string> column(Field field) const {
        std::vector<std::string> values;
        for (const auto& record : screen.roster()) {
            values.emplace_back(record.get(field));
        }
        return values;
    }
    std::map<std::string, std::string> files() const {
        std::map<std::string, std::string> all;
        for (const auto& entry : fs::directory_iterator(game.path("Data"))) {
            const auto name = entry.path().filename().string();
            all[name] = entry.is_regular_file() ? game.read("Data/" + name) : "(folder)";
        }
        return all;
    }
};

TEST_F(BulkToolsTest, RefusalsShowTheirMessageAndChangeNothing) {
    openWith({{"Al", "NWC"}});
    game.write("Data/taken.bm1", "");
    game.write("Data/half.bm1", test::wrestlersFile({{"Cy"}}) + "cut short\r\n");
    const std::string unsafe =
        "The filename must name a file in this folder: it may not contain \\ / : * ? \" < > | or "
        "control characters, be longer than 255 characters, or be a name reserved for a device, "
        "such as CON, NUL or COM1.";
    const std::string both = "Both text boxes must contain text.";
    const std::string fileError = "Filename Error!";
    const std::optional<ToolRow> merge; // its prompt gets the one text typed
    const struct {
        std::optional<ToolRow> row;
        std::vector<std::string> typed;
        std::string text; // "" for none; a file that the message names
        Icon icon = Icon::None;
        std::string title = "BM 1.3 Official Editor";
    } cases[] = {
        {ToolRow::Rename, {"NWC", ""}, both},
        {ToolRow::Export, {"", "new.bm1"}, both},
        {ToolRow::Export, {"NWC", "new.BM1"}, "The filename must end in ''.bm1''"},
        {ToolRow::Export, {"NWC", "../new.bm1"}, unsafe},
        {ToolRow::Export,
         {"NWC", "taken.bm1"},
         "A file with this name already exists. Please enter a new filename."},
        {ToolRow::Delete, {""}, "Please enter a promotion's initials."},
        {merge, {""}, ""},
        {merge, {"x.BM1"}, "Filename must have extension .bm1.", Icon::Critical, fileError},
        {merge, {"a\\taken.bm1"}, unsafe, Icon::Critical, fileError},
        {merge,
         {"none.bm1"},
         "No file with that name exists in this directory.",
         Icon::Critical,
         fileError},
        {merge, {"half.bm1"}, "Data/half.bm1", Icon::Critical},
    };
    const Roster before = screen.roster();
    const auto filesBefore = files();
    for (const auto& c : cases) {
        dialogs.clear();
        if (c.row) {
            run(*c.row, c.typed);
        } else {
            dialogs.reply(c.typed[0]);
            tools.exportIntoAnotherFile();
        }
        const auto& shown = dialogs.shown();
        ASSERT_EQ(shown.size(), (c.row ? 0u : 1u) + (c.text.empty() ? 0u : 1u)) << c.typed.back();
        if (!c.text.empty()) {
            EXPECT_TRUE(shown.back().text == c.text ||
                        shown.back().text.find(game.path(c.text).string()) != std::string::npos)
                << shown.back().text;
            EXPECT_EQ(std::tuple(shown.back().icon, shown.back().title),
                      std::tuple(c.icon, c.title));
        }
        if (c.row) {
            const auto first =
                static_cast<std::size_t>(kToolRows[static_cast<std::size_t>(*c.row)].first);
            for (std::size_t b = 0; b < c.typed.size(); ++b) {
                EXPECT_EQ(tools.text(static_cast<Box>(first + b)), c.typed[b]);
            }
            run(*c.row, std::vector<std::string>(c.typed.size())); // empty them: refused again
        }
        EXPECT_EQ(screen.roster(), before);
        EXPECT_EQ(files(), filesBefore);
        EXPECT_FALSE(screen.hasUnsavedChanges());
    }
    openWith({});
    dialogs.reply("taken.bm1");
    tools.exportIntoAnotherFile();
    EXPECT_EQ(std::tuple(lastShown().text, lastShown().icon, lastShown().title),
              std::tuple("There's no wrestlers here to export!", Icon::Critical, "No Wrestlers!"));
}

TEST_F(BulkToolsTest, RenamesExportsAndDeletesByExactInitials) {
    openWith({{"Al", "NWC"}, {"Bo", "nwc"}, {"Cy", "NWC"}, {"Di", "NWC"}, {"Ed", "CCW"}});
    screen.roster()[0].set(Field::multiproms, "NWC,CCW");
    const std::string saved = file();
    const auto record = [&](std::size_t i) { return std::string(screen.roster()[i].fileBytes()); };
    screen.typeSearch("zz");

    run(ToolRow::Export, {"NWC", "nwc.bm1"});
    run(ToolRow::Export, {"XX", "none.bm1"});
    EXPECT_EQ(game.read("Data/nwc.bm1"), record(0) + record(2) + record(3));
    EXPECT_EQ(game.read("Data/none.bm1"), "");
    EXPECT_FALSE(screen.hasUnsavedChanges());

    run(ToolRow::Rename, {"NWC", "Free Agent"});
    EXPECT_EQ(column(Field::promotion),
              (std::vector<std::string>{"Free Agent", "nwc", "Free Agent", "Free Agent", "CCW"}));
    EXPECT_EQ(screen.roster()[0].multiproms(), "NWC,CCW");
    EXPECT_EQ(screen.searchText(), "") << "listed as by Show All";

    const int busy = dialogs.busyCount();
    run(ToolRow::Delete, {"Free Agent"});
    run(ToolRow::Delete, {"None Here"});
    EXPECT_EQ(listed(), (std::vector<std::string>{"Bo", "Ed"}));
    EXPECT_EQ(screen.totalnum(), "2");
    EXPECT_EQ(dialogs.busyCount() - busy, 2);
    EXPECT_TRUE(screen.hasUnsavedChanges());
    EXPECT_EQ(file(), saved) << "saving is left to the roster screen";
    EXPECT_EQ(dialogs.texts(),
              (std::vector<std::string>{
                  "File ''nwc.bm1'' created successfully.",
                  "File ''none.bm1'' created successfully.",
                  "All wrestlers with the promotion NWC have now been changed to the promotion "
                  "Free Agent.\r\n\r\nRemember to click Save before you leave.",
                  "All wrestlers from promotion Free Agent have been deleted.",
                  "All wrestlers from promotion None Here have been deleted.",
              }));
    for (const Box box : {Box::RenameFrom, Box::RenameTo, Box::ExportFile, Box::DeletePromotion}) {
        EXPECT_EQ(tools.text(box), "") << "emptied after success";
    }
}

TEST_F(BulkToolsTest, AutoExpiryDatesFallInTheFourYearsAfterTheStartYear) {
    openWith({{"Al"}, {"Bo"}, {"Cy"}, {"Di"}});
    // Draws out of range count as 0.
    draws = {0.0, 0.0, 0.999999, 0.999999, 0.5, 0.25, 1.0, NAN};
    dialogs.no().yes();
    tools.createAutoExpiryDates();
    EXPECT_EQ(drawn, 0u);
    tools.createAutoExpiryDates();
    ASSERT_EQ(dialogs.shown().size(), 3u);
    EXPECT_EQ(std::tuple(dialogs.shown()[1].text, dialogs.shown()[1].answer),
              std::tuple("Using this feature will overwrite any contract expiry dates you have "
                         "entered manually.\r\nContinue?",
                         ui::Default::No));
    EXPECT_EQ(lastShown().text, "Random Contract Expiry Dates created successfully.");
    EXPECT_EQ(column(Field::expires), (std::vector<std::string>{"January 2005", "December 2008",
                                                                "July 2006", "January 2005"}));
    EXPECT_EQ(editor.context.startYear, "2004");
    EXPECT_TRUE(screen.hasUnsavedChanges());

    // Without a real start year no date changes.
    const Roster dated = screen.roster();
    game.writeLines("Data/maindata.bm1", {"x", "y", "Wednesday", "18", "August", "abc"});
    dialogs.yes();
    tools.createAutoExpiryDates();
    EXPECT_NE(lastShown().text.find("maindata.bm1"), std::string::npos);
    EXPECT_EQ(screen.roster(), dated);
}

// The target file's wrestlers: defaults but for the draw value and ability.
std::string records(const std::vector<std::pair<std::string, std::string>>& named) {
    Roster roster;
    for (const auto& [name, pop] : named) {
        WrestlerRecord r = newWrestler(name, "2004");
        r.set(Field::pop, pop);
        r.set(Field::ent, pop + "1");
        roster.append(r);
    }
    return rosterBytes(roster);
}

TEST_F(BulkToolsTest, MergeAsksOncePerMatchAndAppendsInRosterOrder) {
    openWith({{"Cy"}, {"Xi"}, {"Al"}, {"Zo"}});
    screen.roster()[0].set(Field::pop, "88");
    const auto ours = [&](std::size_t i) { return std::string(screen.roster()[i].fileBytes()); };
    game.write("Data/other.bm1", records({{"Al", "10"}, {"Bo", "20"}, {"Cy", "30"}}));
    game.write("Data/twice.bm1", records({{"Zo", "1"}, {"Zo", "2"}}));

    dialogs.reply("other.bm1").yes().no(); // Cy overwritten, Al kept
    tools.exportIntoAnotherFile();
    EXPECT_EQ(game.read("Data/other.bm1"),
              records({{"Al", "10"}, {"Bo", "20"}}) + ours(0) + ours(1) + ours(3));
    const auto& shown = dialogs.shown();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(std::tuple(shown[0].title, shown[0].text, shown[0].initial),
              std::tuple("Add To Other File",
                         "Please enter the name of the file you wish to add these wrestlers to.",
                         "wrestlers.bm1"));
    EXPECT_EQ(std::tuple(shown[1].text, shown[1].title, shown[1].answer),
              std::tuple("Cy already exists in the roster you're exporting to. Do you want to "
                         "overwrite the other.bm1 version:\r\n\r\nDraw Value: 30   Ability: 301"
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

// Whatever step fails, the message names the file, nothing is reported as
// done, and the old file (or none) stays unless the new one was whole.
TEST_F(BulkToolsTest, AFailedWriteNamesTheFileAndIsNotReportedAsDone) {
    openWith({{"Al", "NWC"}});
    const std::string other = records({{"Cy", "30"}});
    for (const std::string name : {"new.bm1", "other.bm1"}) {
        const std::string path = "Data/" + name;
        const std::string old = name == "new.bm1" ? "(none)" : other;
        bm::test::forEachFailingStep(
            [&] {
                fs::remove(game.path("Data/new.bm1"));
                game.write("Data/other.bm1", other);
                dialogs.clear();
            },
            [&] {
                if (name == "new.bm1") {
                    run(ToolRow::Export, {"NWC", name});
                } else {
                    dialogs.reply(name);
                    tools.exportIntoAnotherFile();
                }
            },
            [&](const bm::test::FailedStep& step) {
                ASSERT_EQ(dialogs.texts().size(), name == "new.bm1" ? 1u : 2u) << step.name();
                EXPECT_EQ(lastShown().icon, Icon::Critical) << step.name();
                EXPECT_NE(lastShown().text.find(game.path(path).string()), std::string::npos);
                if (!step.afterReplacing) {
                    EXPECT_EQ(game.exists(path) ? game.read(path) : "(none)", old) << step.name();
                }
                EXPECT_TRUE(bm::test::strayTemporaryFiles(game.root()).empty());
            });
    }
    EXPECT_EQ(tools.text(Box::ExportFile), "new.bm1");
}

} // namespace
} // namespace bm::roster
