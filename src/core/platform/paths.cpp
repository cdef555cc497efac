#include "core/platform/paths.h"

#include "core/platform/os.h"
#include "core/text/name_order.h"
#include "core/text/pattern.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <system_error>

namespace bm::platform {
namespace fs = std::filesystem;

fs::path gameFolder() {
    std::error_code ec;
    fs::path folder = fs::current_path(ec);
    return ec ? fs::path() : folder;
}

fs::path contextPath(std::string_view contextFolder, std::string_view fileName) {
    fs::path path = gameFolder();
    std::size_t start = 0;
    while (start <= contextFolder.size()) {
        std::size_t end = contextFolder.find('\\', start);
        if (end == std::string_view::npos) {
            end = contextFolder.size();
        }
        const std::string_view part = contextFolder.substr(start, end - start);
        // Never climb out of the game folder, whatever the text holds.
        if (!part.empty() && part != "." && part != "..") {
            path /= std::string(part);
        }
        start = end + 1;
    }
    if (!fileName.empty()) {
        path /= std::string(fileName);
    }
    return path;
}

std::vector<std::string> listFolders(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) {
            names.push_back(it->path().filename().string());
        }
    }
    std::sort(names.begin(), names.end(), text::namesInOrder);
    return names;
}

std::vector<std::string> listFiles(const fs::path& folder, std::string_view patterns) {
    std::vector<std::string_view> wanted;
    std::size_t start = 0;
    while (start <= patterns.size()) {
        std::size_t end = patterns.find(';', start);
        if (end == std::string_view::npos) {
            end = patterns.size();
        }
        if (end > start) {
            wanted.push_back(patterns.substr(start, end - start));
        }
        start = end + 1;
    }
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) {
            continue;
        }
        std::string name = it->path().filename().string();
        const bool match = std::any_of(wanted.begin(), wanted.end(), [&](std::string_view p) {
            return text::matchesPattern(name, p);
        });
        if (match) {
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end(), text::namesInOrder);
    return names;
}

Status createFolder(const fs::path& path, bool* existed) {
    const os::Error error = os::makeFolder(path);
    if (existed != nullptr) {
        *existed = os::isExisting(error);
    }
    if (error) {
        return Status::failure("The folder \"" + path.string() + "\" could not be created (" +
                               os::reason(error) + ").");
    }
    return Status::success();
}

Status removeEmptyFolder(const fs::path& path) {
    if (const os::Error error = os::removeFolder(path)) {
        return Status::failure("The folder \"" + path.string() + "\" could not be removed (" +
                               os::reason(error) + ").");
    }
    return Status::success();
}

namespace {

// The system reads a name only up to a NUL byte: a name that holds one would
// stand for another file, and no file has it.
bool holdsNul(const fs::path& path) {
    return path.native().find(fs::path::value_type{}) != fs::path::string_type::npos;
}

} // namespace

bool fileExists(const fs::path& path) {
    std::error_code ec;
    return !holdsNul(path) && fs::exists(path, ec);
}

bool isFile(const fs::path& path) {
    std::error_code ec;
    return !holdsNul(path) && fs::is_regular_file(path, ec);
}

bool isSafeFileName(std::string_view name) {
    if (name.empty() || name.size() > 255 || name == "." || name == "..") {
        return false;
    }
    for (const char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || std::string_view("<>:\"/\\|?*").find(ch) != std::string_view::npos) {
            return false;
        }
    }
    if (name.back() == ' ' || name.back() == '.') {
        return false;
    }
    // Device names are reserved whatever the extension or letter case.
    std::string stem(name.substr(0, name.find('.')));
    while (!stem.empty() && stem.back() == ' ') {
        stem.pop_back();
    }
    for (char& c : stem) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    static constexpr std::array<std::string_view, 4> kDevices{"CON", "PRN", "AUX", "NUL"};
    if (std::find(kDevices.begin(), kDevices.end(), stem) != kDevices.end()) {
        return false;
    }
    if (stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) &&
        stem[3] >= '1' && stem[3] <= '9') {
        return false;
    }
    return true;
}

bool isPlainFolderName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") {
        return false;
    }
    return std::none_of(name.begin(), name.end(), [](char ch) {
        const auto c = static_cast<unsigned char>(ch);
        return c < 0x20 || ch == '/' || ch == '\\' || ch == ':';
    });
}

} // namespace bm::platform
