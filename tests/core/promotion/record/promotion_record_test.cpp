#include "core/promotion/record/promotion_record.h"

#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

#include <tuple>

namespace bm::promotion {
namespace {
using test::TempGameFolder;

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
    TempGameFolder game;
    platform::Lines longer = makeTemplateRecord().lines();
    longer.insert(longer.end(), {"extra 1", "", "extra 3"});
    longer[line::description] = test::everyByteButLineEnds();
    longer[line::owner] = "lone\nfeed";
    const std::tuple<std::string, std::size_t> cases[] = {
        {platform::joinLines(makeTemplateRecord().lines()), 238},
        {platform::joinLines(longer), 241},
        {"A\r\nShort\r\n\r\n", 3},
        {"", 0},
        {"A\r\n\r\n\r\n", 3},
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
    TempGameFolder game;
    const std::tuple<const char*, const char*> cases[] = {
        {"INI\r\n", ""},
        {"INI\rLone CR Name\r", "Lone CR Name"},
        {"INI\r\nNo Line End", "No Line End"},
    };
    for (const auto& [content, name] : cases) {
        game.write("Data/p.fed", content);
        EXPECT_EQ(readPromotionName(game.path("Data/p.fed")), name) << content;
    }
    EXPECT_EQ(readPromotionName(game.path("Data/none.fed")), "");
}

} // namespace
} // namespace bm::promotion
