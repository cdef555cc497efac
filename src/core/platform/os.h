#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// The operating system's file calls, all in one place, each step through the
// fault seam (FaultPlan). Only the platform folder uses this header.
namespace bm::platform::os {

// The system's number for an error (errno; GetLastError on Windows); 0 is
// success.
using Error = int;

// The system's own words for an error, as the user should read them.
std::string reason(Error error);
bool isMissing(Error error);
bool isExisting(Error error);

enum class Kind { None, File, Folder, Link, Other };

struct Entry {
    Kind kind = Kind::None;
    std::uintmax_t size = 0;
    bool readOnly = false; // judged by the permission bits, not by who we are
    unsigned mode = 0;     // permission bits (POSIX only)
    long long owner = -1;  // POSIX only
    long long group = -1;
};

// The entry itself (a link is not followed); a missing entry is Kind::None
// and no error.
Error inspect(const std::filesystem::path& path, Entry& entry);

// Follows a chain of links to the entry that a write must replace, which may
// not exist yet; `entry` describes it. A path that is no link comes back as
// it is.
Error resolveLinks(const std::filesystem::path& path, std::filesystem::path& target, Entry& entry);

class File {
public:
    File() = default;
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // Opens an existing file and describes it; never blocks on a pipe or a
    // device, whose kind the caller then refuses.
    Error openForReading(const std::filesystem::path& path, Entry& entry);
    // Creates a file that must not exist yet.
    Error createNew(const std::filesystem::path& path);

    // Reads up to `size` bytes; `got` is 0 at the end of the file.
    Error read(char* buffer, std::size_t size, std::size_t& got);
    Error writeAll(std::string_view bytes);
    Error sync();
    // Gives the file the permission bits and owner of `from`, as far as the
    // system lets us; a save must not fail over this.
    void adopt(const Entry& from);
    // A late write error can show here, so a writer checks it.
    Error close();
    // Closes a file that is given up anyway.
    Error release();

private:
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

// Makes the rename that put a file in a folder survive a power loss.
Error syncFolder(const std::filesystem::path& folder);
// Puts `from` in place of `to` in one step, replacing what was there.
Error replace(const std::filesystem::path& from, const std::filesystem::path& to);
// Deletes a file (never a folder).
Error removeFile(const std::filesystem::path& path);
Error makeFolder(const std::filesystem::path& path);
// Deletes an empty folder (never a file).
Error removeFolder(const std::filesystem::path& path);
// Throws std::bad_alloc when a test plan says that memory has run out.
void claimMemory();

// A short name for a temporary file, random enough that two editors saving
// into one folder never pick the same one twice in a row.
std::string temporaryName();
bool isTemporaryName(std::string_view name);

} // namespace bm::platform::os
