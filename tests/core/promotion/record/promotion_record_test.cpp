#include "core/promotion/record/promotion_record.h"

#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

#include <set>

namespace bm::promotion {
namespace {
namespace fs = std::filesystem;
using test::TempGameFolder;

// Every line of the layout is named by exactly one constant.
TEST(PromotionLayout, NamesEveryLineExactlyOnce) {
    using namespace line;
    // By region of the file: the promotion, production, staff, and the last lines.
    std::multiset<int> named{prominitials, promname, promlogo,    size,   bankbalance, website,
                             description,  owner,    rostersplit, brand1, brand2,      tvcoverage};
    named.insert({untvatt, tvatt, primaryprod, secondaryprod, bigshowprod, popularity, ppvdeal,
                  ppvbuyrate, bigshowatt});
    named.insert({powerfig1name, brand1powerfig1title, brand1powerfig2name, brand1powerfig2title,
                  brand2powerfig1name, brand2powerfig1title, brand2powerfig2name,
                  brand2powerfig2title, interviewer1, interviewer2});
    named.insert({brand1talkshowname, brand1talkshowhost, talkshow1showname, brand2talkshowname,
                  brand2talkshowhost, talkshow2showname, country, nameofbigshow, levelofpromotion,
                  dateofshow, days});
    for (const auto& s : shows) {
        named.insert({s.nameofshow, s.showday, s.showlogo, s.showbrand, s.showtype, s.percentage,
                      s.tvrating});
    }
    for (const auto& m : months) {
        named.insert({m.bigshowname, m.bigshowbrand, m.bigshowlogo});
    }
    for (const auto& t : titles) {
        int fields = 0;
        for (int l :
             {t.titlename, t.holdername, t.titletype, t.titlevalue, t.titlegender, t.titleweight,
              t.titlehardcore, t.mindraw, t.titlebrand, t.currentchamp, t.champ1, t.champ2, t.reign,
              t.titlerecord, t.titlerecordnum, t.defenses, t.historydate, t.savedchamp}) {
            if (l != kNoLine) {
                EXPECT_GE(l, t.first);
                EXPECT_LT(l, t.first + t.count);
                named.insert(l);
                ++fields;
            }
        }
        EXPECT_EQ(fields, t.count);
    }
    ASSERT_EQ(named.size(), static_cast<std::size_t>(kLineCount));
    int expected = 0;
    for (int l : named) {
        EXPECT_EQ(l, expected++);
    }
    EXPECT_EQ(shows[1].nameofshow, 19);
    EXPECT_EQ(months[2].bigshowlogo, 57);
    EXPECT_EQ(titles[2].titlename, 115);
    EXPECT_EQ(titles[5].champ2, 174);
}

TEST(PromotionRecord, ShortRecordsReadEmptyAndGrowBeforeASet) {
    PromotionRecord record;
    record.assign({"A", "Name"});
    EXPECT_EQ(record.get(line::days), "");
    EXPECT_EQ(record.get(-1), "");
    EXPECT_EQ(record.get(100000), "");
    EXPECT_EQ(record.lineCount(), 2u) << "reading never grows the record";
    record.set(line::website, "site");
    EXPECT_EQ(record.lineCount(), 238u);
    EXPECT_EQ(record.get(line::promname), "Name");
    EXPECT_EQ(record.get(line::website), "site");
    record.set(-5, "ignored");
    EXPECT_EQ(record.lineCount(), 238u);

    PromotionRecord longer;
    longer.assign(platform::Lines(240, "x"));
    longer.set(line::size, "2");
    EXPECT_EQ(longer.lineCount(), 240u) << "extra lines are kept";
}

TEST(PromotionFile, RoundTripsEveryShapeOfFileByteForByteAndKeepsTheRecordOnAFailure) {
    TempGameFolder game;
    const auto editorMade = makeTemplateRecord().lines();
    platform::Lines longer = editorMade;
    longer.insert(longer.end(), {"extra 1", "", "extra 3"});
    platform::Lines bytes = editorMade;
    bytes[line::description] = test::everyByteButLineEnds();
    bytes[line::owner] = "lone\nfeed";
    const struct {
        const char* name;
        std::string content;
        std::size_t lines;
    } cases[] = {
        {"editor.fed", platform::joinLines(editorMade), 238},
        {"longer.fed", platform::joinLines(longer), 241},
        {"short.fed", "A\r\nShort\r\n\r\n", 3},
        {"bytes.fed", platform::joinLines(bytes), 238},
        {"empty.fed", "", 0},
        {"trailing.fed", "A\r\n\r\n\r\n", 3},
    };
    for (const auto& c : cases) {
        game.write(std::string("Data/") + c.name, c.content);
        PromotionRecord record;
        ASSERT_TRUE(loadPromotion(game.path(std::string("Data/") + c.name), record).ok());
        EXPECT_EQ(record.lineCount(), c.lines) << c.name;
        ASSERT_TRUE(writePromotion(game.path("Data/out.fed"), record).ok());
        EXPECT_EQ(game.read("Data/out.fed"), c.content) << c.name;
    }
    // A failed load leaves the record as it was.
    PromotionRecord record = makeTemplateRecord();
    const auto status = loadPromotion(game.path("Data/missing.fed"), record);
    EXPECT_NE(status.message().find("missing.fed"), std::string::npos);
    EXPECT_EQ(record.lines(), makeTemplateRecord().lines());
}

TEST(PromotionName, IsTheSecondLineOrEmpty) {
    TempGameFolder game;
    const struct {
        const char* content;
        const char* name;
    } cases[] = {
        {"", ""},
        {"INI\r\n", ""},
        {"INI", ""},
        {"INI\r\nNorthern Grapplers\r\n1\r\n", "Northern Grapplers"},
        {"INI\rLone CR Name\r", "Lone CR Name"},
        {"INI\r\nNo Line End", "No Line End"},
        {"\r\n\r\n", ""},
    };
    for (const auto& c : cases) {
        game.write("Data/p.fed", c.content);
        EXPECT_EQ(readPromotionName(game.path("Data/p.fed")), c.name) << c.content;
    }
    EXPECT_EQ(readPromotionName(game.path("Data/none.fed")), "");
}

} // namespace
} // namespace bm::promotion
