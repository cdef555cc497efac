#include "core/platform/line_ends.h"
#include "core/platform/line_file.h"

#include "support/fault.h"
#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <random>

namespace bm::platform {
namespace {
namespace fs = std::filesystem;
using test::TempGameFolder;

bool says(const Status& status, const std::string& part) {
    return status.message().find(part) != std::string::npos;
}

TEST(SplitLines, EndsAtCrLfOrLoneCrAndKeepsEveryOtherByte) {
    const auto emptyThen = [](std::size_t empty, std::string last) {
        Lines lines(empty);
        lines.push_back(std::move(last));
        return lines;
    };
    const struct {
        std::string bytes;
        Lines lines;
        bool bareLineFeed = false;
    } cases[] = {
        {"", {}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"\r\n\r\nx\r\n", {"", "", "x"}},
        {"a\nb\r\n", {"a\nb"}, true}, // a lone LF is part of the line
        {"a\r\n\n", {"a", "\n"}, true},
        {std::string("x\0y\r\n", 5), {std::string("x\0y", 3)}},
        // Line ends around the borders of the 64-byte blocks that are skipped whole.
        {std::string(63, 'a') + "\r\nb", {std::string(63, 'a'), "b"}},
        {std::string(64, 'a') + "\r\nb\r", {std::string(64, 'a'), "b"}},
        {std::string(62, 'a') + "\r\r\n\n", {std::string(62, 'a'), "", "\n"}, true},
        {std::string(127, '\r') + "\nz", emptyThen(127, "z")},
    };
    for (const auto& c : cases) {
        const Lines lines = splitLines(c.bytes);
        EXPECT_EQ(lines, c.lines) << testing::PrintToString(c.bytes);
        // The readers of a few lines see the same lines.
        EXPECT_EQ(lineCount(c.bytes), lines.size());
        std::string_view line;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_TRUE(lineAt(c.bytes, i, line) && line == lines[i]) << i;
        }
        EXPECT_FALSE(lineAt(c.bytes, lines.size(), line)) << testing::PrintToString(c.bytes);
        EXPECT_EQ(lines.capacity(), lines.size()) << "no room wasted";
        EXPECT_EQ(hasBareLineFeed(lines, lines.size()), c.bareLineFeed) << c.bytes;
    }
}

// What a save does with the entry it replaces, and what it refuses.
// Every way of counting and picking bits that this machine runs, against a
// plain walk over the bits.
TEST(LineEnds, MasksCountsAndPicksAgreeWithAPlainWalk) {
    std::mt19937_64 random(1);
    for (int round = 0; round < 3000; ++round) {
        char block[kLineEndBlock];
        for (char& byte : block) {
            const auto r = random() % 6;
            byte = r == 0 ? '\r' : r == 1 ? '\n' : r == 2 ? '\x8d' : static_cast<char>(random());
        }
        const std::uint64_t mask = lineEndMask(block);
        unsigned k = 0;
        for (unsigned bit = 0; bit < kLineEndBlock; ++bit) {
            ASSERT_EQ((mask >> bit) & 1U, block[bit] == '\r' ? 1U : 0U) << round << " " << bit;
            if (block[bit] != '\r') {
                continue;
            }
            ++k;
            ASSERT_EQ(nthBit(mask, k), bit);
#if defined(BM_HAS_MACHINE_BITS)
            if (machineBits() == MachineBits::Deposit) {
                ASSERT_EQ(DepositBits::nth(mask, k), bit);
            }
#endif
        }
        ASSERT_EQ(bitCount(mask), k);
#if defined(BM_HAS_MACHINE_BITS)
        if (machineBits() != MachineBits::Portable) {
            ASSERT_EQ(PopcountBits::count(mask), k);
        }
#endif
    }
    EXPECT_EQ(bitCount(~std::uint64_t{0}), 64U);
    EXPECT_EQ(nthBit(~std::uint64_t{0}, 64), 63U);
}

TEST(DurableSave, KeepsModesWritesThroughLinksAndRefusesWhatItMustNotReplace) {
    TempGameFolder game;
    const std::string longName = "Data/" + std::string(254, 'n');
    for (const char* name :
         {"Data/shared.fed", "Data/real.fed", "Data/locked.fed", "Data/blocker"}) {
        game.write(name, "old\r\n");
    }
    fs::permissions(game.path("Data/shared.fed"), fs::perms(0640));
    fs::permissions(game.path("Data/locked.fed"), fs::perms(0444));
    fs::create_symlink("real.fed", game.path("Data/link.fed"));
    fs::create_symlink("made.fed", game.path("Data/dangling.fed"));
    fs::create_symlink("loop.fed", game.path("Data/loop.fed"));
    game.makeFolder("Data/folder.txt");
    ASSERT_EQ(mkfifo(game.path("Data/pipe.txt").c_str(), 0600), 0);
    const struct {
        std::string target;
        std::string holder;  // where the new content lands; "" when refused
        std::string message; // what a refusal says after the file's name
        std::function<void(FaultPlan&)> plan = [](FaultPlan&) {};
    } cases[] = {
        {"Data/shared.fed", "Data/shared.fed", ""},
        {"Data/link.fed", "Data/real.fed", ""},
        {"Data/dangling.fed", "Data/made.fed", ""},
        {longName, longName, ""},
        // A temporary name already taken is passed over.
        {"Data/shared.fed", "Data/shared.fed", "", [](auto& p) { p.fail(Op::Open, 1, EEXIST); }},
        {"Data/locked.fed", "", "it is read-only."},
        {"Data/loop.fed", "", std::string("it could not be looked up (") + strerror(ELOOP) + ")."},
        {"Data/blocker/x.txt", "", "its folder does not exist (Not a directory)."},
        {"Data/folder.txt", "", "a folder of that name is in the way."},
        {"Data/", "", "it has no file name."},
        {"Data/pipe.txt", "", "it is not an ordinary file."},
        {"Data/shared.fed", "", "writing failed (No space left on device).",
         [](auto& p) { p.failFrom(Op::Write, 1, ENOSPC); }},
        {"Data/shared.fed", "", "a temporary file could not be made in its folder (File exists).",
         [](auto& p) { p.failFrom(Op::Open, 1, EEXIST); }},
    };
    for (const auto& c : cases) {
        game.write("Data/shared.fed", "old\r\n");
        FaultPlan plan;
        c.plan(plan);
        const Status status = writeLines(game.path(c.target), {"new"});
        EXPECT_EQ(status.ok(), !c.holder.empty()) << c.target << ": " << status.message();
        if (status.ok()) {
            EXPECT_EQ(game.read(c.holder), "new\r\n") << c.target;
        } else {
            EXPECT_TRUE(says(status, "Could not save the file \"" + game.path(c.target).string() +
                                         "\": " + c.message))
                << status.message();
            EXPECT_EQ(game.read("Data/shared.fed"), "old\r\n");
        }
    }
    EXPECT_EQ(fs::status(game.path("Data/shared.fed")).permissions(), fs::perms(0640));
    EXPECT_TRUE(fs::is_symlink(game.path("Data/link.fed")));
    EXPECT_TRUE(test::strayTemporaryFiles(game.root()).empty());
}

// The file is on the disk before it replaces the old one, and the folder
// after; a copy that cannot read names its source.
TEST(DurableSave, SyncsTheFileBeforeTheRenameAndTheFolderAfter) {
    TempGameFolder game;
    const fs::path source = game.path("Data/maindata.bm1");
    const fs::path target = game.path("Data/target.fed");
    game.write("Data/maindata.bm1", "copied\r\n");
    const std::function<Status()> saves[] = {[&] { return writeLines(target, {"new"}); },
                                             [&] { return copyFileAtomic(source, target); }};
    const std::vector<Op> durable{Op::Open,   Op::Write, Op::Sync, Op::Close,
                                  Op::Rename, Op::Open,  Op::Sync};
    for (const auto& save : saves) {
        FaultPlan watch;
        ASSERT_TRUE(save().ok());
        ASSERT_GE(watch.steps().size(), durable.size());
        EXPECT_EQ(std::vector<Op>(watch.steps().end() - 7, watch.steps().end()), durable);
    }
    game.write("Data/target.fed", "old\r\n");
    FaultPlan plan;
    plan.fail(Op::Read, 1, EIO);
    const Status status = copyFileAtomic(source, target);
    EXPECT_TRUE(says(status, "\"" + source.string() + "\" could not be read")) << status.message();
    EXPECT_TRUE(says(status, std::strerror(EIO))) << status.message();
    EXPECT_EQ(game.read("Data/target.fed"), "old\r\n");
}

TEST(ReadLines, RefusesWhatCannotBeADataFileAndNamesIt) {
    TempGameFolder game;
    game.makeFolder("Data/adir");
    game.write("Data/ok.txt", "a\r\nb\r\n");
    game.write("Data/huge.bin", "");
    fs::resize_file(game.path("Data/huge.bin"), kMaxDataFileBytes + 1); // sparse, cheap
    game.write("Data/crs.bin", std::string(kMaxDataFileLines + 1, '\r'));
    game.write("Data/most.bin", std::string(kMaxDataFileLines, '\r'));
    game.write("Data/grows.txt", "a\r\n");
    const auto grow = [&] { fs::resize_file(game.path("Data/grows.txt"), kMaxDataFileBytes + 1); };
    ASSERT_EQ(mkfifo(game.path("Data/pipe").c_str(), 0600), 0);
    const struct {
        const char* file;
        const char* message; // "" when the file is read
        bool firstLinesToo;  // a few first lines are read without the caps
        std::function<void(FaultPlan&)> plan = [](FaultPlan&) {};
    } cases[] = {
        {"Data/adir", "is a folder, not a file.", true},
        {"Data/pipe", "is not an ordinary file.", true},
        {"Data/huge.bin", "is larger than 64 MiB", false},
        {"Data/crs.bin", "has more than 2097152 lines", false},
        {"Data/most.bin", "", false},
        {"Data/grows.txt", "is larger than 64 MiB", false,
         [&](auto& p) { p.before(Op::Read, 1, grow); }},
        {"Data/ok.txt", "could not be read (Permission denied).", true,
         [](auto& p) { p.fail(Op::Open, 1, EACCES); }},
        {"Data/ok.txt", "(Input/output error).", true, [](auto& p) { p.fail(Op::Read, 1, EIO); }},
        {"Data/ok.txt", "not enough memory", false, [](auto& p) { p.fail(Op::Memory, 1, ENOMEM); }},
        {"Data/ok.txt", "not enough memory", false, [](auto& p) { p.fail(Op::Memory, 2, ENOMEM); }},
    };
    for (const auto& c : cases) {
        for (const bool whole : {true, false}) {
            FaultPlan plan;
            c.plan(plan);
            Lines lines{"untouched"};
            const fs::path path = game.path(c.file);
            const Status status = whole ? readLines(path, lines) : readFirstLines(path, 2, lines);
            const bool refused = *c.message != '\0' && (whole || c.firstLinesToo);
            EXPECT_EQ(status.ok(), !refused) << c.file << " " << status.message();
            if (refused) {
                EXPECT_TRUE(says(status, "\"" + path.string() + "\"")) << status.message();
                EXPECT_TRUE(says(status, c.message)) << status.message();
                EXPECT_EQ(lines, Lines{"untouched"}) << c.file;
            }
        }
    }
    // A first line is read without loading a large file.
    game.write("Data/long.txt", std::string(3 * 1024 * 1024, 'x'));
    Lines first;
    ASSERT_TRUE(readFirstLines(game.path("Data/long.txt"), 2, first).ok());
    EXPECT_LE(first.at(0).size(), 1024u * 1024u);
}

TEST(DeleteFile, RemovesFilesAndLinksOnlyAndNamesTheOneItCannotRemove) {
    TempGameFolder game;
    game.write("Data/stays.fed", "x");
    game.write("Data/pointed.fed", "x");
    fs::create_symlink("pointed.fed", game.path("Data/link.fed"));
    game.makeFolder("Data/empty.fed");
    const struct {
        std::string name;
        const char* message; // "" when deleted
        std::function<void(FaultPlan&)> plan = [](FaultPlan&) {};
    } cases[] = {
        {"Data/link.fed", ""},
        {"Data/gone.fed", "does not exist."},
        {"Data/empty.fed", "is a folder, not a file."},
        {"Data/stays.fed", "could not be deleted (Device or resource busy).",
         [](auto& p) { p.fail(Op::Delete, 1, EBUSY); }},
    };
    for (const auto& c : cases) {
        FaultPlan plan;
        c.plan(plan);
        const Status status = deleteFile(game.path(c.name));
        EXPECT_EQ(status.ok(), *c.message == '\0') << c.name << status.message();
        EXPECT_TRUE(says(status, c.message)) << status.message();
        if (!status.ok()) {
            EXPECT_TRUE(says(status, game.path(c.name).string())) << status.message();
        }
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(game.path("Data/link.fed"))));
    EXPECT_TRUE(game.exists("Data/pointed.fed") && game.exists("Data/empty.fed"));
}

} // namespace
} // namespace bm::platform
