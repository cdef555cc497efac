#include "core/promotion/step3.h"
#include "core/promotion/step4.h"
#include "core/promotion/step5.h"

#include "support/step_fixture.h"

#include <tuple>

namespace bm::promotion {
namespace {

class Step3Test : public test::PromotionStepTest {
protected:
    Step3& step = editor.step3;
};

TEST_F(Step3Test, AttendancesStoreTheirNumberAndListsTheirLevel) {
    expectPrompt(step, Step3Field::tvatt, "Max Televised Attendence",
                 "Please enter the maximum attendence this promotion could attract for a "
                 "televised show at this point in time.");
    expectPrompt(step, Step3Field::untvatt, "Max Untelevised Attendence",
                 "Please enter the maximum attendence this promotion could attract for an "
                 "untelevised show at this point in time.");
    dialogs.reply("7500 fans").reply("12,000");
    expectChanges(
        [&] {
            step.edit(Step3Field::tvatt);
            step.edit(Step3Field::untvatt);
        },
        {{41, "7500"}, {40, "12"}});
    EXPECT_EQ(step.shown(Step3Field::untvatt), "12");
    expectChanges(
        [&] {
            step.chooseProduction(Production::primaryprod, 0);
            step.chooseProduction(Production::secondaryprod, 19);
            step.chooseProduction(Production::bigshowprod, 20); // no such level
        },
        {{42, "1"}, {43, "20"}});
    EXPECT_EQ(step.production(Production::secondaryprod).text(), "$1,250,000 Per Show");
}

TEST_F(Step3Test, LoadingShowsLevelsThatAreNoEntryAsStored) {
    load({{41, "1e3"}, {42, "20"}, {43, "07"}, {44, "21"}});
    EXPECT_EQ(std::tuple(step.shown(Step3Field::tvatt),
                         step.production(Production::primaryprod).text(),
                         step.production(Production::secondaryprod).text(),
                         step.production(Production::bigshowprod).index()),
              std::tuple("1e3", "$1,250,000 Per Show", "07", -1));
}

class Step4Test : public test::PromotionStepTest {
protected:
    Step4& step = editor.step4;

    std::string monthShown() const {
        return joined({step.shown(BigShowField::bigshowname), step.bigshowbrand().text(),
                       step.shown(BigShowField::bigshowlogo)});
    }
};

// The rate has an upper bound only, is stored in hundredths rounded down and
// shown as typed; the crowd is stored and shown as its number. The deal only
// warns below National.
TEST_F(Step4Test, DealBuyRateAndAttendanceAreStoredInTheirForms) {
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
    const std::tuple<Step4Field, int, const char*, const char*> cases[] = {
        {Step4Field::ppvbuyrate, 47, "5", "500"},     {Step4Field::ppvbuyrate, 47, "5.01", nullptr},
        {Step4Field::ppvbuyrate, 47, "0.835", "83"},  {Step4Field::ppvbuyrate, 47, "-0.001", "-1"},
        {Step4Field::bigshowatt, 48, "12,000", "12"},
    };
    for (const auto& [field, line, reply, stored] : cases) {
        const std::string before = step.shown(field);
        dialogs.clear();
        dialogs.reply(reply);
        expectChanges([&] { step.edit(field); },
                      stored ? test::LineChanges{{line, stored}} : test::LineChanges{});
        EXPECT_EQ(dialogs.texts().back(), stored ? dialogs.texts().front() : refusal) << reply;
        const bool asTyped = field == Step4Field::ppvbuyrate;
        EXPECT_EQ(step.shown(field), !stored ? before : asTyped ? reply : stored) << reply;
    }

    const std::string warning =
        "WARNING:\r\nOnly National sized promotions can have a monthly PPV deal.";
    for (const auto& [size, choice, warns] :
         {std::tuple{"3", 0, true}, std::tuple{"4", 0, false}, std::tuple{"1", 1, false}}) {
        record.set(line::size, size);
        dialogs.clear();
        expectChanges([&] { step.choosePpvDeal(choice); }, {{46, choice == 0 ? "Yes" : "No"}});
        EXPECT_EQ(dialogs.texts(), warns ? std::vector{warning} : std::vector<std::string>{});
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
    const std::tuple<Op, int, const char*, const char*, test::LineChanges> steps[] = {
        {Select, 2, "", "None|All|NA", {{56, "All"}, {57, "NA"}}},
        {Name, 0, "Spring Slam", "Spring Slam|All|NA", {{55, "Spring Slam"}}},
        {Brand, 1, "", "Spring Slam|Brand 1|NA", {{56, "Brand 1"}}},
        {Logo, 0, "slam.gif", "Spring Slam|Brand 1|slam.gif", {{57, "slam.gif"}}},
        {Name, 0, "", "Spring Slam|Brand 1|slam.gif", {}},
        {Name, 0, "None", "None|All|NA", {{55, ""}, {56, ""}, {57, ""}}},
        {Select, 2, "", "None|All|NA", {{56, "All"}, {57, "NA"}}},
        {Select, 4, "", "May Mayhem|Brand 9|NA", {}},
    };
    for (const auto& [op, number, reply, shown, changes] : steps) {
        if (op == Name || op == Logo) {
            dialogs.reply(reply);
        }
        expectChanges(
            [&, op = op, number = number] {
                op == Select ? step.selectMonth(number)
                : op == Brand
                    ? step.chooseBrand(number)
                    : step.edit(op == Name ? BigShowField::bigshowname : BigShowField::bigshowlogo);
            },
            changes);
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
    EXPECT_EQ(std::tuple(monthShown(), record.get(51)), std::tuple("None|All|NA", "NA"));
    step.selectMonth(5);
    const auto file = load({{46, "maybe"}, {47, "83"}, {48, "9e9"}, {50, "Brand 2"}});
    EXPECT_EQ(std::tuple(step.months().selected(), step.ppvdeal().index(), step.ppvdeal().text()),
              std::tuple(0, -1, "maybe"));
    EXPECT_EQ(joined({step.shown(Step4Field::ppvbuyrate), step.shown(Step4Field::bigshowatt),
                      monthShown()}),
              "0.83|9e9|None|All|NA");
    EXPECT_EQ(record.lines(), file) << "line 51 stays empty";
}

class Step5Test : public test::PromotionStepTest {
protected:
    Step5& step = editor.step5;

    // The booking's lines, then what the screen shows.
    std::string booking() const {
        return joined({record.get(line::nameofbigshow), record.get(line::levelofpromotion),
                       record.get(line::dateofshow), record.get(line::days),
                       step.shown(Step5Field::nameofbigshow), step.level().text(),
                       step.shown(Step5Field::dateofshow),
                       std::to_string(step.daysBar().position()), step.days()});
    }
};

TEST_F(Step5Test, EditsAreStoredUncheckedAndNoneEmptiesTheBooking) {
    expectPrompt(step, Step5Field::nameofbigshow, "Big Show Name",
                 "Please enter the name of the next big show this promotion will have. If there "
                 "isn't one currently planned, enter 'None'.");
    expectPrompt(step, Step5Field::dateofshow, "Date Of Big Show",
                 "Please enter the date when this big show will take place. The date must be in "
                 "the form 'Wednesday 18th August 2004'.");
    step.chooseLevel(2);
    step.chooseLevel(3); // no such entry
    step.moveDays(17);
    dialogs.reply("Harvest Havoc").reply("23/08/2004").reply("none").reply("None");
    step.edit(Step5Field::nameofbigshow);
    step.edit(Step5Field::dateofshow);
    EXPECT_EQ(booking(), "Harvest Havoc|3|23/08/2004|17|Harvest Havoc|Extensive|23/08/2004|17|17");
    step.edit(Step5Field::nameofbigshow); // only "None" exactly means no show
    EXPECT_EQ(booking(), "none|3|23/08/2004|17|none|Extensive|23/08/2004|17|17");
    step.edit(Step5Field::nameofbigshow);
    EXPECT_EQ(booking(), "None|||0|None|Basic||0|0");
}

// Whatever a file holds, the screen shows it without failing or writing.
TEST_F(Step5Test, FillShowsTheBookingAndKeepsOddValuesAsStored) {
    const std::tuple<const char*, const char*> cases[] = {
        {"Autumn Overdrive|3|Sunday 26th September 2004|12",
         "Autumn Overdrive|Extensive|Sunday 26th September 2004|12|12"},
        {"None|3|Sunday 26th September 2004|12", "None|Basic||0|0"},
        {"Odd Show|02||-70000", "Odd Show|02||0|-70000"},
    };
    for (const auto& [lines, shown] : cases) {
        setLines(line::nameofbigshow, lines);
        expectChanges([&] { step.fillFromRecord(); }, {});
        EXPECT_EQ(booking(), std::string(lines) + "|" + shown);
    }
}

} // namespace
} // namespace bm::promotion
