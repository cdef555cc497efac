#pragma once

#include "core/app/start_folder.h"

#include <filesystem>

namespace bm::gui {

// The toolkit's folder dialog, showing folders only.
class QtFolderChooser : public app::FolderChooser {
public:
    std::optional<std::filesystem::path>
    chooseFolder(const std::filesystem::path& startAt) override;
};

// Where the last chosen game folder is kept: a file in the user's
// configuration folder for this program (needs the application name set).
std::filesystem::path rememberedFolderFile();

} // namespace bm::gui
