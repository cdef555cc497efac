#include "core/promotion/step8.h"

#include "core/promotion/step7.h"
#include "support/fault.h"
#include "support/step_fixture.h"

#include <array>
#include <tuple>

namespace bm::promotion {
namespace {

using F = Step8Field;
using ui::Screen;
constexpr const char* kBothOn = "Chat|Dee|Weekly|Chat|Dee|Weekly";

class Step8Test : public test::PromotionStepTest {
protected:
    Step8& step = editor.step8;

    void SetUp() override {
        PromotionStepTest::SetUp();
        navigator.go(Screen::Step8);
    }
    // The two segments' lines (name, host, show each) and fields, joined by "|".
    std::string segments() const { return linesFrom(line::brand1talkshowname, 6); }
    std::string shownFields() const {
        std::vector<std::string> all;
        for (const auto& p : kStep8Prompts) {
            all.push_back(step.shown(p.field));
        }
        return joined(all);
    }
};

// Only "NA" and "None" switch a segment off; a host or show typed while it
// is off does not switch it on.
TEST_F(Step8Test, EachTalkShowFieldPromptsWithItsTextsAndStoresTheReplyAsTyped) {
    const struct {
        F field;
        int line;
        const char* title;
        const char* message;
    } cases[] = {
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
    for (const auto& c : cases) {
        expectPrompt(step, c.field, c.title, c.message);
        dialogs.reply("na \xa0");
        expectChanges([&] { step.edit(c.field); }, {{c.line, "na \xa0"}});
        EXPECT_EQ(step.shown(c.field), "na \xa0") << c.title;
    }
}

TEST_F(Step8Test, NaOrNoneSwitchesOffOnlyItsOwnSegment) {
    const struct {
        F field;
        const char *reply, *lines, *shown;
    } cases[] = {
        {F::brand1talkshowname, "NA", "NA|||Chat|Dee|Weekly", "NA|NA|NA|Chat|Dee|Weekly"},
        {F::brand1talkshowname, "None", "NA|||Chat|Dee|Weekly", "NA|NA|NA|Chat|Dee|Weekly"},
        {F::talkshow1showname, "None", "NA|||Chat|Dee|Weekly", "NA|NA|None|Chat|Dee|Weekly"},
        {F::brand2talkshowhost, "None", "Chat|Dee|Weekly|NA||", "Chat|Dee|Weekly|NA|None|NA"},
        {F::talkshow2showname, "NA", "Chat|Dee|Weekly|NA||", "Chat|Dee|Weekly|NA|NA|NA"},
        {F::brand2talkshowname, "NONE", "Chat|Dee|Weekly|NONE|Dee|Weekly",
         "Chat|Dee|Weekly|NONE|Dee|Weekly"},
    };
    for (const auto& c : cases) {
        setLines(line::brand1talkshowname, kBothOn);
        step.fillFromRecord();
        const auto before = record.lines();
        dialogs.reply(c.reply);
        step.edit(c.field);
        EXPECT_EQ(std::tuple(segments(), shownFields()), std::tuple(c.lines, c.shown)) << c.reply;
        setLines(line::brand1talkshowname, kBothOn);
        EXPECT_EQ(record.lines(), before) << "only the segments change";
    }
}

TEST_F(Step8Test, ShowsTheRecordAsStoredAndStoresEachChange) {
    // A segment's name shows as stored, an empty host or show as "NA".
    record.set(line::brand2talkshowname, "");
    step.fillFromRecord();
    EXPECT_EQ(shownFields(), "NA|NA|NA||NA|NA");
    const struct {
        const char* popularity;
        int position;
        const char* country;
        int countryIndex;
    } shown[] = {{"250", 100, "UK", 1}, {"abc", 0, "Mars", -1}};
    for (const auto& c : shown) {
        record.set(line::popularity, c.popularity);
        record.set(line::country, c.country);
        const platform::Lines before = record.lines();
        step.fillFromRecord();
        EXPECT_EQ(
            std::tuple(step.popularityBar().position(), step.popularity(), step.country().index(),
                       step.country().text()),
            std::tuple(c.position, c.popularity + std::string("%"), c.countryIndex, c.country));
        EXPECT_EQ(record.lines(), before) << "showing writes nothing back";
    }
    step.movePopularity(37);
    step.movePopularity(101);
    step.chooseCountry(2);
    step.chooseCountry(4);
    EXPECT_EQ(
        std::tuple(record.get(line::popularity), step.popularity(), record.get(line::country)),
        std::tuple("37", "37%", "Japan"));
}

// SAVE leaves for the promotion menu only when the file is written; the
// saved promotion then loads as it was saved, with nothing left to ask about.
TEST_F(Step8Test, SaveLeavesAndCountsAsSavedOnlyOnceTheFileIsWritten) {
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
        ASSERT_EQ(dialogs.shown().size(), 1u);
        const std::string& told = dialogs.shown()[0].text;
        EXPECT_NE(told.find("new.fed"), std::string::npos) << told;
        EXPECT_EQ(told == "new.fed saved OK.", !diskFull) << told;
        EXPECT_EQ(game.exists("Data/new.fed"), !diskFull);
        EXPECT_EQ(navigator.current(), diskFull ? Screen::Step8 : Screen::PromotionMenu);
        EXPECT_EQ(editor.chooser.unsavedWork().empty(), !diskFull);
        if (diskFull) {
            EXPECT_EQ(record.lines(), before);
        }
    }
    platform::Lines written = makeTemplateRecord().lines();
    written[line::months[0].bigshowlogo] = "NA";
    written[line::powerfig1name] = "Ada Quill";
    EXPECT_EQ(game.read("Data/new.fed"), platform::joinLines(written));

    editor.chooser.setMode(ChooserMode::Edit);
    editor.chooser.select(0);
    editor.chooser.act();
    EXPECT_EQ(editor.step7.shown(Step7Field::powerfig1name), "Ada Quill");
    EXPECT_EQ(editor.step7.shown(Step7Field::brand1powerfig2name), "None");
    EXPECT_EQ(editor.chooser.unsavedWork(), "");
}

} // namespace
} // namespace bm::promotion
