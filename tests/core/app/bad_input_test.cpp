// Damaged files, values no screen offers and hostile names, through the real
// screens: never a crash, a message naming what the user must deal with, and
// the data as they were.
#include "core/promotion/record/promotion_record.h"
#include "core/roster/bulk_tools.h"
#include "core/roster/roster.h"
#include "core/roster/stat_editor.h"
#include "core/text/numbers.h"
#include "support/editor_fixture.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace bm::app {
namespace {

namespace fs = std::filesystem;
using context::MenuButton;
using ui::Screen;

std::string crlf(const std::vector<std::string>& lines) {
    return platform::joinLines(lines);
}

std::string wrestlers(const std::string& value = {}) {
    roster::WrestlerRecord record = roster::newWrestler("Cass Vane", "2004");
    for (std::size_t f = 0; !value.empty() && f < roster::kFieldCount; ++f) {
        record.set(static_cast<roster::Field>(f), value);
    }
    roster::Roster one;
    one.append(record);
    return roster::rosterBytes(one);
}

// As a file written with bare LF line ends.
std::string bareLineFeeds(std::string bytes) {
    std::erase(bytes, '\r');
    return bytes;
}

// One wrestler more than the game can index.
std::string tooManyWrestlers() {
    std::string bytes;
    for (std::size_t i = 0; i <= roster::kMaxWrestlers; ++i) {
        bytes += wrestlers();
    }
    return bytes;
}

class BadInput : public test::EditorTest {
protected:
    // Opens the screen that reads `file`; true when it was shown.
    struct Reader {
        const char* kind;
        std::string file;
        std::string good; // a sound file of this kind
        std::function<void()> open;
        Screen screen;
    };
    std::vector<Reader> readers() {
        const auto menu = [this](MenuButton button) {
            return [this, button] {
                editor.start.editNewGameData();
                editor.menu.press(button);
            };
        };
        return {
            {"main data", "Data/maindata.bm1",
             crlf({"BM13", "7", "Wednesday", "18", "August", "2004", "tail"}),
             menu(MenuButton::StartDate), Screen::StartDate},
            {"venues", "Data/venues.txt",
             crlf({"Quay Hall", "Quay, Coast", "Quay", "900", "UK", "None"}),
             menu(MenuButton::Venues), Screen::Venues},
            {"wrestlers", "Data/wrestlers.bm1", wrestlers(), menu(MenuButton::Wrestlers),
             Screen::Roster},
            {"promotion", "Data/bmf.fed", crlf(promotion::makeTemplateRecord().lines()),
             [this] {
                 editor.start.editNewGameData();
                 editor.chooser.setMode(promotion::ChooserMode::Edit);
                 editor.chooser.select(0);
                 editor.chooser.act();
             },
             Screen::Step1},
            {"scenario", "Scenarios/Isle/scenario.txt", crlf({"Isle", "Sea", "Kit"}),
             [this] {
                 editor.context.enter(context::ContextKind::Scenario, "\\Scenarios\\Isle\\");
                 editor.scenarioInfo.open();
             },
             Screen::ScenarioInfo},
            {"saved game", "career.sav", crlf({"Career Of Vex", "week 12"}),
             [this] {
                 editor.start.editSavedGame();
                 editor.start.select(0);
                 editor.start.ok();
             },
             Screen::EditingMenu},
        };
    }
    // Runs a reader on `bytes`; true when its screen was shown.
    bool read(const Reader& r, const std::string& bytes) {
        game.write(r.file, bytes);
        navigator.go(Screen::Start);
        dialogs.clear();
        r.open();
        return navigator.current() == r.screen;
    }
    bool named(const std::string& file) const {
        const auto name = fs::path(file).filename().string();
        return std::any_of(dialogs.shown().begin(), dialogs.shown().end(), [&](const auto& box) {
            return box.text.find(name) != std::string::npos && box.icon != ui::Icon::None;
        });
    }
};

TEST_F(BadInput, DamagedFilesOpenOrAreRefusedByNameAndStayAsTheyWere) {
    const std::string kLong(100'000, 'W');
    const auto firstLine = [](const std::string& good, const std::string& line) {
        return line + good.substr(good.find("\r\n"));
    };
    std::string overlong;
    for (int i = 0; i < 5000; ++i) {
        overlong += "one line too many\r\n";
    }
    // Which readers open each damage: main data, venues, wrestlers,
    // promotion, scenario, saved game.
    const struct {
        const char* damage;
        std::function<std::string(const std::string&)> make;
        std::vector<bool> opens;
    } cases[] = {
        {"empty", [](auto&) { return std::string(); }, {false, true, true, true, true, false}},
        {"truncated mid-line",
         [](auto& g) { return g.substr(0, g.size() / 2); },
         {false, true, false, true, true, true}},
        {"over-long", [&](auto& g) { return g + overlong; }, {true, true, false, true, true, true}},
        {"a line of 100,000 characters",
         [&](auto& g) { return firstLine(g, kLong); },
         {true, true, true, true, true, true}},
        {"NUL and high bytes",
         [&](auto& g) { return firstLine(g, test::everyByteButLineEnds()); },
         {true, true, true, true, true, false}},
        {"bare line feeds", bareLineFeeds, {false, true, false, true, true, false}},
    };
    const auto all = readers();
    for (const auto& c : cases) {
        for (std::size_t i = 0; i < all.size(); ++i) {
            const auto& r = all[i];
            const std::string bytes = c.make(r.good);
            const std::string where = std::string(r.kind) + ", " + c.damage;
            EXPECT_EQ(read(r, bytes), c.opens[i]) << where;
            if (!c.opens[i]) {
                EXPECT_TRUE(named(r.file)) << where << ": the refusal names no file";
            }
            EXPECT_EQ(game.read(r.file), bytes) << where;
        }
    }
}

// Every line of each file holds a value that no list, bar or range offers:
// the screens show it, every stat input starts within its range, and nothing
// changes unless the user changes it.
TEST_F(BadInput, ValuesOutsideEveryListAndBarAreShownAndKept) {
    const auto all = readers();
    const auto& promotion = all[3];
    const auto& roster = all[2];
    const auto& venues = all[1];
    const auto& mainData = all[0];
    for (const std::string value : {"1e400", "-1e400", "nan", "99999999999", "-0", "\xff"}) {
        const platform::Lines every(promotion::line::kLineCount, value);
        ASSERT_TRUE(read(promotion, crlf(every))) << value;
        EXPECT_EQ(editor.chooser.record().lines(), every) << value;
        EXPECT_FALSE(editor.chooser.hasUnsavedChanges()) << value;

        ASSERT_TRUE(read(venues, crlf(platform::Lines(6, value)))) << value;
        EXPECT_EQ(editor.venueEditor.country().text(), "Other") << value;

        ASSERT_TRUE(read(roster, wrestlers(value))) << value;
        auto& stats = editor.statEditor;
        stats.open(0);
        for (int row = 0; row < stats.rowCount(); ++row) {
            stats.clickCell(row, 1);
            EXPECT_GE(stats.scrollValue(), roster::kScrollMin) << value << " row " << row;
            EXPECT_LE(stats.scrollValue(), roster::kScrollMax) << value << " row " << row;
            stats.cancel();
        }
        stats.close();
        EXPECT_FALSE(editor.rosterScreen.hasUnsavedChanges()) << value;
        EXPECT_EQ(game.read(roster.file), wrestlers(value));

        const platform::Lines date{"BM13", "7", value, value, value, value};
        EXPECT_FALSE(read(mainData, crlf(date))) << value;
        EXPECT_TRUE(named(mainData.file)) << value;
    }
}

// Numbers typed where a number is stored, and names typed where a name
// becomes a file or folder, or only a value.
TEST_F(BadInput, TypedNumbersStayFiniteAndNamesStayInTheGameFolder) {
    const auto all = readers();
    for (const std::string typed : {"1e400", "-1e400", "nan", "99999999999", "-0"}) {
        ASSERT_TRUE(read(all[1], all[1].good));
        editor.venueEditor.edit();
        dialogs.reply(typed);
        editor.venueEditor.editField(venues::VenueField::capacity);
        const std::string stored = editor.venueEditor.shown(venues::VenueField::capacity);
        EXPECT_TRUE(std::isfinite(text::numericValue(stored))) << typed << " -> " << stored;
        EXPECT_EQ(stored.find_first_of(" inaINA"), std::string::npos) << typed << " -> " << stored;
        editor.venueEditor.cancelChanges();
    }

    const std::vector<std::string> names{"*?#[",
                                         "a/b",
                                         "a\\b",
                                         "..",
                                         ".",
                                         "CON",
                                         "nul.fed",
                                         "LPT1",
                                         "tail. ",
                                         ":x",
                                         std::string("a\0b", 3)};
    for (const auto& name : names) {
        navigator.go(Screen::Start);
        dialogs.clear();
        dialogs.reply(name).reply("");
        editor.start.createScenario();
        dialogs.clear();
        editor.start.editNewGameData();
        dialogs.reply(name).reply("");
        editor.promotionMenu.createPromotion();
        EXPECT_NE(navigator.current(), Screen::Step1) << name;

        // Only a value: the venue takes it as it stands.
        ASSERT_TRUE(read(all[1], all[1].good));
        editor.venueEditor.edit();
        dialogs.reply(name);
        editor.venueEditor.editField(venues::VenueField::venuename);
        editor.venueEditor.confirmChanges();
        EXPECT_EQ(platform::splitLines(game.read("Data/venues.txt"))[0], name) << name;
    }
    // Nothing was made for any of them, inside the game folder or beside it.
    EXPECT_FALSE(game.exists("Scenarios/*?#[")) << "refused";
    for (const auto& entry : fs::directory_iterator(game.path("Scenarios"))) {
        ADD_FAILURE() << "made " << entry.path();
    }
    for (const auto& entry : fs::directory_iterator(game.path("Data"))) {
        EXPECT_NE(entry.path().extension(), ".fed") << entry.path();
    }
    EXPECT_FALSE(fs::exists(game.root().parent_path() / "b"));
}

// The whole-folder checks on a scenario with one damaged file or odd logo
// name: the report names the file at fault, the rest of it still comes, and
// no file changes.
TEST_F(BadInput, TheChecksNameWhatIsDamagedAndChangeNoFile) {
    const std::string bytes = test::everyByteButLineEnds();
    const std::string mainData = crlf({"BM13", "7", "Wednesday", "18", "August", "2004"});
    const auto withLogo = [](const std::string& logo) {
        auto record = promotion::makeTemplateRecord();
        record.set(promotion::line::promlogo, logo);
        return crlf(record.lines());
    };
    const std::string one = wrestlers();
    const std::string fed = withLogo("crest.jpg");
    const std::string missing = "''..... ** MISSING **";
    const std::string showsOk = "no problems with the dates of Next Big Shows";
    const struct {
        std::string file; // in the scenario's folder
        std::string bytes;
        std::string dates;    // in the date check's report
        std::string scenario; // in the scenario check's report
    } cases[] = {
        {"maindata.bm1", "", "maindata.bm1\" has 0 lines, too few", "maindata.bm1 file.....OK"},
        {"maindata.bm1", mainData.substr(0, 20), "maindata.bm1\" has 3 lines", "OK (1 found)"},
        {"maindata.bm1", std::string(2 << 20, '7'), "maindata.bm1\" has 1 line,", "OK (1 found)"},
        {"maindata.bm1", crlf({"BM13", "7", "Wednesday", "18", bytes, "2004"}),
         "maindata.bm1\" cannot be read: its month", "OK (1 found)"},
        {"wrestlers.bm1", "", "no wrestlers in the wrestlers.bm1 file", "''crest.jpg''..... OK"},
        {"wrestlers.bm1", one.substr(0, one.size() / 2),
         "wrestlers.bm1\" cannot be checked to its end", "''crest.jpg''..... OK"},
        {"wrestlers.bm1", tooManyWrestlers(),
         "wrestlers.bm1\" holds 32768 wrestlers, more than the 32767", "''crest.jpg''..... OK"},
        {"wrestlers.bm1", wrestlers(bytes), "\" is not a month name followed by", "OK (1 found)"},
        {"a.fed", "", "a.fed has only 0 lines, too few to hold",
         "a.fed has only 0 lines, too few to name"},
        {"a.fed", fed.substr(0, fed.size() / 3), "a.fed has only ", "a.fed has only "},
        {"a.fed", std::string(2 << 20, 'F'), "a.fed has only 1 line,", "a.fed has only 1 line,"},
        {"a.fed", withLogo(bytes), showsOk, bytes + missing},
        {"a.fed", withLogo(std::string(100'000, 'W')), showsOk, "WW" + missing},
        {"a.fed", withLogo("sub\\crest.jpg"), showsOk, "''sub\\crest.jpg''..... OK"},
        {"a.fed", withLogo("..\\Data\\crest.jpg"), showsOk, "''..\\Data\\crest.jpg" + missing},
        {"a.fed", withLogo("sub\\..\\crest.jpg"), showsOk, "''sub\\..\\crest.jpg" + missing},
        {"a.fed", withLogo("sub/./crest.jpg"), showsOk, "''sub/./crest.jpg" + missing},
        {"a.fed", withLogo("C:crest.jpg"), showsOk, "''C:crest.jpg" + missing},
        {"a.fed", withLogo("\\crest.jpg"), showsOk, "''\\crest.jpg" + missing},
        {"a.fed", withLogo("CON"), showsOk, "''CON" + missing},
        {"a.fed", withLogo(std::string("crest.jpg\0.gif", 14)), showsOk, ".gif" + missing},
        {"a.fed", withLogo("sub"), showsOk, "''sub" + missing},
    };
    const std::string folder = "Scenarios/S/";
    const std::map<std::string, std::string> good{{"maindata.bm1", mainData},
                                                  {"venues.txt", readers()[1].good},
                                                  {"wrestlers.bm1", one},
                                                  {"a.fed", fed}};
    game.write("Images/crest.jpg", "x");
    game.write("Images/sub/crest.jpg", "x");
    game.write("Data/crest.jpg", "x");
    editor.context.enter(context::ContextKind::Scenario, "\\Scenarios\\S\\");
    editor.context.enableAll();
    for (const auto& c : cases) {
        for (const auto& [file, content] : good) {
            game.write(folder + file, file == c.file ? c.bytes : content);
        }
        const std::string where = c.file + ": " + c.bytes.substr(0, 40);
        editor.menu.press(MenuButton::CheckDates);
        EXPECT_NE(editor.menu.reportText().find(c.dates), std::string::npos)
            << where << "\n"
            << editor.menu.reportText().substr(0, 400);
        editor.menu.press(MenuButton::CheckScenario);
        EXPECT_NE(editor.menu.reportText().find(c.scenario), std::string::npos)
            << where << "\n"
            << editor.menu.reportText().substr(0, 400);
        EXPECT_EQ(game.read(folder + c.file), c.bytes) << where;
    }
}

// The other roster file of "Export This Roster Into Another Roster File",
// damaged or oddly named, and odd names for a promotion's export: a whole
// file takes the wrestlers and keeps its own bytes; anything else is refused
// by name, and no file, wrestler or text box changes.
TEST_F(BadInput, ASecondRosterFileIsMergedOnlyWhenWholeAndNamesStayInTheFolder) {
    const std::string theirs = wrestlers(test::everyByteButLineEnds()); // not "Cass Vane"
    const std::string folder = "(folder)";
    const std::string unsafe(roster::kUnsafeFileName);
    const struct {
        std::string name;    // typed
        std::string bytes;   // of Data/<name>
        std::string refusal; // in the message; "" when merged
    } cases[] = {
        {"other.bm1", "", ""},
        {"other.bm1", theirs, ""},
        {"other.bm1", wrestlers(std::string(100'000, 'W')), ""},
        {"other.bm1", theirs.substr(0, theirs.size() / 2), "other.bm1"},
        {"other.bm1", bareLineFeeds(theirs), "other.bm1"},
        {"other.bm1", tooManyWrestlers(), "other.bm1"},
        {"other.bm1", folder, "other.bm1"},
        {"CON.bm1", "", unsafe},
        {"..\\other.bm1", "", unsafe},
        {"a/other.bm1", "", unsafe},
        {"*?#[.bm1", "", unsafe},
    };
    const auto roster = readers()[2];
    for (const auto& c : cases) {
        ASSERT_TRUE(read(roster, roster.good));
        fs::remove_all(game.path("Data/other.bm1"));
        if (c.bytes == folder) {
            game.makeFolder("Data/other.bm1");
        } else if (c.refusal != unsafe) {
            game.write("Data/" + c.name, c.bytes);
        }
        const std::string where = c.name + ": " + c.bytes.substr(0, 40);
        dialogs.reply(c.name);
        editor.bulkTools.exportIntoAnotherFile();
        const std::string said = lastShown().text;
        if (c.refusal.empty()) {
            EXPECT_EQ(said, roster::kRosterExported) << where;
            EXPECT_EQ(game.read("Data/other.bm1"), c.bytes + roster.good) << where;
        } else {
            EXPECT_NE(said.find(c.refusal), std::string::npos) << where << ": " << said;
            EXPECT_TRUE(c.bytes == folder || c.refusal == unsafe ||
                        game.read("Data/" + c.name) == c.bytes)
                << where;
        }
        EXPECT_EQ(roster::rosterBytes(editor.rosterScreen.roster()), roster.good) << where;
        EXPECT_FALSE(editor.rosterScreen.hasUnsavedChanges()) << where;

        // The same name for a promotion's export: made only as a new file of
        // the folder.
        fs::remove_all(game.path("Data/other.bm1"));
        dialogs.clear();
        editor.bulkTools.type(roster::Box::ExportPromotion, "Free Agent");
        editor.bulkTools.type(roster::Box::ExportFile, c.name);
        editor.bulkTools.go(roster::ToolRow::Export);
        const bool made = c.refusal != unsafe;
        EXPECT_EQ(game.exists("Data/" + c.name), made) << where;
        EXPECT_EQ(editor.bulkTools.text(roster::Box::ExportFile), made ? "" : c.name) << where;
    }
    EXPECT_FALSE(fs::exists(game.root().parent_path() / "other.bm1"));
}

// Files in Images that are not images are listed by name like any other: the
// preview, not the list, is where they fail (the view shows no picture).
TEST_F(BadInput, ImagesThatAreNotImagesAreListedButFoldersAreNot) {
    game.write("Images/broken.jpg", "this is not a picture");
    game.write("Images/empty.gif", "");
    game.makeFolder("Images/folder.bmp");
    std::optional<std::string> chosen;
    editor.picker.choose("Logo", ui::NoImage::Offered, [&](const auto& v) { chosen = v; });
    EXPECT_EQ(editor.picker.files(), (std::vector<std::string>{"broken.jpg", "empty.gif"}));
    editor.picker.select(1);
    EXPECT_EQ(editor.picker.preview(), game.path("Images/empty.gif"));
    editor.picker.useImage();
    EXPECT_EQ(chosen, "empty.gif");
}

} // namespace
} // namespace bm::app
