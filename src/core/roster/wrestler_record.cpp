#include "core/roster/wrestler_record.h"

#include <algorithm>

namespace bm::roster {

WrestlerRecord::WrestlerRecord() {
    bytes_.reserve(kFieldCount * 2);
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        bytes_ += "\r\n";
    }
}

WrestlerRecord WrestlerRecord::fromFileBytes(std::string bytes) {
    WrestlerRecord record;
    record.bytes_ = std::move(bytes);
    return record;
}

std::size_t WrestlerRecord::start(Field field) const {
    std::size_t pos = 0;
    for (std::size_t i = indexOf(field); i > 0 && pos < bytes_.size(); --i) {
        pos = std::min(bytes_.find('\r', pos), bytes_.size()) + 2;
    }
    return std::min(pos, bytes_.size());
}

std::size_t WrestlerRecord::length(std::size_t from) const {
    return std::min(bytes_.find('\r', from), bytes_.size()) - from;
}

std::string_view WrestlerRecord::get(Field field) const {
    const std::size_t from = start(field);
    return std::string_view(bytes_).substr(from, length(from));
}

void WrestlerRecord::set(Field field, std::string_view value) {
    const std::size_t from = start(field);
    bytes_.replace(from, length(from), value);
    std::replace(bytes_.begin() + static_cast<std::ptrdiff_t>(from),
                 bytes_.begin() + static_cast<std::ptrdiff_t>(from + value.size()), '\r', ' ');
}

} // namespace bm::roster
