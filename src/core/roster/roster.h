#pragma once

#include "core/platform/line_file.h"
#include "core/platform/status.h"
#include "core/roster/wrestler_record.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace bm::roster {

// Every wrestler of a wrestlers file, in file order. A wrestler is found by
// position; screens find one again by its full name.
class Roster {
public:
    std::size_t size() const { return records_.size(); }
    bool empty() const { return records_.empty(); }
    bool full() const { return records_.size() >= kMaxWrestlers; }

    const WrestlerRecord& operator[](std::size_t i) const { return records_[i]; }
    WrestlerRecord& operator[](std::size_t i) { return records_[i]; }
    const WrestlerRecord& back() const { return records_.back(); }
    auto begin() const { return records_.begin(); }
    auto end() const { return records_.end(); }

    // False, and nothing changes, when the roster is full.
    bool append(WrestlerRecord record);
    void erase(std::size_t i);
    void clear() { records_.clear(); }
    void reserve(std::size_t n) { records_.reserve(n); }

    friend bool operator==(const Roster&, const Roster&) = default;

private:
    std::vector<WrestlerRecord> records_;
};

// Reads a roster file. A file that is not whole records (its last record
// ends early) or holds more wrestlers than the game can index is refused
// with a message naming it; on any failure the roster is left as it was.
// Values are taken as they stand: the game's file, not the editor, decides.
platform::Status loadRoster(const std::filesystem::path& path, Roster& roster);
// The same from bytes already read; `path` only names the file in messages.
platform::Status parseRoster(std::string_view bytes, const std::filesystem::path& path,
                             Roster& roster);

// Walks the records of a wrestlers file in file order without copying them,
// and finds on the way the values of the fields it is asked for. A record is
// 31 lines, each ended by CR LF or a lone CR, the file's very last one perhaps
// by nothing. The one reader of the format: loading and the whole-folder
// checks share it.
class RecordWalk {
public:
    // Over bytes already read.
    explicit RecordWalk(std::string_view bytes, std::initializer_list<Field> wanted = {});
    // Over an open file, read piece by piece: a large file is never held whole.
    explicit RecordWalk(platform::FileWindow& file, std::initializer_list<Field> wanted = {});

    // Steps to the next record: false at the end of the bytes, where they are
    // not whole records (damage() tells why) or when the file cannot be read
    // (status() tells why).
    bool next();
    // The current record's bytes, until the next step.
    std::string_view record() const { return record_; }
    // The value of the i-th wanted field in the current record.
    std::string_view value(std::size_t i) const { return values_[i]; }
    // "" while the bytes are whole records, else why they are not (the last
    // record ends early).
    const std::string& damage() const { return damage_; }
    const platform::Status& status() const { return status_; }

private:
    void want(std::initializer_list<Field> wanted);
    bool countBlock();
    bool findEnds();
    bool refill();
    bool finishAtEnd();
    const char* block() const;

    platform::FileWindow* file_ = nullptr;
    std::string_view bytes_; // what is held of the file
    bool atEnd_ = true;
    // Line ends wanted, counted from 1 within a record, in order.
    std::array<std::uint8_t, kFieldCount> ends_{};
    std::size_t endCount_ = 0;
    std::array<Field, kFieldCount> wanted_{};
    std::size_t wantedCount_ = 0;
    // Where in bytes_ each wanted line end of the current record stands.
    std::array<std::size_t, kFieldCount + 1> at_{};
    std::size_t endsFound_ = 0;
    std::size_t start_ = 0; // the current record's first byte
    // The block of 64 bytes being counted, the line ends in it once counted,
    // and those from start_ up to the block (negative while the block begins
    // before start_).
    std::size_t pos_ = 0;
    std::uint64_t blockMask_ = 0; // bit i: a CR at pos_ + i
    bool counted_ = false;
    std::ptrdiff_t met_ = 0;
    std::array<char, 64> lastBlock_{}; // the file's last bytes, padded
    std::size_t records_ = 0;
    bool done_ = false;
    std::string_view record_;
    std::array<std::string_view, kFieldCount> values_{};
    std::string damage_;
    platform::Status status_ = platform::Status::success();
};

// One value of a record as RecordWalk hands it; "" past the record's end.
std::string_view fieldOf(std::string_view record, Field field);

// Writes every wrestler in roster order, the whole file at once.
platform::Status saveRoster(const std::filesystem::path& path, const Roster& roster);
std::string rosterBytes(const Roster& roster);

// "New Wrestler", or "New Wrestler N" with the smallest N from 1 up that no
// wrestler is called.
std::string generatedName(const Roster& roster);

// The expiry a new contract gets: July, three years after the start year
// (the text of the main data file's year line; its leading number counts).
std::string newContractExpiry(std::string_view startYear);

// A new wrestler called `name`, with the defaults and the expiry above.
WrestlerRecord newWrestler(std::string_view name, std::string_view startYear);

// The main data file's start year line as it stands.
platform::Status readStartYear(const std::filesystem::path& mainData, std::string& year);

} // namespace bm::roster
