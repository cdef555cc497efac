// Line splitting is what every reader of the game's files goes through.
#include "core/platform/line_file.h"
#include "core/promotion/record/promotion_record.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto lines = bm::platform::splitLines(bytes);
    // Lines never hold a CR; joined and split again they come back the same.
    for (const auto& line : lines) {
        if (line.find('\r') != std::string::npos) {
            std::abort();
        }
    }
    if (bm::platform::splitLines(bm::platform::joinLines(lines)) != lines) {
        std::abort();
    }
    // A record of any shape reads and grows without leaving its lines.
    bm::promotion::PromotionRecord record;
    record.assign(lines);
    for (int l = -1; l <= bm::promotion::line::kLineCount; ++l) {
        (void)record.get(l);
    }
    record.set(bm::promotion::line::days, "0");
    if (record.lineCount() < static_cast<std::size_t>(bm::promotion::line::kLineCount)) {
        std::abort();
    }
    return 0;
}
