#include "core/platform/line_file.h"

#include <atomic>
#include <fstream>
#include <system_error>

namespace bm::platform {
namespace fs = std::filesystem;

namespace {

std::string quoted(const fs::path& path) {
    return "\"" + path.string() + "\"";
}

Status readFailure(const fs::path& path) {
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        return Status::failure("The file " + quoted(path) + " does not exist.");
    }
    if (fs::is_directory(path, ec)) {
        return Status::failure(quoted(path) + " is a folder, not a file.");
    }
    return Status::failure("The file " + quoted(path) + " could not be read.");
}

fs::path temporaryPathFor(const fs::path& path) {
    // Unique within this process; the leading dot keeps it out of the
    // editor's own listings, whose patterns never start with one.
    static std::atomic<unsigned> counter{0};
    const unsigned n = counter.fetch_add(1);
    return path.parent_path() /
           ("." + path.filename().string() + "." + std::to_string(n) + ".bm13tmp");
}

} // namespace

Lines splitLines(std::string_view bytes) {
    Lines lines;
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

Status readFileBytes(const fs::path& path, std::string& bytes) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        return readFailure(path);
    }
    const auto size = fs::file_size(path, ec);
    if (ec) {
        return readFailure(path);
    }
    if (size > kMaxDataFileBytes) {
        return Status::failure("The file " + quoted(path) +
                               " is far too large to be one of the game's data files.");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return readFailure(path);
    }
    std::string content;
    content.resize(static_cast<std::size_t>(size));
    in.read(content.data(), static_cast<std::streamsize>(size));
    content.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        return readFailure(path);
    }
    // The file may have grown since its size was taken; read the rest too,
    // within the same limit.
    char chunk[4096];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        content.append(chunk, static_cast<std::size_t>(in.gcount()));
        if (content.size() > kMaxDataFileBytes) {
            return Status::failure("The file " + quoted(path) +
                                   " is far too large to be one of the game's data files.");
        }
    }
    bytes = std::move(content);
    return Status::success();
}

Status readLines(const fs::path& path, Lines& lines) {
    std::string bytes;
    if (auto status = readFileBytes(path, bytes); !status) {
        return status;
    }
    lines = splitLines(bytes);
    return Status::success();
}

Status readFirstLines(const fs::path& path, std::size_t count, Lines& lines) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        return readFailure(path);
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return readFailure(path);
    }
    // Read until `count` line ends have been seen (and one byte more, to tell
    // CR LF from a lone CR), or a sane limit for a few lines is reached.
    constexpr std::size_t kLimit = 1024 * 1024;
    std::string bytes;
    std::size_t ends = 0;
    char c = 0;
    while (bytes.size() < kLimit && in.get(c)) {
        bytes.push_back(c);
        if (c == '\r') {
            if (in.peek() == '\n') {
                in.get(c);
                bytes.push_back(c);
            }
            if (++ends >= count) {
                break;
            }
        }
    }
    if (in.bad()) {
        return readFailure(path);
    }
    Lines all = splitLines(bytes);
    if (all.size() > count) {
        all.resize(count);
    }
    lines = std::move(all);
    return Status::success();
}

Status writeFileAtomic(const fs::path& path, std::string_view bytes) {
    const std::string failed = "Could not save the file " + quoted(path) + ": ";
    std::error_code ec;
    if (path.filename().empty()) {
        return Status::failure(failed + "it has no file name.");
    }
    const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    if (!fs::is_directory(folder, ec)) {
        return Status::failure(failed + "its folder does not exist.");
    }
    if (fs::is_directory(path, ec)) {
        return Status::failure(failed + "a folder of that name is in the way.");
    }
    const fs::path temp = temporaryPathFor(path);
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) {
            fs::remove(temp, ec);
            return Status::failure(failed + "its folder cannot be written to.");
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temp, ec);
            return Status::failure(failed + "writing failed (the disk may be full).");
        }
        out.close();
        if (!out) {
            fs::remove(temp, ec);
            return Status::failure(failed + "writing failed (the disk may be full).");
        }
    }
    fs::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return Status::failure(failed + "the old file could not be replaced (" + ec.message() +
                               ").");
    }
    return Status::success();
}

Status writeLines(const fs::path& path, const Lines& lines) {
    return writeFileAtomic(path, joinLines(lines));
}

Status copyFileAtomic(const fs::path& from, const fs::path& to) {
    std::string bytes;
    if (auto status = readFileBytes(from, bytes); !status) {
        return status;
    }
    return writeFileAtomic(to, bytes);
}

Status deleteFile(const fs::path& path) {
    std::error_code ec;
    // The entry itself: a link is removed, never what it points to.
    const fs::file_status entry = fs::symlink_status(path, ec);
    if (ec || !fs::exists(entry)) {
        return Status::failure("The file " + quoted(path) + " does not exist.");
    }
    if (fs::is_directory(entry)) {
        return Status::failure(quoted(path) + " is a folder, not a file.");
    }
    if (!fs::remove(path, ec) || ec) {
        return Status::failure("The file " + quoted(path) + " could not be deleted" +
                               (ec ? " (" + ec.message() + ")." : std::string(".")));
    }
    return Status::success();
}

} // namespace bm::platform
