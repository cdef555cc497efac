#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace bm::ui {

// Background colours of a selectable caption, as 0xRRGGBB.
inline constexpr std::uint32_t kSelectedColour = 0xFFFFFF;   // white
inline constexpr std::uint32_t kUnselectedColour = 0xC0C0C0; // silver

// One of several like items (four shows, twelve months, eight titles) that a
// screen edits one at a time: exactly one is selected, and its caption is
// drawn white while the others are silver.
class Selection {
public:
    explicit Selection(std::span<const std::string_view> captions) : captions_(captions) {}

    std::span<const std::string_view> captions() const { return captions_; }
    int size() const { return static_cast<int>(captions_.size()); }
    // Counted from 0; the first item until another is selected.
    int selected() const { return selected_; }
    bool isSelected(int item) const { return item == selected_; }
    std::uint32_t colour(int item) const {
        return isSelected(item) ? kSelectedColour : kUnselectedColour;
    }

    // False, and nothing changes, for a position outside the list.
    bool select(int item) {
        if (item < 0 || item >= size()) {
            return false;
        }
        selected_ = item;
        return true;
    }

private:
    std::span<const std::string_view> captions_;
    int selected_ = 0;
};

} // namespace bm::ui
