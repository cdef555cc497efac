#include "core/text/pattern.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bm::text {
namespace {

TEST(MatchesPattern, WildcardsListsAndLiterals) {
    const struct {
        const char* pattern;
        std::vector<std::string> matches, misses;
    } cases[] = {
        {"*.fed", {"bmf.fed", ".fed"}, {"A.FED", "bmf.fed.bak", "abc"}},
        {"*", {""}, {}},
        {"", {""}, {"a"}},
        {"a?c", {"abc"}, {"ac"}},
        {"?t?", {"\xe9t\xe9"}, {}}, // single bytes beyond ASCII are characters too
        {"a#c", {"a1c"}, {"abc"}},
        {"[abc]", {"b"}, {"d"}},
        {"[!abc]", {"d"}, {"a"}},
        {"[a-z]", {"m"}, {"M"}},
        {"[a-]", {"-"}, {}},
        {"[*]", {"*"}, {"x"}},
        {"[*]*", {"*hey"}, {}},
        {"a[]b", {"ab"}, {}},
        {"a[b", {}, {"abc", "a[b"}}, // unclosed list: never a match
        {"x]", {"x]"}, {}},
        {"*sip*", {"mississippi"}, {}},
        {"m*i*s*p*i", {"mississippi"}, {}},
        {"m*x*", {}, {"mississippi"}},
        {"a*a*a*a", {}, {"aaa"}},
        {"*\\Scenarios\\Old", {"\\Scenarios\\Old"}, {"\\Scenarios\\old"}},
    };
    for (const auto& c : cases) {
        for (const bool match : {true, false}) {
            for (const auto& text : match ? c.matches : c.misses) {
                EXPECT_EQ(matchesPattern(text, c.pattern), match) << text << " like " << c.pattern;
            }
        }
    }
    // Backtracking over many stars must not blow up.
    const std::string many(20000, 'a');
    std::string stars;
    for (int i = 0; i < 200; ++i) {
        stars += "*a";
    }
    EXPECT_TRUE(matchesPattern(many, stars));
    EXPECT_FALSE(matchesPattern(many, stars + "b"));
}

} // namespace
} // namespace bm::text
