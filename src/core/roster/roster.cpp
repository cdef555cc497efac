#include "core/roster/roster.h"

#include "core/context/main_data.h"
#include "core/platform/line_file.h"
#include "core/text/numbers.h"

#include <algorithm>
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

std::string scanRecords(std::string_view bytes, const RecordVisitor& visit) {
    const std::size_t n = bytes.size();
    std::size_t pos = 0;
    // The end of the file is looked for only where a record would begin.
    while (pos < n) {
        const std::size_t first = pos;
        bool crlf = true;
        std::size_t lines = 0;
        while (lines < kFieldCount && pos < n) {
            const std::size_t cr = bytes.find('\r', pos);
            ++lines;
            if (cr == std::string_view::npos) {
                crlf = false;
                pos = n;
            } else if (cr + 1 < n && bytes[cr + 1] == '\n') {
                pos = cr + 2;
            } else {
                crlf = false;
                pos = cr + 1;
            }
        }
        if (lines < kFieldCount) {
            if (bytes.find('\r') == std::string_view::npos &&
                bytes.find('\n') != std::string_view::npos) {
                return "its lines end in a line feed alone, and the game ends every line with "
                       "CR LF.";
            }
            return "its last wrestler has " + std::to_string(lines) + " of the " +
                   std::to_string(kFieldCount) +
                   " lines that every wrestler needs, so the file is damaged.";
        }
        if (!visit(bytes.substr(first, pos - first), crlf)) {
            break;
        }
    }
    return {};
}

std::string_view fieldOf(std::string_view record, Field field) {
    std::size_t from = 0;
    for (std::size_t i = indexOf(field); i > 0 && from < record.size(); --i) {
        from = std::min(record.find('\r', from), record.size()) + 1;
        if (from < record.size() && record[from] == '\n') {
            ++from;
        }
    }
    from = std::min(from, record.size());
    return record.substr(from, std::min(record.find('\r', from), record.size()) - from);
}

platform::Status parseRoster(std::string_view bytes, const std::filesystem::path& path,
                             Roster& roster) {
    Roster parsed;
    const auto lineEnds = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\r'));
    parsed.reserve(std::min(lineEnds / kFieldCount + 1, kMaxWrestlers));
    bool tooMany = false;
    const std::string damage = scanRecords(bytes, [&](std::string_view record, bool crlf) {
        if (parsed.full()) {
            tooMany = true;
            return false;
        }
        parsed.append(crlf ? WrestlerRecord::fromFileBytes(std::string(record))
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
