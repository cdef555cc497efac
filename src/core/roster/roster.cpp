#include "core/roster/roster.h"

#include "core/context/main_data.h"
#include "core/platform/line_ends.h"
#include "core/platform/line_file.h"
#include "core/text/numbers.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <unordered_set>

namespace bm::roster {
namespace {

using platform::quoted;

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

constexpr std::size_t kBlock = platform::kLineEndBlock;

// Just past the line end whose CR stands at `cr`.
std::size_t pastLineEnd(std::string_view bytes, std::size_t cr) {
    return cr + 1 < bytes.size() && bytes[cr + 1] == '\n' ? cr + 2 : cr + 1;
}

} // namespace

RecordWalk::RecordWalk(std::string_view bytes, std::initializer_list<Field> wanted)
    : bytes_(bytes) {
    want(wanted);
}

RecordWalk::RecordWalk(platform::FileWindow& file, std::initializer_list<Field> wanted)
    : file_(&file), bytes_(file.bytes()), atEnd_(file.atEnd()) {
    want(wanted);
}

void RecordWalk::want(std::initializer_list<Field> wanted) {
    std::array<bool, kFieldCount + 1> end{};
    end[kFieldCount] = true;
    for (const Field field : wanted) {
        if (wantedCount_ < wanted_.size()) {
            wanted_[wantedCount_++] = field;
            end[indexOf(field)] = true;
            end[indexOf(field) + 1] = true;
        }
    }
    for (std::size_t line = 1; line <= kFieldCount; ++line) {
        if (end[line]) {
            ends_[endCount_++] = static_cast<std::uint8_t>(line);
        }
    }
}

const char* RecordWalk::block() const {
    return bytes_.size() - pos_ >= kBlock ? bytes_.data() + pos_ : lastBlock_.data();
}

// Reads on behind the current record, which is kept.
bool RecordWalk::refill() {
    const std::size_t drop = std::min(start_, pos_);
    status_ = file_->readMore(drop);
    if (!status_) {
        done_ = true;
        return false;
    }
    bytes_ = file_->bytes();
    atEnd_ = file_->atEnd();
    start_ -= drop;
    pos_ -= drop;
    for (std::size_t i = 0; i < endsFound_; ++i) {
        at_[ends_[i]] -= drop;
    }
    return true;
}

// Counts the block at pos_, reading on first when it is not all held; the
// file's last bytes are counted as a block padded with zeros. False when the
// bytes end first (or cannot be read).
bool RecordWalk::countBlock() {
    for (;;) {
        const std::size_t left = bytes_.size() > pos_ ? bytes_.size() - pos_ : 0;
        if (left >= kBlock) {
            break;
        }
        if (!atEnd_) {
            if (!refill()) {
                return false;
            }
            continue;
        }
        if (left == 0) {
            return false;
        }
        std::memcpy(lastBlock_.data(), bytes_.data() + pos_, left);
        std::fill(lastBlock_.begin() + static_cast<std::ptrdiff_t>(left), lastBlock_.end(), '\0');
        break;
    }
    blockMask_ = platform::lineEndMask(block());
    counted_ = true;
    return true;
}

namespace {

// The walk's place among the blocks held, while it looks for the current
// record's wanted line ends: the loop a wrestlers file spends its time in.
struct BlockSearch {
    const char* data;
    std::size_t size;
    std::size_t pos;
    std::ptrdiff_t met;
    std::uint64_t mask;
    std::size_t found;
    const std::uint8_t* ends;
    std::size_t endCount;
    std::size_t* at;
};

// False when the blocks held end first, the last one not counted.
template <class Bits> bool searchBlocks(BlockSearch& s) {
    const char* const data = s.data;
    const std::size_t size = s.size;
    std::size_t pos = s.pos;
    std::ptrdiff_t met = s.met;
    std::uint64_t mask = s.mask;
    std::size_t found = s.found;
    bool counted = true;
    while (found < s.endCount) {
        const std::ptrdiff_t line = s.ends[found];
        const unsigned ends = Bits::count(mask);
        if (met + ends >= line) {
            s.at[static_cast<std::size_t>(line)] =
                pos + Bits::nth(mask, static_cast<unsigned>(line - met));
            ++found;
            continue;
        }
        met += ends;
        pos += kBlock;
        if (pos > size || size - pos < kBlock) {
            counted = false;
            break;
        }
        mask = platform::lineEndMask(data + pos);
    }
    s.pos = pos;
    s.met = met;
    s.mask = mask;
    s.found = found;
    return counted;
}

using Search = bool (*)(BlockSearch&);

bool searchPortable(BlockSearch& s) {
    return searchBlocks<platform::PortableBits>(s);
}

#if defined(BM_HAS_MACHINE_BITS)
BM_POPCOUNT_BITS bool searchPopcount(BlockSearch& s) {
    return searchBlocks<platform::PopcountBits>(s);
}
BM_DEPOSIT_BITS bool searchDeposit(BlockSearch& s) {
    return searchBlocks<platform::DepositBits>(s);
}
#endif

Search machineSearch() {
    switch (platform::machineBits()) {
#if defined(BM_HAS_MACHINE_BITS)
    case platform::MachineBits::Deposit:
        return searchDeposit;
    case platform::MachineBits::Popcount:
        return searchPopcount;
#endif
    default:
        return searchPortable;
    }
}

} // namespace

// False when the bytes end first (or cannot be read).
bool RecordWalk::findEnds() {
    static const Search search = machineSearch();
    while (endsFound_ < endCount_) {
        if (!counted_ && !countBlock()) {
            return false;
        }
        BlockSearch s{bytes_.data(), bytes_.size(), pos_,      met_,      blockMask_,
                      endsFound_,    ends_.data(),  endCount_, at_.data()};
        counted_ = search(s);
        pos_ = s.pos;
        met_ = s.met;
        blockMask_ = s.mask;
        endsFound_ = s.found;
    }
    return true;
}

bool RecordWalk::next() {
    if (done_) {
        return false;
    }
    for (;;) {
        if (!findEnds()) {
            return status_ && finishAtEnd();
        }
        // Whether a CR LF ends the record is seen only with the byte after it.
        if (at_[kFieldCount] + 1 < bytes_.size() || atEnd_) {
            break;
        }
        if (!refill()) {
            return false;
        }
    }
    const std::size_t end = pastLineEnd(bytes_, at_[kFieldCount]);
    record_ = bytes_.substr(start_, end - start_);
    for (std::size_t i = 0; i < wantedCount_; ++i) {
        const std::size_t line = indexOf(wanted_[i]);
        const std::size_t from = line == 0 ? start_ : pastLineEnd(bytes_, at_[line]);
        values_[i] = bytes_.substr(from, at_[line + 1] - from);
    }
    start_ = end;
    met_ -= static_cast<std::ptrdiff_t>(kFieldCount);
    endsFound_ = 0;
    ++records_;
    return true;
}

// The bytes after the last whole record: nothing, one last record whose last
// line has no line end, or damage.
bool RecordWalk::finishAtEnd() {
    done_ = true;
    const std::string_view rest = bytes_.substr(start_);
    if (rest.empty()) {
        return false;
    }
    const auto ends = static_cast<std::size_t>(std::count(rest.begin(), rest.end(), '\r'));
    // Text after the last line end is one more line, ended by the file's end.
    const std::size_t after = ends ? pastLineEnd(rest, rest.rfind('\r')) : 0;
    const std::size_t lines = ends + (after < rest.size() ? 1 : 0);
    if (lines == kFieldCount) {
        record_ = rest;
        for (std::size_t i = 0; i < wantedCount_; ++i) {
            values_[i] = fieldOf(rest, wanted_[i]);
        }
        ++records_;
        return true;
    }
    // Nothing has been dropped before the first record ends: rest is the file.
    if (records_ == 0 && ends == 0 && rest.find('\n') != std::string_view::npos) {
        damage_ = "its lines end in a line feed alone, and the game ends every line with CR LF.";
    } else {
        damage_ = "its last wrestler has " + std::to_string(lines) + " of the " +
                  std::to_string(kFieldCount) +
                  " lines that every wrestler needs, so the file is damaged.";
    }
    return false;
}

std::string_view fieldOf(std::string_view record, Field field) {
    std::size_t from = 0;
    for (std::size_t line = 0; line < indexOf(field); ++line) {
        const std::size_t cr = record.find('\r', from);
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
    RecordWalk walk(bytes);
    while (walk.next()) {
        if (parsed.full()) {
            tooMany = true;
            break;
        }
        const std::string_view record = walk.record();
        parsed.append(storedForm(record) ? WrestlerRecord::fromFileBytes(std::string(record))
                                         : normalized(record));
    }
    if (tooMany) {
        return platform::Status::failure(
            notLoaded(path, "it holds more than " + std::to_string(kMaxWrestlers) +
                                " wrestlers, the most the game can use."));
    }
    if (!walk.damage().empty()) {
        return platform::Status::failure(notLoaded(path, walk.damage()));
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
