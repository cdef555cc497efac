#include "core/promotion/step8.h"

#include "core/promotion/step7.h"
#include "support/fault.h"
#include "support/step_fixture.h"

#include <tuple>

namespace bm::promotion {
namespace {

using F = Step8Field;
using ui::Screen;

class Step8Test : public test::PromotionStepTest {
protected:
    Step8& step = editor.step8;

    // The two segments' lines (name, host, show each).
    std::string segments() const { return linesFrom(line::brand1talkshowname, 6); }
    std::string shownFields() const {
        std::vector<std::string> all;
        for (const auto& p : kStep8Prompts) {
            all.push_back(step.shown(p.field));
        }
        return joined(all);
    }
};

TEST_F(Step8Test, EachTalkShowFieldPromptsWithItsTextsAndStoresTheReplyAsTyped) {
    const std::tuple<F, int, const char*, const char*> cases[] = {
        {F::brand1talkshowname, 227, "Brand 1 Talk Show Segment Name",
         "Please enter the name of the talk show segment for this promotion, if there is one. If "
         "there is a roster split for this promotion, enter the talk show details here if it is "
         "on brand 1. If there is no talk show segment for this promotion/brand, enter 'NA'."},
        {F::brand1talkshowhost, 228, "Brand 1 Talk Show Segment Host",
         "Please enter the name of the host of this talk show segment. If there isn't a talk show "
         "segment for this promotion/brand, enter 'NA'."},
        {F::talkshow1showname, 229, "Which Show?",
         "Please enter the name of the show that this talk show segment is on (eg. 'Raw'), if "
         "there is one. If there is no talk show segment for this promotion/brand, enter 'NA'."},
        {F::brand2talkshowname, 230, "Brand 2 Talk Show Segment Name",
         "Please enter the name of the talk show segment for this promotion's 2nd brand, if there "
         "is one. This will only be used if there is a roster split in this promotion. If there "
         "is no talk show segment for brand 2, enter 'NA'."},
        {F::brand2talkshowhost, 231, "Brand 2 Talk Show Segment Host",
         "Please enter the name of the host of this talk show segment. If there isn't a talk show "
         "segment for this promotion's 2nd brand, enter 'NA'."},
        {F::talkshow2showname, 232, "Which Show?",
         "Please enter the name of the show that this talk show segment is on (eg. 'Raw'), if "
         "there is one. If there is no talk show segment for this promotion's 2nd brand, enter "
         "'NA'."},
    };
    EXPECT_EQ(shownFields(), "NA|NA|NA|NA|NA|NA") << "both off when new";
    for (const auto& [field, line, title, message] : cases) {
        expectPrompt(step, field, title, message);
        dialogs.reply("na \xa0");
        expectChanges([&] { step.edit(field); }, {{line, "na \xa0"}});
        EXPECT_EQ(step.shown(field), "na \xa0") << title;
    }
}

// Only "NA" and "None" switch a segment off; a host or show field keeps
// showing what was typed into it.
TEST_F(Step8Test, NaOrNoneSwitchesOffOnlyItsOwnSegment) {
    const std::tuple<F, const char*, const char*, const char*> cases[] = {
        {F::brand1talkshowname, "NA", "NA|||Chat|Dee|Weekly", "NA|NA|NA|Chat|Dee|Weekly"},
        {F::brand1talkshowname, "None", "NA|||Chat|Dee|Weekly", "NA|NA|NA|Chat|Dee|Weekly"},
        {F::talkshow1showname, "None", "NA|||Chat|Dee|Weekly", "NA|NA|None|Chat|Dee|Weekly"},
        {F::brand2talkshowhost, "None", "Chat|Dee|Weekly|NA||", "Chat|Dee|Weekly|NA|None|NA"},
        {F::brand2talkshowname, "NONE", "Chat|Dee|Weekly|NONE|Dee|Weekly",
         "Chat|Dee|Weekly|NONE|Dee|Weekly"},
    };
    constexpr const char* kBothOn = "Chat|Dee|Weekly|Chat|Dee|Weekly";
    for (const auto& [field, reply, lines, shown] : cases) {
        setLines(line::brand1talkshowname, kBothOn);
        step.fillFromRecord();
        const auto before = record.lines();
        dialogs.reply(reply);
        step.edit(field);
        EXPECT_EQ(std::tuple(segments(), shownFields()), std::tuple(lines, shown)) << reply;
        setLines(line::brand1talkshowname, kBothOn);
        EXPECT_EQ(record.lines(), before) << "only the segments change";
    }
}

// A segment's name shows as stored, an empty host or show as "NA"; showing
// writes nothing back.
TEST_F(Step8Test, ShowsTheRecordAsStoredAndStoresEachChange) {
    setLines(line::brand2talkshowname, "|");
    setLines(line::popularity, "abc");
    setLines(line::country, "Mars");
    expectChanges([&] { step.fillFromRecord(); }, {});
    EXPECT_EQ(
        joined({shownFields(), std::to_string(step.popularityBar().position()), step.popularity(),
                std::to_string(step.country().index()), step.country().text()}),
        "NA|NA|NA||NA|NA|0|abc%|-1|Mars");
    step.movePopularity(37);
    step.movePopularity(101);
    step.chooseCountry(2);
    step.chooseCountry(4);
    EXPECT_EQ(joined({record.get(line::popularity), step.popularity(), record.get(line::country)}),
              "37|37%|Japan");
}

// SAVE leaves for the menu only once the file is written; what the file
// holds is the save's own tests' business.
TEST_F(Step8Test, SaveLeavesAndCountsAsSavedOnlyOnceTheFileIsWritten) {
    navigator.go(Screen::Step8);
    for (const bool diskFull : {true, false}) {
        dialogs.reply("Ada Quill");
        editor.step7.edit(Step7Field::brand1powerfig2name); // the save moves her up
        const platform::Lines before = record.lines();
        dialogs.clear();
        {
            platform::FaultPlan plan;
            if (diskFull) {
                plan.failFrom(platform::Op::Write, 1, ENOSPC);
            }
            step.next();
        }
        EXPECT_EQ(std::tuple(dialogs.texts().size(), game.exists("Data/new.fed"),
                             navigator.current(), editor.chooser.unsavedWork().empty(),
                             record.lines() == before),
                  diskFull ? std::tuple(1u, false, Screen::Step8, false, true)
                           : std::tuple(1u, true, Screen::PromotionMenu, true, false));
    }
}

} // namespace
} // namespace bm::promotion
