#include "support/editor_fixture.h"

#include <filesystem>
#include <string>
#include <vector>

namespace bm::context {
namespace {

using ui::Icon;
using ui::Screen;

constexpr const char* kInvalid = "Your start date has been checked and it is not a valid date. "
                                 "Please choose a real-life date.";
constexpr const char* kQuestion = "Going back to the menu will lose the changes you made.\r\n\r\n"
                                  "Save changes before you go?";
constexpr const char* kSaved = "Start Date Saved OK!";

// Lines the editor must never touch: odd bytes, an empty line, a last empty line.
std::string mainData(const std::string& weekday, const std::string& day, const std::string& month,
                     const std::string& year) {
    return "BM13 \xff\x01 data\r\n\t\r\n" + weekday + "\r\n" + day + "\r\n" + month + "\r\n" +
           year + "\r\nafter the date\r\n" + test::everyByteButLineEnds() + "\r\n\r\nlast\r\n\r\n";
}

class StartDateTest : public test::EditorTest {
protected:
    StartDateScreen& screen = editor.startDate;

    void open(const std::string& bytes) {
        std::filesystem::remove(game.path("Data/maindata.bm1"));
        if (!bytes.empty()) {
            game.write("Data/maindata.bm1", bytes);
        }
        editor.start.editNewGameData();
        dialogs.clear();
        editor.menu.press(MenuButton::StartDate);
    }
};

TEST_F(StartDateTest, AFileWithoutAStartDateIsRefusedByNameAndLeftAlone) {
    const struct {
        std::string bytes; // empty: no file at all
        std::string says;
    } cases[] = {
        {"", "does not exist."},
        {mainData("wednesday", "18", "August", "2004"), "weekday name"},
        {mainData("Wednesday", "018", "August", "2004"), "day number"},
        {mainData("Wednesday", "18", "Aug", "2004"), "not a month name"},
        {mainData("Wednesday", "18", "August", "2051"), "from 1950 to 2050"},
        {mainData("Wednesday", "18", "August", std::string(5000, '9')), "from 1950 to 2050"},
    };
    for (const auto& c : cases) {
        open(c.bytes);
        ASSERT_EQ(dialogs.shown().size(), 1u) << c.says;
        EXPECT_EQ(lastShown().icon, Icon::Exclamation) << c.says;
        EXPECT_NE(lastShown().text.find(game.path("Data/maindata.bm1").string()), std::string::npos)
            << lastShown().text;
        EXPECT_LT(lastShown().text.size(), 400u) << "a long line is not shown whole";
        EXPECT_NE(lastShown().text.find(c.says), std::string::npos) << lastShown().text;
        EXPECT_EQ(navigator.current(), Screen::EditingMenu) << c.says;
        EXPECT_EQ(game.exists("Data/maindata.bm1") ? game.read("Data/maindata.bm1") : "", c.bytes);
    }
}

// A valid date rewrites only the date lines, from the lines read on opening;
// an invalid one is never saved.
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
        open(mainData("Wednesday", "18", "August", "2004"));
        EXPECT_EQ(screen.instruction(), "Please choose the start date for this game / scenario.");
        EXPECT_EQ(screen.weekday() + screen.day() + screen.month() + screen.year() +
                      std::to_string(screen.spinner()),
                  "Wednesday18August20042004");
        screen.moveYear(2005); // a change undone is no change
        screen.chooseWeekday(c.weekday);
        screen.chooseDay(c.day);
        screen.chooseMonth(c.month);
        screen.moveYear(c.year);
        game.write("Data/maindata.bm1", "replaced meanwhile\r\n");
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
            EXPECT_EQ(shown.icon, shown.text == kInvalid ? Icon::Exclamation : Icon::None);
            EXPECT_EQ(shown.title, "BM 1.3 Official Editor");
        }
        EXPECT_EQ(game.read("Data/maindata.bm1"),
                  c.saved ? mainData(c.weekday, c.day, c.month, std::to_string(c.year))
                          : "replaced meanwhile\r\n")
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

} // namespace
} // namespace bm::context
