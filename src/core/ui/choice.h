#pragma once

#include <span>
#include <string>
#include <string_view>

namespace bm::ui {

// What a drop-down choice list shows: one of its fixed entries or, for a
// stored value that is none of them (a file made elsewhere), that value as it
// stands, so the list neither fails nor pretends the value is an entry.
class Choice {
public:
    explicit Choice(std::span<const std::string_view> entries) : entries_(entries) {}

    std::span<const std::string_view> entries() const { return entries_; }
    // The shown entry's position, -1 while the shown value is no entry.
    int index() const { return index_; }
    std::string text() const {
        return index_ >= 0 ? std::string(entries_[static_cast<std::size_t>(index_)]) : other_;
    }

    // False, and nothing changes, for a position outside the list.
    bool select(int index) {
        if (index < 0 || static_cast<std::size_t>(index) >= entries_.size()) {
            return false;
        }
        index_ = index;
        other_.clear();
        return true;
    }
    // The entry equal to the value (exactly, case-sensitively) or the value.
    void show(std::string_view value) {
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            if (entries_[i] == value) {
                select(static_cast<int>(i));
                return;
            }
        }
        showOther(value);
    }
    void showOther(std::string_view value) {
        index_ = -1;
        other_ = std::string(value);
    }

private:
    std::span<const std::string_view> entries_;
    int index_ = 0;
    std::string other_;
};

} // namespace bm::ui
