#pragma once

#include "core/platform/status.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace bm::platform {

// The game folder is the current directory, read afresh for every path so
// that the editor always works where it was started.
std::filesystem::path gameFolder();

// Game folder + context folder + file name. The context folder is kept as
// text with a backslash at each end ("\Data\", "\Scenarios\Name\"); this is
// the one place where it becomes a native path.
std::filesystem::path contextPath(std::string_view contextFolder, std::string_view fileName = {});

// Names of the immediate sub-folders, in name order (text::namesInOrder).
std::vector<std::string> listFolders(const std::filesystem::path& folder);

// Names of the files whose name matches one of the ";"-separated patterns
// (case-sensitive on every platform), in name order (text::namesInOrder).
std::vector<std::string> listFiles(const std::filesystem::path& folder, std::string_view patterns);

// Creates one folder; a failure names it and gives the system's reason.
// `existed`, when given, tells whether it failed because a file or folder of
// that name is already there.
Status createFolder(const std::filesystem::path& path, bool* existed = nullptr);
// Removes an empty folder; a failure names it.
Status removeEmptyFolder(const std::filesystem::path& path);

bool fileExists(const std::filesystem::path& path);
// An ordinary file (or a link to one): a folder of the name does not count.
bool isFile(const std::filesystem::path& path);

// A name that a new file can safely be given on every platform the game runs
// on: no path separators or wildcard characters, not "." or "..", no
// reserved device name, no trailing blank or dot.
bool isSafeFileName(std::string_view name);

// A name that stays one folder below the game folder: no separator, drive or
// parent reference.
bool isPlainFolderName(std::string_view name);

} // namespace bm::platform
