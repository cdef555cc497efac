#include "core/app/command_line.h"
#include "core/app/start_folder.h"

#include "support/scripted_dialogs.h"
#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

#include <optional>

namespace bm::app {
namespace {
namespace fs = std::filesystem;
using Kind = StartFolder::Kind;

// Gives its answers in turn, then cancels, and logs where it opened.
class ScriptedChooser : public FolderChooser {
public:
    std::vector<std::optional<fs::path>> answers;
    std::vector<fs::path> openedAt;
    std::optional<fs::path> chooseFolder(const fs::path& startAt) override {
        openedAt.push_back(startAt);
        return openedAt.size() <= answers.size() ? answers[openedAt.size() - 1] : std::nullopt;
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
    sandbox.makeFolder("game/Data");
    sandbox.makeFolder("other");
    sandbox.write("plain.txt", "x");
    const fs::path r = fs::current_path(), g = r / "game", o = r / "other", gone = r / "gone",
                   file = r / "plain.txt";
    const StartFolder choose{Kind::Choose, {}};
    const std::optional<fs::path> cancel;
    using enum StartResult;

    const struct {
        const char* name;
        StartFolder start;
        fs::path remembered;
        std::vector<std::optional<fs::path>> answers;
        StartResult result;
        fs::path current;               // the current directory afterwards
        std::vector<fs::path> openedAt; // where each chooser opened
        std::string named;              // what the one box shown names ("": no box)
        fs::path rememberedAfter;
        bool failWrite = false;
    } cases[] = {
        {"argument", {Kind::Given, "game"}, o, {}, Ready, g, {}, "", o},
        {"missing argument", {Kind::Given, gone}, {}, {}, Failed, r, {}, gone.string(), {}},
        {"chosen", choose, o, {g}, Ready, g, {o}, "", g},
        {"remembered folder gone", choose, gone / "deeper", {g}, Ready, g, {r}, "", g},
        {"cancelled", choose, g, {cancel}, Cancelled, r, {g}, "", g},
        {"unusable choice", choose, {}, {file, cancel}, Cancelled, r, {{}, r}, file.string(), {}},
        {"memory not written", choose, {}, {g}, Ready, g, {{}}, "memo", {}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::current_path(r);
        ScriptedChooser chooser;
        chooser.answers = c.answers;
        MemoryDouble memory;
        memory.kept = c.remembered;
        memory.failWrite = c.failWrite;
        test::ScriptedDialogs dialogs;

        const StartResult result = enterStartFolder(c.start, chooser, memory, dialogs);
        EXPECT_EQ(std::tuple(result, chooser.openedAt, memory.kept),
                  std::tuple(c.result, c.openedAt, c.rememberedAfter));
        EXPECT_TRUE(fs::equivalent(fs::current_path(), c.current));
        ASSERT_EQ(dialogs.shown().size(), c.named.empty() ? 0u : 1u);
        for (const auto& box : dialogs.shown()) {
            EXPECT_NE(box.text.find("\"" + c.named + "\""), std::string::npos) << box.text;
            EXPECT_EQ(box.icon, ui::Icon::Exclamation);
        }
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
    EXPECT_EQ(FolderMemoryFile(file).recall().string(), odd);

    for (const std::string& content : {std::string(5000, 'a'), std::string("a\0b", 3)}) {
        sandbox.write("config/bm13edit/last-game-folder", content);
        EXPECT_EQ(memory.recall(), fs::path());
    }
}

TEST(CommandLine, ReadsTheFolderOrChooserAndAnswersHelpAndVersionFirst) {
    using Action = CommandLine::Action;
    const std::string both = "give a game folder or --choose-folder, not both";
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
        {{"-platform", "offscreen", "--version"}, Action::Version, Kind::Current, "", ""},
        {{"--bogus", "-h"}, Action::Help, Kind::Current, "", ""},
        {{"--bogus"}, Action::Error, Kind::Current, "", "unknown option '--bogus'"},
        {{"a", "b"}, Action::Error, Kind::Current, "", "only one game folder can be given"},
        {{"--choose-folder", "a"}, Action::Error, Kind::Current, "", both},
    };
    for (const auto& c : cases) {
        const auto line = parseCommandLine(c.arguments);
        EXPECT_EQ(std::tuple(line.action, line.start.kind, line.start.folder, line.error),
                  std::tuple(c.action, c.kind, fs::path(c.folder), c.error))
            << testing::PrintToString(c.arguments);
    }
}

} // namespace
} // namespace bm::app
