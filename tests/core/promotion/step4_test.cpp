#include "core/promotion/step4.h"

#include "support/step_fixture.h"

#include <tuple>

namespace bm::promotion {
namespace {

using test::withLines;
using Shown = std::tuple<std::string, std::string, std::string>;

class Step4Test : public test::PromotionStepTest {
protected:
    Step4& step = editor.step4;

    Shown monthShown() const {
        return {step.shown(BigShowField::bigshowname), step.bigshowbrand().text(),
                step.shown(BigShowField::bigshowlogo)};
    }
};

TEST_F(Step4Test, PpvDealWarnsBelowNationalAndIsStoredAnyway) {
    const std::string warning =
        "WARNING:\r\nOnly National sized promotions can have a monthly PPV deal.";
    const std::tuple<const char*, int, bool> cases[] = {
        {"3", 0, true},
        {"4", 0, false},
        {"1", 1, false},
    };
    for (const auto& [size, choice, warns] : cases) {
        record.set(line::size, size);
        dialogs.clear();
        expectChanges([&] { step.choosePpvDeal(choice); }, {{46, choice == 0 ? "Yes" : "No"}});
        EXPECT_EQ(dialogs.texts(), warns ? std::vector{warning} : std::vector<std::string>{});
    }
}

// The rate has an upper bound only, is stored in hundredths rounded down
// and shown as typed; the crowd is stored and shown as its number.
TEST_F(Step4Test, BuyRateAndAttendanceAreStoredInTheirForms) {
    expectPrompt(step, Step4Field::ppvbuyrate, "Average PPV Buy-Rate",
                 "Please enter the average buy rate this promotion gets for big shows on "
                 "Pay-Per-View (not weekly shows).\r\nSome examples of real life buy-rates: "
                 "\r\nSummerslam 2005 - 0.94\r\nNo Way Out 2005 - 0.59\r\nRoyal Rumble 2005 - "
                 "0.83");
    expectPrompt(step, Step4Field::bigshowatt, "Max Big Show Attendence",
                 "Please enter the maximum attendence this promotion could attract for a big show "
                 "at this point in time.");
    const std::string refusal =
        "Invalid Buy-Rate!\r\n\r\nThe Buy-Rate is a number usually between 0 and 2, where 1.0 = "
        "400,000 PPV buys. WWE usually get between 0.5 and 1.0 for their monthly PPV "
        "events.\r\n\r\nPlease enter another value.";
    const std::tuple<Step4Field, const char*, const char*> cases[] = {
        {Step4Field::ppvbuyrate, "5", "500"},     {Step4Field::ppvbuyrate, "5.01", nullptr},
        {Step4Field::ppvbuyrate, "-1", "-100"},   {Step4Field::ppvbuyrate, "0.835", "83"},
        {Step4Field::ppvbuyrate, "-0.001", "-1"}, {Step4Field::bigshowatt, "12,000", "12"},
    };
    for (const auto& [field, reply, stored] : cases) {
        const int at = kStep4Prompts[field].recordLine();
        const std::string before = step.shown(field);
        dialogs.clear();
        dialogs.reply(reply);
        expectChanges([&] { step.edit(field); },
                      stored ? test::LineChanges{{at, stored}} : test::LineChanges{});
        EXPECT_EQ(dialogs.texts().size(), stored ? 1u : 2u) << reply;
        EXPECT_EQ(dialogs.texts().back(), stored ? dialogs.texts().front() : refusal) << reply;
        const bool asTyped = field == Step4Field::ppvbuyrate;
        EXPECT_EQ(step.shown(field), !stored ? before : asTyped ? reply : stored) << reply;
    }
}

// Each operation in turn, with what it shows and the lines it changes.
TEST_F(Step4Test, MonthsAreSelectedNamedAndRemoved) {
    expectPrompt(step, BigShowField::bigshowname, "Big Show Name",
                 "Please enter the name of the big show which is held in this month by this "
                 "promotion, or if this promotion doesn't have a big show in this month, enter "
                 "'None'.");
    expectPrompt(step, BigShowField::bigshowlogo, "Big Show Logo",
                 "Please enter the name of the image you want to use for this big show's logo. "
                 "The image file should be kept in the Images folder in your BM folder. If you "
                 "don't want to specify a logo for this month's big show, enter 'NA'.");
    record.set(61, "May Mayhem"); // a named month without logo line
    record.set(62, "Brand 9");
    enum Op { Select, Name, Logo, Brand };
    const std::tuple<Op, int, const char*, Shown, test::LineChanges> steps[] = {
        {Select, 2, "", {"None", "All", "NA"}, {{56, "All"}, {57, "NA"}}},
        {Name, 0, "Spring Slam", {"Spring Slam", "All", "NA"}, {{55, "Spring Slam"}}},
        {Brand, 1, "", {"Spring Slam", "Brand 1", "NA"}, {{56, "Brand 1"}}},
        {Logo, 0, "slam.gif", {"Spring Slam", "Brand 1", "slam.gif"}, {{57, "slam.gif"}}},
        {Name, 0, "", {"Spring Slam", "Brand 1", "slam.gif"}, {}},
        {Name, 0, "None", {"None", "All", "NA"}, {{55, ""}, {56, ""}, {57, ""}}},
        {Select, 2, "", {"None", "All", "NA"}, {{56, "All"}, {57, "NA"}}},
        {Select, 4, "", {"May Mayhem", "Brand 9", "NA"}, {}},
    };
    for (const auto& [op, number, reply, shown, changes] : steps) {
        const auto before = record.lines();
        if (op == Name || op == Logo) {
            dialogs.reply(reply);
        }
        switch (op) {
        case Select:
            step.selectMonth(number);
            break;
        case Name:
            step.edit(BigShowField::bigshowname);
            break;
        case Logo:
            step.edit(BigShowField::bigshowlogo);
            break;
        case Brand:
            step.chooseBrand(number);
            break;
        }
        EXPECT_EQ(record.lines(), withLines(before, changes)) << op << reply;
        EXPECT_EQ(monthShown(), shown) << op << reply;
    }
}

TEST_F(Step4Test, ThePickerWritesTheMonthItWasOpenedFor) {
    game.write("Images/crest.gif", "x");
    step.selectMonth(2);
    step.pickLogo();
    EXPECT_EQ(editor.picker.heading(), "March Big Show Logo");
    step.selectMonth(3);
    expectChanges([&] { editor.picker.useImage(); }, {{57, "crest.gif"}});
    EXPECT_EQ(step.shown(BigShowField::bigshowlogo), "NA") << "April stays shown";
    step.selectMonth(2);
    step.pickLogo();
    editor.picker.useNoImage();
    EXPECT_EQ(std::tuple(record.get(57), step.shown(BigShowField::bigshowlogo)),
              std::tuple("NA", "NA"));
}

TEST_F(Step4Test, NewAndLoadedPromotionsShowJanuaryWithoutWritingIt) {
    EXPECT_EQ(monthShown(), Shown("None", "All", "NA"));
    EXPECT_EQ(record.get(51), "NA") << "made by the creation";
    step.selectMonth(5);
    const auto file = load({{46, "maybe"}, {47, "83"}, {48, "9e9"}, {50, "Brand 2"}});
    EXPECT_EQ(step.months().selected(), 0);
    EXPECT_EQ(std::tuple(step.ppvdeal().index(), step.ppvdeal().text()), std::tuple(-1, "maybe"));
    EXPECT_EQ(std::tuple(step.shown(Step4Field::ppvbuyrate), step.shown(Step4Field::bigshowatt)),
              std::tuple("0.83", "9e9"));
    EXPECT_EQ(monthShown(), Shown("None", "All", "NA"));
    EXPECT_EQ(record.lines(), file) << "line 51 stays empty";
}

} // namespace
} // namespace bm::promotion
