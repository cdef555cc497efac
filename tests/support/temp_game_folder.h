#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace bm::test {

// A fresh game folder (with an empty Data folder), the current directory
// while it lives; afterwards the previous one is back and the folder gone.
class TempGameFolder {
public:
    explicit TempGameFolder(bool withData = true);
    ~TempGameFolder();

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path path(std::string_view relative) const {
        return root_ / std::filesystem::path(std::string(relative));
    }
    // Writes raw bytes, making folders on the way.
    void write(std::string_view relative, std::string_view bytes) const;
    // Writes lines, each ended by CR LF.
    void writeLines(std::string_view relative, const std::vector<std::string>& lines) const {
        std::string bytes;
        for (const auto& l : lines) {
            bytes += l + "\r\n";
        }
        write(relative, bytes);
    }
    std::string read(std::string_view relative) const {
        std::ifstream in(path(relative), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void makeFolder(std::string_view relative) const {
        std::filesystem::create_directories(path(relative));
    }
    bool exists(std::string_view relative) const { return std::filesystem::exists(path(relative)); }

private:
    std::filesystem::path root_;
    std::filesystem::path previous_;
};

// The bytes of every value 0..255 except CR and LF, as one line.
std::string everyByteButLineEnds();

} // namespace bm::test
