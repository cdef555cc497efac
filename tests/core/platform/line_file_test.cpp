#include "core/platform/line_file.h"

#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

namespace bm::platform {
namespace {
namespace fs = std::filesystem;
using test::TempGameFolder;

TEST(SplitLines, EndsAtCrLfOrLoneCrAndKeepsEveryOtherByte) {
    const struct {
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"a\r\n\r\n\r\n", {"a", "", ""}},
        {"\r\n\r\nx\r\n", {"", "", "x"}},
        {"a\nb\r\n", {"a\nb"}}, // a lone LF is part of the line
        {"\n", {"\n"}},
        {std::string("x\0y\r\n", 5), {std::string("x\0y", 3)}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(splitLines(c.bytes), c.lines) << testing::PrintToString(c.bytes);
    }
}

TEST(LineFile, EveryByteValueSurvivesAWriteAndARead) {
    TempGameFolder game;
    Lines lines{test::everyByteButLineEnds(), "", "plain", "lone\nfeed", "", ""};
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n') {
            lines.push_back(std::string(1, static_cast<char>(b)));
        }
    }
    const fs::path file = game.path("Data/all.fed");
    ASSERT_TRUE(writeLines(file, lines).ok());
    EXPECT_EQ(game.read("Data/all.fed"), joinLines(lines));
    Lines back;
    ASSERT_TRUE(readLines(file, back).ok());
    EXPECT_EQ(back, lines);
    // Written again, the file is byte for byte what it was.
    const std::string before = game.read("Data/all.fed");
    ASSERT_TRUE(writeLines(file, {"short"}).ok());
    EXPECT_EQ(game.read("Data/all.fed"), "short\r\n") << "the old content is replaced whole";
    ASSERT_TRUE(writeLines(file, back).ok());
    EXPECT_EQ(game.read("Data/all.fed"), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(game.path("Data")), fs::directory_iterator()), 1)
        << "no temporary file is left behind";
}

TEST(LineFile, FailedWritesLeaveTheOldFileAndNoTemporaryFile) {
    TempGameFolder game;
    game.write("Data/keep.txt", "old\r\n");
    game.write("Data/blocker", "a file where a folder should be");
    game.makeFolder("Data/folder.txt");
    game.makeFolder("Data/vanishing");

    const struct {
        const char* target;
        const char* why;
    } cases[] = {
        {"Data/blocker/x.txt", "folder is a file"},
        {"Data/vanishing/x.txt", "folder removed before the write"},
        {"Data/folder.txt", "target is a folder"},
        {"Nowhere/at/all.txt", "folder never existed"},
    };
    fs::remove(game.path("Data/vanishing"));
    for (const auto& c : cases) {
        const fs::path target = game.path(c.target);
        const Status status = writeLines(target, {"new"});
        EXPECT_FALSE(status.ok()) << c.why;
        EXPECT_NE(status.message().find(target.string()), std::string::npos)
            << "message must name the file: " << status.message();
    }
    EXPECT_EQ(game.read("Data/keep.txt"), "old\r\n");
    EXPECT_TRUE(fs::is_directory(game.path("Data/folder.txt")));
    for (const auto& entry : fs::recursive_directory_iterator(game.root())) {
        EXPECT_EQ(entry.path().string().find("bm13tmp"), std::string::npos) << entry.path();
    }
}

TEST(LineFile, UnreadableInputsGiveMessagesThatNameTheFile) {
    TempGameFolder game;
    game.makeFolder("Data/adir");
    game.write("Data/huge.bin", "");
    fs::resize_file(game.path("Data/huge.bin"), kMaxDataFileBytes + 1); // sparse, cheap
    for (const char* name : {"Data/missing.txt", "Data/adir", "Data/huge.bin"}) {
        Lines lines{"untouched"};
        const Status status = readLines(game.path(name), lines);
        EXPECT_FALSE(status.ok()) << name;
        EXPECT_NE(status.message().find(game.path(name).string()), std::string::npos)
            << status.message();
        EXPECT_EQ(lines, Lines{"untouched"}) << name;
    }
}

TEST(ReadFirstLines, ReadsOnlyWhatItNeeds) {
    TempGameFolder game;
    game.write("a", "one\r\ntwo\r\nthree\r\n");
    game.write("b", "one\rtwo");
    game.write("c", "");
    game.write("d", std::string(3 * 1024 * 1024, 'x')); // no line end at all
    const struct {
        const char* file;
        std::size_t count;
        Lines lines;
    } cases[] = {
        {"a", 2, {"one", "two"}},
        {"a", 5, {"one", "two", "three"}},
        {"b", 2, {"one", "two"}},
        {"c", 2, {}},
        {"a", 0, {}},
    };
    for (const auto& c : cases) {
        Lines lines;
        ASSERT_TRUE(readFirstLines(game.path(c.file), c.count, lines).ok());
        EXPECT_EQ(lines, c.lines) << c.file << " " << c.count;
    }
    Lines big;
    ASSERT_TRUE(readFirstLines(game.path("d"), 2, big).ok());
    ASSERT_EQ(big.size(), 1u);
    EXPECT_LE(big[0].size(), 1024u * 1024u);
}

TEST(CopyFileAtomic, CopiesBytesExactlyOrReportsTheSource) {
    TempGameFolder game;
    const std::string bytes = test::everyByteButLineEnds() + "\r\n\n\r";
    game.write("Data/maindata.bm1", bytes);
    game.makeFolder("Scenarios/S");
    ASSERT_TRUE(
        copyFileAtomic(game.path("Data/maindata.bm1"), game.path("Scenarios/S/maindata.bm1")).ok());
    EXPECT_EQ(game.read("Scenarios/S/maindata.bm1"), bytes);
    const Status missing =
        copyFileAtomic(game.path("Data/venues.txt"), game.path("Scenarios/S/venues.txt"));
    EXPECT_FALSE(missing.ok());
    EXPECT_NE(missing.message().find("venues.txt"), std::string::npos);
    EXPECT_FALSE(game.exists("Scenarios/S/venues.txt"));
}

TEST(DeleteFile, RemovesFilesOnlyAndNamesTheOneItCannotRemove) {
    TempGameFolder game;
    game.write("Data/gone.fed", "x");
    ASSERT_TRUE(deleteFile(game.path("Data/gone.fed")).ok());
    EXPECT_FALSE(game.exists("Data/gone.fed"));

    game.write("Data/full.fed/inside.txt", "x");
    game.makeFolder("Data/empty.fed");
    for (const char* name : {"Data/gone.fed", "Data/full.fed", "Data/empty.fed"}) {
        const auto status = deleteFile(game.path(name));
        EXPECT_FALSE(status.ok()) << name;
        EXPECT_NE(status.message().find(game.path(name).string()), std::string::npos) << name;
    }
    EXPECT_TRUE(game.exists("Data/empty.fed")) << "never a folder, even an empty one";
}

} // namespace
} // namespace bm::platform
