#pragma once

#include "core/platform/line_file.h"
#include "core/platform/status.h"
#include "core/promotion/record/promotion_layout.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace bm::promotion {

// The lines of one promotion file, in file order, exactly as read. A file may
// be shorter than the layout (missing lines read as empty) or longer (the
// extra lines travel along unchanged).
class PromotionRecord {
public:
    const std::string& get(int line) const;
    // Grows a short record to the full layout first, so a set never lands
    // outside it and the lines in between exist.
    void set(int line, std::string value);

    std::size_t lineCount() const { return lines_.size(); }
    const platform::Lines& lines() const { return lines_; }
    void assign(platform::Lines lines) { lines_ = std::move(lines); }

private:
    platform::Lines lines_;
};

// The record a new promotion starts from.
const std::array<std::string_view, line::kLineCount>& templatePromotion();
PromotionRecord makeTemplateRecord();

// Reads the file into the record; on failure the record is left as it was.
platform::Status loadPromotion(const std::filesystem::path& path, PromotionRecord& record);
// The same from bytes already read whole; `path` only names the file in messages.
platform::Status parsePromotion(std::string_view bytes, const std::filesystem::path& path,
                                PromotionRecord& record);
platform::Status writePromotion(const std::filesystem::path& path, const PromotionRecord& record);

// The promotion's name (its second line) without reading the whole file; an
// unreadable or short file gives "".
std::string readPromotionName(const std::filesystem::path& path);

} // namespace bm::promotion
