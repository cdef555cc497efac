#pragma once

#include "core/roster/wrestler_layout.h"

#include <string>
#include <string_view>

namespace bm::roster {

// One wrestler: 31 values, each the exact bytes of its line. They are kept
// in one buffer exactly as the file holds them (every value followed by
// CR LF), which costs little more than the file itself and writes back as
// it stands. A value never holds a CR, so the line ends alone delimit it.
class WrestlerRecord {
public:
    // 31 empty values.
    WrestlerRecord();

    std::string_view get(Field field) const;
    // A CR in the value would split the line in the file; it becomes a blank.
    void set(Field field, std::string_view value);

    std::string_view names() const { return get(Field::names); }
    std::string_view shortname() const { return get(Field::shortname); }
    std::string_view promotion() const { return get(Field::promotion); }
    std::string_view brand() const { return get(Field::brand); }
    std::string_view gender() const { return get(Field::gender); }
    std::string_view pop() const { return get(Field::pop); }
    std::string_view ent() const { return get(Field::ent); }
    std::string_view desc() const { return get(Field::desc); }
    std::string_view expires() const { return get(Field::expires); }
    std::string_view wages() const { return get(Field::wages); }
    std::string_view indybookings() const { return get(Field::indybookings); }
    std::string_view bookingfee() const { return get(Field::bookingfee); }
    std::string_view multiproms() const { return get(Field::multiproms); }
    std::string_view roles() const { return get(Field::roles); }
    std::string_view faceheel() const { return get(Field::faceheel); }
    std::string_view finisher() const { return get(Field::finisher); }
    std::string_view finishertype() const { return get(Field::finishertype); }
    std::string_view tagteam() const { return get(Field::tagteam); }
    std::string_view stable() const { return get(Field::stable); }
    std::string_view injury() const { return get(Field::injury); }
    std::string_view status() const { return get(Field::status); }
    std::string_view cond() const { return get(Field::cond); }
    std::string_view manager() const { return get(Field::manager); }
    std::string_view ringstyle() const { return get(Field::ringstyle); }
    std::string_view morale() const { return get(Field::morale); }
    std::string_view retire() const { return get(Field::retire); }
    std::string_view micskills() const { return get(Field::micskills); }
    std::string_view hardcore() const { return get(Field::hardcore); }
    std::string_view weight() const { return get(Field::weight); }
    std::string_view charisma() const { return get(Field::charisma); }
    std::string_view basecountry() const { return get(Field::basecountry); }

    // The record's 31 lines as the file holds them, each ended by CR LF.
    std::string_view fileBytes() const { return bytes_; }
    // From bytes already in that form (31 CR LF-ended lines, no other CR);
    // the file reader is the one caller.
    static WrestlerRecord fromFileBytes(std::string bytes);

    friend bool operator==(const WrestlerRecord&, const WrestlerRecord&) = default;

private:
    // Offset of the field's first byte, and its length. Bytes not in the
    // stored form (never made by this class) read as fields cut short,
    // never outside the buffer.
    std::size_t start(Field field) const;
    std::size_t length(std::size_t from) const;

    std::string bytes_;
};

} // namespace bm::roster
