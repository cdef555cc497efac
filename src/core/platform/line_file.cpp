#include "core/platform/line_file.h"

#include "core/platform/line_ends.h"
#include "core/platform/os.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

namespace bm::platform {
namespace fs = std::filesystem;

namespace {

Status readFailure(const fs::path& path, os::Error error) {
    if (os::isMissing(error)) {
        return Status::failure("The file " + quoted(path) + " does not exist.");
    }
    return Status::failure("The file " + quoted(path) + " could not be read (" + os::reason(error) +
                           ").");
}

Status folderInTheWay(const fs::path& path) {
    return Status::failure(quoted(path) + " is a folder, not a file.");
}

Status tooLarge(const fs::path& path) {
    return Status::failure("The file " + quoted(path) +
                           " is larger than 64 MiB, far too large to be one of the game's "
                           "data files.");
}

Status noMemory(const fs::path& path) {
    return Status::failure("The file " + quoted(path) +
                           " could not be read: there is not enough memory for it.");
}

// Opens a file to read, refusing anything that is not an ordinary file.
Status openToRead(const fs::path& path, os::File& file, os::Entry& entry) {
    if (const os::Error error = file.openForReading(path, entry)) {
        return readFailure(path, error);
    }
    if (entry.kind == os::Kind::Folder) {
        return folderInTheWay(path);
    }
    if (entry.kind != os::Kind::File) {
        return Status::failure(quoted(path) + " is not an ordinary file.");
    }
    return Status::success();
}

Status readWhole(const fs::path& path, std::string& bytes) {
    os::File file;
    os::Entry entry;
    if (auto status = openToRead(path, file, entry); !status) {
        return status;
    }
    if (entry.size > kMaxDataFileBytes) {
        return tooLarge(path);
    }
    os::claimMemory();
    // One byte more than the size taken, to notice a file that grew since;
    // it is read on to its end, but never past the cap.
    constexpr auto kCap = static_cast<std::size_t>(kMaxDataFileBytes);
    std::string content(static_cast<std::size_t>(entry.size) + 1, '\0');
    std::size_t used = 0;
    while (used <= kCap) {
        if (used == content.size()) {
            content.resize(std::min(content.size() * 2, kCap + 1));
        }
        std::size_t got = 0;
        if (const os::Error error = file.read(content.data() + used, content.size() - used, got)) {
            return readFailure(path, error);
        }
        if (got == 0) {
            break;
        }
        used += got;
    }
    if (used > kCap) {
        return tooLarge(path);
    }
    content.resize(used);
    bytes = std::move(content);
    return Status::success();
}

} // namespace

std::size_t lineCount(std::string_view bytes) {
    const auto ends = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\r'));
    const bool unended =
        !bytes.empty() && bytes.back() != '\r' && !(bytes.size() >= 2 && bytes.ends_with("\r\n"));
    return ends + (unended ? 1 : 0);
}

bool lineAt(std::string_view bytes, std::size_t index, std::string_view& line) {
    // Whole blocks are skipped by counting their line ends; the rest is
    // looked at byte by byte.
    constexpr std::size_t kBlock = kLineEndBlock;
    const char* const p = bytes.data();
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    std::size_t left = index; // line ends still to pass
    while (left > 0 && n - i >= kBlock) {
        const unsigned inBlock = bitCount(lineEndMask(p + i));
        if (inBlock >= left) {
            break;
        }
        left -= inBlock;
        i += kBlock;
        if (p[i - 1] == '\r' && i < n && p[i] == '\n') {
            ++i; // a CR LF across the blocks' border is one line end
        }
    }
    for (; left > 0 && i < n; ++i) {
        if (p[i] == '\r') {
            --left;
            if (i + 1 < n && p[i + 1] == '\n') {
                ++i;
            }
        }
    }
    // An empty last line without an ending is no line.
    if (left > 0 || i == n) {
        return false;
    }
    const std::size_t end = bytes.find('\r', i);
    line = bytes.substr(i, (end == std::string_view::npos ? n : end) - i);
    return true;
}

Lines splitLines(std::string_view bytes) {
    Lines lines;
    // Exactly as many as needed: millions of lines would waste a third or
    // more of their room through the vector's growth.
    lines.reserve(lineCount(bytes));
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            lines.emplace_back(bytes.substr(start, i - start));
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < bytes.size()) {
        lines.emplace_back(bytes.substr(start));
    }
    return lines;
}

std::string joinLines(const Lines& lines) {
    std::size_t total = 0;
    for (const auto& line : lines) {
        total += line.size() + 2;
    }
    std::string bytes;
    bytes.reserve(total);
    for (const auto& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

bool hasBareLineFeed(const Lines& lines, std::size_t count) {
    const std::size_t n = std::min(count, lines.size());
    return std::any_of(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(n),
                       [](const std::string& line) { return line.find('\n') != line.npos; });
}

Status readFileBytes(const fs::path& path, std::string& bytes) {
    try {
        return readWhole(path, bytes);
    } catch (const std::bad_alloc&) {
        return noMemory(path);
    }
}

Status readLines(const fs::path& path, Lines& lines) {
    std::string bytes;
    if (auto status = readFileBytes(path, bytes); !status) {
        return status;
    }
    return linesOf(bytes, path, lines);
}

Status linesOf(std::string_view bytes, const fs::path& path, Lines& lines) {
    // Counted before anything is built: a file of lone CRs is tiny on disk
    // and huge as lines.
    if (lineCount(bytes) > kMaxDataFileLines) {
        return Status::failure("The file " + quoted(path) + " has more than " +
                               std::to_string(kMaxDataFileLines) +
                               " lines, far too many for one of the game's data files.");
    }
    try {
        os::claimMemory();
        lines = splitLines(bytes);
    } catch (const std::bad_alloc&) {
        return noMemory(path);
    }
    return Status::success();
}

Status readFirstLines(const fs::path& path, std::size_t count, Lines& lines) {
    std::string bytes;
    if (auto status = readFirstBytes(path, count, bytes); !status) {
        return status;
    }
    Lines all = splitLines(bytes);
    if (all.size() > count) {
        all.resize(count);
    }
    lines = std::move(all);
    return Status::success();
}

Status readFirstBytes(const fs::path& path, std::size_t count, std::string& bytes) {
    os::File file;
    os::Entry entry;
    if (auto status = openToRead(path, file, entry); !status) {
        return status;
    }
    // Read until `count` line ends have been seen, or a sane limit for a few
    // lines is reached; a large file is never loaded for its first line.
    constexpr std::size_t kLimit = kFirstBytesLimit;
    std::string read;
    std::size_t ends = 0;
    char chunk[4096];
    while (ends < count && read.size() < kLimit) {
        std::size_t got = 0;
        if (const os::Error error =
                file.read(chunk, std::min(sizeof chunk, kLimit - read.size()), got)) {
            return readFailure(path, error);
        }
        if (got == 0) {
            break;
        }
        read.append(chunk, got);
        ends += static_cast<std::size_t>(std::count(chunk, chunk + got, '\r'));
    }
    bytes = std::move(read);
    return Status::success();
}

FileWindow::FileWindow() = default;
FileWindow::~FileWindow() = default;

Status FileWindow::open(const fs::path& path) {
    auto file = std::make_unique<os::File>();
    os::Entry entry;
    if (auto status = openToRead(path, *file, entry); !status) {
        return status;
    }
    if (entry.size > kMaxDataFileBytes) {
        return tooLarge(path);
    }
    // A small file fits whole, with a byte to spare to see its end in one
    // more read; a large one is read a piece at a time that the cache holds.
    constexpr std::size_t kPiece = 256 * 1024;
    const std::size_t room = std::min(static_cast<std::size_t>(entry.size) + 1, kPiece);
    try {
        os::claimMemory();
        buffer_ = std::make_unique_for_overwrite<char[]>(room);
    } catch (const std::bad_alloc&) {
        return noMemory(path);
    }
    file_ = std::move(file);
    path_ = path;
    room_ = room;
    begin_ = end_ = 0;
    read_ = 0;
    atEnd_ = false;
    return Status::success();
}

Status FileWindow::readMore(std::size_t count) {
    begin_ += std::min(count, end_ - begin_);
    if (atEnd_ || !file_) {
        return Status::success();
    }
    if (end_ == room_) {
        const std::size_t held = end_ - begin_;
        // Twice the room when what is held fills more than half of it, so
        // that one long record costs a few reads, not one per piece.
        if (held > room_ / 2) {
            try {
                os::claimMemory();
                const std::size_t room =
                    std::min(room_ * 2, static_cast<std::size_t>(kMaxDataFileBytes) + 1);
                auto bigger = std::make_unique_for_overwrite<char[]>(room);
                std::memcpy(bigger.get(), buffer_.get() + begin_, held);
                buffer_ = std::move(bigger);
                room_ = room;
            } catch (const std::bad_alloc&) {
                return noMemory(path_);
            }
        } else {
            std::memmove(buffer_.get(), buffer_.get() + begin_, held);
        }
        begin_ = 0;
        end_ = held;
    }
    std::size_t got = 0;
    if (const os::Error error = file_->read(buffer_.get() + end_, room_ - end_, got)) {
        return readFailure(path_, error);
    }
    end_ += got;
    read_ += got;
    atEnd_ = got == 0;
    if (read_ > kMaxDataFileBytes) {
        return tooLarge(path_);
    }
    return Status::success();
}

Status writeFileAtomic(const fs::path& path, std::string_view bytes) {
    const std::string failed = "Could not save the file " + quoted(path) + ": ";
    const auto failure = [&](std::string_view what, os::Error error) {
        return Status::failure(failed + std::string(what) + " (" + os::reason(error) + ").");
    };
    if (!path.has_filename()) {
        return Status::failure(failed + "it has no file name.");
    }
    fs::path target;
    os::Entry existing;
    if (const os::Error error = os::resolveLinks(path, target, existing)) {
        return failure("it could not be looked up", error);
    }
    if (existing.kind == os::Kind::Folder) {
        return Status::failure(failed + "a folder of that name is in the way.");
    }
    if (existing.kind == os::Kind::Other) {
        return Status::failure(failed + "it is not an ordinary file.");
    }
    if (existing.kind == os::Kind::File && existing.readOnly) {
        return Status::failure(failed + "it is read-only.");
    }

    // A short name of its own, so that a target name of any legal length
    // still leaves room, and created exclusively, so that two editors never
    // write into one temporary file.
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    os::File file;
    fs::path temp;
    os::Error error = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = folder / os::temporaryName();
        error = file.createNew(temp);
        if (!os::isExisting(error)) {
            break;
        }
    }
    if (error) {
        return failure(os::isMissing(error) ? "its folder does not exist"
                                            : "a temporary file could not be made in its folder",
                       error);
    }
    const auto abandon = [&](std::string_view what, os::Error cause) {
        file.release();
        os::removeFile(temp);
        return failure(what, cause);
    };
    if (existing.kind == os::Kind::File) {
        file.adopt(existing);
    }
    if (const os::Error cause = file.writeAll(bytes)) {
        return abandon("writing failed", cause);
    }
    if (const os::Error cause = file.sync()) {
        return abandon("it could not be flushed to the disk", cause);
    }
    if (const os::Error cause = file.close()) {
        return abandon("writing failed", cause);
    }
    if (const os::Error cause = os::replace(temp, target)) {
        return abandon("the old file could not be replaced", cause);
    }
    if (const os::Error cause = os::syncFolder(folder)) {
        return failure("the new content is in place, but its folder could not be flushed to the "
                       "disk, so a power failure could still undo the save",
                       cause);
    }
    return Status::success();
}

Status writeLines(const fs::path& path, const Lines& lines) {
    std::string bytes;
    try {
        os::claimMemory();
        bytes = joinLines(lines);
    } catch (const std::bad_alloc&) {
        return Status::failure("Could not save the file " + quoted(path) +
                               ": there is not enough memory for it.");
    }
    return writeFileAtomic(path, bytes);
}

Status copyFileAtomic(const fs::path& from, const fs::path& to) {
    std::string bytes;
    if (auto status = readFileBytes(from, bytes); !status) {
        return status;
    }
    return writeFileAtomic(to, bytes);
}

Status deleteFile(const fs::path& path) {
    const std::string failed = "The file " + quoted(path) + " could not be deleted (";
    os::Entry entry;
    // The entry itself: a link is removed, never what it points to.
    if (const os::Error error = os::inspect(path, entry)) {
        return Status::failure(failed + os::reason(error) + ").");
    }
    if (entry.kind == os::Kind::None) {
        return Status::failure("The file " + quoted(path) + " does not exist.");
    }
    if (entry.kind == os::Kind::Folder) {
        return folderInTheWay(path);
    }
    if (const os::Error error = os::removeFile(path)) {
        return Status::failure(failed + os::reason(error) + ").");
    }
    return Status::success();
}

bool isTemporaryFileName(std::string_view name) {
    return os::isTemporaryName(name);
}

} // namespace bm::platform
