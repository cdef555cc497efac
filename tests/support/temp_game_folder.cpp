#include "support/temp_game_folder.h"

#include <numeric>
#include <stdexcept>
#include <stdlib.h>

namespace bm::test {
namespace fs = std::filesystem;

TempGameFolder::TempGameFolder(bool withData) : previous_(fs::current_path()) {
    std::string name = (fs::temp_directory_path() / "bm13-test-XXXXXX").string();
    if (!mkdtemp(name.data())) {
        throw std::runtime_error("test setup could not make " + name);
    }
    root_ = name;
    if (withData) {
        fs::create_directory(root_ / "Data");
    }
    fs::current_path(root_);
}

TempGameFolder::~TempGameFolder() {
    std::error_code ec;
    fs::current_path(previous_, ec);
    // Tests may leave read-only or odd entries behind; make sure they go.
    fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(root_, ec);
}

void TempGameFolder::write(std::string_view relative, std::string_view bytes) const {
    const fs::path p = path(relative);
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("test setup could not write " + p.string());
    }
}

std::string everyByteButLineEnds() {
    std::string bytes(256, '\0');
    std::iota(bytes.begin(), bytes.end(), '\0');
    std::erase(bytes, '\r');
    std::erase(bytes, '\n');
    return bytes;
}

} // namespace bm::test
