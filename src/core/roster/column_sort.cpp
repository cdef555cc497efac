#include "core/roster/column_sort.h"

#include "core/text/case.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <unordered_map>

namespace bm::roster {
namespace {

bool numberIn(std::string_view text, double& value) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    // from_chars would also take "inf" and "nan", which are words here.
    if (text.empty() || !(text.front() == '.' || (text.front() >= '0' && text.front() <= '9'))) {
        return false;
    }
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) {
        return false;
    }
    value = negative ? -value : value;
    return true;
}

// A cell made ready for many comparisons.
struct Key {
    // The first 16 bytes in lower case, the first in the highest place,
    // zeros after the end: most comparisons end here.
    std::uint64_t high = 0;
    std::uint64_t low = 0;
    double number = 0.0;
    bool isNumber = false;
    std::string_view text;
};
constexpr std::size_t kPrefixBytes = 16;

Key keyOf(std::string_view text) {
    Key key;
    key.text = text;
    key.isNumber = numberIn(text, key.number);
    for (std::size_t i = 0; i < kPrefixBytes; ++i) {
        const std::uint64_t byte =
            i < text.size() ? static_cast<unsigned char>(text::lowerCase(text[i])) : 0;
        std::uint64_t& word = i < 8 ? key.high : key.low;
        word = (word << 8) | byte;
    }
    return key;
}

int compareKeys(const Key& a, const Key& b) {
    if (a.isNumber != b.isNumber) {
        return a.isNumber ? -1 : 1;
    }
    if (a.isNumber && a.number != b.number) {
        return a.number < b.number ? -1 : 1;
    }
    if (a.high != b.high) {
        return a.high < b.high ? -1 : 1;
    }
    if (a.low != b.low) {
        return a.low < b.low ? -1 : 1;
    }
    if (a.text.size() <= kPrefixBytes && b.text.size() <= kPrefixBytes) {
        // The prefixes hold both texts whole: equal but for case (or the
        // shorter one is the start of the other).
        if (a.text.size() != b.text.size()) {
            return a.text.size() < b.text.size() ? -1 : 1;
        }
        const int exact = a.text.compare(b.text);
        return exact < 0 ? -1 : exact > 0 ? 1 : 0;
    }
    return text::compareCaseBlind(a.text, b.text);
}

} // namespace

int compareCells(std::string_view a, std::string_view b) {
    return compareKeys(keyOf(a), keyOf(b));
}

void sortRows(std::vector<int>& rows, const CellOf& cellOf) {
    struct Keyed {
        Key key;
        int row;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(rows.size());
    for (const int row : rows) {
        keyed.push_back({keyOf(cellOf(row)), row});
    }
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        const int c = compareKeys(a.key, b.key);
        return c != 0 ? c < 0 : a.row < b.row;
    });
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        rows[i] = keyed[i].row;
    }
}

void groupRows(std::vector<int>& rows, const CellOf& cellOf) {
    // A column such as the promotion holds few distinct cells: those are
    // sorted, and the rows dealt into them in the order they come.
    std::unordered_map<std::string_view, std::size_t> groupOf;
    std::vector<std::string_view> cells;
    std::vector<std::size_t> groups;
    groups.reserve(rows.size());
    for (const int row : rows) {
        const std::string_view cell = cellOf(row);
        const auto [it, added] = groupOf.try_emplace(cell, cells.size());
        if (added) {
            cells.push_back(cell);
        }
        groups.push_back(it->second);
    }
    std::vector<int> order(cells.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = static_cast<int>(i);
    }
    sortRows(order, [&cells](int i) { return cells[static_cast<std::size_t>(i)]; });
    // Rows per group, then where each group begins in sorted order.
    std::vector<std::size_t> count(cells.size(), 0);
    for (const std::size_t g : groups) {
        ++count[g];
    }
    std::vector<std::size_t> next(cells.size(), 0);
    std::size_t at = 0;
    for (const int g : order) {
        next[static_cast<std::size_t>(g)] = at;
        at += count[static_cast<std::size_t>(g)];
    }
    std::vector<int> sorted(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        sorted[next[groups[i]]++] = rows[i];
    }
    rows = std::move(sorted);
}

} // namespace bm::roster
