#pragma once

#include "core/platform/status.h"
#include "core/ui/dialogs.h"

#include <filesystem>
#include <optional>

namespace bm::app {

// Which folder the editor works on. The game folder is always the current
// directory; a folder named on the command line or picked by the user simply
// becomes it before the start-up check.
struct StartFolder {
    enum class Kind { Current, Given, Choose };
    Kind kind = Kind::Current;
    std::filesystem::path folder; // Given only
};

// Asks the user for a folder.
class FolderChooser {
public:
    virtual ~FolderChooser() = default;
    // Opens at `startAt` (empty: wherever the toolkit likes); nothing when cancelled.
    virtual std::optional<std::filesystem::path>
    chooseFolder(const std::filesystem::path& startAt) = 0;
};

// Keeps the last chosen game folder between runs.
class FolderMemory {
public:
    virtual ~FolderMemory() = default;
    virtual std::filesystem::path recall() = 0; // empty when there is none
    virtual platform::Status remember(const std::filesystem::path& folder) = 0;
};

// A FolderMemory in one small file of its own, holding the folder's bytes.
class FolderMemoryFile : public FolderMemory {
public:
    explicit FolderMemoryFile(std::filesystem::path file) : file_(std::move(file)) {}
    std::filesystem::path recall() override;
    platform::Status remember(const std::filesystem::path& folder) override;

private:
    std::filesystem::path file_;
};

enum class StartResult {
    Ready,     // the current directory is the folder to check
    Cancelled, // the chooser was closed: end without a word
    Failed,    // the user has been told which folder could not be opened: end
};

// Makes the requested folder the current directory. A chosen folder that
// cannot be opened is reported and the chooser asked again; a folder given
// on the command line is reported and the program ends.
StartResult enterStartFolder(const StartFolder& start, FolderChooser& chooser, FolderMemory& memory,
                             ui::Dialogs& dialogs);

} // namespace bm::app
