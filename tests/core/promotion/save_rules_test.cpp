#include "core/promotion/save_rules.h"

#include "support/fault.h"
#include "support/scripted_dialogs.h"
#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <utility>

namespace bm::promotion {
namespace {
using namespace line;
using Edits = std::vector<std::pair<int, std::string>>;
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

PromotionRecord templateWith(const Edits& edits) {
    PromotionRecord r = makeTemplateRecord();
    for (const auto& [l, value] : edits) {
        r.set(l, value);
    }
    return r;
}

void expectFailures(const std::vector<std::pair<Edits, Rules>>& cases) {
    for (std::size_t i = 0; i < cases.size(); ++i) {
        std::vector<RuleFailure> expected;
        for (int rule : cases[i].second) {
            expected.push_back({rule, kText[rule]});
        }
        EXPECT_EQ(failedSaveRules(templateWith(cases[i].first)), expected) << "case " << i;
    }
}

// A complete title 5 to 8 with the given type, champion and holders.
Edits title(int k, const char* type, const char* champ, const char* c1, const char* c2) {
    const TitleLines& t = titles[static_cast<std::size_t>(k - 1)];
    return {{t.titlename, "Belt"},   {t.holdername, "Holder"}, {t.titletype, type},
            {t.currentchamp, champ}, {t.champ1, c1},           {t.champ2, c2},
            {t.reign, "0"},          {t.defenses, "0"},        {t.historydate, "Monday"}};
}

TEST(SaveRules, RegularShows) {
    const ShowLines &s1 = shows[0], &s2 = shows[1], &s3 = shows[2], &s4 = shows[3];
    expectFailures({
        {{}, {}},
        {{{size, "4"}, {tvcoverage, "Regional"}}, {1}},
        {{{size, "4"}, {tvcoverage, "Regional"}, {s4.showtype, "PPV"}}, {}},
        {{{s1.showlogo, ""}}, {2}},
        {{{s1.tvrating, ""}}, {}},
        {{{s1.showtype, "TV"}, {s1.tvrating, ""}}, {2, 10, 11}},
        {{{s3.nameofshow, "Late"}}, {4}},
        {{{s2.nameofshow, "Two"}, {s4.nameofshow, "Four"}}, {3, 5, 6}},
        {{{s2.showday, "Friday"}, {s4.showday, "Friday"}}, {}},
        {{{s3.nameofshow, "Late"}, {s3.showday, "Wednesday"}}, {4, 6}},
        {{{tvcoverage, "Local"}, {s1.showtype, "TV"}, {s1.tvrating, "0"}}, {10}},
        {{{tvcoverage, "Local"}, {s1.showtype, "TV"}, {s1.tvrating, "1000"}}, {}},
        {{{tvcoverage, "Local"}, {s1.showtype, "TV"}, {s1.tvrating, "1001"}}, {10}},
        {{{s1.showtype, "PPV"}, {s1.tvrating, "99"}}, {9, 12}},
        {{{size, "4"}, {s1.showtype, "PPV"}, {s1.tvrating, "100"}}, {}},
        {{{s2.showtype, "TV"}, {s2.tvrating, "0"}, {s3.showtype, "PPV"}}, {}},
    });
}

TEST(SaveRules, AttendancesBuyRateAndPpvDeal) {
    expectFailures({
        {{{untvatt, ""}}, {7}},
        {{{untvatt, "19"}, {tvatt, "19.99"}}, {7, 8}},
        {{{untvatt, "20"}, {tvatt, "20 fans"}}, {}},
        {{{ppvbuyrate, "0.99"}, {bigshowatt, "abc"}}, {15, 16}},
        {{{ppvbuyrate, "1"}}, {}},
        {{{size, "3"}, {ppvdeal, "Yes"}}, {13}},
        {{{size, "4"}, {ppvdeal, "Yes"}}, {}},
        // An odd size between the two bounds is National and below 4 at once.
        {{{size, "3.5"}, {ppvdeal, "Yes"}, {tvcoverage, "Regional"}}, {1, 13}},
    });
}

TEST(SaveRules, BigShowsAndTagTeamHolders) {
    const MonthLines &jan = months[0], &jul = months[6];
    Edits both = title(5, "Tag Team", "Twins", "None", "Kit");
    for (auto& e : title(8, "Tag Team", "Vacant", "Kit", "None")) {
        both.push_back(e);
    }
    expectFailures({
        {{{jan.bigshowname, "Thaw"}, {jan.bigshowbrand, "All"}}, {14}},
        {{{jan.bigshowname, "Thaw"}, {jul.bigshowname, "Heat"}, {jul.bigshowlogo, "NA"}}, {14}},
        {{{jul.bigshowname, "Heat"}, {jul.bigshowbrand, "All"}, {jul.bigshowlogo, "NA"}}, {}},
        {{{jan.bigshowbrand, ""}, {jan.bigshowlogo, "x.jpg"}}, {}},
        {title(5, "Tag Team", "Vacant", "None", "None"), {}},
        {title(6, "Tag Team", "Twins", "Ann", "None"), {17}},
        {title(7, "Tag Team", "Vacant", "None", "Ann"), {18}},
        {title(8, "Singles", "Vacant", "Ann", "Bo"), {}},
        {both, {17, 18}},
    });
}

TEST(SaveRules, TitleDetailsAndSeveralFailuresInOrder) {
    std::vector<std::pair<Edits, Rules>> cases;
    Edits all;
    for (int k = 1; k <= kTitleCount; ++k) {
        const TitleLines& t = titles[static_cast<std::size_t>(k - 1)];
        const Edits one{{t.titlename, "Belt"}, {t.holdername, "H"}, {t.currentchamp, "C"},
                        {t.reign, "0"},        {t.defenses, "0"},   {t.historydate, ""}};
        cases.push_back({one, {18 + k}});
        all.insert(all.end(), one.begin(), one.end());
    }
    cases.push_back({all, {19, 20, 21, 22, 23, 24, 25, 26}});
    cases.push_back({{{titles[0].currentchamp, ""}}, {19}});
    cases.push_back({{{titles[1].holdername, "leftover"}}, {}});
    cases.push_back({{{titles[7].titlename, "Belt"},
                      {untvatt, ""},
                      {shows[0].showlogo, ""},
                      {size, "5"},
                      {tvcoverage, "Regional"}},
                     {1, 2, 7, 26}});
    expectFailures(cases);

    std::vector<int> onEmpty;
    for (const auto& f : failedSaveRules(PromotionRecord{})) {
        onEmpty.push_back(f.rule);
    }
    EXPECT_EQ(onEmpty, (Rules{2, 7, 8, 15, 16})) << "missing lines read as empty";
}

TEST(SaveDerivation, EachDerivedLineAloneAndAllTogether) {
    const ShowLines& s2 = shows[1];
    const TitleLines &t1 = titles[0], &t3 = titles[2], &t6 = titles[5];
    // Before the save, and the lines the save changes. Cases touch separate
    // lines, so all of them at once must give every change at once.
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
    };
    Edits allBefore, allAfter;
    for (const auto& [before, changes] : cases) {
        PromotionRecord r = templateWith(before);
        deriveSaveLines(r);
        Edits after = before;
        after.insert(after.end(), changes.begin(), changes.end());
        EXPECT_EQ(r.lines(), templateWith(after).lines()) << before.front().second;
        allBefore.insert(allBefore.end(), before.begin(), before.end());
        allAfter.insert(allAfter.end(), after.begin(), after.end());
    }
    PromotionRecord r = templateWith(allBefore);
    deriveSaveLines(r);
    EXPECT_EQ(r.lines(), templateWith(allAfter).lines());

    const Edits untouched{{interviewer2, "Cy Vale"},    {brand2talkshowname, "Late Chat"},
                          {brand2talkshowhost, "Dee"},  {shows[2].nameofshow, "Late"},
                          {shows[2].showday, "Friday"}, {titles[0].titlename, ""}};
    r = templateWith(untouched);
    deriveSaveLines(r);
    EXPECT_EQ(r.lines(), templateWith(untouched).lines())
        << "no split, segment on, show named, title 1 kept";
}

class SavePromotion : public testing::Test {
protected:
    test::TempGameFolder game;
    test::ScriptedDialogs dialogs;
    context::EditingContext context;
};

// A new promotion, and hand-made files, short and long.
TEST_F(SavePromotion, WritesTheLoadedLinesWithOnlyTheDerivedOnesChanged) {
    platform::Lines created = makeTemplateRecord().lines();
    created[months[0].bigshowlogo] = "NA";

    platform::Lines shortFile(created.begin(), created.begin() + titles[0].savedchamp);
    platform::Lines shortSaved = shortFile;
    shortSaved.resize(kLineCount);
    shortSaved[titles[0].savedchamp] = "Vacant";

    // Lines past the layout, and bytes of every value, stay as they were.
    platform::Lines longFile = created;
    longFile.insert(longFile.end(), {"extra 1", "", "extra 3"});
    longFile[brand1powerfig2name] = "Ada Quill";
    longFile[description] = test::everyByteButLineEnds();
    longFile[titles[0].currentchamp] = "Jos\xe9 \x01\xff";
    platform::Lines longSaved = longFile;
    longSaved[powerfig1name] = "Ada Quill";
    longSaved[brand1powerfig2name] = "";
    longSaved[titles[0].savedchamp] = "Jos\xe9 \x01\xff";

    for (const auto& [file, saved] : {std::pair{created, created}, std::pair{shortFile, shortSaved},
                                      std::pair{longFile, longSaved}}) {
        dialogs.clear();
        game.write("Data/hand.fed", platform::joinLines(file));
        PromotionRecord record;
        ASSERT_TRUE(loadPromotion(context.pathOf("hand.fed"), record).ok());
        EXPECT_TRUE(savePromotion(record, "hand.fed", context, dialogs)) << file.size();
        EXPECT_EQ(game.read("Data/hand.fed"), platform::joinLines(saved)) << file.size();
        EXPECT_EQ(record.lines(), saved);
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.shown()[0].text, "hand.fed saved OK.");
        EXPECT_EQ(dialogs.shown()[0].title, ui::kProgramTitle);
        EXPECT_EQ(dialogs.shown()[0].icon, ui::Icon::None);
    }
}

// The file layer's own failures are its tests' business; here, that the
// record and the old file stay and nothing says "saved".
TEST_F(SavePromotion, FailingRulesOrAFailedWriteLeaveTheRecordAndNeverSaySaved) {
    game.write("Data/bmf.fed", "old\r\n");
    const struct {
        Edits edits;
        std::vector<std::string> ruleBoxes; // none: the write failed
    } cases[] = {
        {{{bigshowatt, "5"}, {untvatt, "x"}}, {kText[7], kText[16]}},
        {{}, {}},
    };
    for (const auto& c : cases) {
        dialogs.clear();
        PromotionRecord record = templateWith(c.edits);
        record.set(brand1powerfig2name, "Ada"); // the save would move it up
        const auto before = record.lines();
        {
            platform::FaultPlan plan;
            plan.failFrom(platform::Op::Write, 1, ENOSPC);
            EXPECT_FALSE(savePromotion(record, "bmf.fed", context, dialogs));
        }
        EXPECT_EQ(record.lines(), before);
        EXPECT_EQ(game.read("Data/bmf.fed"), "old\r\n");
        const bool writeFailed = c.ruleBoxes.empty();
        if (writeFailed) {
            ASSERT_EQ(dialogs.shown().size(), 1u);
            EXPECT_NE(dialogs.shown()[0].text.find("bmf.fed"), std::string::npos);
        } else {
            EXPECT_EQ(dialogs.texts(), c.ruleBoxes);
        }
        for (const auto& box : dialogs.shown()) {
            EXPECT_EQ(box.title, writeFailed ? ui::kProgramTitle : "Error!");
            EXPECT_EQ(box.icon, ui::Icon::Critical);
        }
    }
}

} // namespace
} // namespace bm::promotion
