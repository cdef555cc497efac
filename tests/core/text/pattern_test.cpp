#include "core/text/pattern.h"

#include <gtest/gtest.h>

#include <string>

namespace bm::text {
namespace {

TEST(MatchesPattern, WildcardsListsAndLiterals) {
    const struct {
        const char* text;
        const char* pattern;
        bool match;
    } cases[] = {
        {"bmf.fed", "*.fed", true},
        {"A.FED", "*.fed", false},
        {"bmf.fed.bak", "*.fed", false},
        {".fed", "*.fed", true},
        {"abc", "*.fed", false},
        {"", "*", true},
        {"", "", true},
        {"a", "", false},
        {"abc", "a?c", true},
        {"ac", "a?c", false},
        {"a1c", "a#c", true},
        {"abc", "a#c", false},
        {"b", "[abc]", true},
        {"d", "[abc]", false},
        {"d", "[!abc]", true},
        {"a", "[!abc]", false},
        {"m", "[a-z]", true},
        {"M", "[a-z]", false},
        {"-", "[a-]", true},
        {"*", "[*]", true},
        {"x", "[*]", false},
        {"ab", "a[]b", true},
        {"abc", "a[b", false}, // unclosed list: never a match
        {"a[b", "a[b", false},
        {"x]", "x]", true},
        {"mississippi", "*sip*", true},
        {"mississippi", "m*i*s*p*i", true},
        {"mississippi", "m*x*", false},
        {"aaa", "a*a*a*a", false},
        {"\xe9t\xe9", "?t?", true}, // single bytes beyond ASCII are characters too
        {"*hey", "[*]*", true},
        {"\\Scenarios\\Old", "*\\Scenarios\\Old", true},
        {"\\Scenarios\\old", "*\\Scenarios\\Old", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(matchesPattern(c.text, c.pattern), c.match)
            << '"' << c.text << "\" like \"" << c.pattern << '"';
    }
}

TEST(MatchesPattern, LongStarPatternsStayFast) {
    // Backtracking over many stars must not blow up.
    const std::string text(20000, 'a');
    std::string pattern;
    for (int i = 0; i < 200; ++i) {
        pattern += "*a";
    }
    EXPECT_TRUE(matchesPattern(text, pattern));
    EXPECT_FALSE(matchesPattern(text, pattern + "b"));
}

} // namespace
} // namespace bm::text
