#include "core/promotion/step3.h"
#include "core/promotion/step4.h"
#include "core/promotion/step5.h"
#include "core/promotion/step6.h"
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

constexpr int kTitle1 = 0;
constexpr int kTitle3 = 2;
constexpr int kCustom1 = 4;
constexpr int kCustom2 = 5;

constexpr const char* kTagTeam = "Harbour Tag Titles|Harbour Champions|Tag Team|72|Male|Heavy|Yes|"
                                 "35|Brand 2|Rust Brothers|Cole Rust|Dane Rust|140|No Record Yet|"
                                 "0|6|Sunday 2nd May 2004|Rust Brothers";

class LaterSteps : public test::PromotionStepTest {
protected:
    Step3& step3 = editor.step3;
    Step4& step4 = editor.step4;
    Step5& step5 = editor.step5;
    Step6& step6 = editor.step6;
    Step7& step7 = editor.step7;
    Step8& step8 = editor.step8;

    std::string monthShown() const {
        return joined({step4.shown(BigShowField::bigshowname), step4.bigshowbrand().text(),
                       step4.shown(BigShowField::bigshowlogo)});
    }

    // The booking's lines, then what the screen shows.
    std::string booking() const {
        return joined({record.get(line::nameofbigshow), record.get(line::levelofpromotion),
                       record.get(line::dateofshow), record.get(line::days),
                       step5.shown(Step5Field::nameofbigshow), step5.level().text(),
                       step5.shown(Step5Field::dateofshow),
                       std::to_string(step5.daysBar().position()), step5.days()});
    }

    std::string titleBlock(int item) const {
        const auto& b = line::titles[static_cast<std::size_t>(item)];
        return linesFrom(b.first, b.count);
    }
    void setTitleBlock(int item, std::string_view lines) {
        setLines(line::titles[static_cast<std::size_t>(item)].first, lines);
    }
    std::string titleScreen() const {
        return joined({step6.shown(TitleField::titlename), step6.shown(TitleField::holdername),
                       step6.list(TitleList::titletype).text(), step6.barText(TitleBar::titlevalue),
                       step6.list(TitleList::titlegender).text(),
                       step6.list(TitleList::titleweight).text(),
                       step6.list(TitleList::titlehardcore).text(),
                       step6.barText(TitleBar::mindraw), step6.list(TitleList::titlebrand).text(),
                       step6.shown(TitleField::currentchamp), step6.shown(TitleField::champ1),
                       step6.shown(TitleField::champ2), step6.shown(TitleField::reign),
                       step6.shown(TitleField::defenses), step6.shown(TitleField::historydate)});
    }

    // The two segments' lines (name, host, show each).
    std::string segments() const { return linesFrom(line::brand1talkshowname, 6); }
    std::string shownFields() const {
        std::vector<std::string> all;
        for (const auto& p : kStep8Prompts) {
            all.push_back(step8.shown(p.field));
        }
        return joined(all);
    }
};

TEST_F(LaterSteps, Step3AttendancesStoreTheirNumberAndListsTheirLevel) {
    expectAnswers<Step3Field>(
        step3, {{Step3Field::tvatt, "7500 fans", 41, "7500", "7500", "Max Televised Attendence",
                 "Please enter the maximum attendence this promotion could attract for a "
                 "televised show at this point in time."},
                {Step3Field::untvatt, "12,000", 40, "12", "12", "Max Untelevised Attendence",
                 "Please enter the maximum attendence this promotion could attract for an "
                 "untelevised show at this point in time."}});
    expectChanges(
        [&] {
            step3.chooseProduction(Production::primaryprod, 0);
            step3.chooseProduction(Production::secondaryprod, 19);
            step3.chooseProduction(Production::bigshowprod, 20); // no such level
        },
        {{42, "1"}, {43, "20"}});
    EXPECT_EQ(step3.production(Production::secondaryprod).text(), "$1,250,000 Per Show");
}

// The rate has an upper bound only and is stored in hundredths rounded down;
// the deal only warns below National.
TEST_F(LaterSteps, Step4DealBuyRateAndAttendanceAreStoredInTheirForms) {
    const std::string refusal =
        "Invalid Buy-Rate!\r\n\r\nThe Buy-Rate is a number usually between 0 and 2, where 1.0 = "
        "400,000 PPV buys. WWE usually get between 0.5 and 1.0 for their monthly PPV "
        "events.\r\n\r\nPlease enter another value.";
    constexpr auto kRate = Step4Field::ppvbuyrate;
    expectAnswers<Step4Field>(
        step4, {{kRate, "5", 47, "500", "5", "Average PPV Buy-Rate",
                 "Please enter the average buy rate this promotion gets for big shows on "
                 "Pay-Per-View (not weekly shows).\r\nSome examples of real life buy-rates: "
                 "\r\nSummerslam 2005 - 0.94\r\nNo Way Out 2005 - 0.59\r\nRoyal Rumble 2005 - "
                 "0.83"},
                {kRate, "5.01", -1, refusal, "5"},
                {kRate, "0.835", 47, "83", "0.835"},
                {kRate, "-0.001", 47, "-1", "-0.001"},
                {Step4Field::bigshowatt, "12,000", 48, "12", "12", "Max Big Show Attendence",
                 "Please enter the maximum attendence this promotion could attract for a big "
                 "show at this point in time."}});
    const std::string warning =
        "WARNING:\r\nOnly National sized promotions can have a monthly PPV deal.";
    for (const auto& [size, choice, warns] :
         {std::tuple{"3", 0, true}, std::tuple{"4", 0, false}, std::tuple{"1", 1, false}}) {
        record.set(line::size, size);
        dialogs.clear();
        expectChanges([&] { step4.choosePpvDeal(choice); }, {{46, choice == 0 ? "Yes" : "No"}});
        EXPECT_EQ(dialogs.texts(), warns ? std::vector{warning} : std::vector<std::string>{});
    }
}

TEST_F(LaterSteps, Step4MonthsAreSelectedNamedAndRemoved) {
    expectPrompt(step4, BigShowField::bigshowname, "Big Show Name",
                 "Please enter the name of the big show which is held in this month by this "
                 "promotion, or if this promotion doesn't have a big show in this month, enter "
                 "'None'.");
    expectPrompt(step4, BigShowField::bigshowlogo, "Big Show Logo",
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
                op == Select  ? step4.selectMonth(number)
                : op == Brand ? step4.chooseBrand(number)
                              : step4.edit(op == Name ? BigShowField::bigshowname
                                                      : BigShowField::bigshowlogo);
            },
            changes);
        EXPECT_EQ(monthShown(), shown) << op << reply;
    }
}

TEST_F(LaterSteps, Step5EditsAreStoredUncheckedAndNoneEmptiesTheBooking) {
    step5.chooseLevel(2);
    step5.chooseLevel(3); // no such entry
    step5.moveDays(17);
    expectAnswers<Step5Field>(
        step5,
        {{Step5Field::nameofbigshow, "Harvest Havoc", 234, "Harvest Havoc", "Harvest Havoc",
          "Big Show Name",
          "Please enter the name of the next big show this promotion will have. If there "
          "isn't one currently planned, enter 'None'."},
         {Step5Field::dateofshow, "23/08/2004", 236, "23/08/2004", "23/08/2004", "Date Of Big Show",
          "Please enter the date when this big show will take place. The date must be in "
          "the form 'Wednesday 18th August 2004'."},
         {Step5Field::nameofbigshow, "none", 234, "none", "none"}}); // only "None" exactly
    EXPECT_EQ(booking(), "none|3|23/08/2004|17|none|Extensive|23/08/2004|17|17");
    dialogs.reply("None");
    step5.edit(Step5Field::nameofbigshow);
    EXPECT_EQ(booking(), "None|||0|None|Basic||0|0");
}

// Whatever a file holds, the screen shows it without failing or writing.
TEST_F(LaterSteps, Step5FillShowsTheBookingAndKeepsOddValuesAsStored) {
    const std::tuple<const char*, const char*> cases[] = {
        {"Autumn Overdrive|3|Sunday 26th September 2004|12",
         "Autumn Overdrive|Extensive|Sunday 26th September 2004|12|12"},
        {"None|3|Sunday 26th September 2004|12", "None|Basic||0|0"},
        {"Odd Show|02||-70000", "Odd Show|02||0|-70000"},
    };
    for (const auto& [lines, shown] : cases) {
        setLines(line::nameofbigshow, lines);
        expectChanges([&] { step5.fillFromRecord(); }, {});
        EXPECT_EQ(booking(), std::string(lines) + "|" + shown);
    }
}

// A loaded file's odd values show as stored and nothing is written back;
// step 4 shows January again, whose logo line stays empty.
TEST_F(LaterSteps, LoadingShowsOddValuesAsStoredAndWritesNothing) {
    EXPECT_EQ(std::tuple(monthShown(), record.get(51)), std::tuple("None|All|NA", "NA"));
    step4.selectMonth(5);
    const auto file = load({{41, "1e3"},
                            {42, "20"},
                            {43, "07"},
                            {44, "21"},
                            {46, "maybe"},
                            {47, "83"},
                            {48, "9e9"},
                            {50, "Brand 2"},
                            {230, ""},
                            {231, ""},
                            {line::popularity, "abc"},
                            {line::country, "Mars"}});
    EXPECT_EQ(record.lines(), file);
    const auto number = [](int n) { return std::to_string(n); };
    EXPECT_EQ(
        joined({step3.shown(Step3Field::tvatt), step3.production(Production::primaryprod).text(),
                step3.production(Production::secondaryprod).text(),
                number(step3.production(Production::bigshowprod).index())}),
        "1e3|$1,250,000 Per Show|07|-1");
    EXPECT_EQ(joined({number(step4.months().selected()), number(step4.ppvdeal().index()),
                      step4.ppvdeal().text(), step4.shown(Step4Field::ppvbuyrate),
                      step4.shown(Step4Field::bigshowatt), monthShown()}),
              "0|-1|maybe|0.83|9e9|None|All|NA");
    EXPECT_EQ(joined({shownFields(), number(step8.popularityBar().position()), step8.popularity(),
                      number(step8.country().index()), step8.country().text()}),
              "NA|NA|NA||NA|NA|0|abc%|-1|Mars");
}

// Titles 1 to 4 have no type or holder lines; 5 to 8 do. Removing a title
// empties every line shown and keeps the three the save writes; title 1
// cannot be removed.
TEST_F(LaterSteps, Step6SelectingAnEmptyTitleShowsItsDefaultsAndNoneRemovesOne) {
    const std::tuple<int, const char*, const char*> cases[] = {
        {kTitle3, "None||Singles|0%|All|All|No|0|All||None|None|0|0|",
         "||0|All|All|No|0|All|||||||"},
        {kCustom2, "None||Singles|0%|All|All|No|0|All||||||",
         "||Singles|0|All|All|No|0|All|||||||||"},
    };
    for (const auto& [item, shown, stored] : cases) {
        step6.selectTitle(kCustom1); // a type that must not carry over
        step6.choose(TitleList::titletype, 1);
        const auto before = record.lines();
        const std::string empty = titleBlock(item);
        step6.selectTitle(item);
        EXPECT_EQ(std::tuple(titleScreen(), titleBlock(item), step6.typeEnabled()),
                  std::tuple(shown, stored, item >= kCustom1));
        setTitleBlock(item, empty);
        EXPECT_EQ(record.lines(), before) << "only the selected block changes";
    }

    setTitleBlock(kCustom1, kTagTeam);
    step6.selectTitle(kCustom1);
    dialogs.reply("None");
    step6.edit(TitleField::titlename);
    EXPECT_EQ(titleBlock(kCustom1),
              "||Singles|0|All|All|No|0|All|||||No Record Yet|0|||Rust Brothers");
    EXPECT_EQ(titleScreen(), "None||Singles|0%|All|All|No|0|All||None|None|0|0|");
    step6.selectTitle(kTitle1);
    const std::string title1 = titleScreen();
    EXPECT_EQ(title1, "World Heavyweight Title|World Heavyweight Champion|Singles|50%|Male|All|No|"
                      "60|All|Vacant|None|None|0|0|Monday 23rd August 2004");
    step6.cleartitles(); // title 1 is never cleared
    expectAnswers<TitleField>(
        step6, {{TitleField::titlename, "None", -1,
                 "Every promotion must have a primary singles title.", "World Heavyweight Title"}});
    EXPECT_EQ(titleScreen(), title1);
}

// Titles 1 to 4 have no holder lines: those answers are only shown.
TEST_F(LaterSteps, Step6PromptsStoreInTheSelectedBlockAndHoldersOnlyForCustomTitles) {
    setTitleBlock(kCustom1, kTagTeam);
    const struct {
        TitleField field;
        const char *answer, *stored, *title, *message;
    } cases[] = {
        {TitleField::titlename, "Iron Crown", "Iron Crown", "Title Name",
         "Please enter the name of this title belt, eg. World Heavyweight Championship. If you "
         "don't want a title belt here, enter 'None'."},
        {TitleField::holdername, "Crown Holder", "Crown Holder", "Holder Name",
         "Please enter the name the holder of this title belt will have, eg. World Heavyweight "
         "Champion."},
        {TitleField::currentchamp, "Vacant", "Vacant", "Current Champion(s)",
         "Please enter the name of the wrestler(s) who currently hold this title belt. If it is a "
         "tag team title, enter the name of the tag team here. If the title is currently vacant, "
         "enter 'Vacant'."},
        {TitleField::champ1, " Ivo Kask ", " Ivo Kask ", "Champion 1",
         "If this is a tag team title, please enter the name of the first member of the team "
         "which currently hold this title belt. If the title isn't a tag team title, or is "
         "vacant, enter 'None'."},
        {TitleField::champ2, "None", "None", "Champion 2",
         "If this is a tag team title, please enter the name of the second member of the team "
         "which currently hold this title belt. If the title isn't a tag team title, or is "
         "vacant, enter 'None'."},
        {TitleField::reign, "23 days", "23", "Current Reign",
         "Please enter the number of days this wrestler/team has/have held this title so far."},
        {TitleField::defenses, "1,500", "1", "Title Defences",
         "Please enter the number of title defences this wrestler/team has/have made so far."},
        {TitleField::historydate, "21/08/2004", "21/08/2004", "Date Of Title Change",
         "Please enter the date when this title was won, or the date it was made vacant. The "
         "date must be in the form 'Saturday 21st August 2004'."},
    };
    for (const int item : {kTitle1, kCustom1}) {
        step6.selectTitle(item);
        for (const auto& c : cases) {
            expectPrompt(step6, c.field, c.title, c.message);
            dialogs.reply(c.answer);
            step6.edit(c.field);
            EXPECT_EQ(step6.shown(c.field), c.stored) << c.title;
        }
    }
    EXPECT_EQ(titleBlock(kTitle1), "Iron Crown|Crown Holder|50|Male|All|No|60|All|Vacant|23|"
                                   "No Record Yet|0|1|21/08/2004|Vacant");
    EXPECT_EQ(titleBlock(kCustom1), "Iron Crown|Crown Holder|Tag Team|72|Male|Heavy|Yes|35|Brand 2|"
                                    "Vacant| Ivo Kask |None|23|No Record Yet|0|1|21/08/2004|"
                                    "Rust Brothers");
    step6.selectTitle(kTitle1);
    EXPECT_EQ(step6.shown(TitleField::champ1), "None");
}

// Only "None" (exactly) empties a role; a name's "None" empties its title
// too, while a title may be given to an empty role (the save clears it).
TEST_F(LaterSteps, Step7EachRolePromptsWithItsTextsAndNoneEmptiesItAndItsTitle) {
    for (const auto& p : kStep7Prompts) {
        EXPECT_EQ(step7.shown(p.field), "None") << "a new promotion has nobody";
    }
    setLines(217, "Rae \xe9||Rae \xe9||Rae \xe9||Rae \xe9||Rae \xe9|Rae \xe9");
    step7.fillFromRecord();
    expectAnswers<F7>(
        step7,
        {{F7::powerfig1name, "None", 217, "", "None", "Brand 1 Power Figure 1",
          "Please enter the name of the 1st power figure for this promotion. If this promotion has "
          "a roster split, this will be the main power figure of the first brand. If there is no "
          "person in this role, enter 'None'."},
         {F7::brand1powerfig1title, "None", 218, "", "None", "Brand 1 Power Figure 1 Job Title",
          "Please enter the job title of the 1st power figure for this promotion, eg. 'Co-General "
          "Manager Of Raw'. If this promotion has a roster split, this will be the main power "
          "figure of the first brand. If there is no person in this role, enter 'None'."},
         {F7::brand1powerfig2name, "None", 219, "", "None", "Brand 1 Power Figure 2",
          "Please enter the name of the 2nd power figure for this promotion. If this promotion has "
          "a roster split, this will be the 2nd power figure of the first brand. If there is no "
          "person in this role, enter 'None'."},
         {F7::brand1powerfig2title, "None", 220, "", "None", "Brand 1 Power Figure 2 Job Title",
          "Please enter the job title of the 2nd power figure for this promotion, eg. 'Co-General "
          "Manager Of Raw'. If this promotion has a roster split, this will be the 2nd power "
          "figure of the first brand. If there is no person in this role, enter 'None'."},
         {F7::brand2powerfig1name, "None", 221, "", "None", "Brand 2 Power Figure 1",
          "Please enter the name of the 1st power figure for brand 2 of this promotion. This power "
          "figure will only be used if this promotion has a roster split. If there is no person "
          "in this role, enter 'None'."},
         {F7::brand2powerfig1title, "None", 222, "", "None", "Brand 2 Power Figure 1 Job Title",
          "Please enter the job title of the 1st power figure of the 2nd brand for this "
          "promotion, eg. 'Co-General Manager Of Raw'. This power figure will only be used if "
          "this promotion has a roster split. If there is no person in this role, enter 'None'."},
         {F7::brand2powerfig2name, "None", 223, "", "None", "Brand 2 Power Figure 2",
          "Please enter the name of the 2nd power figure for brand 2 of this promotion. This power "
          "figure will only be used if this promotion has a roster split. If there is no person "
          "in this role, enter 'None'."},
         {F7::brand2powerfig2title, "None", 224, "", "None", "Brand 2 Power Figure 2 Job Title",
          "Please enter the job title of the 2nd power figure of the 2nd brand for this "
          "promotion, eg. 'Co-General Manager Of Raw'. This power figure will only be used if "
          "this promotion has a roster split. If there is no person in this role, enter 'None'."},
         {F7::interviewer1, "None", 225, "", "None", "Interviewer 1",
          "Please enter the name of the 1st interviewer for this promotion. If this promotion has "
          "a roster split, this will be the interviewer for the 1st brand. If there is nobody in "
          "this role, enter 'None'."},
         {F7::interviewer2, "None", 226, "", "None", "Interviewer 2",
          "Please enter the name of the 2nd interviewer for this promotion. If this promotion has "
          "a roster split, this will be the interviewer for the 2nd brand. If there is nobody in "
          "this role, enter 'None'."},
         {F7::interviewer2, "none", 226, "none", "none"},
         {F7::brand2powerfig2title, "Boss", 224, "Boss", "Boss"}});
    for (const auto& [name, line, title] :
         {std::tuple{F7::powerfig1name, 217, F7::brand1powerfig1title},
          std::tuple{F7::brand1powerfig2name, 219, F7::brand1powerfig2title},
          std::tuple{F7::brand2powerfig1name, 221, F7::brand2powerfig1title},
          std::tuple{F7::brand2powerfig2name, 223, F7::brand2powerfig2title}}) {
        setLines(217, "Rae|Boss|Rae|Boss|Rae|Boss|Rae|Boss");
        step7.fillFromRecord();
        dialogs.reply("None");
        expectChanges([&] { step7.edit(name); }, {{line, ""}, {line + 1, ""}});
        EXPECT_EQ(step7.shown(title), "None");
    }
}

TEST_F(LaterSteps, Step8StoresTheTalkShowsAsTypedAndThePopularityAndCountry) {
    EXPECT_EQ(shownFields(), "NA|NA|NA|NA|NA|NA") << "both off when new";
    const std::string k = "na \xa0";
    expectAnswers<F8>(
        step8,
        {{F8::brand1talkshowname, k, 227, k, k, "Brand 1 Talk Show Segment Name",
          "Please enter the name of the talk show segment for this promotion, if there is one. If "
          "there is a roster split for this promotion, enter the talk show details here if it is "
          "on brand 1. If there is no talk show segment for this promotion/brand, enter 'NA'."},
         {F8::brand1talkshowhost, k, 228, k, k, "Brand 1 Talk Show Segment Host",
          "Please enter the name of the host of this talk show segment. If there isn't a talk show "
          "segment for this promotion/brand, enter 'NA'."},
         {F8::talkshow1showname, k, 229, k, k, "Which Show?",
          "Please enter the name of the show that this talk show segment is on (eg. 'Raw'), if "
          "there is one. If there is no talk show segment for this promotion/brand, enter 'NA'."},
         {F8::brand2talkshowname, k, 230, k, k, "Brand 2 Talk Show Segment Name",
          "Please enter the name of the talk show segment for this promotion's 2nd brand, if there "
          "is one. This will only be used if there is a roster split in this promotion. If there "
          "is no talk show segment for brand 2, enter 'NA'."},
         {F8::brand2talkshowhost, k, 231, k, k, "Brand 2 Talk Show Segment Host",
          "Please enter the name of the host of this talk show segment. If there isn't a talk show "
          "segment for this promotion's 2nd brand, enter 'NA'."},
         {F8::talkshow2showname, k, 232, k, k, "Which Show?",
          "Please enter the name of the show that this talk show segment is on (eg. 'Raw'), if "
          "there is one. If there is no talk show segment for this promotion's 2nd brand, enter "
          "'NA'."}});
    step8.movePopularity(37);
    step8.movePopularity(101);
    step8.chooseCountry(2);
    step8.chooseCountry(4);
    EXPECT_EQ(joined({record.get(line::popularity), step8.popularity(), record.get(line::country)}),
              "37|37%|Japan");
}

// Only "NA" and "None" switch a segment off; a host or show field keeps
// showing what was typed into it.
TEST_F(LaterSteps, Step8NaOrNoneSwitchesOffOnlyItsOwnSegment) {
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
        step8.fillFromRecord();
        const auto before = record.lines();
        dialogs.reply(reply);
        step8.edit(field);
        EXPECT_EQ(std::tuple(segments(), shownFields()), std::tuple(lines, shown)) << reply;
        setLines(line::brand1talkshowname, kBothOn);
        EXPECT_EQ(record.lines(), before) << "only the segments change";
    }
}

// SAVE leaves for the menu only once the file is written.
TEST_F(LaterSteps, Step8SaveLeavesAndCountsAsSavedOnlyOnceTheFileIsWritten) {
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
            step8.next();
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
