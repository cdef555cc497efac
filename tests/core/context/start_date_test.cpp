#include "support/editor_fixture.h"

#include <filesystem>
#include <string>
#include <vector>

namespace bm::context {
namespace {

namespace fs = std::filesystem;
using ui::Icon;
using ui::Screen;
using Kind = test::ScriptedDialogs::Kind;

constexpr const char* kInvalid = "Your start date has been checked and it is not a valid date. "
                                 "Please choose a real-life date.";
constexpr const char* kQuestion = "Going back to the menu will lose the changes you made.\r\n\r\n"
                                  "Save changes before you go?";
constexpr const char* kSaved = "Start Date Saved OK!";

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
    const std::string original = mainData("Wednesday", "18", "August", "2004");

    void SetUp() override {
        game.write("Data/maindata.bm1", original);
        editor.start.editNewGameData();
    }
    void open() {
        dialogs.clear();
        editor.menu.press(MenuButton::StartDate);
    }
    // Opens the screen, chooses a date and clears the log.
    void enter(const char* weekday, const char* day, const char* month, int year) {
        open();
        screen.moveYear(2005); // a change undone is no change
        screen.chooseWeekday(weekday);
        screen.chooseDay(day);
        screen.chooseMonth(month);
        screen.moveYear(year);
        dialogs.clear();
    }
    std::string file() const { return game.read("Data/maindata.bm1"); }
};

TEST_F(StartDateTest, OpeningFromTheMenuFillsTheInputsFromTheFile) {
    open();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(navigator.current(), Screen::StartDate);
    EXPECT_EQ(screen.instruction(), "Please choose the start date for this game / scenario.");
    EXPECT_EQ(screen.weekday() + screen.day() + screen.month() + screen.year(),
              "Wednesday18August2004");
    EXPECT_EQ(screen.spinner(), 2004);
}

TEST_F(StartDateTest, AFileWithoutAStartDateIsRefusedAndLeftAlone) {
    const std::string bareLf = "has lines ended by a bare line feed (LF) instead of CR LF.";
    const struct {
        const char* name;
        std::string bytes; // empty: no file at all
        std::string says;
    } cases[] = {
        {"missing", "", "does not exist."},
        {"five lines", kHead + "Wednesday\r\n18\r\nAugust\r\n", "has 5 lines, too few"},
        {"weekday in lower case", mainData("wednesday", "18", "August", "2004"), "weekday name"},
        {"day with a leading zero", mainData("Wednesday", "018", "August", "2004"), "day number"},
        {"month abbreviated", mainData("Wednesday", "18", "Aug", "2004"), "not a month name"},
        {"year 2051", mainData("Wednesday", "18", "August", "2051"), "from 1950 to 2050"},
        {"year as a huge number", mainData("Wednesday", "18", "August", std::string(5000, '9')),
         "from 1950 to 2050"},
        {"LF line ends", "BM13\nx\nWednesday\n18\nAugust\n2004\n", bareLf},
        {"an LF in the weekday", mainData("Wednes\nday", "18", "August", "2004"), bareLf},
    };
    for (const auto& c : cases) {
        fs::remove(game.path("Data/maindata.bm1"));
        if (!c.bytes.empty()) {
            game.write("Data/maindata.bm1", c.bytes);
        }
        open();
        ASSERT_EQ(dialogs.shown().size(), 1u) << c.name;
        EXPECT_EQ(lastShown().icon, Icon::Exclamation) << c.name;
        EXPECT_NE(lastShown().text.find(game.path("Data/maindata.bm1").string()), std::string::npos)
            << c.name << lastShown().text;
        EXPECT_LT(lastShown().text.size(), 400u) << c.name << ": a long line is not shown whole";
        EXPECT_NE(lastShown().text.find(c.says), std::string::npos) << lastShown().text;
        EXPECT_EQ(navigator.current(), Screen::EditingMenu) << c.name;
        EXPECT_EQ(game.exists("Data/maindata.bm1") ? file() : "", c.bytes) << c.name;
    }
}

// A valid date rewrites only the date lines; an invalid one is never saved.
TEST_F(StartDateTest, ConfirmAndBackToMenuSaveOnlyAValidDate) {
    enum Action { Confirm, Back, BackNo, BackYes };
    const struct {
        const char* weekday;
        const char* day;
        const char* month;
        int year;
        Action action;
        std::vector<std::string> texts;
        bool saved;
    } cases[] = {
        {"Thursday", "1", "January", 2004, Confirm, {kSaved}, true},
        {"Thursday", "18", "August", 2004, Confirm, {kInvalid}, false}, // a Wednesday
        {"Wednesday", "18", "August", 2004, Back, {}, false},
        {"Thursday", "19", "August", 2004, BackNo, {kQuestion}, false},
        {"Thursday", "19", "August", 2004, BackYes, {kQuestion, kSaved}, true},
        {"Thursday", "18", "August", 2004, BackYes, {kQuestion, kInvalid}, false},
    };
    for (const auto& c : cases) {
        const std::string name = std::string(c.weekday) + c.day + c.month;
        game.write("Data/maindata.bm1", original);
        enter(c.weekday, c.day, c.month, c.year);
        if (c.action == Confirm) {
            screen.confirm();
        } else {
            if (c.action != Back) {
                c.action == BackYes ? dialogs.yes() : dialogs.no();
            }
            screen.backToMenu();
        }
        EXPECT_EQ(dialogs.texts(), c.texts) << name;
        for (const auto& shown : dialogs.shown()) {
            EXPECT_EQ(shown.kind, shown.text == kQuestion ? Kind::Question : Kind::Message);
            EXPECT_EQ(shown.icon, shown.text == kInvalid ? Icon::Exclamation : Icon::None);
            EXPECT_EQ(shown.title, "BM 1.3 Official Editor");
        }
        EXPECT_EQ(file(),
                  c.saved ? mainData(c.weekday, c.day, c.month, std::to_string(c.year)) : original)
            << name;
        const bool stays = !c.texts.empty() && c.texts.back() == kInvalid;
        EXPECT_EQ(navigator.current(), stays ? Screen::StartDate : Screen::EditingMenu) << name;
        if (stays) {
            dialogs.no();
            screen.backToMenu();
        }
    }
    EXPECT_GT(dialogs.busyCount(), 0) << "the check shows the busy pointer";
    EXPECT_FALSE(dialogs.busyNow());
}

TEST_F(StartDateTest, AFailedWriteIsShownAndNeverReportedAsSaved) {
    enter("Thursday", "19", "August", 2004);
    fs::remove_all(game.path("Data"));
    screen.confirm();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(lastShown().icon, Icon::Critical);
    EXPECT_NE(lastShown().text.find(game.path("Data/maindata.bm1").string()), std::string::npos)
        << lastShown().text;
    EXPECT_EQ(navigator.current(), Screen::StartDate);

    // The screen keeps the lines it read, so a second try writes the whole file.
    game.write("Data/maindata.bm1", "replaced meanwhile\r\n");
    dialogs.clear();
    screen.confirm();
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{kSaved});
    EXPECT_EQ(file(), mainData("Thursday", "19", "August", "2004"));
}

} // namespace
} // namespace bm::context
