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

constexpr std::size_t kBlock = 64;

// Just past the line end whose CR stands at `cr`.
std::size_t pastLineEnd(std::string_view bytes, std::size_t cr) {
    return cr + 1 < bytes.size() && bytes[cr + 1] == '\n' ? cr + 2 : cr + 1;
}

// A wrestlers file is a million short lines, so line ends are looked for many
// bytes at a time: blocks are counted by loops that compilers turn into
// vector code (platform::lineEndsIn), and a line end is picked out of its
// block without a branch.

// The eight bytes at `p` as a word, the first byte lowest whatever the
// machine's byte order.
std::uint64_t wordAt(const unsigned char* p) {
    std::uint64_t word = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&word, p, sizeof word);
    } else {
        for (std::size_t i = 0; i < 8; ++i) {
            word |= std::uint64_t{p[i]} << (8 * i);
        }
    }
    return word;
}

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;

// How many high bits `highs` has: summed by one multiplication, since no
// popcount instruction is taken for granted.
unsigned highBits(std::uint64_t highs) {
    return static_cast<unsigned>(((highs >> 7) * kOnes) >> 56);
}

// Where in the 64 bytes at `p` the k-th CR stands (1 <= k <= their count),
// without a branch: which word holds it is as unforeseeable as the lengths
// of lines, so a guess would be wrong about every other time.
unsigned kthInBlock(const char* p, unsigned k) {
    constexpr std::uint64_t kHigh = kOnes << 7;
    unsigned char ones[kBlock]; // 1 at each CR: a loop compilers vectorise
    for (std::size_t i = 0; i < kBlock; ++i) {
        ones[i] = static_cast<unsigned char>(p[i] == '\r');
    }
    std::array<std::uint64_t, kBlock / 8> words{};
    std::uint64_t inWords = 0; // byte w: the CRs of word w
    for (std::size_t w = 0; w < words.size(); ++w) {
        words[w] = wordAt(ones + 8 * w);
        inWords |= ((words[w] * kOnes) >> 56) << (8 * w);
    }
    const std::uint64_t upTo = inWords * kOnes; // byte w: the CRs of words 0..w
    const unsigned word = 8 - highBits(((upTo | kHigh) - k * kOnes) & kHigh);
    const auto before = static_cast<unsigned>(((upTo << 8) >> (8 * word)) & 0xFF);
    const std::uint64_t inWord = words[word] * kOnes; // byte i: the CRs of bytes 0..i
    return 8 * word + 8 - highBits(((inWord | kHigh) - (k - before) * kOnes) & kHigh);
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
            if (indexOf(field) > 0) {
                end[indexOf(field)] = true;
            }
            end[indexOf(field) + 1] = true;
        }
    }
    for (std::size_t line = 1; line <= kFieldCount; ++line) {
        if (!end[line]) {
            continue;
        }
        if (line == 1 || end[line - 1]) {
            light_[lightCount_++] = static_cast<std::uint8_t>(line);
        } else {
            heavy_[heavyCount_++] = static_cast<std::uint8_t>(line);
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
    for (std::size_t i = 0; i < heavyFound_; ++i) {
        at_[heavy_[i]] -= drop;
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
    blockEnds_ = platform::lineEndsIn<kBlock>(block());
    counted_ = true;
    return true;
}

// False when the bytes end first (or cannot be read).
bool RecordWalk::findHeavy() {
    while (heavyFound_ < heavyCount_) {
        if (!counted_ && !countBlock()) {
            return false;
        }
        // Kept in locals while the blocks held last: the loop a wrestlers
        // file spends its time in.
        const char* const data = bytes_.data();
        const std::size_t size = bytes_.size();
        const char* block = this->block();
        std::size_t pos = pos_;
        std::ptrdiff_t met = met_;
        unsigned ends = blockEnds_;
        std::size_t found = heavyFound_;
        bool counted = true;
        while (found < heavyCount_) {
            const std::ptrdiff_t line = heavy_[found];
            if (met + ends >= line) {
                at_[static_cast<std::size_t>(line)] =
                    pos + kthInBlock(block, static_cast<unsigned>(line - met));
                ++found;
                continue;
            }
            met += ends;
            pos += kBlock;
            if (pos > size || size - pos < kBlock) {
                counted = false;
                break;
            }
            block = data + pos;
            ends = platform::lineEndsIn<kBlock>(block);
        }
        pos_ = pos;
        met_ = met;
        blockEnds_ = ends;
        heavyFound_ = found;
        counted_ = counted;
    }
    return true;
}

// False when the bytes end first (or cannot be read).
bool RecordWalk::findLight() {
    for (std::size_t i = 0; i < lightCount_; ++i) {
        const std::size_t line = light_[i];
        const std::size_t cr = bytes_.find('\r', line == 1 ? start_ : at_[line - 1] + 1);
        if (cr == std::string_view::npos) {
            if (atEnd_ || !refill()) {
                return false;
            }
            i = static_cast<std::size_t>(-1); // the bytes moved: from the first again
            continue;
        }
        at_[line] = cr;
    }
    return true;
}

bool RecordWalk::next() {
    if (done_) {
        return false;
    }
    for (;;) {
        if (!findHeavy() || !findLight()) {
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
    heavyFound_ = 0;
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
