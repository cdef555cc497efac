#include "core/app/start_folder.h"

#include "core/platform/line_file.h"

#include <string>
#include <system_error>

namespace bm::app {
namespace fs = std::filesystem;

namespace {

// Far beyond any real path; a larger file is not ours.
constexpr std::size_t kMaxRememberedBytes = 4096;

bool enter(const fs::path& folder, ui::Dialogs& dialogs) {
    std::error_code ec;
    if (folder.empty()) {
        ec = std::make_error_code(std::errc::no_such_file_or_directory);
    } else {
        fs::current_path(folder, ec);
    }
    if (ec) {
        dialogs.message("The game folder \"" + folder.string() + "\" cannot be opened (" +
                            ec.message() + ").",
                        ui::Icon::Exclamation);
        return false;
    }
    return true;
}

// The chooser opens where the user was last, or at the nearest folder above
// it that is still there (a removed folder or an unplugged drive).
fs::path openingFolder(fs::path folder) {
    std::error_code ec;
    while (!folder.empty() && !fs::is_directory(folder, ec)) {
        fs::path parent = folder.parent_path();
        if (parent == folder) {
            return {};
        }
        folder = std::move(parent);
    }
    return folder;
}

} // namespace

fs::path FolderMemoryFile::recall() {
    std::error_code ec;
    const auto size = fs::file_size(file_, ec);
    if (ec || size > kMaxRememberedBytes) {
        return {};
    }
    std::string bytes;
    if (!platform::readFileBytes(file_, bytes) || bytes.find('\0') != std::string::npos) {
        return {};
    }
    return fs::path(bytes);
}

platform::Status FolderMemoryFile::remember(const fs::path& folder) {
    if (file_.empty()) {
        return platform::Status::success(); // no home for it on this machine
    }
    std::error_code ec;
    fs::create_directories(file_.parent_path(), ec);
    // A failure to make the folder shows up as a failed write, which names the file.
    return platform::writeFileAtomic(file_, folder.string());
}

StartResult enterStartFolder(const StartFolder& start, FolderChooser& chooser, FolderMemory& memory,
                             ui::Dialogs& dialogs) {
    switch (start.kind) {
    case StartFolder::Kind::Current:
        return StartResult::Ready;
    case StartFolder::Kind::Given:
        return enter(start.folder, dialogs) ? StartResult::Ready : StartResult::Failed;
    case StartFolder::Kind::Choose:
        break;
    }
    fs::path at = openingFolder(memory.recall());
    for (;;) {
        const auto chosen = chooser.chooseFolder(at);
        if (!chosen) {
            return StartResult::Cancelled;
        }
        // Made absolute before entering it, while a relative answer still means the same.
        std::error_code ec;
        fs::path absolute = fs::absolute(*chosen, ec);
        if (ec) {
            absolute = *chosen;
        }
        if (enter(*chosen, dialogs)) {
            if (const auto status = memory.remember(absolute); !status) {
                // The editor works without it; the user still learns of the failed write.
                dialogs.message(status.message(), ui::Icon::Exclamation);
            }
            return StartResult::Ready;
        }
        at = openingFolder(*chosen);
    }
}

} // namespace bm::app
