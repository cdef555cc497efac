#include "support/editor_fixture.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace bm::context {
namespace {

namespace fs = std::filesystem;
using test::ScriptedDialogs;
using ui::Icon;
using ui::Screen;
using Kind = ScriptedDialogs::Kind;

constexpr const char* kInvalid = "Your start date has been checked and it is not a valid date. "
                                 "Please choose a real-life date.";
constexpr const char* kQuestion = "Going back to the menu will lose the changes you made.\r\n\r\n"
                                  "Save changes before you go?";

// Lines the editor must never touch: odd bytes, an empty line, a last empty line.
const std::string kHead = "BM13 \xff\x01 data\r\n\t\r\n";
const std::string kTail =
    "after the date\r\n" + test::everyByteButLineEnds() + "\r\n\r\nlast\r\n\r\n";

std::string mainData(const std::string& weekday, const std::string& day, const std::string& month,
                     const std::string& year) {
    return kHead + weekday + "\r\n" + day + "\r\n" + month + "\r\n" + year + "\r\n" + kTail;
}

class StartDateTest : public test::EditorTest {
protected:
    StartDateScreen& screen = editor.startDate;

    void SetUp() override {
        game.write("Data/maindata.bm1", mainData("Wednesday", "18", "August", "2004"));
        editor.start.editNewGameData();
    }
    void open() {
        dialogs.clear();
        editor.menu.press(MenuButton::StartDate);
    }
    void choose(const std::string& weekday, const std::string& day, const std::string& month,
                int year) {
        screen.chooseWeekday(weekday);
        screen.chooseDay(day);
        screen.chooseMonth(month);
        screen.moveYear(year);
    }
    std::string file() const { return game.read("Data/maindata.bm1"); }
    std::string path() const { return game.path("Data/maindata.bm1").string(); }
};

TEST_F(StartDateTest, OpeningFromTheMenuFillsTheInputsFromTheFile) {
    navigator.log.clear();
    open();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(screen.instruction(), "Please choose the start date for this game / scenario.");
    EXPECT_EQ(screen.weekday(), "Wednesday");
    EXPECT_EQ(screen.day(), "18");
    EXPECT_EQ(screen.month(), "August");
    EXPECT_EQ(screen.year(), "2004");
    EXPECT_EQ(screen.spinner(), 2004);
    EXPECT_EQ(navigator.log, (std::vector<std::string>{
                                 "show " + std::to_string(static_cast<int>(Screen::StartDate)),
                                 "hide " + std::to_string(static_cast<int>(Screen::EditingMenu))}));
}

TEST_F(StartDateTest, AFileWithoutAStartDateIsRefusedAndLeftAlone) {
    const struct {
        const char* name;
        std::string bytes; // empty: no file at all
    } cases[] = {
        {"missing", ""},
        {"five lines", kHead + "Wednesday\r\n18\r\nAugust\r\n"},
        {"line feeds only", "a\nb\nWednesday\n18\nAugust\n2004\n"},
        {"weekday not a name", mainData("Funday", "18", "August", "2004")},
        {"weekday in lower case", mainData("wednesday", "18", "August", "2004")},
        {"weekday with a blank", mainData("Wednesday ", "18", "August", "2004")},
        {"day with a leading zero", mainData("Wednesday", "018", "August", "2004")},
        {"day 0", mainData("Wednesday", "0", "August", "2004")},
        {"day 32", mainData("Wednesday", "32", "August", "2004")},
        {"month abbreviated", mainData("Wednesday", "18", "Aug", "2004")},
        {"year 1949", mainData("Wednesday", "18", "August", "1949")},
        {"year 2051", mainData("Wednesday", "18", "August", "2051")},
        {"year with a leading zero", mainData("Wednesday", "18", "August", "02004")},
        {"year as a huge number", mainData("Wednesday", "18", "August", std::string(5000, '9'))},
    };
    for (const auto& c : cases) {
        fs::remove(game.path("Data/maindata.bm1"));
        if (!c.bytes.empty()) {
            game.write("Data/maindata.bm1", c.bytes);
        }
        open();
        ASSERT_EQ(dialogs.shown().size(), 1u) << c.name;
        EXPECT_EQ(lastShown().kind, Kind::Message) << c.name;
        EXPECT_EQ(lastShown().icon, Icon::Exclamation) << c.name;
        EXPECT_NE(lastShown().text.find(path()), std::string::npos) << c.name << lastShown().text;
        EXPECT_LT(lastShown().text.size(), 400u) << c.name << ": a long line is not shown whole";
        EXPECT_EQ(navigator.current(), Screen::EditingMenu) << c.name;
        EXPECT_EQ(game.exists("Data/maindata.bm1"), !c.bytes.empty()) << c.name;
        if (!c.bytes.empty()) {
            EXPECT_EQ(file(), c.bytes) << c.name;
        }
    }
}

TEST_F(StartDateTest, ConfirmRewritesOnlyTheDateLines) {
    open();
    choose("Thursday", "1", "January", 2004);
    dialogs.clear();
    screen.confirm();
    EXPECT_EQ(file(), mainData("Thursday", "1", "January", "2004"));
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(lastShown().text, "Start Date Saved OK!");
    EXPECT_EQ(lastShown().icon, Icon::None);
    EXPECT_EQ(lastShown().title, "BM 1.3 Official Editor");
    EXPECT_EQ(navigator.current(), Screen::EditingMenu);
    EXPECT_GT(dialogs.busyCount(), 0) << "the check shows the busy pointer";
    EXPECT_FALSE(dialogs.busyNow());
}

TEST_F(StartDateTest, AnInvalidDateIsRefusedAndNothingIsWritten) {
    const std::string original = file();
    const std::array<std::array<const char*, 3>, 3> cases{{
        {"Thursday", "29", "February"}, // 2001: no leap year
        {"Friday", "31", "April"},
        {"Thursday", "18", "August"}, // a Wednesday
    }};
    for (const auto& [weekday, day, month] : cases) {
        open();
        choose(weekday, day, month, std::string_view(day) == "29" ? 2001 : 2004);
        dialogs.clear();
        screen.confirm();
        ASSERT_EQ(dialogs.shown().size(), 1u) << day << month;
        EXPECT_EQ(lastShown().text, kInvalid);
        EXPECT_EQ(lastShown().icon, Icon::Exclamation);
        EXPECT_EQ(lastShown().title, "BM 1.3 Official Editor");
        EXPECT_EQ(file(), original) << day << month;
        EXPECT_EQ(navigator.current(), Screen::StartDate) << day << month;
        dialogs.no(); // leave without saving for the next case
        screen.backToMenu();
    }
}

TEST_F(StartDateTest, BackToMenuAsksOnlyAboutChangesAndSavesOnYes) {
    const std::string original = file();
    const std::string saved = mainData("Thursday", "19", "August", "2004");
    const struct {
        const char* weekday;
        const char* day;
        const char* month;
        int answer; // -1: no question expected, 0: No, 1: Yes
        std::vector<std::string> texts;
        const std::string& fileAfter;
        Screen where;
    } cases[] = {
        {"Wednesday", "18", "August", -1, {}, original, Screen::EditingMenu},
        {"Wednesday", "19", "August", 0, {kQuestion}, original, Screen::EditingMenu},
        {"Thursday",
         "19",
         "August",
         1,
         {kQuestion, "Start Date Saved OK!"},
         saved,
         Screen::EditingMenu},
        {"Wednesday", "18", "June", 1, {kQuestion, kInvalid}, original, Screen::StartDate},
    };
    for (const auto& c : cases) {
        const std::string name = std::string(c.weekday) + c.day + c.month;
        game.write("Data/maindata.bm1", original);
        open();
        screen.moveYear(2005); // a change undone is no change
        choose(c.weekday, c.day, c.month, 2004);
        if (c.answer >= 0) {
            c.answer == 1 ? dialogs.yes() : dialogs.no();
        }
        screen.backToMenu();
        EXPECT_EQ(dialogs.texts(), c.texts) << name;
        if (!dialogs.shown().empty()) {
            EXPECT_EQ(dialogs.shown().front().kind, Kind::Question);
            EXPECT_EQ(dialogs.shown().front().icon, Icon::None);
            EXPECT_EQ(dialogs.shown().front().title, "BM 1.3 Official Editor");
        }
        EXPECT_EQ(file(), c.fileAfter) << name;
        EXPECT_EQ(navigator.current(), c.where) << name;
        if (navigator.current() == Screen::StartDate) {
            dialogs.no();
            screen.backToMenu();
        }
    }
}

TEST_F(StartDateTest, AFailedWriteIsShownAndNeverReportedAsSaved) {
    const std::string original = file();
    const struct {
        const char* name;
        std::function<void()> breakIt;
        std::function<void()> mendIt;
    } cases[] = {
        {"folder gone", [&] { fs::remove_all(game.path("Data")); },
         [&] { game.makeFolder("Data"); }},
        {"a folder in the file's place",
         [&] {
             fs::remove(game.path("Data/maindata.bm1"));
             game.makeFolder("Data/maindata.bm1");
         },
         [&] { fs::remove(game.path("Data/maindata.bm1")); }},
    };
    for (const auto& c : cases) {
        open();
        choose("Thursday", "19", "August", 2004);
        c.breakIt();
        dialogs.clear();
        screen.confirm();
        ASSERT_EQ(dialogs.shown().size(), 1u) << c.name;
        EXPECT_EQ(lastShown().icon, Icon::Critical) << c.name;
        EXPECT_NE(lastShown().text.find(path()), std::string::npos) << c.name << lastShown().text;
        EXPECT_EQ(navigator.current(), Screen::StartDate) << c.name;

        // The screen keeps the lines it read, so a second try after the cause
        // is gone writes the whole file.
        c.mendIt();
        game.write("Data/maindata.bm1", "replaced meanwhile\r\n");
        dialogs.clear();
        screen.confirm();
        EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Start Date Saved OK!"}) << c.name;
        EXPECT_EQ(file(), mainData("Thursday", "19", "August", "2004")) << c.name;
        game.write("Data/maindata.bm1", original);
    }
}

TEST_F(StartDateTest, InputsTakeOnlyTheirListsAndTheSpinnerStaysInItsRange) {
    open();
    screen.chooseWeekday("monday");
    screen.chooseDay("018");
    screen.chooseMonth("");
    EXPECT_EQ(screen.weekday() + screen.day() + screen.month(), "Wednesday18August");
    for (const auto& [moved, shown] : {std::pair{1949, 1950}, {2051, 2050}, {-32768, 1950}}) {
        screen.moveYear(moved);
        EXPECT_EQ(screen.spinner(), shown) << moved;
        EXPECT_EQ(screen.year(), std::to_string(shown)) << moved;
    }
}

} // namespace
} // namespace bm::context
