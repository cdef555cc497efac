#include "core/roster/roster.h"

#include "core/context/main_data.h"
#include "core/platform/line_file.h"
#include "core/text/numbers.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <unordered_set>

namespace bm::roster {
namespace {

std::string quoted(const std::filesystem::path& path) {
    return "\"" + path.string() + "\"";
}

std::string notLoaded(const std::filesystem::path& path, const std::string& why) {
    return "The file " + quoted(path) + " cannot be loaded: " + why + " Nothing has been changed.";
}

// One record whose lines end in a lone CR or not at all, in the stored form.
WrestlerRecord normalized(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + kFieldCount);
    for (const auto& line : platform::splitLines(bytes)) {
        out += line;
        out += "\r\n";
    }
    return WrestlerRecord::fromFileBytes(std::move(out));
}

// Whether a record's bytes can be kept as they are: every line ended by CR LF.
bool storedForm(std::string_view record) {
    if (!record.ends_with("\r\n")) {
        return false;
    }
    for (std::size_t cr = record.find('\r'); cr != record.npos; cr = record.find('\r', cr + 2)) {
        if (cr + 1 == record.size() || record[cr + 1] != '\n') {
            return false;
        }
    }
    return true;
}

} // namespace

bool Roster::append(WrestlerRecord record) {
    if (full()) {
        return false;
    }
    records_.push_back(std::move(record));
    return true;
}

void Roster::erase(std::size_t i) {
    if (i < records_.size()) {
        records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

namespace {

// The high bit of every byte of the eight at `p` that is a CR.
std::uint64_t crBytes(const char* p) {
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    const std::uint64_t x = word ^ 0x0D0D0D0D0D0D0D0DULL; // a CR becomes 0
    return ~(((x & kLow7) + kLow7) | x | kLow7);
}

// Where the `count`-th CR from `from` on stands (npos when there are fewer);
// `seen` tells how many were met. A wrestlers file is a million short lines,
// so bytes are looked at many at a time: blocks counted in a loop that
// compilers turn into vector code, then words.
std::size_t nthCr(std::string_view bytes, std::size_t from, std::size_t count, std::size_t& seen) {
    constexpr std::size_t kBlock = 64;
    const char* p = bytes.data();
    const std::size_t n = bytes.size();
    std::size_t i = from;
    std::size_t met = 0;
    while (n - i >= kBlock) {
        unsigned char inBlock = 0;
        for (std::size_t j = 0; j < kBlock; ++j) {
            inBlock = static_cast<unsigned char>(inBlock + (p[i + j] == '\r'));
        }
        if (met + inBlock >= count) {
            break;
        }
        met += inBlock;
        i += kBlock;
    }
    if constexpr (std::endian::native == std::endian::little) {
        for (; n - i >= 8; i += 8) {
            std::uint64_t crs = crBytes(p + i);
            // One bit per CR byte, summed by one multiplication (no popcount
            // instruction is taken for granted).
            const auto inWord =
                static_cast<std::size_t>(((crs >> 7) * 0x0101010101010101ULL) >> 56);
            if (met + inWord >= count) {
                for (; met + 1 < count; ++met) {
                    crs &= crs - 1; // drops the first CR left in the word
                }
                seen = count;
                return i + static_cast<std::size_t>(std::countr_zero(crs)) / 8;
            }
            met += inWord;
        }
    }
    for (; i < n; ++i) {
        if (p[i] == '\r' && ++met == count) {
            seen = met;
            return i;
        }
    }
    seen = met;
    return std::string_view::npos;
}

// Just past the line end whose CR stands at `cr`.
std::size_t pastLineEnd(std::string_view bytes, std::size_t cr) {
    return cr + 1 < bytes.size() && bytes[cr + 1] == '\n' ? cr + 2 : cr + 1;
}

} // namespace

std::string scanRecords(std::string_view bytes, const RecordVisitor& visit) {
    const std::size_t n = bytes.size();
    std::size_t pos = 0;
    // The end of the file is looked for only where a record would begin.
    while (pos < n) {
        const std::size_t first = pos;
        std::size_t ends = 0;
        const std::size_t last = nthCr(bytes, first, kFieldCount, ends);
        if (last == std::string_view::npos) {
            // Text after the last line end is one more line, ended by the file's end.
            const std::size_t after = ends ? pastLineEnd(bytes, bytes.rfind('\r')) : first;
            const std::size_t lines = ends + (after < n ? 1 : 0);
            if (lines == kFieldCount) {
                visit(bytes.substr(first));
                break;
            }
            if (bytes.find('\r') == std::string_view::npos &&
                bytes.find('\n') != std::string_view::npos) {
                return "its lines end in a line feed alone, and the game ends every line with "
                       "CR LF.";
            }
            return "its last wrestler has " + std::to_string(lines) + " of the " +
                   std::to_string(kFieldCount) +
                   " lines that every wrestler needs, so the file is damaged.";
        }
        pos = pastLineEnd(bytes, last);
        if (!visit(bytes.substr(first, pos - first))) {
            break;
        }
    }
    return {};
}

std::string_view fieldOf(std::string_view record, Field field) {
    std::size_t from = 0;
    if (const std::size_t before = indexOf(field); before > 0) {
        std::size_t ends = 0;
        const std::size_t cr = nthCr(record, 0, before, ends);
        if (cr == std::string_view::npos) {
            return {};
        }
        from = pastLineEnd(record, cr);
    }
    return record.substr(from, std::min(record.find('\r', from), record.size()) - from);
}

platform::Status parseRoster(std::string_view bytes, const std::filesystem::path& path,
                             Roster& roster) {
    Roster parsed;
    const auto lineEnds = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\r'));
    parsed.reserve(std::min(lineEnds / kFieldCount + 1, kMaxWrestlers));
    bool tooMany = false;
    const std::string damage = scanRecords(bytes, [&](std::string_view record) {
        if (parsed.full()) {
            tooMany = true;
            return false;
        }
        parsed.append(storedForm(record) ? WrestlerRecord::fromFileBytes(std::string(record))
                                         : normalized(record));
        return true;
    });
    if (tooMany) {
        return platform::Status::failure(
            notLoaded(path, "it holds more than " + std::to_string(kMaxWrestlers) +
                                " wrestlers, the most the game can use."));
    }
    if (!damage.empty()) {
        return platform::Status::failure(notLoaded(path, damage));
    }
    roster = std::move(parsed);
    return platform::Status::success();
}

platform::Status loadRoster(const std::filesystem::path& path, Roster& roster) {
    std::string bytes;
    if (auto status = platform::readFileBytes(path, bytes); !status) {
        return status;
    }
    return parseRoster(bytes, path, roster);
}

std::string rosterBytes(const Roster& roster) {
    std::size_t total = 0;
    for (const auto& record : roster) {
        total += record.fileBytes().size();
    }
    std::string bytes;
    bytes.reserve(total);
    for (const auto& record : roster) {
        bytes += record.fileBytes();
    }
    return bytes;
}

platform::Status saveRoster(const std::filesystem::path& path, const Roster& roster) {
    return platform::writeFileAtomic(path, rosterBytes(roster));
}

std::string generatedName(const Roster& roster) {
    std::unordered_set<std::string_view> taken;
    taken.reserve(roster.size());
    for (const auto& record : roster) {
        taken.insert(record.names());
    }
    std::string name(kGeneratedName);
    // At most one try per wrestler plus one: one of them is free.
    for (std::size_t n = 1; taken.count(name) > 0; ++n) {
        name = std::string(kGeneratedName) + " " + std::to_string(n);
    }
    return name;
}

std::string newContractExpiry(std::string_view startYear) {
    const int year = text::wholeNumber(text::numericValue(startYear) + kExpiryYearsAhead);
    return std::string(kExpiryMonth) + std::to_string(year);
}

WrestlerRecord newWrestler(std::string_view name, std::string_view startYear) {
    WrestlerRecord record;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        record.set(static_cast<Field>(i), kNewWrestler[i]);
    }
    record.set(Field::names, name);
    record.set(Field::shortname, name);
    record.set(Field::expires, newContractExpiry(startYear));
    return record;
}

platform::Status readStartYear(const std::filesystem::path& mainData, std::string& year) {
    platform::Lines lines;
    if (auto status = platform::readFirstLines(mainData, context::maindata::kMinLines, lines);
        !status) {
        return status;
    }
    if (lines.size() < context::maindata::kMinLines) {
        return platform::Status::failure(
            "The file " + quoted(mainData) + " has " + std::to_string(lines.size()) +
            (lines.size() == 1 ? " line" : " lines") + ", too few to hold a start year.");
    }
    year = lines[context::maindata::kStartYear];
    return platform::Status::success();
}

} // namespace bm::roster
