#include "core/context/image_picker.h"

#include "core/calendar/calendar.h"
#include "core/platform/paths.h"
#include "core/promotion/record/promotion_layout.h"

namespace bm::context {
namespace line = promotion::line;

std::string showLogoHeading(int show) {
    return "Show " + std::to_string(show) + " Logo";
}

std::string bigShowLogoHeading(int month) {
    return std::string(calendar::monthName(month)) + " Big Show Logo";
}

std::optional<int> imageTargetLine(std::string_view heading) {
    if (heading == kPromotionLogoHeading) {
        return line::promlogo;
    }
    for (int show = 1; show <= line::kShowCount; ++show) {
        if (heading == showLogoHeading(show)) {
            return line::showLines(show).showlogo;
        }
    }
    for (int month = 1; month <= line::kMonthCount; ++month) {
        if (heading == bigShowLogoHeading(month)) {
            return line::monthLines(month).bigshowlogo;
        }
    }
    return std::nullopt;
}

ImagePicker::ImagePicker(ui::Navigator& navigator, promotion::PromotionRecord& record)
    : navigator_(navigator), record_(record) {}

void ImagePicker::open(std::string heading, Chosen chosen) {
    heading_ = std::move(heading);
    chosen_ = std::move(chosen);
    files_ = platform::listFiles(platform::contextPath(kImagesFolder), kImagePatterns);
    selected_ = -1;
    previewFile(0);
    // A promotion must have a logo. Set from the heading on every opening,
    // so a picker closed by its window frame cannot leave it disabled.
    noImageEnabled_ = heading_ != kPromotionLogoHeading;
    changed();
    navigator_.open(ui::Screen::ImagePicker);
}

void ImagePicker::select(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= files_.size()) {
        selected_ = -1;
    } else {
        selected_ = row;
        previewFile(row);
    }
    changed();
}

void ImagePicker::useImage() {
    // With nothing listed there is nothing to use: the field stays as it is.
    if (!files_.empty()) {
        write(files_[static_cast<std::size_t>(selected_ >= 0 ? selected_ : 0)]);
    }
    noImageEnabled_ = true;
    close();
}

void ImagePicker::useNoImage() {
    if (!noImageEnabled_) {
        return;
    }
    write(std::string(kNoImage));
    close();
}

void ImagePicker::makeNoChanges() {
    noImageEnabled_ = true;
    close();
}

void ImagePicker::write(const std::string& value) {
    const auto target = imageTargetLine(heading_);
    if (!target) {
        return;
    }
    record_.set(*target, value);
    // A copy: the step being told may open the picker again.
    if (const Chosen chosen = chosen_) {
        chosen(value);
    }
}

void ImagePicker::previewFile(int row) {
    preview_ = row >= 0 && static_cast<std::size_t>(row) < files_.size()
                   ? platform::contextPath(kImagesFolder, files_[static_cast<std::size_t>(row)])
                   : std::filesystem::path();
}

void ImagePicker::close() {
    chosen_ = nullptr;
    changed();
    navigator_.close(ui::Screen::ImagePicker);
}

} // namespace bm::context
