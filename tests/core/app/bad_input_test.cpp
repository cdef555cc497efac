// Damaged files and values no screen offers, through the real screens: never
// a crash, a message naming the file at fault, data as they were.
#include "core/promotion/record/promotion_record.h"
#include "core/roster/bulk_tools.h"
#include "core/roster/roster.h"
#include "support/editor_fixture.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace bm::app {
namespace {

using context::MenuButton;
using platform::joinLines;
using ui::Screen;

std::string wrestlers(const std::string& value = {}) {
    roster::WrestlerRecord record = roster::newWrestler("Cass Vane", "2004");
    for (std::size_t f = 0; !value.empty() && f < roster::kFieldCount; ++f) {
        record.set(static_cast<roster::Field>(f), value);
    }
    return std::string(record.fileBytes());
}

std::string tooManyWrestlers() {
    std::string bytes;
    for (std::size_t i = 0; i <= roster::kMaxWrestlers; ++i) {
        bytes += wrestlers();
    }
    return bytes;
}

class BadInput : public test::EditorTest {
protected:
    struct Reader {
        std::string file;
        std::string good; // a sound file of this kind
        std::function<void()> open;
        Screen screen;
    };
    void fromMenu(MenuButton button) {
        editor.start.editNewGameData();
        editor.menu.press(button);
    }
    const Reader mainData{"Data/maindata.bm1",
                          joinLines({"BM13", "7", "Wednesday", "18", "August", "2004", "tail"}),
                          [this] { fromMenu(MenuButton::StartDate); }, Screen::StartDate};
    const Reader venues{"Data/venues.txt",
                        joinLines({"Quay Hall", "Quay, Coast", "Quay", "900", "UK", "None"}),
                        [this] { fromMenu(MenuButton::Venues); }, Screen::Venues};
    const Reader roster{"Data/wrestlers.bm1", wrestlers(),
                        [this] { fromMenu(MenuButton::Wrestlers); }, Screen::Roster};
    const Reader promotion{"Data/bmf.fed", joinLines(promotion::makeTemplateRecord().lines()),
                           [this] {
                               editor.start.editNewGameData();
                               editor.chooser.setMode(promotion::ChooserMode::Edit);
                               editor.chooser.select(0);
                               editor.chooser.act();
                           },
                           Screen::Step1};

    // Runs a reader on `bytes`; true when its screen was shown.
    bool read(const Reader& r, const std::string& bytes) {
        game.write(r.file, bytes);
        navigator.go(Screen::Start);
        dialogs.clear();
        r.open();
        return navigator.current() == r.screen;
    }
    bool named(const std::string& file) const {
        const auto name = std::filesystem::path(file).filename().string();
        return std::any_of(dialogs.shown().begin(), dialogs.shown().end(), [&](const auto& box) {
            return box.text.find(name) != std::string::npos && box.icon != ui::Icon::None;
        });
    }
};

TEST_F(BadInput, DamagedFilesOpenOrAreRefusedByNameAndStayAsTheyWere) {
    const auto firstLine = [](const std::string& good, const std::string& line) {
        return line + good.substr(good.find("\r\n"));
    };
    const std::vector<const Reader*> readers{&mainData, &venues, &roster, &promotion};
    const struct {
        const char* damage;
        const char* opens; // by each reader above: y(es) or n(o)
        std::function<std::string(const std::string&)> make;
    } cases[] = {
        {"empty", "nyyy", [](auto&) { return std::string(); }},
        {"truncated mid-line", "nyny", [](auto& g) { return g.substr(0, g.size() / 2); }},
        {"over-long", "yyny", [](auto& g) { return g + std::string(5000, '\r'); }},
        {"a line of 100,000 characters", "yyyy",
         [&](auto& g) { return firstLine(g, std::string(100'000, 'W')); }},
        {"NUL and high bytes", "yyyy",
         [&](auto& g) { return firstLine(g, test::everyByteButLineEnds()); }},
        {"1e400 on every line", "nyyy",
         [](auto& g) { return joinLines(platform::Lines(std::ranges::count(g, '\r'), "1e400")); }},
        {"bare line feeds", "nyny", [](std::string g) { return std::erase(g, '\r'), g; }},
    };
    for (const auto& c : cases) {
        for (std::size_t i = 0; i < readers.size(); ++i) {
            const std::string bytes = c.make(readers[i]->good);
            const std::string where = readers[i]->file + ", " + c.damage;
            const bool opens = c.opens[i] == 'y';
            EXPECT_EQ(read(*readers[i], bytes), opens) << where;
            EXPECT_TRUE(opens || named(readers[i]->file)) << where << ": names no file";
            EXPECT_EQ(game.read(readers[i]->file), bytes) << where;
        }
    }
}

// The whole-folder checks name what is damaged and change no file; a logo name
// that would leave the folder, name a drive or hold a NUL is never found.
TEST_F(BadInput, TheChecksNameWhatIsDamagedAndChangeNoFile) {
    // Only the first is found.
    const std::vector<std::string> logos{"sub\\crest.jpg",
                                         "..\\Data\\crest.jpg",
                                         "sub/./crest.jpg",
                                         "C:crest.jpg",
                                         "\\crest.jpg",
                                         std::string("crest.jpg\0.gif", 14),
                                         std::string(100'000, 'W')};
    auto fed = promotion::makeTemplateRecord();
    std::string listed;
    for (std::size_t i = 0; i < logos.size(); ++i) {
        fed.set(promotion::line::months[i].bigshowlogo, logos[i]);
        listed += "Image: ''" + logos[i] + "''..... " + (i ? "** MISSING **" : "OK") + "\r\n";
    }
    const std::map<std::string, std::string> good{
        {"maindata.bm1", joinLines({"BM13", "7", "Wednesday", "18", "August", "2004"})},
        {"venues.txt", venues.good},
        {"wrestlers.bm1", wrestlers()},
        {"a.fed", joinLines(fed.lines())}};
    for (const char* image : {"Images/crest.jpg", "Images/sub/crest.jpg", "Data/crest.jpg"}) {
        game.write(image, "x");
    }
    editor.context.enter(context::ContextKind::Scenario, "\\Scenarios\\S\\");
    editor.context.enableAll();
    const struct {
        std::string file; // in the scenario's folder
        std::string bytes;
        MenuButton check;
        std::string says; // in its report
    } cases[] = {
        {"a.fed", good.at("a.fed"), MenuButton::CheckScenario, listed},
        {"maindata.bm1", "", MenuButton::CheckDates, "maindata.bm1\" has 0 lines, too few to hold"},
        {"wrestlers.bm1", tooManyWrestlers(), MenuButton::CheckDates,
         "wrestlers.bm1\" holds 32768 wrestlers, more than the 32767"},
    };
    for (const auto& c : cases) {
        for (const auto& [file, content] : good) {
            game.write("Scenarios/S/" + file, file == c.file ? c.bytes : content);
        }
        editor.menu.press(c.check);
        EXPECT_NE(editor.menu.reportText().find(c.says), std::string::npos)
            << c.file << "\n"
            << editor.menu.reportText().substr(0, 400);
        EXPECT_EQ(game.read("Scenarios/S/" + c.file), c.bytes) << c.file;
    }
}

// A roster file to merge into: a whole one takes the wrestlers and keeps its
// own bytes; a damaged one is refused by name, and nothing changes.
TEST_F(BadInput, ASecondRosterFileIsMergedOnlyWhenWhole) {
    const std::string theirs = wrestlers(test::everyByteButLineEnds()); // not "Cass Vane"
    for (const std::string& bytes : {theirs, theirs.substr(0, theirs.size() / 2)}) {
        const bool whole = bytes == theirs;
        ASSERT_TRUE(read(roster, roster.good));
        game.write("Data/other.bm1", bytes);
        dialogs.reply("other.bm1");
        editor.bulkTools.exportIntoAnotherFile();
        EXPECT_TRUE(whole ? lastShown().text == roster::kRosterExported : named("other.bm1"))
            << lastShown().text;
        EXPECT_EQ(game.read("Data/other.bm1"), whole ? bytes + roster.good : bytes);
        EXPECT_EQ(roster::rosterBytes(editor.rosterScreen.roster()), roster.good);
        EXPECT_FALSE(editor.rosterScreen.hasUnsavedChanges());
    }
}

} // namespace
} // namespace bm::app
