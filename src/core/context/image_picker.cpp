#include "core/context/image_picker.h"

#include "core/platform/paths.h"

#include <utility>

namespace bm::context {

ImagePicker::ImagePicker(ui::Navigator& navigator) : navigator_(navigator) {}

void ImagePicker::choose(std::string heading, ui::NoImage noImage, Chosen chosen) {
    heading_ = std::move(heading);
    chosen_ = std::move(chosen);
    files_ = platform::listFiles(platform::contextPath(kImagesFolder), kImagePatterns);
    selected_ = -1;
    previewFile(0);
    // Set on every opening, so a picker closed by its window frame cannot
    // leave the button disabled for the next field.
    noImageEnabled_ = noImage == ui::NoImage::Offered;
    open_ = true;
    changed();
    navigator_.open(ui::Screen::ImagePicker);
}

void ImagePicker::dismiss() {
    if (open_) {
        makeNoChanges();
    }
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
    if (files_.empty()) {
        close(std::nullopt);
        return;
    }
    close(files_[static_cast<std::size_t>(selected_ >= 0 ? selected_ : 0)]);
}

void ImagePicker::useNoImage() {
    if (noImageEnabled_) {
        close(std::string(kNoImage));
    }
}

void ImagePicker::makeNoChanges() {
    close(std::nullopt);
}

void ImagePicker::previewFile(int row) {
    preview_ = row >= 0 && static_cast<std::size_t>(row) < files_.size()
                   ? platform::contextPath(kImagesFolder, files_[static_cast<std::size_t>(row)])
                   : std::filesystem::path();
}

void ImagePicker::close(std::optional<std::string> value) {
    const Chosen chosen = std::exchange(chosen_, nullptr);
    open_ = false;
    noImageEnabled_ = true;
    changed();
    navigator_.close(ui::Screen::ImagePicker);
    if (chosen) {
        chosen(value);
    }
}

} // namespace bm::context
