#include "core/platform/os.h"

#include "core/platform/fault_plan.h"

#include <new>
#include <random>
#include <system_error>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace bm::platform::os {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTemporaryPrefix = ".bm13-";
constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr std::size_t kTemporaryLetters = 8;
// As many links as the system itself follows before it gives up.
constexpr int kMaxLinks = 40;

#ifdef _WIN32
Error lastError() {
    return static_cast<Error>(GetLastError());
}
#else
Error lastError() {
    return errno;
}
#endif

} // namespace

bool isMissing(Error error) {
#ifdef _WIN32
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
#else
    return error == ENOENT || error == ENOTDIR;
#endif
}

bool isExisting(Error error) {
#ifdef _WIN32
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
#else
    return error == EEXIST;
#endif
}

std::string reason(Error error) {
#ifdef _WIN32
    char* text = nullptr;
    const DWORD size = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(error), 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string words = size ? std::string(text, size) : "error " + std::to_string(error);
    LocalFree(text);
    while (!words.empty() && (words.back() == '\n' || words.back() == '\r' || words.back() == '.' ||
                              words.back() == ' ')) {
        words.pop_back();
    }
    return words;
#else
    return std::strerror(error);
#endif
}

Error inspect(const fs::path& path, Entry& entry) {
    entry = Entry{};
#ifdef _WIN32
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        const Error error = lastError();
        return isMissing(error) ? 0 : error;
    }
    const DWORD a = data.dwFileAttributes;
    entry.kind = (a & FILE_ATTRIBUTE_REPARSE_POINT) ? Kind::Link
                 : (a & FILE_ATTRIBUTE_DIRECTORY)   ? Kind::Folder
                                                    : Kind::File;
    entry.readOnly = (a & FILE_ATTRIBUTE_READONLY) != 0;
    entry.size = (static_cast<std::uintmax_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return 0;
#else
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        const Error error = lastError();
        return isMissing(error) ? 0 : error;
    }
    entry.kind = S_ISREG(st.st_mode)   ? Kind::File
                 : S_ISDIR(st.st_mode) ? Kind::Folder
                 : S_ISLNK(st.st_mode) ? Kind::Link
                                       : Kind::Other;
    entry.size = static_cast<std::uintmax_t>(st.st_size);
    entry.mode = st.st_mode & 07777;
    // Root may write anything, so the owner's write bit decides, as the
    // read-only attribute does elsewhere; anyone else is also held to what
    // the system lets them write, since a rename would replace the file
    // regardless.
    entry.readOnly =
        (st.st_mode & S_IWUSR) == 0 || (::geteuid() != 0 && S_ISREG(st.st_mode) &&
                                        ::access(path.c_str(), W_OK) != 0 && errno == EACCES);
    entry.owner = st.st_uid;
    entry.group = st.st_gid;
    return 0;
#endif
}

Error resolveLinks(const fs::path& path, fs::path& target, Entry& entry) {
    fs::path current = path;
    for (int hop = 0; hop <= kMaxLinks; ++hop) {
        if (const Error error = inspect(current, entry)) {
            return error;
        }
        if (entry.kind != Kind::Link) {
            target = current;
            return 0;
        }
        std::error_code ec;
        const fs::path next = fs::read_symlink(current, ec);
        if (ec) {
            return ec.value();
        }
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
#ifdef _WIN32
    return ERROR_CANT_RESOLVE_FILENAME;
#else
    return ELOOP;
#endif
}

#ifdef _WIN32

File::~File() {
    release();
}

Error File::openForReading(const fs::path& path, Entry& entry) {
    entry = Entry{};
    if (const Error error = FaultPlan::check(Op::Open)) {
        return error;
    }
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return lastError();
    }
    handle_ = h;
    BY_HANDLE_FILE_INFORMATION data{};
    if (!GetFileInformationByHandle(h, &data)) {
        return lastError();
    }
    const bool folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entry.kind = folder                             ? Kind::Folder
                 : GetFileType(h) == FILE_TYPE_DISK ? Kind::File
                                                    : Kind::Other;
    entry.readOnly = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    entry.size = (static_cast<std::uintmax_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return 0;
}

Error File::createNew(const fs::path& path) {
    if (const Error error = FaultPlan::check(Op::Open)) {
        return error;
    }
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return lastError();
    }
    handle_ = h;
    return 0;
}

Error File::read(char* buffer, std::size_t size, std::size_t& got) {
    got = 0;
    if (const Error error = FaultPlan::check(Op::Read)) {
        return error;
    }
    DWORD n = 0;
    const DWORD want = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
    if (!ReadFile(static_cast<HANDLE>(handle_), buffer, want, &n, nullptr)) {
        return lastError();
    }
    got = n;
    return 0;
}

Error File::writeAll(std::string_view bytes) {
    if (const Error error = FaultPlan::check(Op::Write)) {
        return error;
    }
    while (!bytes.empty()) {
        DWORD n = 0;
        const DWORD want =
            bytes.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(bytes.size());
        if (!WriteFile(static_cast<HANDLE>(handle_), bytes.data(), want, &n, nullptr)) {
            return lastError();
        }
        bytes.remove_prefix(n);
    }
    return 0;
}

Error File::sync() {
    if (const Error error = FaultPlan::check(Op::Sync)) {
        return error;
    }
    return FlushFileBuffers(static_cast<HANDLE>(handle_)) ? 0 : lastError();
}

void File::adopt(const Entry&) {
    // A new file gets the folder's inherited rights; read-only targets are
    // refused before a save starts, so there is no attribute to carry over.
}

Error File::close() {
    if (handle_ == nullptr) {
        return 0;
    }
    if (const Error error = FaultPlan::check(Op::Close)) {
        release();
        return error;
    }
    return release();
}

Error File::release() {
    if (handle_ == nullptr) {
        return 0;
    }
    const BOOL closed = CloseHandle(static_cast<HANDLE>(handle_));
    handle_ = nullptr;
    return closed ? 0 : lastError();
}

Error syncFolder(const fs::path&) {
    // NTFS journals the rename itself, and MoveFileEx below is asked to
    // write through; a folder handle cannot be flushed here.
    return 0;
}

Error replace(const fs::path& from, const fs::path& to) {
    if (const Error error = FaultPlan::check(Op::Rename)) {
        return error;
    }
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : lastError();
}

Error removeFile(const fs::path& path) {
    if (const Error error = FaultPlan::check(Op::Delete)) {
        return error;
    }
    return DeleteFileW(path.c_str()) ? 0 : lastError();
}

Error makeFolder(const fs::path& path) {
    if (const Error error = FaultPlan::check(Op::MakeFolder)) {
        return error;
    }
    return CreateDirectoryW(path.c_str(), nullptr) ? 0 : lastError();
}

Error removeFolder(const fs::path& path) {
    if (const Error error = FaultPlan::check(Op::Delete)) {
        return error;
    }
    return RemoveDirectoryW(path.c_str()) ? 0 : lastError();
}

#else // POSIX

File::~File() {
    release();
}

Error File::openForReading(const fs::path& path, Entry& entry) {
    entry = Entry{};
    if (const Error error = FaultPlan::check(Op::Open)) {
        return error;
    }
    // Non-blocking, so that a pipe or a device in a data file's place cannot
    // hang the editor before its kind is checked.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return lastError();
    }
    fd_ = fd;
    struct stat st {};
    if (::fstat(fd_, &st) != 0) {
        return lastError();
    }
    entry.kind = S_ISREG(st.st_mode)   ? Kind::File
                 : S_ISDIR(st.st_mode) ? Kind::Folder
                                       : Kind::Other;
    entry.size = static_cast<std::uintmax_t>(st.st_size);
    return 0;
}

Error File::createNew(const fs::path& path) {
    if (const Error error = FaultPlan::check(Op::Open)) {
        return error;
    }
    // The mask of the process applies, as for any new file.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
        return lastError();
    }
    fd_ = fd;
    return 0;
}

Error File::read(char* buffer, std::size_t size, std::size_t& got) {
    got = 0;
    if (const Error error = FaultPlan::check(Op::Read)) {
        return error;
    }
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, size);
        if (n >= 0) {
            got = static_cast<std::size_t>(n);
            return 0;
        }
        if (errno != EINTR) {
            return lastError();
        }
    }
}

Error File::writeAll(std::string_view bytes) {
    if (const Error error = FaultPlan::check(Op::Write)) {
        return error;
    }
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return lastError();
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

Error File::sync() {
    if (const Error error = FaultPlan::check(Op::Sync)) {
        return error;
    }
    return ::fsync(fd_) == 0 ? 0 : lastError();
}

void File::adopt(const Entry& from) {
    // Best effort: a file system without owners or modes (a memory stick)
    // must still take the save.
    if (from.owner >= 0 && from.group >= 0) {
        (void)::fchown(fd_, static_cast<uid_t>(from.owner), static_cast<gid_t>(from.group));
    }
    (void)::fchmod(fd_, static_cast<mode_t>(from.mode));
}

Error File::close() {
    if (fd_ < 0) {
        return 0;
    }
    if (const Error error = FaultPlan::check(Op::Close)) {
        release();
        return error;
    }
    return release();
}

Error File::release() {
    if (fd_ < 0) {
        return 0;
    }
    // Never retried: on Linux the descriptor is gone whatever close returns.
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 || errno == EINTR ? 0 : lastError();
}

Error syncFolder(const fs::path& folder) {
    if (const Error error = FaultPlan::check(Op::Open)) {
        return error;
    }
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return lastError();
    }
    Error error = FaultPlan::check(Op::Sync);
    if (error == 0 && ::fsync(fd) != 0) {
        error = lastError();
        // Some file systems cannot sync a folder at all; nothing is lost.
        if (error == EINVAL || error == ENOTSUP) {
            error = 0;
        }
    }
    ::close(fd);
    return error;
}

Error replace(const fs::path& from, const fs::path& to) {
    if (const Error error = FaultPlan::check(Op::Rename)) {
        return error;
    }
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : lastError();
}

Error removeFile(const fs::path& path) {
    if (const Error error = FaultPlan::check(Op::Delete)) {
        return error;
    }
    return ::unlink(path.c_str()) == 0 ? 0 : lastError();
}

Error makeFolder(const fs::path& path) {
    if (const Error error = FaultPlan::check(Op::MakeFolder)) {
        return error;
    }
    return ::mkdir(path.c_str(), 0777) == 0 ? 0 : lastError();
}

Error removeFolder(const fs::path& path) {
    if (const Error error = FaultPlan::check(Op::Delete)) {
        return error;
    }
    return ::rmdir(path.c_str()) == 0 ? 0 : lastError();
}

#endif

void claimMemory() {
    if (FaultPlan::check(Op::Memory) != 0) {
        throw std::bad_alloc();
    }
}

std::string temporaryName() {
    static std::mt19937_64 random{std::random_device{}()};
    static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string name(kTemporaryPrefix);
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    for (std::size_t i = 0; i < kTemporaryLetters; ++i) {
        name += kLetters[pick(random)];
    }
    name += kTemporarySuffix;
    return name;
}

bool isTemporaryName(std::string_view name) {
    return name.size() == kTemporaryPrefix.size() + kTemporaryLetters + kTemporarySuffix.size() &&
           name.starts_with(kTemporaryPrefix) && name.ends_with(kTemporarySuffix);
}

} // namespace bm::platform::os
