#pragma once

#include "core/platform/status.h"
#include "core/roster/wrestler_record.h"

#include <cstddef>
#include <filesystem>
#include <functional>
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

// Walks the records of a roster file's bytes in file order without copying
// them: `visit` gets the bytes of each record (31 lines, each ended by CR LF
// or a lone CR, the file's very last one perhaps by nothing) and returns
// false to stop the walk. Gives "" when the bytes are whole records, else why
// they are not (the last record ends early). The one reader of the format:
// loading and the whole-folder checks share it.
using RecordVisitor = std::function<bool(std::string_view record)>;
std::string scanRecords(std::string_view bytes, const RecordVisitor& visit);

// One value of a record as scanRecords hands it; "" past the record's end.
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
