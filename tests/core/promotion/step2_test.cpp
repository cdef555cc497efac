#include "core/promotion/step2.h"

#include "support/step_fixture.h"

#include <array>
#include <tuple>

namespace bm::promotion {
namespace {

using Block = std::array<std::string, 7>;
using Shown = std::tuple<std::string, std::string, std::string, std::string, std::string, int,
                         std::string, std::string>;
using Kind = test::ScriptedDialogs::Kind;
using test::withLines;

constexpr int kHouse = 0;
constexpr int kTv = 1;
constexpr int kPpv = 2;

const Block kRemoved{"", "Monday", "NA", "All", "House", "0", ""};
const Block kFury{"Night Fury", "Friday", "fury.gif", "Brand 2", "TV", "150", "350"};

class Step2Test : public test::PromotionStepTest {
protected:
    Step2& step = editor.step2;

    static int first(int show) { return line::shows[static_cast<std::size_t>(show)].nameofshow; }
    static platform::Lines withBlock(platform::Lines lines, int show, const Block& block) {
        std::copy(block.begin(), block.end(), lines.begin() + first(show));
        return lines;
    }
    void setBlock(int show, const Block& block) {
        record.assign(withBlock(record.lines(), show, block));
    }
    Shown shown() const {
        return {step.shown(Step2Field::nameofshow),
                step.showday().text(),
                step.showlogo(),
                step.showbrand().text(),
                step.showtype().text(),
                step.popularity().position(),
                step.percentage(),
                step.shown(Step2Field::tvrating)};
    }
};

// Shows 2 to 4 show defaults for empty lines, and a show without a name is
// completed in the record; show 1 is shown exactly as stored.
TEST_F(Step2Test, SelectingAShowShowsItsBlockAndCompletesOneWithoutName) {
    const struct {
        int show;
        Block stored;
        Shown shown;
        Block after;
    } cases[] = {
        {0,
         {"House Show", "Wednesday", "NA", "All", "House", "50", "10"},
         {"House Show", "Wednesday", "NA", "All", "House", 50, "50%", "10"},
         {"House Show", "Wednesday", "NA", "All", "House", "50", "10"}},
        {1, {}, {"None", "Monday", "NA", "All", "House", 0, "0%", ""}, kRemoved},
        {2,
         kFury,
         {"Night Fury", "Friday", "fury.gif", "Brand 2", "TV", 100, "150%", "3.5"},
         kFury},
        {3,
         {"", "Funday", "old.gif", "", "PPV", "-5", "20000"},
         {"None", "Funday", "NA", "All", "PPV", 0, "0%", "20000"},
         {"", "Funday", "NA", "All", "PPV", "0", "20000"}},
        {1,
         {"Late Brawl", "", "", "", "TV", "abc", "x"},
         {"Late Brawl", "Monday", "NA", "All", "TV", 0, "abc%", "0"},
         {"Late Brawl", "", "", "", "TV", "abc", "x"}},
        {0, {}, {"", "", "", "", "", 0, "%", ""}, {}},
    };
    for (const auto& c : cases) {
        const std::string label = "case " + std::to_string(&c - cases);
        step.selectShow(c.show == 0 ? 1 : 0);
        setBlock(c.show, c.stored);
        const auto before = record.lines();
        step.selectShow(c.show);
        EXPECT_EQ(step.shows().selected(), c.show) << label;
        EXPECT_EQ(shown(), c.shown) << label;
        EXPECT_EQ(record.lines(), withBlock(before, c.show, c.after)) << label;
        step.selectShow(4); // no such show
        EXPECT_EQ(step.shows().selected(), c.show) << label;
    }
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(Step2Test, NameNoneRemovesShowsTwoToFourOnly) {
    setBlock(2, kFury);
    const Block show1 = {"House Show", "Wednesday", "NA", "All", "House", "50", "10"};
    const struct {
        int show;
        const char* reply;
        const char* refusal;
        Block after;
    } cases[] = {
        {0, "None", "You must have a primary show 1.", show1},
        {2, "", nullptr, kFury}, // Cancel
        {2, "None", nullptr, kRemoved},
        {2, "none", nullptr, {"none", "Monday", "NA", "All", "House", "0", ""}},
        {0, " None", nullptr, {" None", "Wednesday", "NA", "All", "House", "50", "10"}},
    };
    for (const auto& c : cases) {
        step.selectShow(c.show);
        const auto before = record.lines();
        dialogs.clear();
        dialogs.reply(c.reply);
        step.edit(Step2Field::nameofshow);
        EXPECT_EQ(record.lines(), withBlock(before, c.show, c.after)) << c.reply;
        ASSERT_EQ(dialogs.shown().size(), c.refusal ? 2u : 1u) << c.reply;
        if (c.refusal) {
            EXPECT_EQ(dialogs.shown()[1].text, c.refusal);
        }
        const bool removed = std::string(c.reply) == "None" && c.show > 0;
        EXPECT_EQ(step.shown(Step2Field::nameofshow), c.after[0].empty() ? "None" : c.after[0]);
        if (removed) {
            EXPECT_EQ(shown(), Shown("None", "Monday", "NA", "All", "House", 0, "0%", ""));
        }
    }
    const auto& prompt = dialogs.shown().front();
    EXPECT_EQ(std::tuple(prompt.kind, prompt.title, prompt.text, prompt.initial),
              std::tuple(Kind::Prompt, "Name of Show",
                         "Please enter the name of this show, eg. Monday Night Raw, or put 'None' "
                         "if no show of this type.",
                         "House Show"));
}

TEST_F(Step2Test, ADayWarnsOncePerExistingShowOnItInShowOrder) {
    const std::string warning[] = {
        "WARNING!\r\nYour Primary Show 1 is also on this day. Having more than one regular show "
        "on the same day will cause problems with your game.",
        "WARNING!\r\nYour Primary Show 2 is also on this day. Having more than one regular show "
        "on the same day will cause problems with your game.",
        "WARNING!\r\nYour Secondary Show 1 is also on this day. Having more than one regular "
        "show on the same day will cause problems with your game.",
        "WARNING!\r\nYour Secondary Show 2 is also on this day. Having more than one regular "
        "show on the same day will cause problems with your game.",
    };
    setBlock(1, {"Iron Hour", "Friday", "NA", "All", "House", "40", ""});
    setBlock(2, {"", "Wednesday", "NA", "All", "House", "0", ""}); // no show
    setBlock(3, {"Late Brawl", "Wednesday", "NA", "All", "House", "30", ""});
    const struct {
        int show;
        int day; // 0 = Monday
        std::vector<std::string> warnings;
    } cases[] = {
        {1, 2, {warning[0], warning[3]}},
        {2, 2, {}}, // shown as "None": clashes with nothing
        {0, 4, {}},
        {0, 2, {warning[1], warning[3]}},
        {3, 2, {warning[0], warning[1]}},
        {2, 9, {}}, // no such day
    };
    for (const auto& c : cases) {
        const std::string label = "case " + std::to_string(&c - cases);
        step.selectShow(c.show);
        const auto before = record.lines();
        dialogs.clear();
        step.chooseDay(c.day);
        EXPECT_EQ(dialogs.texts(), c.warnings) << label;
        const auto expected =
            c.day > 6
                ? before
                : withLines(before,
                            {{first(c.show) + 1, std::string(calendar::weekdayName(c.day + 1))}});
        EXPECT_EQ(record.lines(), expected) << label;
    }
    dialogs.clear();
    step.chooseBrand(2);
    EXPECT_EQ(record.get(line::shows[2].showbrand), "Brand 2");
}

// The coverage is checked before the size; a refused type stays shown until
// the show is selected again, the record keeping the old one.
TEST_F(Step2Test, TypeIsCheckedAgainstCoverageThenSize) {
    const std::string noTv =
        "This promotion's television coverage is set to None - this show cannot be a TV Show.";
    const std::string noPpv =
        "Only National promotions can have PPV coverage of their regular shows.";
    const struct {
        const char* size;
        const char* coverage;
        int choice;
        std::string refusal;
    } cases[] = {
        {"1", "None", kTv, noTv},         {"1", "None", kPpv, noPpv},
        {"4", "None", kTv, noTv},         {"4", "None", kPpv, ""},
        {"3", "Regional", kPpv, noPpv},   {"3", "Regional", kTv, ""},
        {"abc", "National", kPpv, noPpv}, {"1", "None", kHouse, ""},
    };
    for (const auto& c : cases) {
        const std::string label = std::string(c.size) + " " + c.coverage + " " +
                                  std::string(kShowTypes[static_cast<std::size_t>(c.choice)]);
        record.set(line::size, c.size);
        record.set(line::tvcoverage, c.coverage);
        record.set(line::shows[0].showtype, "House");
        step.selectShow(0);
        const auto before = record.lines();
        dialogs.clear();
        step.chooseType(c.choice);
        const std::string chosen(kShowTypes[static_cast<std::size_t>(c.choice)]);
        EXPECT_EQ(dialogs.texts(),
                  c.refusal.empty() ? std::vector<std::string>{} : std::vector{c.refusal})
            << label;
        EXPECT_EQ(record.lines(),
                  withLines(before, {{line::shows[0].showtype,
                                      c.refusal.empty() ? chosen : std::string("House")}}))
            << label;
        EXPECT_EQ(step.showtype().text(), chosen) << label;
        step.selectShow(0);
        EXPECT_EQ(step.showtype().text(), record.get(line::shows[0].showtype)) << label;
    }
}

TEST_F(Step2Test, RatingPromptFollowsTheShownType) {
    const std::string tvRefusal = "Invalid TV Rating!\r\n\r\nThis number must be between 0 and "
                                  "10, eg. 4.75.\r\n\r\nPlease enter another value.";
    const std::string ppvRefusal =
        "Invalid PPV Buys!\r\n\r\nThis number must be between 100 and 1000000, and not include "
        "any commas.\r\n\r\nPlease enter another value.";
    const struct {
        const char* type;
        const char* reply;
        const char* stored; // nullptr: refused
    } cases[] = {
        {"TV", "0", nullptr},
        {"TV", "10", "1000"},
        {"TV", "10.01", nullptr},
        {"TV", "4.75", "475"},
        {"TV", "3.456", "345"},
        {"TV", "0.29", "28"},
        {"TV", "abc", nullptr},
        {"TV", "-1", nullptr},
        {"TV", "2,5", "200"},
        {"PPV", "100", "100"},
        {"PPV", "1000000", "1000000"},
        {"PPV", "99", nullptr},
        {"PPV", "1000001", nullptr},
        {"PPV", "50,000", nullptr},
        {"PPV", "2500 a week", "2500 a week"},
    };
    record.set(line::size, "6");
    record.set(line::tvcoverage, "National");
    for (const auto& c : cases) {
        const std::string label = std::string(c.type) + " " + c.reply;
        step.chooseType(std::string(c.type) == "TV" ? kTv : kPpv);
        const auto before = record.lines();
        const std::string shownBefore = step.shown(Step2Field::tvrating);
        dialogs.clear();
        dialogs.reply(c.reply);
        step.edit(Step2Field::tvrating);
        const bool tv = std::string(c.type) == "TV";
        EXPECT_EQ(dialogs.texts().size(), c.stored ? 1u : 2u) << label;
        if (!c.stored) {
            EXPECT_EQ(dialogs.texts().back(), tv ? tvRefusal : ppvRefusal) << label;
        }
        EXPECT_EQ(record.lines(),
                  c.stored ? withLines(before, {{line::shows[0].tvrating, c.stored}}) : before)
            << label;
        EXPECT_EQ(step.shown(Step2Field::tvrating), c.stored ? c.reply : shownBefore) << label;
    }
    const auto& ppvPrompt = dialogs.shown().front();
    EXPECT_EQ(std::tuple(ppvPrompt.title, ppvPrompt.text, ppvPrompt.initial),
              std::tuple("Average PPV Buys",
                         "Please enter the number of buys this show gets on PPV. For example, the "
                         "weekly TNA PPVs on Wednesday nights used to get around 50000 buys.",
                         "1000000"));
    step.chooseType(kTv);
    dialogs.clear();
    dialogs.reply("");
    step.edit(Step2Field::tvrating);
    EXPECT_EQ(std::tuple(dialogs.shown()[0].title, dialogs.shown()[0].text),
              std::tuple("Average TV Rating/Buys",
                         "Please enter the average TV rating for this show.\r\n\r\nExamples of TV "
                         "ratings: WWE Raw averaged a 3.5 to a 4.0 rating in 2005, while TNA "
                         "Impact averaged a 0.8."));
    step.chooseType(kHouse);
    dialogs.clear();
    step.edit(Step2Field::tvrating);
    EXPECT_TRUE(dialogs.shown().empty()) << "a house show has no rating";
}

TEST_F(Step2Test, BarStoresEveryMoveAndThePickerWritesItsOwnShow) {
    step.selectShow(1);
    for (const auto& [to, stored] : {std::pair{37, "37"}, std::pair{100, "100"}, std::pair{0, "0"},
                                     std::pair{101, "0"}, std::pair{-1, "0"}}) {
        const auto before = record.lines();
        step.moveBar(to);
        EXPECT_EQ(record.lines(), withLines(before, {{line::shows[1].percentage, stored}})) << to;
        EXPECT_EQ(step.percentage(), std::string(stored) + "%");
    }

    game.write("Images/crest.gif", "x");
    step.selectShow(2);
    step.pickLogo();
    EXPECT_EQ(editor.picker.heading(), "Show 3 Logo");
    step.selectShow(1); // the picker does not block the step
    const auto before = record.lines();
    editor.picker.useImage();
    EXPECT_EQ(record.lines(), withLines(before, {{line::shows[2].showlogo, "crest.gif"}}));
    EXPECT_EQ(step.showlogo(), "NA") << "show 2 stays shown";
    step.selectShow(2);
    step.pickLogo();
    editor.picker.useNoImage();
    EXPECT_EQ(step.showlogo(), "NA");
    EXPECT_EQ(record.get(line::shows[2].showlogo), "NA");

    step.pickLogo();
    step.next();
    EXPECT_FALSE(editor.picker.isOpen()) << "closed as the step is left";
    EXPECT_EQ(navigator.current(), ui::Screen::Step3);
    EXPECT_EQ(step.shows().selected(), 2) << "kept for the next visit";
}

TEST_F(Step2Test, LoadingShowsShowOneAsStored) {
    step.selectShow(3);
    load({{line::shows[0].showday, "Caturday"},
          {line::shows[0].showtype, "TV"},
          {line::shows[0].percentage, "250"},
          {line::shows[0].tvrating, "28"}});
    const auto loaded = record.lines();
    EXPECT_EQ(step.shows().selected(), 0);
    EXPECT_EQ(shown(), Shown("House Show", "Caturday", "NA", "All", "TV", 100, "250%", "0.28"));
    EXPECT_EQ(step.showday().index(), -1);
    EXPECT_EQ(record.lines(), loaded) << "filling writes nothing";
}

} // namespace
} // namespace bm::promotion
