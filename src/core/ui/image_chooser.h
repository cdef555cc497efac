#pragma once

#include <functional>
#include <optional>
#include <string>

namespace bm::ui {

// Whether a chooser offers to clear the image ("NA").
enum class NoImage { Offered, NotOffered };

// A side window that chooses an image file for the screen that opened it,
// without blocking it. The answer comes later, through the callback given
// when opening: a file name, "NA" for no image, or nothing when the user
// changed nothing. The screens that need an image know this seam only.
class ImageChooser {
public:
    using Chosen = std::function<void(const std::optional<std::string>& value)>;

    // Shows the chooser headed by the field it sets. Opening it again
    // replaces the callback of an earlier opening that was never answered.
    virtual void choose(std::string heading, NoImage noImage, Chosen chosen) = 0;
    // Closes it as if "Make No Changes" was pressed; nothing when it is closed.
    virtual void dismiss() = 0;

protected:
    ~ImageChooser() = default;
};

} // namespace bm::ui
