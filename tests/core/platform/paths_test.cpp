#include "core/platform/paths.h"
#include "core/text/name_order.h"

#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

namespace bm::platform {
namespace {
namespace fs = std::filesystem;
using test::TempGameFolder;

TEST(Paths, ContextFoldersStayBelowTheGameFolderAndListingsAreInNameOrder) {
    TempGameFolder game;
    const fs::path root = game.root();
    EXPECT_EQ(contextPath("\\Scenarios\\Old Times\\", "venues.txt"),
              root / "Scenarios" / "Old Times" / "venues.txt");
    EXPECT_EQ(contextPath("\\..\\..\\etc\\", "passwd"), root / "etc" / "passwd");
    EXPECT_EQ(contextPath("", "x"), root / "x");

    // Patterns match case-sensitively; folders are no files.
    for (const char* f : {"b.fed", "a.fed", "Zeta.fed", "A.FED", "x.fed.bak", "pic.GIF", "z.gif"}) {
        game.write(std::string("Data/") + f, "x");
    }
    game.makeFolder("Data/folder.fed");
    EXPECT_EQ(listFiles(game.path("Data"), "*.fed;*.gif"),
              (std::vector<std::string>{"a.fed", "b.fed", "z.gif", "Zeta.fed"}));
    EXPECT_TRUE(listFiles(game.path("Missing"), "*").empty());
    for (const char* folder : {"beta", "alpha", "Alpha", "_under", "Zulu"}) {
        game.makeFolder(std::string("Scenarios/") + folder);
    }
    game.write("Scenarios/file", "x");
    EXPECT_EQ(listFolders(game.path("Scenarios")),
              (std::vector<std::string>{"Alpha", "alpha", "beta", "Zulu", "_under"}));
}

TEST(NameOrder, IgnoresCaseAsTheHomePlatformDoesThenTakesTheBytes) {
    // In order; high bytes (octal) as the home platform's code page folds them.
    const std::vector<std::string> ordered{
        "a",        "A.fed", "a.fed", "ab",   "AB c",  "alpha.fed", "Z",         "z",
        "Zeta.fed", "_x",    "\340",  "\351", "\351a", "\311B",     "\311t\351", "\351t\351",
        "\367",     "\212",  "\232b", "\377", "\237a", "\200"};
    for (std::size_t i = 0; i < ordered.size(); ++i) {
        for (std::size_t j = i; j < ordered.size(); ++j) {
            EXPECT_EQ(text::namesInOrder(ordered[i], ordered[j]), i < j) << i << " " << j;
            EXPECT_FALSE(text::namesInOrder(ordered[j], ordered[i])) << j << " " << i;
        }
    }
}

TEST(Names, SafeFileNamesAndPlainFolderNames) {
    const struct {
        const char* name;
        bool safeFile;
        bool plainFolder;
    } cases[] = {
        {"My Club.fed", true, true},  {"", false, false},         {".", false, false},
        {"a>b.fed", false, true},     {"..", false, false},       {"a/b.fed", false, false},
        {"a\\b.fed", false, false},   {"C:x.fed", false, false},  {"*.fed", false, true},
        {"what?.fed", false, true},   {"a<b.fed", false, true},   {"pipe|.fed", false, true},
        {"quote\".fed", false, true}, {"CON", false, true},       {"con.fed", false, true},
        {"Lpt1.fed", false, true},    {"COM0.fed", true, true},   {"console.fed", true, true},
        {"trailing.", false, true},   {"trailing ", false, true}, {"tab\t.fed", false, false},
        {"caf\xe9.fed", true, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isSafeFileName(c.name), c.safeFile) << '"' << c.name << '"';
        EXPECT_EQ(isPlainFolderName(c.name), c.plainFolder) << '"' << c.name << '"';
    }
    EXPECT_FALSE(isSafeFileName(std::string(256, 'a')));
    EXPECT_FALSE(isSafeFileName({"a\0b", 3}) || isPlainFolderName({"a\0b", 3}));
}

} // namespace
} // namespace bm::platform
