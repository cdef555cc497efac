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
    const std::tuple<const char*, int, const char*, int> cases[] = {{"250", 100, "UK", 1},
                                                                    {"abc", 0, "Mars", -1}};
    record.set(line::brand2talkshowname, "");
    for (const auto& [popularity, position, country, index] : cases) {
        record.set(line::popularity, popularity);
        record.set(line::country, country);
        expectChanges([&] { step.fillFromRecord(); }, {});
        EXPECT_EQ(shownFields(), "NA|NA|NA||NA|NA");
        EXPECT_EQ(std::tuple(step.popularityBar().position(), step.popularity(),
                             step.country().index(), step.country().text()),
                  std::tuple(position, popularity + std::string("%"), index, country));
    }
    step.movePopularity(37);
    step.movePopularity(101);
    step.chooseCountry(2);
    step.chooseCountry(4);
    EXPECT_EQ(
        std::tuple(record.get(line::popularity), step.popularity(), record.get(line::country)),
        std::tuple("37", "37%", "Japan"));
}

// What the file holds is the save's own tests' business.
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
        EXPECT_EQ(dialogs.texts().size(), 1u);
        EXPECT_EQ(game.exists("Data/new.fed"), !diskFull);
        EXPECT_EQ(navigator.current(), diskFull ? Screen::Step8 : Screen::PromotionMenu);
        EXPECT_EQ(editor.chooser.unsavedWork().empty(), !diskFull);
        EXPECT_EQ(record.lines() == before, diskFull);
    }
}

} // namespace
} // namespace bm::promotion
