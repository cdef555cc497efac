#include "core/venues/venue_list.h"

#include "core/text/numbers.h"

#include <algorithm>
#include <unordered_set>

namespace bm::venues {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// A name that is a number and nothing else: blanks around it, an optional
// sign, digits with an optional point, an optional exponent.
bool isNumber(std::string_view text) {
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && isBlank(text[i])) {
            ++i;
        }
    };
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
        }
        return i > start;
    };
    skipBlanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    bool any = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        any = digits() || any;
    }
    if (!any) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        if (!digits()) {
            return false;
        }
    }
    skipBlanks();
    return i == text.size();
}

char folded(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// -1, 0 or 1, ignoring the case of ASCII letters.
int compareFolded(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(folded(a[i]));
        const auto y = static_cast<unsigned char>(folded(b[i]));
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

struct SortKey {
    bool number;
    double value;
    const std::string* name;
};

bool before(const SortKey& a, const SortKey& b) {
    if (a.number != b.number) {
        return a.number;
    }
    if (a.number && a.value != b.value) {
        return a.value < b.value;
    }
    if (!a.number) {
        if (const int c = compareFolded(*a.name, *b.name); c != 0) {
            return c < 0;
        }
    }
    return *a.name < *b.name;
}

} // namespace

VenueRecord VenueList::record(std::size_t index) const {
    VenueRecord values;
    for (std::size_t i = 0; i < kRecordLines; ++i) {
        values[i] = field(index, i);
    }
    return values;
}

std::optional<std::size_t> VenueList::find(std::string_view name) const {
    for (std::size_t i = 0; i < count(); ++i) {
        if (field(i, line::venuename) == name) {
            return i;
        }
    }
    return std::nullopt;
}

std::vector<std::string> VenueList::names(std::optional<std::string_view> country) const {
    std::vector<std::string> found;
    for (std::size_t i = 0; i < count(); ++i) {
        const std::string& name = field(i, line::venuename);
        if (!name.empty() && (!country || field(i, line::country) == *country)) {
            found.push_back(name);
        }
    }
    return found;
}

std::string VenueList::freeDefaultName() const {
    // A set, so that a file full of default names does not take a scan per try.
    std::unordered_set<std::string_view> taken;
    for (std::size_t i = 0; i < count(); ++i) {
        taken.insert(field(i, line::venuename));
    }
    std::string name(kDefaultName);
    // At most count() names are taken, so this ends by count() + 1.
    for (std::size_t n = 1; taken.count(name) > 0; ++n) {
        name = std::string(kDefaultName) + " " + std::to_string(n);
    }
    return name;
}

void VenueList::replace(std::size_t index, const VenueRecord& values) {
    std::copy(values.begin(), values.end(),
              lines_.begin() + static_cast<std::ptrdiff_t>(index * kRecordLines));
}

void VenueList::append(const VenueRecord& values) {
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(count() * kRecordLines),
                  values.begin(), values.end());
}

void VenueList::remove(std::size_t index) {
    const auto first = lines_.begin() + static_cast<std::ptrdiff_t>(index * kRecordLines);
    lines_.erase(first, first + static_cast<std::ptrdiff_t>(kRecordLines));
}

void sortNames(std::vector<std::string>& names) {
    std::vector<SortKey> keys;
    keys.reserve(names.size());
    for (const auto& name : names) {
        const bool number = isNumber(name);
        keys.push_back({number, number ? text::numericValue(name) : 0.0, &name});
    }
    std::sort(keys.begin(), keys.end(), before);
    std::vector<std::string> sorted;
    sorted.reserve(names.size());
    for (const auto& key : keys) {
        sorted.push_back(*key.name);
    }
    names = std::move(sorted);
}

} // namespace bm::venues
