#include "core/promotion/step2.h"

#include "support/step_fixture.h"

#include <tuple>

namespace bm::promotion {
namespace {

// A show's seven lines from its name on, and its fields (name, day, logo,
// brand, type, bar, percentage, rating), joined by "|".
constexpr const char* kFury = "Night Fury|Friday|fury.gif|Brand 2|TV|150|350";

std::string sameDayWarning(const std::string& show) {
    return "WARNING!\r\nYour " + show +
           " is also on this day. Having more than one regular show on the same day will cause "
           "problems with your game.";
}

class Step2Test : public test::PromotionStepTest {
protected:
    Step2& step = editor.step2;

    std::string block(int show) const { return linesFrom(line::shows[show].nameofshow, 7); }
    void setBlock(int show, std::string_view lines) {
        setLines(line::shows[show].nameofshow, lines);
    }
    std::string shown() const {
        return joined({step.shown(Step2Field::nameofshow), step.showday().text(), step.showlogo(),
                       step.showbrand().text(), step.showtype().text(),
                       std::to_string(step.popularity().position()), step.percentage(),
                       step.shown(Step2Field::tvrating)});
    }
};

TEST_F(Step2Test, SelectingShowsTheBlockAndCompletesAShowWithoutName) {
    const struct {
        int show;
        const char *stored, *shown, *after;
    } cases[] = {
        {1, "||||||", "None|Monday|NA|All|House|0|0%|", "|Monday|NA|All|House|0|"},
        {2, kFury, "Night Fury|Friday|fury.gif|Brand 2|TV|100|150%|3.5", kFury},
        {3, "|Funday|old.gif||PPV|-5|9", "None|Funday|NA|All|PPV|0|0%|9", "|Funday|NA|All|PPV|0|9"},
        {1, "Late Brawl||||TV|abc|x", "Late Brawl|Monday|NA|All|TV|0|abc%|0",
         "Late Brawl||||TV|abc|x"},
        {0, "||||||", "|||||0|%|", "||||||"}, // show 1 has no defaults
    };
    for (const auto& c : cases) {
        setBlock(c.show, c.stored);
        const auto before = record.lines();
        step.selectShow(c.show);
        EXPECT_EQ(shown(), c.shown) << c.show;
        EXPECT_EQ(block(c.show), c.after) << c.show;
        setBlock(c.show, c.stored);
        EXPECT_EQ(record.lines(), before) << "only the selected block changes";
    }
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(Step2Test, NoneRemovesShowsTwoToFourOnly) {
    expectPrompt(step, Step2Field::nameofshow, "Name of Show",
                 "Please enter the name of this show, eg. Monday Night Raw, or put 'None' if no "
                 "show of this type.");
    setBlock(2, kFury);
    const struct {
        int show;
        const char* reply;
        test::LineChanges changes;
    } cases[] = {
        {0, "None", {}},
        {2, "none", {{26, "none"}}},
        {2,
         "None",
         {{26, ""}, {27, "Monday"}, {28, "NA"}, {29, "All"}, {30, "House"}, {31, "0"}, {32, ""}}},
    };
    for (const auto& c : cases) {
        step.selectShow(c.show);
        dialogs.reply(c.reply);
        expectChanges([&] { step.edit(Step2Field::nameofshow); }, c.changes);
    }
    EXPECT_EQ(shown(), "None|Monday|NA|All|House|0|0%|");
    EXPECT_EQ(dialogs.texts()[1], "You must have a primary show 1.");
    EXPECT_EQ(dialogs.shown().size(), 4u);
}

TEST_F(Step2Test, ADayWarnsOncePerExistingShowOnItInShowOrder) {
    const std::string warning[] = {
        sameDayWarning("Primary Show 1"), sameDayWarning("Primary Show 2"),
        sameDayWarning("Secondary Show 1"), sameDayWarning("Secondary Show 2")};
    setBlock(1, "Iron Hour|Friday");
    setBlock(2, "|Wednesday"); // no show: clashes with nothing, either way
    setBlock(3, "Late Brawl|Wednesday");
    const std::tuple<int, int, std::vector<std::string>> cases[] = {
        {1, 2, {warning[0], warning[3]}}, {2, 2, {}}, {0, 4, {}}, {0, 2, {warning[1], warning[3]}},
        {3, 2, {warning[0], warning[1]}},
    };
    for (const auto& [show, day, warnings] : cases) {
        step.selectShow(show);
        dialogs.clear();
        expectChanges([&] { step.chooseDay(day); },
                      {{line::shows[show].showday, std::string(calendar::kWeekdayNames[day])}});
        EXPECT_EQ(dialogs.texts(), warnings) << show << " " << day;
    }
}

// A refused type stays shown until the show is selected again; the record
// keeps the old one.
TEST_F(Step2Test, TypeIsCheckedForCoverageThenSize) {
    const std::string noTv =
        "This promotion's television coverage is set to None - this show cannot be a TV Show.";
    const std::string noPpv =
        "Only National promotions can have PPV coverage of their regular shows.";
    const std::tuple<const char*, const char*, int, std::string> cases[] = {
        {"1", "None", 1, noTv}, {"1", "None", 2, noPpv},  {"4", "None", 1, noTv},
        {"4", "None", 2, ""},   {"3", "Regional", 1, ""}, {"3", "Regional", 2, noPpv},
    };
    for (const auto& [size, coverage, type, refusal] : cases) {
        record.set(line::size, size);
        record.set(line::tvcoverage, coverage);
        record.set(line::shows[0].showtype, "House");
        step.selectShow(0);
        dialogs.clear();
        const std::string chosen(kShowTypes[type]);
        expectChanges([&] { step.chooseType(type); },
                      {{line::shows[0].showtype, refusal.empty() ? chosen : "House"}});
        EXPECT_EQ(dialogs.texts(),
                  refusal.empty() ? std::vector<std::string>{} : std::vector{refusal});
        EXPECT_EQ(step.showtype().text(), chosen);
    }
}

// A TV rating is stored in hundredths rounded down and shown as typed; PPV
// buys are stored as typed. Each is asked with its own texts.
TEST_F(Step2Test, RatingIsAskedForTheShownType) {
    const std::string tvRefusal = "Invalid TV Rating!\r\n\r\nThis number must be between 0 and "
                                  "10, eg. 4.75.\r\n\r\nPlease enter another value.";
    const std::string ppvRefusal =
        "Invalid PPV Buys!\r\n\r\nThis number must be between 100 and 1000000, and not include "
        "any commas.\r\n\r\nPlease enter another value.";
    record.set(line::size, "6");
    record.set(line::tvcoverage, "National");
    step.chooseType(1);
    expectPrompt(step, Step2Field::tvrating, "Average TV Rating/Buys",
                 "Please enter the average TV rating for this show.\r\n\r\nExamples of TV "
                 "ratings: WWE Raw averaged a 3.5 to a 4.0 rating in 2005, while TNA Impact "
                 "averaged a 0.8.");
    step.chooseType(2);
    expectPrompt(step, Step2Field::tvrating, "Average PPV Buys",
                 "Please enter the number of buys this show gets on PPV. For example, the weekly "
                 "TNA PPVs on Wednesday nights used to get around 50000 buys.");
    const std::tuple<int, const char*, const char*> cases[] = {
        {1, "0", nullptr},
        {1, "10", "1000"},
        {1, "10.01", nullptr},
        {1, "3.456", "345"},
        {1, "0.29", "28"},
        {2, "100", "100"},
        {2, "1000000", "1000000"},
        {2, "99", nullptr},
        {2, "1000001", nullptr},
        {2, "50,000", nullptr},
        {2, "2500 a week", "2500 a week"},
    };
    for (const auto& [type, reply, stored] : cases) {
        step.chooseType(type);
        const std::string before = step.shown(Step2Field::tvrating);
        dialogs.clear();
        dialogs.reply(reply);
        expectChanges([&] { step.edit(Step2Field::tvrating); },
                      stored ? test::LineChanges{{18, stored}} : test::LineChanges{});
        const auto texts = dialogs.texts();
        const std::vector<std::string> refused{type == 1 ? tvRefusal : ppvRefusal};
        EXPECT_EQ(std::vector(texts.begin() + 1, texts.end()),
                  stored ? std::vector<std::string>{} : refused)
            << reply;
        EXPECT_EQ(step.shown(Step2Field::tvrating), stored ? reply : before) << reply;
    }
    step.chooseType(0);
    dialogs.clear();
    step.edit(Step2Field::tvrating);
    EXPECT_TRUE(dialogs.shown().empty()) << "a house show has no rating";
}

TEST_F(Step2Test, BarStoresEveryMoveAndThePickerWritesItsOwnShow) {
    step.selectShow(1);
    expectChanges([&] { step.moveBar(37); }, {{line::shows[1].percentage, "37"}});
    EXPECT_EQ(step.percentage(), "37%");
    game.write("Images/crest.gif", "x");
    step.selectShow(2);
    step.pickLogo();
    EXPECT_EQ(editor.picker.heading(), "Show 3 Logo");
    step.selectShow(1); // the picker does not block the step
    expectChanges([&] { editor.picker.useImage(); }, {{line::shows[2].showlogo, "crest.gif"}});
    EXPECT_EQ(step.showlogo(), "NA") << "show 2 stays shown";
    step.pickLogo();
    step.next();
    EXPECT_FALSE(editor.picker.isOpen()) << "closed as the step is left";
}

TEST_F(Step2Test, LoadingShowsShowOneAsStored) {
    step.selectShow(3);
    const auto file = load({{13, "Caturday"}, {16, "TV"}, {17, "250"}, {18, "28"}});
    EXPECT_EQ(step.shows().selected(), 0);
    EXPECT_EQ(shown(), "House Show|Caturday|NA|All|TV|100|250%|0.28");
    EXPECT_EQ(record.lines(), file);
}

} // namespace
} // namespace bm::promotion
