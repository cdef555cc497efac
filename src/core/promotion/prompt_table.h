#pragma once

#include "core/ui/dialogs.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace bm::promotion {

// What an accepted prompt reply becomes: the text stored in the record and
// the text the field shows (the same, except where a step stores a
// converted number and shows the reply as typed).
struct Entry {
    std::string stored;
    std::string shown;
};
// Turns a non-empty reply into its entry, or refuses it (after telling the
// user why) with nothing.
using Rule = std::optional<Entry> (*)(const std::string& reply, ui::Dialogs& dialogs);

namespace rules {
// Stored as typed.
std::optional<Entry> asTyped(const std::string& reply, ui::Dialogs& dialogs);
// Its numeric value in plain decimal: "250,000" stores and shows "250".
std::optional<Entry> number(const std::string& reply, ui::Dialogs& dialogs);
} // namespace rules

// Tag of a table whose rows name record lines. Any other block type is a
// line layout of promotion_layout.h (ShowLines, MonthLines, TitleLines), and
// its rows name a member of it: the field's line in the selected block.
struct InRecord {};
template <typename Block>
using LineIn = std::conditional_t<std::is_same_v<Block, InRecord>, int, int Block::*>;

// One field edited through a text prompt.
template <typename Field, typename Block = InRecord> struct Prompt {
    Field field;
    std::string_view caption;
    LineIn<Block> line;
    std::string_view title;
    std::string_view message;
    Rule rule = rules::asTyped;

    constexpr int recordLine() const requires std::is_same_v<Block, InRecord> { return line; }
    // kNoLine where the block has no such line (titles 1 to 4 have no type).
    constexpr int recordLine(const Block& block) const requires(!std::is_same_v<Block, InRecord>) {
        return block.*line;
    }
};

// A step's prompt fields, one row per value of the enum Field, in its order;
// a table listed in another order, or with a row too few or too many, does
// not compile. Rows are found by field.
template <typename Field, std::size_t N, typename Block = InRecord> class PromptTable {
public:
    using Row = Prompt<Field, Block>;

    consteval PromptTable(std::initializer_list<Row> rows) {
        if (rows.size() != N) {
            throw "a prompt table has exactly one row per field";
        }
        std::size_t i = 0;
        for (const Row& row : rows) {
            if (static_cast<std::size_t>(row.field) != i) {
                throw "a prompt table lists its fields in the order of their enum";
            }
            rows_[i++] = row;
        }
    }

    constexpr const Row& operator[](Field field) const {
        return rows_[static_cast<std::size_t>(field)];
    }
    static constexpr std::size_t size() { return N; }
    constexpr auto begin() const { return rows_.begin(); }
    constexpr auto end() const { return rows_.end(); }

private:
    std::array<Row, N> rows_{};
};

// The text each field of a table shows, found by field.
template <typename Field, std::size_t N> class FieldTexts {
public:
    std::string& operator[](Field field) { return texts_[static_cast<std::size_t>(field)]; }
    const std::string& operator[](Field field) const {
        return texts_[static_cast<std::size_t>(field)];
    }

private:
    std::array<std::string, N> texts_;
};

} // namespace bm::promotion
