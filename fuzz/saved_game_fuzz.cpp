// A saved-game marker of any bytes: its first line is listed exactly as it
// stands, or the marker is refused with a message naming it; a listed game is
// edited in a folder directly inside the game folder, never elsewhere. The
// editor never writes markers, so there is nothing to write back.
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace bm;
    using fuzz::require;
    auto& s = fuzz::Session::get();
    s.begin();
    const auto bytes = fuzz::bytesOf(data, size);
    s.game.write("fuzz.sav", bytes);
    const auto lines = fuzz::linesOf(bytes);

    auto& start = s.editor.start;
    start.editSavedGame();
    require(start.choosing());
    if (start.items().empty()) {
        require(s.dialogs.shown.size() == 1);
        require(s.dialogs.shown[0].text.find("\"fuzz.sav\"") != std::string::npos ||
                s.dialogs.named(s.game.path("fuzz.sav")));
        start.cancel();
        return 0;
    }
    require(start.items().size() == 1 && !lines.empty() && start.items()[0] == lines[0]);
    start.select(0);
    start.ok();
    require(s.navigator.current() == ui::Screen::EditingMenu);
    require(s.editor.context.folder() == "\\" + lines[0] + "\\");
    int parts = 0;
    for (const auto& part : s.editor.context.pathOf("x").lexically_relative(s.game.root())) {
        require(part != ".." && part != "." && !part.has_root_path());
        parts += part.empty() ? 0 : 1;
    }
    require(parts == 2); // the game's folder, then the file
    return 0;
}
