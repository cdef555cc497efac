#include "core/promotion/step6.h"

#include "support/step_fixture.h"

#include <tuple>

namespace bm::promotion {
namespace {

constexpr int kTitle1 = 0;
constexpr int kTitle3 = 2;
constexpr int kCustom1 = 4;
constexpr int kCustom2 = 5;

// Block lines and screen fields are written joined by "|", in file and in
// screen order.
constexpr const char* kTagTeam = "Harbour Tag Titles|Harbour Champions|Tag Team|72|Male|Heavy|Yes|"
                                 "35|Brand 2|Rust Brothers|Cole Rust|Dane Rust|140|No Record Yet|"
                                 "0|6|Sunday 2nd May 2004|Rust Brothers";

class Step6Test : public test::PromotionStepTest {
protected:
    Step6& step = editor.step6;

    std::string block(int item) const {
        const auto& b = line::titles[static_cast<std::size_t>(item)];
        return linesFrom(b.first, b.count);
    }
    void setBlock(int item, std::string_view lines) {
        setLines(line::titles[static_cast<std::size_t>(item)].first, lines);
    }
    std::string screen() const {
        return joined({step.shown(TitleField::titlename), step.shown(TitleField::holdername),
                       step.list(TitleList::titletype).text(), step.barText(TitleBar::titlevalue),
                       step.list(TitleList::titlegender).text(),
                       step.list(TitleList::titleweight).text(),
                       step.list(TitleList::titlehardcore).text(), step.barText(TitleBar::mindraw),
                       step.list(TitleList::titlebrand).text(),
                       step.shown(TitleField::currentchamp), step.shown(TitleField::champ1),
                       step.shown(TitleField::champ2), step.shown(TitleField::reign),
                       step.shown(TitleField::defenses), step.shown(TitleField::historydate)});
    }
};

TEST_F(Step6Test, SelectingAnEmptyTitleShowsAndStoresItsDefaults) {
    const struct {
        int item;
        const char *shown, *stored;
    } cases[] = {
        {kTitle3, "None||Singles|0%|All|All|No|0|All||None|None|0|0|",
         "||0|All|All|No|0|All|||||||"},
        {kCustom2, "None||Singles|0%|All|All|No|0|All||||||",
         "||Singles|0|All|All|No|0|All|||||||||"},
    };
    for (const auto& c : cases) {
        step.selectTitle(kCustom1); // a type that must not carry over
        step.choose(TitleList::titletype, 1);
        const auto before = record.lines();
        const std::string empty = block(c.item);
        step.selectTitle(c.item);
        EXPECT_EQ(screen(), c.shown);
        EXPECT_EQ(block(c.item), c.stored);
        EXPECT_EQ(step.typeEnabled(), c.item >= kCustom1);
        setBlock(c.item, empty);
        EXPECT_EQ(record.lines(), before) << "only the selected block changes";
    }
}

// Removing a title empties every line shown and keeps the three the save
// writes; title 1 cannot be removed.
TEST_F(Step6Test, NoneRemovesATagTeamTitleButNotTheFirst) {
    setBlock(kCustom1, kTagTeam);
    step.selectTitle(kCustom1);
    dialogs.reply("None");
    step.edit(TitleField::titlename);
    EXPECT_EQ(block(kCustom1), "||Singles|0|All|All|No|0|All|||||No Record Yet|0|||Rust Brothers");
    EXPECT_EQ(screen(), "None||Singles|0%|All|All|No|0|All||None|None|0|0|");

    step.selectTitle(kTitle1);
    const std::string shown = "World Heavyweight Title|World Heavyweight Champion|Singles|50%|Male|"
                              "All|No|60|All|Vacant|None|None|0|0|Monday 23rd August 2004";
    EXPECT_EQ(screen(), shown);
    const auto lines = record.lines();
    step.cleartitles();
    dialogs.clear();
    dialogs.reply("None");
    step.edit(TitleField::titlename);
    EXPECT_EQ(record.lines(), lines);
    EXPECT_EQ(screen(), shown);
    EXPECT_EQ(dialogs.texts().back(), "Every promotion must have a primary singles title.");
}

// Every prompt stores into the selected title's block; titles 1 to 4 have
// no holder lines, so those answers are only shown.
TEST_F(Step6Test, PromptsStoreInTheSelectedBlockAndHoldersOnlyForCustomTitles) {
    setBlock(kCustom1, kTagTeam);
    const struct {
        TitleField field;
        const char *title, *message, *answer, *stored;
    } cases[] = {
        {TitleField::titlename, "Title Name",
         "Please enter the name of this title belt, eg. World Heavyweight Championship. If you "
         "don't want a title belt here, enter 'None'.",
         "Iron Crown", "Iron Crown"},
        {TitleField::holdername, "Holder Name",
         "Please enter the name the holder of this title belt will have, eg. World Heavyweight "
         "Champion.",
         "Crown Holder", "Crown Holder"},
        {TitleField::currentchamp, "Current Champion(s)",
         "Please enter the name of the wrestler(s) who currently hold this title belt. If it is a "
         "tag team title, enter the name of the tag team here. If the title is currently vacant, "
         "enter 'Vacant'.",
         "Vacant", "Vacant"},
        {TitleField::champ1, "Champion 1",
         "If this is a tag team title, please enter the name of the first member of the team "
         "which currently hold this title belt. If the title isn't a tag team title, or is "
         "vacant, enter 'None'.",
         " Ivo Kask ", " Ivo Kask "},
        {TitleField::champ2, "Champion 2",
         "If this is a tag team title, please enter the name of the second member of the team "
         "which currently hold this title belt. If the title isn't a tag team title, or is "
         "vacant, enter 'None'.",
         "None", "None"},
        {TitleField::reign, "Current Reign",
         "Please enter the number of days this wrestler/team has/have held this title so far.",
         "23 days", "23"},
        {TitleField::defenses, "Title Defences",
         "Please enter the number of title defences this wrestler/team has/have made so far.",
         "1,500", "1"},
        {TitleField::historydate, "Date Of Title Change",
         "Please enter the date when this title was won, or the date it was made vacant. The "
         "date must be in the form 'Saturday 21st August 2004'.",
         "21/08/2004", "21/08/2004"},
    };
    for (const int item : {kTitle1, kCustom1}) {
        step.selectTitle(item);
        for (const auto& c : cases) {
            expectPrompt(step, c.field, c.title, c.message);
            dialogs.reply(c.answer);
            step.edit(c.field);
            EXPECT_EQ(step.shown(c.field), c.stored) << c.title;
        }
    }
    EXPECT_EQ(block(kTitle1), "Iron Crown|Crown Holder|50|Male|All|No|60|All|Vacant|23|"
                              "No Record Yet|0|1|21/08/2004|Vacant");
    EXPECT_EQ(block(kCustom1), "Iron Crown|Crown Holder|Tag Team|72|Male|Heavy|Yes|35|Brand 2|"
                               "Vacant| Ivo Kask |None|23|No Record Yet|0|1|21/08/2004|"
                               "Rust Brothers");
    step.selectTitle(kTitle1);
    EXPECT_EQ(step.shown(TitleField::champ1), "None");
}

} // namespace
} // namespace bm::promotion
