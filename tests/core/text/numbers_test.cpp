#include "core/text/numbers.h"

#include <gtest/gtest.h>

#include <limits>

namespace bm::text {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();

TEST(NumericValue, TakesTheLeadingNumberOfAText) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"12,000", 12},    {"abc", 0},      {"", 0},           {"  42", 42},    {"\t3", 3},
        {"3 4", 3},        {"-100", -100},  {"+7", 7},         {"1.5e3", 1500}, {"1.5E3", 1500},
        {"2.5", 2.5},      {".5", 0.5},     {"5.", 5},         {"-.5", -0.5},   {"1e", 1},
        {"1e+", 1},        {"2e-1x", 0.2},  {"-", 0},          {".", 0},        {"0x10", 0},
        {"$500", 0},       {"1e400", kMax}, {"-1e400", -kMax}, {"1e-400", 0},   {"0e999999", 0},
        {"7500abc", 7500}, {"00012", 12},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(numericValue(c.text), c.value) << '"' << c.text << '"';
    }
    EXPECT_EQ(numericValue("1e99999999999999999999"), kMax);
}

TEST(WholeNumber, RoundsHalvesToEvenWithinSixteenBits) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"2.5", 2},       {"3.5", 4},         {"-2.5", -2},       {"-3.5", -4},
        {"0.5", 0},       {"1.5", 2},         {"2.4999", 2},      {"abc", 0},
        {"40000", 32767}, {"-40000", -32768}, {"32767.5", 32767}, {"-32768.5", -32768},
        {"1e400", 32767}, {"-1e400", -32768}, {"50%", 50},        {"", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(wholeNumber(c.text), c.value) << '"' << c.text << '"';
    }
    EXPECT_EQ(wholeNumber(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(wholeNumber(std::numeric_limits<double>::infinity()), 32767);
}

TEST(DecimalText, WritesPlainDecimalsThatReadBack) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {7500, "7500"},
        {-100, "-100"},
        {2.5, "2.5"},
        {1.5e3, "1500"},
        {0, "0"},
        {-0.0, "0"},
        {0.83 * 100, "83"},
        {0.1, "0.1"},
        {350 / 100.0, "3.5"},
        {123456789012345, "123456789012345"},
        {1e20, "1e+20"},
        {0.00001, "0.00001"},
        {-0.000123, "-0.000123"},
        {1e-7, "0.0000001"},
        {0.1 + 0.2, "0.3"},
        {123456.7890123456789, "123456.789012346"},
        {99999999999999.5, "99999999999999.5"},
        {999999999999999.9, "1000000000000000"},
        {1e-20 / 3, "0.00000000000000000000333333333333333"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(decimalText(c.value), c.text) << c.value;
    }
    for (const double v : {kMax, -kMax, 98765.4321, -0.25, 1e15, 5e-324}) {
        EXPECT_DOUBLE_EQ(numericValue(decimalText(v)), v) << decimalText(v);
    }
    EXPECT_EQ(decimalText(std::numeric_limits<double>::infinity()), decimalText(kMax));
}

} // namespace
} // namespace bm::text
