#pragma once

#include "core/promotion/record/promotion_record.h"
#include "core/ui/model.h"
#include "core/ui/navigator.h"

#include <filesystem>
#include <functional>
#include <optional>
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
// Stored for "no image".
inline constexpr std::string_view kNoImage = "NA";

// The target headings: the picker writes where its heading says.
inline constexpr std::string_view kPromotionLogoHeading = "Promotion Logo";
std::string showLogoHeading(int show);     // 1..4: "Show 1 Logo"
std::string bigShowLogoHeading(int month); // 1..12: "January Big Show Logo"
// The record line a heading names; none for any other text.
std::optional<int> imageTargetLine(std::string_view heading);

// Chooses a logo from the game's Images folder, beside the step that opened
// it. The choice goes straight into the record; the step learns of it
// through the callback it gave when opening.
class ImagePicker : public ui::Model {
public:
    using Chosen = std::function<void(const std::string& value)>;

    ImagePicker(ui::Navigator& navigator, promotion::PromotionRecord& record);

    // Lists the images afresh, previews the first and shows the picker.
    void open(std::string heading, Chosen chosen);

    // What the user can do.
    void select(int row);
    void useImage();
    void useNoImage(); // "Don't Use Any Image"
    void makeNoChanges();

    const std::string& heading() const { return heading_; }
    const std::vector<std::string>& files() const { return files_; }
    int selected() const { return selected_; }
    // The file the preview shows; empty for none.
    const std::filesystem::path& preview() const { return preview_; }
    bool noImageEnabled() const { return noImageEnabled_; }

private:
    void write(const std::string& value);
    void previewFile(int row);
    void close();

    ui::Navigator& navigator_;
    promotion::PromotionRecord& record_;
    Chosen chosen_;

    std::string heading_;
    std::vector<std::string> files_;
    int selected_ = -1;
    std::filesystem::path preview_;
    bool noImageEnabled_ = true;
};

} // namespace bm::context
