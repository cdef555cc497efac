#include "core/promotion/step4.h"

#include "support/step_fixture.h"

#include <tuple>

namespace bm::promotion {
namespace {

constexpr int kYes = 0;
constexpr int kNo = 1;

class Step4Test : public test::PromotionStepTest {
protected:
    Step4& step = editor.step4;

    std::tuple<std::string, std::string, std::string> monthShown() const {
        return {step.shown(BigShowField::bigshowname), step.bigshowbrand().text(),
                step.shown(BigShowField::bigshowlogo)};
    }
};

TEST_F(Step4Test, PpvDealWarnsBelowNationalAndIsStoredAnyway) {
    const std::string warning =
        "WARNING:\r\nOnly National sized promotions can have a monthly PPV deal.";
    const struct {
        const char* size;
        int choice;
        bool warns;
    } cases[] = {
        {"1", kYes, true}, {"3", kYes, true}, {"4", kYes, false},
        {"1", kNo, false}, {"x", kYes, true}, {"6", kNo, false},
    };
    for (const auto& c : cases) {
        record.set(line::size, c.size);
        const auto before = record.lines();
        dialogs.clear();
        step.choosePpvDeal(c.choice);
        EXPECT_EQ(dialogs.texts(), c.warns ? std::vector{warning} : std::vector<std::string>{})
            << c.size << c.choice;
        EXPECT_EQ(record.lines(),
                  test::withLines(before, {{line::ppvdeal, c.choice == kYes ? "Yes" : "No"}}));
    }
}

TEST_F(Step4Test, BuyRateHasAnUpperBoundOnlyAndIsStoredInHundredths) {
    const std::string refusal =
        "Invalid Buy-Rate!\r\n\r\nThe Buy-Rate is a number usually between 0 and 2, where 1.0 = "
        "400,000 PPV buys. WWE usually get between 0.5 and 1.0 for their monthly PPV "
        "events.\r\n\r\nPlease enter another value.";
    const struct {
        Step4Field field;
        const char* reply;
        const char* stored; // nullptr: refused or cancelled
    } cases[] = {
        {Step4Field::ppvbuyrate, "5", "500"},     {Step4Field::ppvbuyrate, "5.01", nullptr},
        {Step4Field::ppvbuyrate, "0", "0"},       {Step4Field::ppvbuyrate, "-1", "-100"},
        {Step4Field::ppvbuyrate, "0.835", "83"},  {Step4Field::ppvbuyrate, "abc", "0"},
        {Step4Field::ppvbuyrate, "-0.001", "-1"}, {Step4Field::ppvbuyrate, "", nullptr},
        {Step4Field::bigshowatt, "12,000", "12"}, {Step4Field::bigshowatt, "", nullptr},
    };
    for (const auto& c : cases) {
        const int at = kStep4Prompts[c.field].recordLine();
        const std::string shownBefore = step.shown(c.field);
        const auto before = record.lines();
        dialogs.clear();
        dialogs.reply(c.reply);
        step.edit(c.field);
        EXPECT_EQ(record.lines(), c.stored ? test::withLines(before, {{at, c.stored}}) : before)
            << c.reply;
        const bool refused = !c.stored && *c.reply;
        EXPECT_EQ(dialogs.texts().size(), refused ? 2u : 1u) << c.reply;
        if (refused) {
            EXPECT_EQ(dialogs.texts().back(), refusal);
        }
        const bool asTyped = c.field == Step4Field::ppvbuyrate;
        EXPECT_EQ(step.shown(c.field), c.stored ? (asTyped ? c.reply : c.stored) : shownBefore)
            << c.reply;
    }
    dialogs.clear();
    dialogs.reply("").reply("");
    step.edit(Step4Field::ppvbuyrate);
    step.edit(Step4Field::bigshowatt);
    const auto& s = dialogs.shown();
    EXPECT_EQ(std::tuple(s[0].title, s[0].text, s[0].initial),
              std::tuple("Average PPV Buy-Rate",
                         "Please enter the average buy rate this promotion gets for big shows on "
                         "Pay-Per-View (not weekly shows).\r\nSome examples of real life "
                         "buy-rates: \r\nSummerslam 2005 - 0.94\r\nNo Way Out 2005 - "
                         "0.59\r\nRoyal Rumble 2005 - 0.83",
                         "-0.001"));
    EXPECT_EQ(std::tuple(s[1].title, s[1].text, s[1].initial),
              std::tuple("Max Big Show Attendence",
                         "Please enter the maximum attendence this promotion could attract for a "
                         "big show at this point in time.",
                         "12"));
}

// Each operation on the months, in order, with the one block it may change.
TEST_F(Step4Test, MonthsAreSelectedNamedAndRemoved) {
    using Shown = std::tuple<std::string, std::string, std::string>;
    using Lines3 = std::array<std::string, 3>;
    const Lines3 kEmpty{"", "", ""};
    record.set(line::months[4].bigshowname, "May Mayhem");
    record.set(line::months[4].bigshowbrand, "Brand 9");
    game.write("Images/crest.gif", "x");
    enum Op { Select, Name, Logo, Brand, Pick };
    const struct {
        Op op;
        int month;        // for Select
        const char* text; // the reply
        Shown shown;
        int block;
        Lines3 lines;
    } steps[] = {
        {Select, 0, "", {"None", "All", "NA"}, 0, {"", "All", "NA"}},
        {Select, 2, "", {"None", "All", "NA"}, 2, {"", "All", "NA"}},
        {Name, 0, "Spring Slam", {"Spring Slam", "All", "NA"}, 2, {"Spring Slam", "All", "NA"}},
        {Brand, 1, "", {"Spring Slam", "Brand 1", "NA"}, 2, {"Spring Slam", "Brand 1", "NA"}},
        {Logo,
         0,
         "slam.gif",
         {"Spring Slam", "Brand 1", "slam.gif"},
         2,
         {"Spring Slam", "Brand 1", "slam.gif"}},
        {Name,
         0,
         "",
         {"Spring Slam", "Brand 1", "slam.gif"},
         2,
         {"Spring Slam", "Brand 1", "slam.gif"}},
        {Name, 0, "None", {"None", "All", "NA"}, 2, kEmpty},
        {Select, 2, "", {"None", "All", "NA"}, 2, {"", "All", "NA"}},
        {Select, 4, "", {"May Mayhem", "Brand 9", "NA"}, 4, {"May Mayhem", "Brand 9", ""}},
        {Pick, 11, "", {"None", "All", "crest.gif"}, 11, {"", "All", "crest.gif"}},
        {Select, 12, "", {"None", "All", "crest.gif"}, 11, {"", "All", "crest.gif"}},
    };
    for (const auto& s : steps) {
        const std::string label = "step " + std::to_string(&s - steps);
        const line::MonthLines l = line::months[static_cast<std::size_t>(s.block)];
        auto expected = record.lines();
        dialogs.clear();
        switch (s.op) {
        case Select:
            step.selectMonth(s.month);
            break;
        case Name:
        case Logo:
            dialogs.reply(s.text);
            step.edit(s.op == Name ? BigShowField::bigshowname : BigShowField::bigshowlogo);
            break;
        case Brand:
            step.chooseBrand(s.month);
            break;
        case Pick:
            step.selectMonth(s.month);
            expected = record.lines();
            step.pickLogo();
            editor.picker.useImage();
            break;
        }
        expected = test::withLines(expected, {{l.bigshowname, s.lines[0]},
                                              {l.bigshowbrand, s.lines[1]},
                                              {l.bigshowlogo, s.lines[2]}});
        EXPECT_EQ(record.lines(), expected) << label;
        EXPECT_EQ(monthShown(), s.shown) << label;
    }
    dialogs.clear();
    dialogs.reply("").reply("");
    step.edit(BigShowField::bigshowname);
    step.edit(BigShowField::bigshowlogo);
    const auto& p = dialogs.shown();
    EXPECT_EQ(std::tuple(p[0].title, p[0].text, p[0].initial),
              std::tuple("Big Show Name",
                         "Please enter the name of the big show which is held in this month by "
                         "this promotion, or if this promotion doesn't have a big show in this "
                         "month, enter 'None'.",
                         "None"));
    EXPECT_EQ(std::tuple(p[1].title, p[1].text, p[1].initial),
              std::tuple("Big Show Logo",
                         "Please enter the name of the image you want to use for this big show's "
                         "logo. The image file should be kept in the Images folder in your BM "
                         "folder. If you don't want to specify a logo for this month's big show, "
                         "enter 'NA'.",
                         "crest.gif"));
}

TEST_F(Step4Test, ThePickerWritesTheMonthItWasOpenedFor) {
    game.write("Images/crest.gif", "x");
    step.selectMonth(2);
    step.pickLogo();
    EXPECT_EQ(editor.picker.heading(), "March Big Show Logo");
    step.selectMonth(3);
    const auto before = record.lines();
    editor.picker.useImage();
    EXPECT_EQ(record.lines(), test::withLines(before, {{57, "crest.gif"}}));
    EXPECT_EQ(step.shown(BigShowField::bigshowlogo), "NA") << "April stays shown";
    step.pickLogo();
    step.back();
    EXPECT_FALSE(editor.picker.isOpen());
    EXPECT_EQ(navigator.current(), ui::Screen::Step3);
}

TEST_F(Step4Test, LoadingShowsJanuaryWithoutWritingIt) {
    step.selectMonth(5);
    load({{line::ppvdeal, "maybe"},
          {line::ppvbuyrate, "83"},
          {line::bigshowatt, "9e9"},
          {line::months[0].bigshowbrand, "Brand 2"}});
    const auto loaded = record.lines();
    EXPECT_EQ(step.months().selected(), 0);
    EXPECT_EQ(std::tuple(step.ppvdeal().index(), step.ppvdeal().text()), std::tuple(-1, "maybe"));
    EXPECT_EQ(step.shown(Step4Field::ppvbuyrate), "0.83");
    EXPECT_EQ(step.shown(Step4Field::bigshowatt), "9e9");
    EXPECT_EQ(monthShown(), std::tuple("None", "All", "NA"));
    EXPECT_EQ(record.get(line::months[0].bigshowlogo), "") << "a loaded file keeps line 51";
    EXPECT_EQ(record.lines(), loaded);
}

TEST_F(Step4Test, ANewPromotionShowsJanuaryWithoutABigShow) {
    EXPECT_EQ(monthShown(), std::tuple("None", "All", "NA"));
    EXPECT_EQ(record.get(line::months[0].bigshowlogo), "NA");
    EXPECT_EQ(step.shown(Step4Field::ppvbuyrate), "0.1");
    EXPECT_EQ(step.ppvdeal().text(), "No");
}

} // namespace
} // namespace bm::promotion
