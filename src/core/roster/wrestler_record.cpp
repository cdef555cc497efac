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
    for (std::size_t i = indexOf(field); i > 0; --i) {
        pos = bytes_.find('\r', pos) + 2;
    }
    return pos;
}

std::string_view WrestlerRecord::get(Field field) const {
    const std::size_t from = start(field);
    return std::string_view(bytes_).substr(from, bytes_.find('\r', from) - from);
}

void WrestlerRecord::set(Field field, std::string_view value) {
    const std::size_t from = start(field);
    const std::size_t length = bytes_.find('\r', from) - from;
    bytes_.replace(from, length, value);
    std::replace(bytes_.begin() + static_cast<std::ptrdiff_t>(from),
                 bytes_.begin() + static_cast<std::ptrdiff_t>(from + value.size()), '\r', ' ');
}

} // namespace bm::roster
