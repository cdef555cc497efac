// What the reader targets share: the whole editor on a game folder of its
// own, dialogs that decline everything and remember what they showed, and the
// checks that stop a run on a finding.
#pragma once

#include "core/app/editor.h"
#include "core/platform/line_file.h"
#include "support/quiet_ui.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace bm::fuzz {

// A finding: libFuzzer (or the replay driver) reports the input that got here.
inline void require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

using test::QuietDialogs;
using test::QuietNavigator;

// A game folder (with "Data") under the temporary folder, made once per
// process and made the current directory; removed when the process ends.
class Game {
public:
    static Game& get() {
        static Game game;
        return game;
    }
    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path path(std::string_view relative) const { return root_ / relative; }

    void write(std::string_view relative, std::string_view bytes) const {
        const auto file = path(relative);
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    std::string read(std::string_view relative) const {
        std::ifstream in(path(relative), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void remove(std::string_view relative) const {
        std::error_code ec;
        std::filesystem::remove_all(path(relative), ec);
    }

    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

private:
    Game() {
        root_ = std::filesystem::temp_directory_path() /
                ("bm-fuzz-" + std::to_string(static_cast<long>(::getpid())));
        std::filesystem::create_directories(root_ / "Data");
        std::filesystem::current_path(root_);
    }
    // Runs when the process ends normally; a crash leaves the folder to look at.
    ~Game() {
        std::error_code ec;
        std::filesystem::current_path(std::filesystem::temp_directory_path(), ec);
        std::filesystem::remove_all(root_, ec);
    }
    std::filesystem::path root_;
};

// The whole editor, made once; each run starts from a clean slate of boxes.
struct Session {
    Game& game = Game::get();
    QuietDialogs dialogs;
    QuietNavigator navigator;
    app::Editor editor{dialogs, navigator};

    static Session& get() {
        static Session session;
        return session;
    }
    void begin(bool yes = false) {
        dialogs.shown.clear();
        dialogs.yes = yes;
    }
    // A file that was refused: a box named it and it is byte for byte as it was.
    void requireRefused(std::string_view relative, std::string_view bytes) const {
        require(dialogs.named(game.path(relative)));
        require(game.read(relative) == bytes);
    }
};

// The lines a reader must see in any bytes, as the game reads them.
inline platform::Lines linesOf(std::string_view bytes) {
    return platform::splitLines(bytes);
}

} // namespace bm::fuzz
