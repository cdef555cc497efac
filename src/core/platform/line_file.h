#pragma once

#include "core/platform/status.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace bm::platform {

using Lines = std::vector<std::string>;

// The largest real data file is a full wrestlers file: 32,767 records of 31
// lines, about 1 M lines and under 40 MiB. The caps leave room above that and
// bound what any other file can cost: the bytes, plus 32 bytes a line.
inline constexpr std::uintmax_t kMaxDataFileBytes = 64u * 1024u * 1024u;
inline constexpr std::size_t kMaxDataFileLines = 2u * 1024u * 1024u;

// Splits text into lines as the game reads them: a line ends at CR LF or at a
// lone CR; everything else, a lone LF included, belongs to the line. Empty
// lines are kept, trailing ones too; a last line without an ending counts.
Lines splitLines(std::string_view bytes);

// The bytes of lines as the game writes them: every line ended by CR LF.
std::string joinLines(const Lines& lines);

// Whether one of the first `count` lines holds a line feed: a file written
// with bare LF line ends, which the game reads as one long line.
bool hasBareLineFeed(const Lines& lines, std::size_t count);

// A file larger than the caps above, or one that there is no memory for, is
// refused with a message; `bytes` or `lines` are then left as they were.
Status readFileBytes(const std::filesystem::path& path, std::string& bytes);
Status readLines(const std::filesystem::path& path, Lines& lines);
// The lines of bytes already read whole, refused as readLines refuses them;
// `path` only names the file in messages.
Status linesOf(std::string_view bytes, const std::filesystem::path& path, Lines& lines);

// Reads no more than the first `count` lines, without loading a large file.
Status readFirstLines(const std::filesystem::path& path, std::size_t count, Lines& lines);

// The bytes that readFirstLines splits (perhaps a few lines more), for a
// reader that wants only some of the lines: no line is copied. No more than
// kFirstBytesLimit are read.
inline constexpr std::size_t kFirstBytesLimit = 1024 * 1024;
Status readFirstBytes(const std::filesystem::path& path, std::size_t count, std::string& bytes);

// How many lines splitLines would make of `bytes`.
std::size_t lineCount(std::string_view bytes);

// Line `index` (from 0) of `bytes` as splitLines would give it; false when
// there are no more lines than `index`.
bool lineAt(std::string_view bytes, std::size_t index, std::string_view& line);

namespace os {
class File;
}

// A file read front to back in pieces, for a reader that walks a large file
// once: only the bytes not yet dropped are held. It refuses what
// readFileBytes refuses, with the same messages.
class FileWindow {
public:
    FileWindow();
    ~FileWindow();
    FileWindow(const FileWindow&) = delete;
    FileWindow& operator=(const FileWindow&) = delete;

    Status open(const std::filesystem::path& path);
    // The bytes read and not dropped yet.
    std::string_view bytes() const { return {buffer_.get() + begin_, end_ - begin_}; }
    // Whether the file's end has been read, so that bytes() ends with it.
    bool atEnd() const { return atEnd_; }
    // All the bytes the file has given so far.
    std::uintmax_t bytesRead() const { return read_; }
    // Drops the first `count` bytes held and reads more behind the rest; the
    // room grows when the rest fills it, so a caller never loses what it holds.
    Status readMore(std::size_t count);

private:
    std::unique_ptr<os::File> file_;
    std::filesystem::path path_;
    std::unique_ptr<char[]> buffer_;
    std::size_t room_ = 0;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::uintmax_t read_ = 0;
    bool atEnd_ = false;
};

// Writes the whole file through a temporary file in the same folder that,
// once synced to the disk, replaces the target; then the folder is synced.
// The file keeps its permission bits; a link is written through to the file
// it points at; a read-only file is refused. On a failure before the
// replacement the old file is untouched, and the temporary file is gone in
// every case.
Status writeFileAtomic(const std::filesystem::path& path, std::string_view bytes);
Status writeLines(const std::filesystem::path& path, const Lines& lines);

// Copies a file the same way: the target appears complete or not at all.
Status copyFileAtomic(const std::filesystem::path& from, const std::filesystem::path& to);

// Deletes one file (never a folder); a failure names the file.
Status deleteFile(const std::filesystem::path& path);

// Whether a name is that of a temporary file of an unfinished save.
bool isTemporaryFileName(std::string_view name);

} // namespace bm::platform
