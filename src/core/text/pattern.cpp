#include "core/text/pattern.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace bm::text {
namespace {

struct Token {
    enum class Kind { Literal, AnyOne, Digit, Set, Star };
    Kind kind = Kind::Literal;
    unsigned char literal = 0;
    bool negated = false;
    std::string_view set; // the bracket's contents without "!"

    bool matches(unsigned char c) const {
        switch (kind) {
        case Kind::Literal:
            return c == literal;
        case Kind::AnyOne:
            return true;
        case Kind::Digit:
            return c >= '0' && c <= '9';
        case Kind::Set:
            return inSet(c) != negated;
        case Kind::Star:
            return false;
        }
        return false;
    }

    bool inSet(unsigned char c) const {
        for (std::size_t i = 0; i < set.size(); ++i) {
            const auto low = static_cast<unsigned char>(set[i]);
            // A "-" between two characters makes a range; at either end it is itself.
            if (i + 2 < set.size() && set[i + 1] == '-') {
                const auto high = static_cast<unsigned char>(set[i + 2]);
                if (low <= c && c <= high) {
                    return true;
                }
                i += 2;
            } else if (c == low) {
                return true;
            }
        }
        return false;
    }
};

std::optional<std::vector<Token>> tokenize(std::string_view pattern) {
    std::vector<Token> tokens;
    tokens.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        Token t;
        const char c = pattern[i];
        if (c == '*') {
            // Runs of stars mean the same as one.
            if (!tokens.empty() && tokens.back().kind == Token::Kind::Star) {
                continue;
            }
            t.kind = Token::Kind::Star;
        } else if (c == '?') {
            t.kind = Token::Kind::AnyOne;
        } else if (c == '#') {
            t.kind = Token::Kind::Digit;
        } else if (c == '[') {
            const std::size_t close = pattern.find(']', i + 1);
            if (close == std::string_view::npos) {
                return std::nullopt;
            }
            std::string_view body = pattern.substr(i + 1, close - i - 1);
            i = close;
            if (body.empty()) {
                continue; // "[]" stands for nothing at all
            }
            t.kind = Token::Kind::Set;
            if (body.front() == '!') {
                t.negated = true;
                body.remove_prefix(1);
            }
            t.set = body;
        } else {
            t.literal = static_cast<unsigned char>(c);
        }
        tokens.push_back(t);
    }
    return tokens;
}

} // namespace

bool matchesPattern(std::string_view text, std::string_view pattern) {
    const auto tokens = tokenize(pattern);
    if (!tokens) {
        return false;
    }
    // Every token but the star takes exactly one character, so the classic
    // backtrack-to-last-star walk is exact and linear in practice.
    std::size_t t = 0;
    std::size_t p = 0;
    std::optional<std::size_t> starToken;
    std::size_t starText = 0;
    const auto& toks = *tokens;
    while (t < text.size()) {
        const auto c = static_cast<unsigned char>(text[t]);
        if (p < toks.size() && toks[p].kind == Token::Kind::Star) {
            starToken = p++;
            starText = t;
        } else if (p < toks.size() && toks[p].matches(c)) {
            ++p;
            ++t;
        } else if (starToken) {
            p = *starToken + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < toks.size() && toks[p].kind == Token::Kind::Star) {
        ++p;
    }
    return p == toks.size();
}

} // namespace bm::text
