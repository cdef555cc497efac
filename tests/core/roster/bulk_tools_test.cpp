#include "core/roster/bulk_tools.h"

#include "core/roster/roster_fixture.h"
#include "support/fault.h"

#include "core/calendar/calendar.h"

#include <cmath>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <tuple>

namespace bm::roster {
namespace {

namespace fs = std::filesystem;
using Kind = bm::test::ScriptedDialogs::Kind;
using test::Wrestler;
using test::wrestlersFile;
using ui::Icon;

const std::string kTitle = "BM 1.3 Official Editor";

class BulkToolsTest : public test::RosterTest {
protected:
    std::vector<double> draws;
    std::size_t drawn = 0;
    BulkTools tools{dialogs, editor.context, screen, [this] { return draws.at(drawn++); }};

    void fill(std::initializer_list<std::pair<Box, std::string>> boxes) {
        for (const auto& [box, text] : boxes) {
            tools.type(box, text);
        }
    }
    std::vector<std::string> boxes() const {
        std::vector<std::string> texts;
        for (std::size_t b = 0; b < kBoxCount; ++b) {
            texts.push_back(tools.text(static_cast<Box>(b)));
        }
        return texts;
    }
    std::vector<std::string> column(Field field) const {
        std::vector<std::string> values;
        for (const auto& record : screen.roster()) {
            values.emplace_back(record.get(field));
        }
        return values;
    }
    // Every file of the context folder with its bytes.
    std::map<std::string, std::string> files() const {
        std::map<std::string, std::string> all;
        for (const auto& entry : fs::directory_iterator(game.path("Data"))) {
            const std::string name = entry.path().filename().string();
            all[name] = entry.is_regular_file() ? game.read("Data/" + name) : "(folder)";
        }
        return all;
    }
};

// Every refusal names its cause and leaves the roster, the files and the
// text boxes as they were.
TEST_F(BulkToolsTest, RefusalsShowTheirMessageAndChangeNothing) {
    openWith({{"Al", "NWC"}, {"Bo", "CCW"}});
    game.write("Data/taken.bm1", "");
    game.write("Data/half.bm1", wrestlersFile({{"Cy"}}) + "cut short\r\n");
    game.makeFolder("Data/sub.bm1");
    const std::string unsafe =
        "The filename must name a file in this folder: it may not contain \\ / : * ? \" < > | or "
        "control characters, be longer than 255 characters, or be a name reserved for a device, "
        "such as CON, NUL or COM1.";
    const std::string both = "Both text boxes must contain text.";
    const std::string ext = "The filename must end in ''.bm1''";
    const std::string needsBm1 = "Filename must have extension .bm1.";
    const std::string noSuch = "No file with that name exists in this directory.";
    const auto merge = std::optional<ToolRow>();
    const struct {
        std::optional<ToolRow> row;     // none: the merge, whose prompt gets the one text typed
        std::vector<std::string> typed; // the row's boxes in order
        std::string text;               // "" for no message
        Icon icon = Icon::None;
        std::string title = kTitle;
        bool namesFile = false; // the text is the file that the message names
    } cases[] = {
        {ToolRow::Rename, {"NWC", ""}, both},
        {ToolRow::Rename, {"", "XYZ"}, both},
        {ToolRow::Export, {"", "new.bm1"}, both},
        {ToolRow::Export, {"NWC", ""}, both},
        {ToolRow::Export, {"NWC", "new.BM1"}, ext},
        {ToolRow::Export, {"NWC", "new"}, ext},
        {ToolRow::Export, {"NWC", "../new.bm1"}, unsafe},
        {ToolRow::Export, {"NWC", "a\\new.bm1"}, unsafe},
        {ToolRow::Export, {"NWC", "con.bm1"}, unsafe},
        {ToolRow::Export, {"NWC", "a?.bm1"}, unsafe},
        {ToolRow::Export,
         {"NWC", "taken.bm1"},
         "A file with this name already exists. Please enter a new filename."},
        {ToolRow::Delete, {""}, "Please enter a promotion's initials."},
        {merge, {""}, ""},
        {merge, {"wrestlers.txt"}, needsBm1, Icon::Critical, "Filename Error!"},
        {merge, {"x.BM1"}, needsBm1, Icon::Critical, "Filename Error!"},
        {merge, {"../Data/taken.bm1"}, unsafe, Icon::Critical, "Filename Error!"},
        {merge, {"none.bm1"}, noSuch, Icon::Critical, "Filename Error!"},
        {merge, {"half.bm1"}, "half.bm1", Icon::Critical, kTitle, true},
        {merge, {"sub.bm1"}, "sub.bm1", Icon::Critical, kTitle, true},
    };
    const Roster before = screen.roster();
    const auto filesBefore = files();
    for (const auto& c : cases) {
        const std::string trace = c.typed.back();
        dialogs.clear();
        std::vector<std::string> typed(kBoxCount);
        if (!c.row) {
            dialogs.reply(c.typed[0]);
            tools.exportIntoAnotherFile();
        } else {
            const auto& row = kToolRows[static_cast<std::size_t>(*c.row)];
            for (std::size_t b = 0; b < c.typed.size(); ++b) {
                const auto box = static_cast<std::size_t>(row.first) + b;
                typed[box] = c.typed[b];
                tools.type(static_cast<Box>(box), typed[box]);
            }
            tools.go(*c.row);
        }
        const std::size_t prompts = c.row ? 0 : 1;
        if (c.text.empty()) {
            EXPECT_EQ(dialogs.shown().size(), prompts) << trace;
        } else {
            ASSERT_EQ(dialogs.shown().size(), prompts + 1) << trace;
            const auto& shown = dialogs.shown().back();
            if (c.namesFile) {
                EXPECT_NE(shown.text.find(game.path("Data/" + c.text).string()), std::string::npos)
                    << shown.text;
            } else {
                EXPECT_EQ(shown.text, c.text) << trace;
            }
            EXPECT_EQ(std::tuple(shown.icon, shown.title), std::tuple(c.icon, c.title)) << trace;
        }
        EXPECT_EQ(boxes(), typed) << trace;
        EXPECT_EQ(screen.roster(), before) << trace;
        EXPECT_EQ(files(), filesBefore) << trace;
        EXPECT_FALSE(screen.hasUnsavedChanges()) << trace;
        fill({{Box::RenameFrom, ""},
              {Box::RenameTo, ""},
              {Box::ExportPromotion, ""},
              {Box::ExportFile, ""},
              {Box::DeletePromotion, ""}});
    }

    // Nothing to merge.
    openWith({});
    dialogs.reply("taken.bm1");
    tools.exportIntoAnotherFile();
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(
        std::tuple(dialogs.shown()[1].text, dialogs.shown()[1].icon, dialogs.shown()[1].title),
        std::tuple("There's no wrestlers here to export!", Icon::Critical, "No Wrestlers!"));
}

TEST_F(BulkToolsTest, RenamesExportsAndDeletesByExactInitials) {
    openWith({{"Al", "NWC"}, {"Bo", "nwc"}, {"Cy", "NWC"}, {"Di", "NWC"}, {"Ed", "CCW"}});
    const Roster original = screen.roster();
    screen.roster()[0].set(Field::multiproms, "NWC,CCW");
    screen.typeSearch("zz");
    screen.search();
    dialogs.clear();

    // Exported in roster order; the roster does not change.
    fill({{Box::ExportPromotion, "NWC"}, {Box::ExportFile, "nwc.bm1"}});
    tools.go(ToolRow::Export);
    fill({{Box::ExportPromotion, "XX"}, {Box::ExportFile, "none.bm1"}});
    tools.go(ToolRow::Export);
    EXPECT_EQ(game.read("Data/nwc.bm1"), std::string(screen.roster()[0].fileBytes()) +
                                             std::string(original[2].fileBytes()) +
                                             std::string(original[3].fileBytes()));
    EXPECT_EQ(game.read("Data/none.bm1"), "");
    EXPECT_FALSE(screen.hasUnsavedChanges());

    fill({{Box::RenameFrom, "NWC"}, {Box::RenameTo, "Free Agent"}});
    tools.go(ToolRow::Rename);
    EXPECT_EQ(column(Field::promotion),
              (std::vector<std::string>{"Free Agent", "nwc", "Free Agent", "Free Agent", "CCW"}));
    EXPECT_EQ(screen.roster()[0].multiproms(), "NWC,CCW");
    EXPECT_TRUE(screen.hasUnsavedChanges());
    // Listed as by "Show All".
    EXPECT_EQ(screen.searchText(), "");
    EXPECT_EQ(listed(), (std::vector<std::string>{"Al", "Bo", "Cy", "Di", "Ed"}));

    const int busy = dialogs.busyCount();
    tools.type(Box::DeletePromotion, "Free Agent");
    tools.go(ToolRow::Delete);
    tools.type(Box::DeletePromotion, "None Here");
    tools.go(ToolRow::Delete);
    EXPECT_EQ(column(Field::names), (std::vector<std::string>{"Bo", "Ed"}));
    EXPECT_EQ(listed(), (std::vector<std::string>{"Bo", "Ed"}));
    EXPECT_EQ(screen.totalnum(), "2");
    EXPECT_EQ(dialogs.busyCount() - busy, 2);

    EXPECT_EQ(dialogs.texts(),
              (std::vector<std::string>{
                  "File ''nwc.bm1'' created successfully.",
                  "File ''none.bm1'' created successfully.",
                  "All wrestlers with the promotion NWC have now been changed to the promotion "
                  "Free Agent.\r\n\r\nRemember to click Save before you leave.",
                  "All wrestlers from promotion Free Agent have been deleted.",
                  "All wrestlers from promotion None Here have been deleted.",
              }));
    EXPECT_EQ(boxes(), std::vector<std::string>(kBoxCount));
    EXPECT_EQ(file(), rosterBytes(original)) << "saving is left to the roster screen";
}

TEST_F(BulkToolsTest, AutoExpiryDatesFallInTheFourYearsAfterTheStartYear) {
    openWith({{"Al"}, {"Bo"}, {"Cy"}, {"Di"}});
    // Out-of-range draws count as 0.
    draws = {0.0, 0.0, 0.999999, 0.999999, 0.5, 0.25, 1.0, NAN};
    dialogs.no().yes();
    tools.createAutoExpiryDates();
    EXPECT_EQ(column(Field::expires), std::vector<std::string>(4, "July 2007"));
    EXPECT_EQ(drawn, 0u);
    tools.createAutoExpiryDates();
    ASSERT_EQ(dialogs.shown().size(), 3u);
    const auto& asked = dialogs.shown()[1];
    EXPECT_EQ(std::tuple(asked.kind, asked.text, asked.answer),
              std::tuple(Kind::Question,
                         "Using this feature will overwrite any contract expiry dates you have "
                         "entered manually.\r\nContinue?",
                         ui::Default::No));
    EXPECT_EQ(dialogs.shown()[2].text, "Random Contract Expiry Dates created successfully.");
    EXPECT_EQ(column(Field::expires), (std::vector<std::string>{"January 2005", "December 2008",
                                                                "July 2006", "January 2005"}));
    EXPECT_EQ(editor.context.startYear, "2004");
    EXPECT_TRUE(screen.hasUnsavedChanges());

    // The editor's own source, over many wrestlers.
    std::vector<Wrestler> many(300, Wrestler{});
    for (std::size_t i = 0; i < many.size(); ++i) {
        many[i].name = "W" + std::to_string(i);
    }
    openWith(many);
    dialogs.yes();
    editor.bulkTools.createAutoExpiryDates();
    std::set<std::string> seen;
    for (const auto& expires : column(Field::expires)) {
        const auto blank = expires.find(' ');
        ASSERT_NE(blank, std::string::npos) << expires;
        EXPECT_NE(calendar::monthNumber(expires.substr(0, blank)), 0) << expires;
        seen.insert(expires.substr(blank + 1));
    }
    EXPECT_EQ(seen, (std::set<std::string>{"2005", "2006", "2007", "2008"}));

    // Without a real start year no date is changed.
    const Roster dated = screen.roster();
    for (const char* year : {"", "abc", "1949", "2051"}) {
        game.writeLines("Data/maindata.bm1", {"x", "y", "Wednesday", "18", "August", year});
        dialogs.clear();
        dialogs.yes();
        editor.bulkTools.createAutoExpiryDates();
        EXPECT_EQ(dialogs.shown().back().icon, Icon::Exclamation);
        EXPECT_NE(dialogs.shown().back().text.find("maindata.bm1"), std::string::npos);
        EXPECT_EQ(screen.roster(), dated) << year;
    }
}

// Records of the target file: defaults, with the draw value and ability given.
std::string records(const std::vector<std::tuple<std::string, std::string>>& named) {
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
    openWith({{"Cy"}, {"Xi"}, {"Al"}, {"Yu"}, {"Zo"}});
    Roster& ours = screen.roster();
    ours[0].set(Field::pop, "88");
    const Roster before = ours;
    const auto ourRecord = [&](std::size_t i) { return std::string(ours[i].fileBytes()); };
    game.write("Data/other.bm1", records({{"Al", "10"}, {"Bo", "20"}, {"Cy", "30"}}));
    game.write("Data/twice.bm1", records({{"Zo", "1"}, {"Zo", "2"}}));

    dialogs.reply("other.bm1").yes().no(); // Cy overwritten, Al kept
    tools.exportIntoAnotherFile();
    EXPECT_EQ(game.read("Data/other.bm1"), records({{"Al", "10"}, {"Bo", "20"}}) + ourRecord(0) +
                                               ourRecord(1) + ourRecord(3) + ourRecord(4));
    const auto& shown = dialogs.shown();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(std::tuple(shown[0].title, shown[0].text, shown[0].initial),
              std::tuple("Add To Other File",
                         "Please enter the name of the file you wish to add these wrestlers to.",
                         "wrestlers.bm1"));
    EXPECT_EQ(std::tuple(shown[1].text, shown[1].title, shown[1].icon, shown[1].answer),
              std::tuple("Cy already exists in the roster you're exporting to. Do you want to "
                         "overwrite the other.bm1 version:\r\n\r\nDraw Value: 30   Ability: 301"
                         "\r\n\r\nWith the one you are exporting:\r\n\r\nDraw Value: 88   "
                         "Ability: 70\r\n",
                         "Wrestler Already In File", Icon::None, ui::Default::No));
    EXPECT_EQ(shown[2].text.substr(0, 3), "Al ");
    EXPECT_EQ(shown[3].text, "Roster exported successfully.");

    // A name twice in the file: asked for each copy, replaced by one.
    dialogs.clear();
    dialogs.reply("twice.bm1").yes().yes();
    tools.exportIntoAnotherFile();
    EXPECT_EQ(game.read("Data/twice.bm1"),
              ourRecord(0) + ourRecord(1) + ourRecord(2) + ourRecord(3) + ourRecord(4));
    EXPECT_EQ(dialogs.shown().size(), 4u);

    // The context's own file: its saved version, one question per wrestler.
    dialogs.clear();
    dialogs.reply("wrestlers.bm1").no().no().no().no().no();
    tools.exportIntoAnotherFile();
    EXPECT_EQ(file(), wrestlersFile({{"Cy"}, {"Xi"}, {"Al"}, {"Yu"}, {"Zo"}}));
    EXPECT_EQ(screen.roster(), before);
    EXPECT_FALSE(screen.hasUnsavedChanges());
}

// A write that fails at any step names the file and is never reported as
// done; the old file, or none, stays, unless the new one was already whole.
TEST_F(BulkToolsTest, AFailedWriteNamesTheFileAndIsNotReportedAsDone) {
    openWith({{"Al", "NWC"}, {"Bo", "NWC"}});
    const std::string other = records({{"Cy", "30"}});
    const struct {
        std::string file;
        std::function<void()> act;
        std::string done;
    } cases[] = {
        {"new.bm1",
         [&] {
             fill({{Box::ExportPromotion, "NWC"}, {Box::ExportFile, "new.bm1"}});
             tools.exportPromotion();
         },
         "File ''new.bm1'' created successfully."},
        {"other.bm1",
         [&] {
             dialogs.reply("other.bm1");
             tools.exportIntoAnotherFile();
         },
         "Roster exported successfully."},
    };
    for (const auto& c : cases) {
        const std::string written = "Data/" + c.file;
        bm::test::forEachFailingStep(
            [&] {
                fs::remove(game.path("Data/new.bm1"));
                game.write("Data/other.bm1", other);
                dialogs.clear();
            },
            c.act,
            [&](const bm::test::FailedStep& step) {
                ASSERT_FALSE(dialogs.shown().empty()) << step.name();
                const auto& last = dialogs.shown().back();
                EXPECT_EQ(last.icon, Icon::Critical) << step.name();
                EXPECT_NE(last.text.find(game.path(written).string()), std::string::npos)
                    << last.text;
                if (!step.afterReplacing) {
                    const std::string old = c.file == "new.bm1" ? "(none)" : other;
                    EXPECT_EQ(game.exists(written) ? game.read(written) : "(none)", old)
                        << step.name();
                }
                if (c.file == "new.bm1") {
                    EXPECT_EQ(tools.text(Box::ExportFile), "new.bm1") << step.name();
                }
                EXPECT_TRUE(bm::test::strayTemporaryFiles(game.root()).empty());
                for (const auto& text : dialogs.texts()) {
                    EXPECT_NE(text, c.done) << step.name();
                }
            });
    }
}

} // namespace
} // namespace bm::roster
