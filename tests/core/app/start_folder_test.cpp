#include "core/app/command_line.h"
#include "core/app/start_folder.h"

#include "support/scripted_dialogs.h"
#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

#include <deque>

namespace bm::app {
namespace {
namespace fs = std::filesystem;
using Kind = StartFolder::Kind;

// Answers from a queue; logs where each chooser opened. Running out of
// answers fails the test and cancels, so a loop cannot hang.
class ScriptedChooser : public FolderChooser {
public:
    std::deque<std::optional<fs::path>> answers;
    std::vector<fs::path> openedAt;
    std::optional<fs::path> chooseFolder(const fs::path& startAt) override {
        openedAt.push_back(startAt);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected folder chooser";
            return std::nullopt;
        }
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class MemoryDouble : public FolderMemory {
public:
    fs::path kept;
    bool failWrite = false;
    fs::path recall() override { return kept; }
    platform::Status remember(const fs::path& folder) override {
        if (failWrite) {
            return platform::Status::failure("The file \"memo\" could not be written.");
        }
        kept = folder;
        return platform::Status::success();
    }
};

TEST(StartFolder, EntersTheRequestedFolderOrSaysWhichCannotBeOpened) {
    test::TempGameFolder sandbox;
    const fs::path root = fs::current_path();
    sandbox.makeFolder("game/Data");
    sandbox.makeFolder("other");
    sandbox.write("plain.txt", "x");
    const fs::path game = root / "game", gone = root / "gone";

    const struct {
        const char* name;
        StartFolder start;
        fs::path remembered;
        std::vector<std::optional<fs::path>> answers;
        bool failMemoryWrite;
        StartResult result;
        fs::path current;               // the current directory afterwards
        std::vector<fs::path> openedAt; // where each chooser opened
        std::vector<std::string> texts; // every box shown
        fs::path rememberedAfter;
    } cases[] = {
        {"no argument", {}, game, {}, false, StartResult::Ready, root, {}, {}, game},
        {"argument",
         {Kind::Given, "game"},
         root / "other",
         {},
         false,
         StartResult::Ready,
         game,
         {},
         {},
         root / "other"},
        {"missing argument",
         {Kind::Given, gone},
         {},
         {},
         false,
         StartResult::Failed,
         root,
         {},
         {"The game folder \"" + gone.string() +
          "\" cannot be opened (No such file or directory)."},
         {}},
        {"argument is a file",
         {Kind::Given, "plain.txt"},
         {},
         {},
         false,
         StartResult::Failed,
         root,
         {},
         {"The game folder \"plain.txt\" cannot be opened (Not a directory)."},
         {}},
        {"chosen",
         {Kind::Choose, {}},
         root / "other",
         {game},
         false,
         StartResult::Ready,
         game,
         {root / "other"},
         {},
         game},
        {"nothing remembered",
         {Kind::Choose, {}},
         {},
         {game},
         false,
         StartResult::Ready,
         game,
         {{}},
         {},
         game},
        {"remembered folder gone",
         {Kind::Choose, {}},
         gone / "deeper",
         {game},
         false,
         StartResult::Ready,
         game,
         {root},
         {},
         game},
        {"cancelled",
         {Kind::Choose, {}},
         game,
         {std::nullopt},
         false,
         StartResult::Cancelled,
         root,
         {game},
         {},
         game},
        {"unusable choice asks again",
         {Kind::Choose, {}},
         {},
         {root / "plain.txt", std::nullopt},
         false,
         StartResult::Cancelled,
         root,
         {{}, root},
         {"The game folder \"" + (root / "plain.txt").string() +
          "\" cannot be opened (Not a directory)."},
         {}},
        {"memory not written",
         {Kind::Choose, {}},
         {},
         {game},
         true,
         StartResult::Ready,
         game,
         {{}},
         {"The file \"memo\" could not be written."},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::current_path(root);
        ScriptedChooser chooser;
        chooser.answers.assign(c.answers.begin(), c.answers.end());
        MemoryDouble memory;
        memory.kept = c.remembered;
        memory.failWrite = c.failMemoryWrite;
        test::ScriptedDialogs dialogs;

        EXPECT_EQ(enterStartFolder(c.start, chooser, memory, dialogs), c.result);
        EXPECT_TRUE(fs::equivalent(fs::current_path(), c.current));
        EXPECT_EQ(chooser.openedAt, c.openedAt);
        EXPECT_EQ(dialogs.texts(), c.texts);
        for (const auto& shown : dialogs.shown()) {
            EXPECT_EQ(shown.icon, ui::Icon::Exclamation);
        }
        EXPECT_EQ(memory.kept, c.rememberedAfter);
    }
}

TEST(FolderMemoryFile, KeepsTheFolderBytesAndIgnoresWhatIsNotOurs) {
    test::TempGameFolder sandbox;
    const fs::path file = fs::current_path() / "config" / "bm13edit" / "last-game-folder";
    FolderMemoryFile memory(file);
    EXPECT_EQ(memory.recall(), fs::path());

    // Any byte but NUL may be part of a folder name.
    const std::string odd = "/games/a b\r\nc\xE9\xFF/";
    ASSERT_TRUE(memory.remember(odd));
    EXPECT_EQ(memory.recall().string(), odd);
    EXPECT_EQ(FolderMemoryFile(file).recall().string(), odd);

    for (const std::string& content : {std::string(5000, 'a'), std::string("a\0b", 3)}) {
        sandbox.write("config/bm13edit/last-game-folder", content);
        EXPECT_EQ(memory.recall(), fs::path());
    }

    sandbox.write("config/blocked", "a file where a folder should be");
    const auto status = FolderMemoryFile(fs::current_path() / "config/blocked/x").remember("/g");
    EXPECT_FALSE(status);
    EXPECT_NE(status.message().find("config/blocked/x"), std::string::npos) << status.message();
}

TEST(CommandLine, ReadsTheFolderOrChooserAndAnswersHelpAndVersionFirst) {
    using Action = CommandLine::Action;
    const struct {
        std::vector<std::string> arguments;
        Action action;
        Kind kind;
        std::string folder;
        std::string error;
    } cases[] = {
        {{}, Action::Edit, Kind::Current, "", ""},
        {{"/games/bm"}, Action::Edit, Kind::Given, "/games/bm", ""},
        {{"--choose-folder"}, Action::Edit, Kind::Choose, "", ""},
        {{"--", "--help"}, Action::Edit, Kind::Given, "--help", ""},
        {{"-"}, Action::Edit, Kind::Given, "-", ""},
        {{"-h"}, Action::Help, Kind::Current, "", ""},
        {{"-platform", "offscreen", "--version"}, Action::Version, Kind::Current, "", ""},
        {{"--bogus", "--help"}, Action::Help, Kind::Current, "", ""},
        {{"--bogus"}, Action::Error, Kind::Current, "", "unknown option '--bogus'"},
        {{"a", "b"}, Action::Error, Kind::Current, "", "only one game folder can be given"},
        {{"--choose-folder", "a"},
         Action::Error,
         Kind::Current,
         "",
         "give a game folder or --choose-folder, not both"},
    };
    for (const auto& c : cases) {
        const auto line = parseCommandLine(c.arguments);
        const std::string shown = testing::PrintToString(c.arguments);
        EXPECT_EQ(line.action, c.action) << shown;
        EXPECT_EQ(line.start.kind, c.kind) << shown;
        EXPECT_EQ(line.start.folder, fs::path(c.folder)) << shown;
        EXPECT_EQ(line.error, c.error) << shown;
    }
}

} // namespace
} // namespace bm::app
