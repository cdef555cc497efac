#pragma once

#include "core/text/numbers.h"

#include <algorithm>
#include <string_view>

namespace bm::ui {

// A horizontal scroll bar over whole values. A stored value that is no whole
// number within the range (a hand-edited file) is shown clamped into it;
// nothing is written back until the user moves the bar.
class Bar {
public:
    constexpr Bar(int min, int max) : min_(min), max_(max), position_(min) {}

    int min() const { return min_; }
    int max() const { return max_; }
    int position() const { return position_; }

    // The stored text's numeric value, rounded, within the range.
    void show(std::string_view stored) {
        position_ = std::clamp(text::wholeNumber(stored), min_, max_);
    }
    // The user's move; false, and nothing changes, outside the range.
    bool move(int position) {
        if (position < min_ || position > max_) {
            return false;
        }
        position_ = position;
        return true;
    }

private:
    int min_;
    int max_;
    int position_;
};

} // namespace bm::ui
