#include "core/text/numbers.h"
#include "core/text/pattern.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace bm::text {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();

TEST(Numbers, ReadTheLeadingNumberRoundHalvesToEvenAndWritePlainDecimals) {
    const std::pair<const char*, double> read[] = {
        {"12,000", 12}, {"abc", 0},     {"", 0},         {"  42", 42},      {"\t3 4", 3},
        {"-100", -100}, {"+7", 7},      {"1.5E3", 1500}, {".5", 0.5},       {"-.5", -0.5},
        {"1e+", 1},     {"2e-1x", 0.2}, {"-", 0},        {"0x10", 0},       {"$500", 0},
        {"1e-400", 0},  {"00012", 12},  {"1e400", kMax}, {"-1e400", -kMax},
    };
    for (const auto& [text, value] : read) {
        EXPECT_EQ(numericValue(text), value) << '"' << text << '"';
    }
    const std::pair<const char*, int> rounded[] = {
        {"2.5", 2},       {"3.5", 4},         {"-2.5", -2},       {"-3.5", -4},
        {"0.5", 0},       {"40000", 32767},   {"-40000", -32768}, {"32767.5", 32767},
        {"1e400", 32767}, {"-1e400", -32768}, {"50%", 50},
    };
    for (const auto& [text, whole] : rounded) {
        EXPECT_EQ(wholeNumber(text), whole) << '"' << text << '"';
    }
    EXPECT_EQ(wholeNumber(std::numeric_limits<double>::quiet_NaN()), 0);

    const std::pair<double, const char*> written[] = {
        {-100, "-100"},
        {1.5e3, "1500"},
        {-0.0, "0"},
        {0.83 * 100, "83"},
        {0.1 + 0.2, "0.3"},
        {1e20, "1e+20"},
        {0.00001, "0.00001"},
        {1e-7, "0.0000001"},
        {99999999999999.5, "99999999999999.5"},
        {999999999999999.9, "1000000000000000"},
    };
    for (const auto& [value, text] : written) {
        EXPECT_EQ(decimalText(value), text) << value;
    }
    for (const double v : {kMax, -kMax, 98765.4321, -0.25, 5e-324}) {
        EXPECT_DOUBLE_EQ(numericValue(decimalText(v)), v) << decimalText(v);
    }
    EXPECT_EQ(decimalText(std::numeric_limits<double>::infinity()), decimalText(kMax));
    EXPECT_EQ(decimalText(1e-20 / 3), "0.00000000000000000000333333333333333");
}

TEST(MatchesPattern, WildcardsListsAndLiterals) {
    const struct {
        const char* pattern;
        std::vector<std::string> matches, misses;
    } cases[] = {{"*.fed", {"bmf.fed", ".fed"}, {"A.FED", "bmf.fed.bak"}},
                 {"", {""}, {"a"}},
                 {"a?c", {"abc"}, {"ac"}},
                 {"?t?", {"\xe9t\xe9"}, {}}, // single bytes beyond ASCII are characters too
                 {"a#c", {"a1c"}, {"abc"}},
                 {"[!abc]", {"d"}, {"a"}},
                 {"[a-z]", {"m"}, {"M"}},
                 {"[a-]", {"-"}, {}},
                 {"[*]*", {"*hey"}, {"x"}},
                 {"a[]b", {"ab"}, {}},
                 {"a[b", {}, {"abc", "a[b"}}, // unclosed list: never a match
                 {"x]", {"x]"}, {}},
                 {"m*i*s*p*i", {"mississippi"}, {}},
                 {"a*a*a*a", {}, {"aaa"}},
                 {"*\\Scenarios\\Old", {"\\Scenarios\\Old"}, {"\\Scenarios\\old"}}};
    for (const auto& c : cases) {
        for (const bool match : {true, false}) {
            for (const auto& text : match ? c.matches : c.misses) {
                EXPECT_EQ(matchesPattern(text, c.pattern), match) << text << " like " << c.pattern;
            }
        }
    }
    // Backtracking over many stars must not blow up.
    std::string stars;
    for (int i = 0; i < 200; ++i) {
        stars += "*a";
    }
    EXPECT_TRUE(matchesPattern(std::string(20000, 'a'), stars));
    EXPECT_FALSE(matchesPattern(std::string(20000, 'a'), stars + "b"));
}

} // namespace
} // namespace bm::text
