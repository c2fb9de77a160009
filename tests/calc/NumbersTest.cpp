#include "calc/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

#include "LocaleGuard.h"

namespace {

struct IntegerCase {
    const char* text;
    std::int32_t expected;
};

TEST(ReadInteger, ReadsLikeAtolAndSaturatesBeyond32Bits) {
    const IntegerCase cases[] = {
        {"12", 12},          {"  \t\n12", 12},    {"12.7", 12},        {"12abc", 12},
        {"-4", -4},          {"+7", 7},           {"", 0},             {"abc", 0},
        {"- 4", 0},          {"+-4", 0},          {"0x1A", 0},         {"007", 7},
        {"2147483647", 2147483647},               {"2147483648", std::numeric_limits<std::int32_t>::max()},
        {"99999999999999999999", std::numeric_limits<std::int32_t>::max()},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"-2147483649", std::numeric_limits<std::int32_t>::min()},
        {" 12 ", 12},
    };
    for (const IntegerCase& c : cases) EXPECT_EQ(calc::ReadInteger(c.text), c.expected) << '"' << c.text << '"';
}

struct RealCase {
    const char* text;
    double expected;
    std::size_t consumed;
};

TEST(ReadReal, ReadsTheLongestPrefixLikeStrtod) {
    const RealCase cases[] = {
        {"2.26", 2.26, 4},       {"  2.26 g/cm3", 2.26, 6}, {"1e-50", 1e-50, 5},  {"-1", -1.0, 2},
        {"+.5", 0.5, 3},         {"5.", 5.0, 2},            {"1e", 1.0, 1},       {"1e+", 1.0, 1},
        {"2,26", 2.0, 1},        {"abc", 0.0, 0},           {"", 0.0, 0},         {"+-1", 0.0, 0},
        {"0x1p4", 16.0, 5},      {"0x", 0.0, 1},            {"-0x10", -16.0, 5},  {"1e400", HUGE_VAL, 5},
        {"inf", HUGE_VAL, 3},    {"-Infinity", -HUGE_VAL, 9},
    };
    for (const RealCase& c : cases) {
        std::size_t consumed = 99;
        const double value = calc::ReadReal(c.text, &consumed);
        EXPECT_EQ(value, c.expected) << '"' << c.text << '"';
        EXPECT_EQ(consumed, c.consumed) << '"' << c.text << '"';
    }
    EXPECT_TRUE(std::isnan(calc::ReadReal("nan")));
    EXPECT_TRUE(std::isnan(calc::ReadReal(" -nan(0x1)")));
}

TEST(ReadReal, AgreesWithTheCLibraryOnAwkwardTexts) {
    const char* texts[] = {"1.7976931348623157e308", "2.2250738585072014e-308", "4.9e-324", "1e-400",
                           "0.1000000000000000055511151231257827", ".e1", "-.", "0X.8P1", "  +0x1.8p-1x",
                           "123456789012345678901234567890", "nan(abc)", "infinit", "9e99999"};
    for (const char* text : texts) {
        char* end = nullptr;
        const double expected = std::strtod(text, &end);  // the test process runs in the "C" locale
        std::size_t consumed = 0;
        const double value = calc::ReadReal(text, &consumed);
        if (std::isnan(expected)) {
            EXPECT_TRUE(std::isnan(value)) << text;
        } else {
            EXPECT_EQ(value, expected) << text;
        }
        EXPECT_EQ(consumed, static_cast<std::size_t>(end - text)) << text;
    }
}

TEST(NarrowToFloat, RoundsToNearestAndOverflowsToInfinity) {
    EXPECT_EQ(calc::NarrowToFloat(1e-50), 0.0f);
    EXPECT_EQ(calc::NarrowToFloat(2.26), 2.26f);
    EXPECT_EQ(calc::NarrowToFloat(1e39), std::numeric_limits<float>::infinity());
    EXPECT_EQ(calc::NarrowToFloat(-1e39), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(calc::NarrowToFloat(3.4028235e38), std::numeric_limits<float>::max());
    EXPECT_TRUE(std::isnan(calc::NarrowToFloat(std::nan(""))));
}

TEST(FormatFixed, PrintsLikePercentF) {
    const double values[] = {0.25, 0.75, 1.0, 1.0 / 3.0, 0.0000004, 0.0000005, 123456.5, -2.5, 0.0,
                             1e20, std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
    for (double value : values) {
        char expected[512];
        std::snprintf(expected, sizeof expected, "%f", value);
        EXPECT_EQ(calc::FormatFixed(value), expected) << value;
    }
    EXPECT_EQ(calc::FormatFixed(0.25), "0.250000");
    EXPECT_EQ(calc::FormatDecimal(-12), "-12");
}

// A German desktop uses a decimal comma; the numbers of the command line must not follow it.
TEST(Numbers, IgnoreTheUsersLocale) {
    calc_test::GermanLocale german;
    ASSERT_TRUE(german.Active()) << "the de_DE.UTF-8 locale is missing; scripts/setup-debian.sh generates it";
    char probe[32];
    std::snprintf(probe, sizeof probe, "%f", 0.25);
    ASSERT_STREQ(probe, "0,250000") << "the locale did not take effect, so this test would prove nothing";

    EXPECT_EQ(calc::ReadReal("2.26"), 2.26);
    EXPECT_EQ(calc::ReadReal("2,26"), 2.0);
    EXPECT_EQ(calc::FormatFixed(0.25), "0.250000");
    EXPECT_EQ(calc::ReadInteger(" 12"), 12);
}

}  // namespace
