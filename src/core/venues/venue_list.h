#pragma once

#include "core/platform/line_file.h"
#include "core/venues/venue_layout.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bm::venues {

using VenueRecord = std::array<std::string, kRecordLines>;

// The lines of a venues file seen as six-line records. Lines after the last
// whole record belong to no venue; they are kept, unchanged, at the end of
// the file, so a damaged file loses nothing when a venue is changed.
class VenueList {
public:
    VenueList() = default;
    explicit VenueList(platform::Lines lines) : lines_(std::move(lines)) {}

    // Every line, in file order, as it is written.
    const platform::Lines& lines() const { return lines_; }
    std::size_t count() const { return lines_.size() / kRecordLines; }
    VenueRecord record(std::size_t index) const;
    const std::string& field(std::size_t index, std::size_t line) const {
        return lines_[index * kRecordLines + line];
    }

    // The first record whose name is exactly `name`.
    std::optional<std::size_t> find(std::string_view name) const;
    // The non-empty names, in file order; with a country, only those whose
    // country line is exactly that country.
    std::vector<std::string> names(std::optional<std::string_view> country = {}) const;
    // "Default Venue", else the first "Default Venue N" (N = 1, 2, ...) that
    // no record has.
    std::string freeDefaultName() const;

    void replace(std::size_t index, const VenueRecord& values);
    // After the last whole record, ahead of any lines that belong to none.
    void append(const VenueRecord& values);
    void remove(std::size_t index);

private:
    platform::Lines lines_;
};

// Ascending: names that are numbers first, by value; then the others
// alphabetically, ignoring letter case. Ties fall back to the bytes, so the
// order never depends on where a name stood.
void sortNames(std::vector<std::string>& names);

} // namespace bm::venues
