#pragma once

#include <filesystem>
#include <string>
#include <utility>

namespace bm::platform {

// Outcome of a file operation. A failure carries a message for the user that
// names the file concerned.
class Status {
public:
    static Status success() { return Status{}; }
    static Status failure(std::string message) { return Status{std::move(message)}; }

    bool ok() const { return message_.empty(); }
    explicit operator bool() const { return ok(); }
    const std::string& message() const { return message_; }

private:
    Status() = default;
    explicit Status(std::string message)
        : message_(message.empty() ? std::string("Unknown file error.") : std::move(message)) {}
    std::string message_;
};

// A file's path as messages name it: in double quotes.
inline std::string quoted(const std::filesystem::path& path) {
    return "\"" + path.string() + "\"";
}

} // namespace bm::platform
