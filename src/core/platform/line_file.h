#pragma once

#include "core/platform/status.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace bm::platform {

using Lines = std::vector<std::string>;

// No data file of the game comes near this; anything larger is not one.
inline constexpr std::uintmax_t kMaxDataFileBytes = 256u * 1024u * 1024u;

// Splits text into lines as the game reads them: a line ends at CR LF or at a
// lone CR; everything else, a lone LF included, belongs to the line. Empty
// lines are kept, trailing ones too; a last line without an ending counts.
Lines splitLines(std::string_view bytes);

// The bytes of lines as the game writes them: every line ended by CR LF.
std::string joinLines(const Lines& lines);

Status readFileBytes(const std::filesystem::path& path, std::string& bytes);
Status readLines(const std::filesystem::path& path, Lines& lines);

// Reads no more than the first `count` lines, without loading a large file.
Status readFirstLines(const std::filesystem::path& path, std::size_t count, Lines& lines);

// Writes the whole file through a temporary file in the same folder that then
// replaces the target. On any failure the old file is untouched and the
// temporary file is gone.
Status writeFileAtomic(const std::filesystem::path& path, std::string_view bytes);
Status writeLines(const std::filesystem::path& path, const Lines& lines);

// Copies a file the same way: the target appears complete or not at all.
Status copyFileAtomic(const std::filesystem::path& from, const std::filesystem::path& to);

// Deletes one file (never a folder); a failure names the file.
Status deleteFile(const std::filesystem::path& path);

} // namespace bm::platform
