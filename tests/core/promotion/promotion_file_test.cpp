#include "core/promotion/record/promotion_record.h"
#include "core/promotion/save_rules.h"

#include "support/step_fixture.h"

#include <tuple>
#include <utility>

namespace bm::promotion {
namespace {
using namespace line;
using Edits = test::LineChanges;
using Rules = std::vector<int>;

// Each message exactly as the user must read it; index = rule number.
const char* const kText[] = {
    "",
    "A promotion with Regional TV coverage cannot be classed as a National promotion unless it "
    "has a primary or secondary show on PPV.",
    "You have information missing for primary show 1.",
    "You have information missing for primary show 2.",
    "You have information missing for secondary show 1.",
    "You have information missing for secondary show 2.",
    "You have more than one regular show on the same day - please change.",
    "Non Televised Attendence must be at least 20.",
    "Televised Attendence must be at least 20.",
    "PPV Buys for a weekly show must be at least 100.",
    "TV Rating for a weekly show must be between 0 and 10.",
    "You can't have a weekly show's type as 'TV', and TV Coverage set to 'None'.",
    "You can't have a PPV coverage for weekly shows unless the promotion is National.",
    "Only National promotions can have a monthly PPV deal.",
    "Some information is missing from one or more big shows.",
    "Pay-Per-View Buy Rate for Big Shows must be at least 0.01.",
    "Attendence for Big Shows must be at least 20.",
    "One or more of this promotion's tag team titles has one or more of the holders as 'None', but "
    "the title is not vacant.",
    "One or more of this promotion's tag team titles is vacant, but one or more of the holder's "
    "names is not set to 'None'.",
    "Some information has not been entered for Primary Singles Title 1.",
    "Some information has not been entered for Primary Singles Title 2.",
    "Some information has not been entered for the Secondary Singles Title.",
    "Some information has not been entered for the Tertiary Singles Title.",
    "Some information has not been entered for the Custom Title 1.",
    "Some information has not been entered for the Custom Title 2.",
    "Some information has not been entered for the Custom Title 3.",
    "Some information has not been entered for the Custom Title 4.",
};

// A complete title 5 to 8 with the given type, champion and holders.
Edits title(int k, const char* type, const char* champ, const char* c1, const char* c2) {
    const TitleLines& t = titles[static_cast<std::size_t>(k - 1)];
    return {{t.titlename, "Belt"},   {t.holdername, "Holder"}, {t.titletype, type},
            {t.currentchamp, champ}, {t.champ1, c1},           {t.champ2, c2},
            {t.reign, "0"},          {t.defenses, "0"},        {t.historydate, "Monday"}};
}

TEST(SaveRules, EachRuleAtItsBoundsAndSeveralFailuresInOrder) {
    const ShowLines &s1 = shows[0], &s2 = shows[1], &s3 = shows[2], &s4 = shows[3];
    const MonthLines &jan = months[0], &jul = months[6];
    std::vector<std::pair<Edits, Rules>> cases{
        {{}, {}},
        {{{size, "4"}, {tvcoverage, "Regional"}}, {1}},
        {{{size, "4"}, {tvcoverage, "Regional"}, {s4.showtype, "PPV"}}, {}},
        {{{s1.showlogo, ""}}, {2}},
        {{{s1.tvrating, ""}}, {}},
        {{{s1.showtype, "TV"}, {s1.tvrating, ""}}, {2, 10, 11}},
        {{{s2.nameofshow, "Two"}, {s4.nameofshow, "Four"}}, {3, 5, 6}},
        {{{s2.showday, "Friday"}, {s4.showday, "Friday"}}, {}},
        {{{s3.nameofshow, "Late"}, {s3.showday, "Wednesday"}}, {4, 6}},
        {{{tvcoverage, "Local"}, {s1.showtype, "TV"}, {s1.tvrating, "0"}}, {10}},
        {{{tvcoverage, "Local"}, {s1.showtype, "TV"}, {s1.tvrating, "1000"}}, {}},
        {{{tvcoverage, "Local"}, {s1.showtype, "TV"}, {s1.tvrating, "1001"}}, {10}},
        {{{s1.showtype, "PPV"}, {s1.tvrating, "99"}}, {9, 12}},
        {{{size, "4"}, {s1.showtype, "PPV"}, {s1.tvrating, "100"}}, {}},
        {{{s2.showtype, "TV"}, {s2.tvrating, "0"}, {s3.showtype, "PPV"}}, {}},
        {{{untvatt, "19"}, {tvatt, "19.99"}}, {7, 8}},
        {{{untvatt, "20"}, {tvatt, "20 fans"}}, {}},
        {{{ppvbuyrate, "0.99"}, {bigshowatt, "abc"}}, {15, 16}},
        {{{ppvbuyrate, "1"}}, {}},
        {{{size, "3"}, {ppvdeal, "Yes"}}, {13}},
        {{{size, "4"}, {ppvdeal, "Yes"}}, {}},
        // An odd size between the two bounds is National and below 4 at once.
        {{{size, "3.5"}, {ppvdeal, "Yes"}, {tvcoverage, "Regional"}}, {1, 13}},
        {{{jan.bigshowname, "Thaw"}, {jan.bigshowbrand, "All"}}, {14}},
        {{{jan.bigshowname, "Thaw"}, {jul.bigshowname, "Heat"}, {jul.bigshowlogo, "NA"}}, {14}},
        {{{jul.bigshowname, "Heat"}, {jul.bigshowbrand, "All"}, {jul.bigshowlogo, "NA"}}, {}},
        {{{jan.bigshowbrand, ""}, {jan.bigshowlogo, "x.jpg"}}, {}},
        {title(5, "Tag Team", "Vacant", "None", "None"), {}},
        {title(6, "Tag Team", "Twins", "Ann", "None"), {17}},
        {title(7, "Tag Team", "Vacant", "None", "Ann"), {18}},
        {title(8, "Singles", "Vacant", "Ann", "Bo"), {}},
        {{{titles[0].currentchamp, ""}}, {19}},
        {{{titles[1].holdername, "leftover"}}, {}},
        {{{titles[7].titlename, "Belt"},
          {untvatt, ""},
          {s1.showlogo, ""},
          {size, "5"},
          {tvcoverage, "Regional"}},
         {1, 2, 7, 26}},
    };
    for (int k = 1; k <= kTitleCount; ++k) { // named, but without its date
        const TitleLines& t = titles[static_cast<std::size_t>(k - 1)];
        const Edits named{{t.titlename, "Belt"}, {t.holdername, "H"}, {t.currentchamp, "C"},
                          {t.reign, "0"},        {t.defenses, "0"},   {t.historydate, ""}};
        cases.push_back({named, {18 + k}});
    }
    for (std::size_t i = 0; i < cases.size(); ++i) {
        std::vector<RuleFailure> expected;
        for (int rule : cases[i].second) {
            expected.push_back({rule, kText[rule]});
        }
        PromotionRecord r;
        r.assign(test::templateWith(cases[i].first));
        EXPECT_EQ(failedSaveRules(r), expected) << "case " << i;
    }
    std::vector<int> onEmpty;
    for (const auto& f : failedSaveRules(PromotionRecord{})) {
        onEmpty.push_back(f.rule);
    }
    EXPECT_EQ(onEmpty, (Rules{2, 7, 8, 15, 16})) << "missing lines read as empty";
}

// The last case changes nothing: no split, segment on, show named, title 1 kept.
TEST(SaveDerivation, EachDerivedLine) {
    const ShowLines& s2 = shows[1];
    const TitleLines &t1 = titles[0], &t3 = titles[2], &t6 = titles[5];
    const std::vector<std::pair<Edits, Edits>> cases{
        {{{brand1powerfig1title, "Stale"}, {brand1powerfig2title, "Orphan"}},
         {{brand1powerfig1title, ""}, {brand1powerfig2title, ""}}},
        {{{brand2powerfig2name, "Bo Marsh"}, {brand2powerfig2title, "Manager"}},
         {{brand2powerfig1name, "Bo Marsh"},
          {brand2powerfig1title, "Manager"},
          {brand2powerfig2name, ""},
          {brand2powerfig2title, ""}}},
        {{{rostersplit, "Yes"}, {interviewer2, "Cy Vale"}},
         {{interviewer1, "Cy Vale"}, {interviewer2, ""}}},
        {{{brand1talkshowhost, "Dee"}, {talkshow1showname, "Weekly"}},
         {{brand1talkshowhost, ""}, {talkshow1showname, ""}}},
        {{{levelofpromotion, "2"}, {dateofshow, "Sunday 5th September 2004"}, {days, "12"}},
         {{levelofpromotion, ""}, {dateofshow, ""}, {days, "0"}}},
        {{{s2.showday, "Friday"}, {s2.showlogo, "NA"}, {s2.percentage, "0"}},
         {{s2.showday, ""}, {s2.showlogo, ""}, {s2.percentage, ""}}},
        {{{t1.titlerecord, "Held"}, {t1.titlerecordnum, "3"}, {t1.currentchamp, "Rex"}},
         {{t1.titlerecord, "No Record Yet"}, {t1.titlerecordnum, "0"}, {t1.savedchamp, "Rex"}}},
        {{{t3.holdername, "X"}, {t3.reign, "5"}, {t3.savedchamp, "Old"}},
         {{t3.holdername, ""}, {t3.reign, ""}, {t3.savedchamp, ""}}},
        {{{t6.titlename, "Tag Belts"}, {t6.currentchamp, "Twins"}, {t6.titlerecord, "x"}},
         {{t6.titlerecord, "No Record Yet"}, {t6.titlerecordnum, "0"}, {t6.savedchamp, "Twins"}}},
        {{{interviewer2, "Cy Vale"},
          {brand2talkshowname, "Late Chat"},
          {brand2talkshowhost, "Dee"},
          {shows[2].nameofshow, "Late"},
          {shows[2].showday, "Friday"},
          {t1.titlename, ""}},
         {}},
    };
    for (const auto& [before, changes] : cases) {
        PromotionRecord r;
        r.assign(test::templateWith(before));
        deriveSaveLines(r);
        EXPECT_EQ(r.lines(), test::withLines(test::templateWith(before), changes))
            << before.front().second;
    }
}

// Hand-made files, short and long, and one failing two rules (the boxes and
// an unchanged file and record then).
TEST(SavePromotion, WritesTheLoadedLinesWithOnlyTheDerivedOnesChanged) {
    test::TempGameFolder game;
    test::ScriptedDialogs dialogs;
    context::EditingContext context;
    platform::Lines created = makeTemplateRecord().lines();
    platform::Lines shortFile(created.begin(), created.begin() + titles[0].savedchamp);
    platform::Lines shortSaved = shortFile;
    shortSaved.resize(kLineCount);
    shortSaved[titles[0].savedchamp] = "Vacant";
    // Lines past the layout, and bytes of every value, stay as they were.
    platform::Lines longFile =
        test::withLines(created, {{brand1powerfig2name, "Ada Quill"},
                                  {description, test::everyByteButLineEnds()},
                                  {owner, "lone\nfeed"},
                                  {titles[0].currentchamp, "Jos\xe9 \x01\xff"}});
    longFile.insert(longFile.end(), {"extra 1", "", "extra 3"});
    const platform::Lines longSaved =
        test::withLines(longFile, {{powerfig1name, "Ada Quill"},
                                   {brand1powerfig2name, ""},
                                   {titles[0].savedchamp, "Jos\xe9 \x01\xff"}});
    platform::Lines failing = test::templateWith({{bigshowatt, "5"}, {untvatt, "x"}});
    failing[brand1powerfig2name] = "Ada"; // the save would move it up

    const std::tuple<platform::Lines, bool, platform::Lines, std::vector<std::string>> cases[] = {
        {shortFile, true, shortSaved, {"hand.fed saved OK."}},
        {longFile, true, longSaved, {"hand.fed saved OK."}},
        {failing, false, failing, {kText[7], kText[16]}},
    };
    for (const auto& [file, ok, saved, said] : cases) {
        dialogs.clear();
        game.write("Data/hand.fed", platform::joinLines(file));
        PromotionRecord record;
        ASSERT_TRUE(loadPromotion(context.pathOf("hand.fed"), record).ok());
        EXPECT_EQ(savePromotion(record, "hand.fed", context, dialogs), ok);
        EXPECT_EQ(game.read("Data/hand.fed"), platform::joinLines(saved)) << file.size();
        EXPECT_EQ(record.lines(), saved);
        EXPECT_EQ(dialogs.texts(), said);
        for (const auto& box : dialogs.shown()) {
            EXPECT_EQ(std::tuple(box.title, box.icon),
                      ok ? std::tuple(std::string(ui::kProgramTitle), ui::Icon::None)
                         : std::tuple(std::string("Error!"), ui::Icon::Critical));
        }
    }
}

TEST(PromotionRecord, ShortRecordsReadEmptyAndGrowBeforeASet) {
    PromotionRecord record;
    record.assign({"A", "Name"});
    EXPECT_EQ(record.get(line::days) + record.get(-1) + record.get(100000), "");
    EXPECT_EQ(record.lineCount(), 2u) << "reading never grows the record";
    record.set(line::website, "site");
    record.set(-5, "ignored");
    EXPECT_EQ(std::tuple(record.lineCount(), record.get(line::promname), record.get(line::website)),
              std::tuple(238u, "Name", "site"));
    record.assign(platform::Lines(240, "x"));
    record.set(line::size, "2");
    EXPECT_EQ(record.lineCount(), 240u) << "extra lines are kept";
}

TEST(PromotionFile, RoundTripsEveryShapeOfFileByteForByteAndKeepsTheRecordOnAFailure) {
    test::TempGameFolder game;
    const std::tuple<std::string, std::size_t> cases[] = {
        {platform::joinLines(makeTemplateRecord().lines()), 238},
        {"A\r\nShort\r\n\r\n", 3},
        {"", 0},
    };
    for (const auto& [content, lines] : cases) {
        game.write("Data/in.fed", content);
        PromotionRecord record;
        ASSERT_TRUE(loadPromotion(game.path("Data/in.fed"), record).ok());
        EXPECT_EQ(record.lineCount(), lines);
        ASSERT_TRUE(writePromotion(game.path("Data/out.fed"), record).ok());
        EXPECT_EQ(game.read("Data/out.fed"), content);
    }
    PromotionRecord record = makeTemplateRecord();
    const auto status = loadPromotion(game.path("Data/missing.fed"), record);
    EXPECT_NE(status.message().find("missing.fed"), std::string::npos);
    EXPECT_EQ(record.lines(), makeTemplateRecord().lines());
}

TEST(PromotionName, IsTheSecondLineOrEmpty) {
    test::TempGameFolder game;
    const std::tuple<const char*, const char*> cases[] = {
        {"INI\r\n", ""},
        {"INI\rLone CR, No Line End", "Lone CR, No Line End"},
    };
    for (const auto& [content, name] : cases) {
        game.write("Data/p.fed", content);
        EXPECT_EQ(readPromotionName(game.path("Data/p.fed")), name) << content;
    }
    EXPECT_EQ(readPromotionName(game.path("Data/none.fed")), "");
}

} // namespace
} // namespace bm::promotion
