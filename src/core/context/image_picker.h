#pragma once

#include "core/ui/image_chooser.h"
#include "core/ui/model.h"
#include "core/ui/navigator.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace bm::context {

inline constexpr std::string_view kImagePickerTitle = "Select An Image File";
inline constexpr std::string_view kImagesFolder = "\\Images\\";
inline constexpr std::string_view kImagePatterns = "*.jpg;*.jpeg;*.bmp;*.gif";
inline constexpr std::string_view kUseImage = "Use This Image";
inline constexpr std::string_view kUseNoImage = "Don't Use Any Image";
inline constexpr std::string_view kMakeNoChanges = "Make No Changes";
inline constexpr std::string_view kPreviewName = "Preview";
// Handed over for "no image".
inline constexpr std::string_view kNoImage = "NA";

// Chooses a logo from the game's Images folder, beside the screen that
// opened it. It writes nothing itself: the value goes to the opener's
// callback, which knows where it belongs.
class ImagePicker : public ui::Model, public ui::ImageChooser {
public:
    explicit ImagePicker(ui::Navigator& navigator);

    // Lists the images afresh, previews the first and shows the picker.
    void choose(std::string heading, ui::NoImage noImage, Chosen chosen) override;
    void dismiss() override;

    // What the user can do.
    void select(int row);
    void useImage();
    void useNoImage(); // "Don't Use Any Image"
    void makeNoChanges();

    bool isOpen() const { return open_; }
    const std::string& heading() const { return heading_; }
    const std::vector<std::string>& files() const { return files_; }
    int selected() const { return selected_; }
    // The file the preview shows; empty for none.
    const std::filesystem::path& preview() const { return preview_; }
    bool noImageEnabled() const { return noImageEnabled_; }

private:
    void previewFile(int row);
    // Hides the picker, then tells the opener (which may open it again).
    void close(std::optional<std::string> value);

    ui::Navigator& navigator_;
    Chosen chosen_;
    bool open_ = false;

    std::string heading_;
    std::vector<std::string> files_;
    int selected_ = -1;
    std::filesystem::path preview_;
    bool noImageEnabled_ = true;
};

} // namespace bm::context
