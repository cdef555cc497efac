// A promotion file of any bytes: it loads into every step screen, writes back
// the lines it read, and the save either refuses it with the rules' messages
// or writes exactly the record it derived.
#include "fuzz_support.h"

#include "core/promotion/record/promotion_record.h"
#include "core/promotion/save_rules.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace bm;
    using fuzz::require;
    auto& s = fuzz::Session::get();
    s.begin();
    const auto bytes = fuzz::bytesOf(data, size);
    s.game.write("Data/fuzz.fed", bytes);
    const auto path = s.game.path("Data/fuzz.fed");

    // Read, write, read again: the same lines, byte for byte.
    promotion::PromotionRecord record;
    require(promotion::loadPromotion(path, record).ok());
    require(record.lines() == fuzz::linesOf(bytes));
    require(promotion::writePromotion(s.game.path("Data/again.fed"), record).ok());
    promotion::PromotionRecord again;
    require(promotion::loadPromotion(s.game.path("Data/again.fed"), again).ok());
    require(again.lines() == record.lines());
    s.game.remove("Data/again.fed");

    // Through the chooser: the name line, then every step filled from it.
    auto& chooser = s.editor.chooser;
    chooser.setMode(promotion::ChooserMode::Edit);
    const auto& files = chooser.files();
    const auto row = std::find(files.begin(), files.end(), "fuzz.fed") - files.begin();
    require(row < static_cast<std::ptrdiff_t>(files.size()));
    chooser.select(static_cast<int>(row));
    const auto lines = fuzz::linesOf(bytes);
    require(chooser.promptLine() == (lines.size() >= 2 ? lines[1] : ""));
    chooser.act();
    require(s.navigator.current() == ui::Screen::Step1);
    require(chooser.nameoffile() == "fuzz.fed");
    require(chooser.record().lineCount() >= lines.size());

    // The save: refused with the rules' messages and nothing written, or
    // written whole with the derived lines.
    s.dialogs.shown.clear();
    auto edited = chooser.record();
    if (promotion::savePromotion(edited, "fuzz.fed", s.editor.context, s.dialogs)) {
        require(fuzz::linesOf(s.game.read("Data/fuzz.fed")) == edited.lines());
    } else {
        require(!s.dialogs.shown.empty());
        require(s.game.read("Data/fuzz.fed") == bytes);
        require(edited.lines() == chooser.record().lines());
    }
    return 0;
}
