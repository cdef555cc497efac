#include "core/promotion/step7.h"
#include "core/promotion/step8.h"

#include "support/fault.h"
#include "support/step_fixture.h"

#include <tuple>

namespace bm::promotion {
namespace {

using F7 = Step7Field;
using F8 = Step8Field;
using ui::Screen;

class Step7Test : public test::PromotionStepTest {
protected:
    Step7& step = editor.step7;

    // Every field shows its line, "None" for an empty one.
    void expectFieldsShowTheRecord(const std::string& label) {
        for (const auto& p : kStep7Prompts) {
            const std::string& stored = record.get(p.recordLine());
            EXPECT_EQ(step.shown(p.field), stored.empty() ? "None" : stored)
                << label << ": " << p.caption;
        }
    }
};

TEST_F(Step7Test, EachRolePromptsWithItsTextsAndNoneEmptiesItAndItsTitle) {
    expectFieldsShowTheRecord("a new promotion has nobody");
    constexpr int kNoTitle = -1;
    // The role's line, and the title line emptied with it.
    const std::tuple<F7, int, int, const char*, const char*> cases[] = {
        {F7::powerfig1name, 217, 218, "Brand 1 Power Figure 1",
         "Please enter the name of the 1st power figure for this promotion. If this promotion has "
         "a roster split, this will be the main power figure of the first brand. If there is no "
         "person in this role, enter 'None'."},
        {F7::brand1powerfig1title, 218, kNoTitle, "Brand 1 Power Figure 1 Job Title",
         "Please enter the job title of the 1st power figure for this promotion, eg. 'Co-General "
         "Manager Of Raw'. If this promotion has a roster split, this will be the main power "
         "figure of the first brand. If there is no person in this role, enter 'None'."},
        {F7::brand1powerfig2name, 219, 220, "Brand 1 Power Figure 2",
         "Please enter the name of the 2nd power figure for this promotion. If this promotion has "
         "a roster split, this will be the 2nd power figure of the first brand. If there is no "
         "person in this role, enter 'None'."},
        {F7::brand1powerfig2title, 220, kNoTitle, "Brand 1 Power Figure 2 Job Title",
         "Please enter the job title of the 2nd power figure for this promotion, eg. 'Co-General "
         "Manager Of Raw'. If this promotion has a roster split, this will be the 2nd power "
         "figure of the first brand. If there is no person in this role, enter 'None'."},
        {F7::brand2powerfig1name, 221, 222, "Brand 2 Power Figure 1",
         "Please enter the name of the 1st power figure for brand 2 of this promotion. This power "
         "figure will only be used if this promotion has a roster split. If there is no person "
         "in this role, enter 'None'."},
        {F7::brand2powerfig1title, 222, kNoTitle, "Brand 2 Power Figure 1 Job Title",
         "Please enter the job title of the 1st power figure of the 2nd brand for this "
         "promotion, eg. 'Co-General Manager Of Raw'. This power figure will only be used if "
         "this promotion has a roster split. If there is no person in this role, enter 'None'."},
        {F7::brand2powerfig2name, 223, 224, "Brand 2 Power Figure 2",
         "Please enter the name of the 2nd power figure for brand 2 of this promotion. This power "
         "figure will only be used if this promotion has a roster split. If there is no person "
         "in this role, enter 'None'."},
        {F7::brand2powerfig2title, 224, kNoTitle, "Brand 2 Power Figure 2 Job Title",
         "Please enter the job title of the 2nd power figure of the 2nd brand for this "
         "promotion, eg. 'Co-General Manager Of Raw'. This power figure will only be used if "
         "this promotion has a roster split. If there is no person in this role, enter 'None'."},
        {F7::interviewer1, 225, kNoTitle, "Interviewer 1",
         "Please enter the name of the 1st interviewer for this promotion. If this promotion has "
         "a roster split, this will be the interviewer for the 1st brand. If there is nobody in "
         "this role, enter 'None'."},
        {F7::interviewer2, 226, kNoTitle, "Interviewer 2",
         "Please enter the name of the 2nd interviewer for this promotion. If this promotion has "
         "a roster split, this will be the interviewer for the 2nd brand. If there is nobody in "
         "this role, enter 'None'."},
    };
    for (const auto& [field, line, titleLine, title, message] : cases) {
        // Everyone in place, so that each edit shows exactly which lines it touches.
        for (const auto& p : kStep7Prompts) {
            record.set(p.recordLine(), "Rae \xe9");
        }
        step.fillFromRecord();
        expectPrompt(step, field, title, message);
        test::LineChanges emptied{{line, ""}};
        if (titleLine != kNoTitle) {
            emptied.push_back({titleLine, ""});
        }
        dialogs.reply("None");
        expectChanges([&] { step.edit(field); }, emptied);
        expectFieldsShowTheRecord(title);
    }
    // Any other word is a name; a title may be given to an empty role (the
    // save clears it).
    dialogs.reply("none").reply("None").reply("Commissioner");
    expectChanges(
        [&] {
            step.edit(F7::interviewer2);
            step.edit(F7::brand2powerfig2name);
            step.edit(F7::brand2powerfig2title);
        },
        {{line::interviewer2, "none"},
         {line::brand2powerfig2name, ""},
         {line::brand2powerfig2title, "Commissioner"}});
}

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
    const std::tuple<F8, int, const char*, const char*> cases[] = {
        {F8::brand1talkshowname, 227, "Brand 1 Talk Show Segment Name",
         "Please enter the name of the talk show segment for this promotion, if there is one. If "
         "there is a roster split for this promotion, enter the talk show details here if it is "
         "on brand 1. If there is no talk show segment for this promotion/brand, enter 'NA'."},
        {F8::brand1talkshowhost, 228, "Brand 1 Talk Show Segment Host",
         "Please enter the name of the host of this talk show segment. If there isn't a talk show "
         "segment for this promotion/brand, enter 'NA'."},
        {F8::talkshow1showname, 229, "Which Show?",
         "Please enter the name of the show that this talk show segment is on (eg. 'Raw'), if "
         "there is one. If there is no talk show segment for this promotion/brand, enter 'NA'."},
        {F8::brand2talkshowname, 230, "Brand 2 Talk Show Segment Name",
         "Please enter the name of the talk show segment for this promotion's 2nd brand, if there "
         "is one. This will only be used if there is a roster split in this promotion. If there "
         "is no talk show segment for brand 2, enter 'NA'."},
        {F8::brand2talkshowhost, 231, "Brand 2 Talk Show Segment Host",
         "Please enter the name of the host of this talk show segment. If there isn't a talk show "
         "segment for this promotion's 2nd brand, enter 'NA'."},
        {F8::talkshow2showname, 232, "Which Show?",
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
    const std::tuple<F8, const char*, const char*, const char*> cases[] = {
        {F8::brand1talkshowname, "NA", "NA|||Chat|Dee|Weekly", "NA|NA|NA|Chat|Dee|Weekly"},
        {F8::brand1talkshowname, "None", "NA|||Chat|Dee|Weekly", "NA|NA|NA|Chat|Dee|Weekly"},
        {F8::talkshow1showname, "None", "NA|||Chat|Dee|Weekly", "NA|NA|None|Chat|Dee|Weekly"},
        {F8::brand2talkshowhost, "None", "Chat|Dee|Weekly|NA||", "Chat|Dee|Weekly|NA|None|NA"},
        {F8::brand2talkshowname, "NONE", "Chat|Dee|Weekly|NONE|Dee|Weekly",
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
