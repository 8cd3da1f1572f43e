#include "base/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace brivex {
namespace {

TEST(Numbers_ToInt32, NearestWithTiesToEven) {
    struct Case {
        double in;
        std::int32_t out;
    };
    const Case cases[] = {
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {3.5, 4},
        {-0.5, 0},
        {-1.5, -2},
        {-2.5, -2},
        {12.5, 12},
        {13.5, 14},
        {8.5, 8},
        {16.5, 16},
        {2.4999, 2},
        {2.5001, 3},
        {-7.6, -8},
        {2147483647.0, 2147483647},
        {-2147483648.0, std::numeric_limits<std::int32_t>::min()},
    };
    for (const Case& c : cases) EXPECT_EQ(ToInt32(c.in), c.out) << c.in;
}

TEST(Numbers_ToInt32, OutOfRangeAndNonFiniteAreNoNumber) {
    EXPECT_FALSE(ToInt32(2147483648.0));
    EXPECT_FALSE(ToInt32(-2147483649.0));
    EXPECT_FALSE(ToInt32(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(ToInt32(std::numeric_limits<double>::infinity()));
    EXPECT_EQ(ToInt32(2147483647.4), 2147483647) << "rounds into range";
}

TEST(Numbers_ToInt16, SixteenBitRange) {
    EXPECT_EQ(ToInt16(32767.0), 32767);
    EXPECT_FALSE(ToInt16(32768.0));
    EXPECT_EQ(ToInt16(-32768.4), -32768);
    EXPECT_EQ(ToInt16(0.5), 0);
}

TEST(Numbers_TextToNumber, AcceptsWholeDecimalTexts) {
    struct Case {
        const char* in;
        double out;
    };
    const Case cases[] = {
        {"1", 1},     {"0", 0},    {"00000038", 38}, {"-12", -12},  {"+3", 3},        {" 7 ", 7}, {"\t5", 5},
        {"1.5", 1.5}, {".5", 0.5}, {"5.", 5},        {"1e3", 1000}, {"2.5E-1", 0.25}, {"-0", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(TextToNumber(c.in), c.out) << c.in;
}

TEST(Numbers_TextToNumber, RejectsAnythingElseWithoutThrowing) {
    for (const char* bad :
         {"", " ", "abc", "1a", "a1", "1 2", "--1", "+", ".", "1e", "1e+", "0x10", "1,5", "ok", "no", "1.2.3", "1e999"})
        EXPECT_FALSE(TextToNumber(bad)) << bad;
}

TEST(Numbers_TextToNumber, UsesTheGivenDecimalSeparator) {
    EXPECT_EQ(TextToNumber("1,5", ','), 1.5);
    EXPECT_FALSE(TextToNumber("1.5", ','));
}

TEST(Numbers_FormatNumber, WholeNumberPattern) {
    struct Case {
        double in;
        const char* out;
    };
    const Case cases[] = {
        {0, "0"},     {0.4, "0"},      {0.5, "1"},       {1.5, "2"},  {2.5, "3"},
        {-2.5, "-3"}, {513.49, "513"}, {1024.5, "1025"}, {-0.4, "0"}, {123456789, "123456789"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatNumber(c.in, "#0", ','), c.out) << c.in;
}

TEST(Numbers_FormatNumber, OneDecimalPatternUsesTheUsersSeparator) {
    EXPECT_EQ(FormatNumber(511.25, "#0.0", ','), "511,3");
    EXPECT_EQ(FormatNumber(511.25, "#0.0", '.'), "511.3");
    EXPECT_EQ(FormatNumber(0.04, "#0.0", ','), "0,0");
    EXPECT_EQ(FormatNumber(0.05, "#0.0", ','), "0,1");
    EXPECT_EQ(FormatNumber(2, "#0.0", ','), "2,0");
    EXPECT_EQ(FormatNumber(9.96, "#0.0", ','), "10,0");
    EXPECT_EQ(FormatNumber(-0.25, "#0.0", ','), "-0,3");
}

TEST(Numbers_FormatNumber, OptionalDigitsDropLeadingAndTrailingZeros) {
    struct Case {
        double in;
        const char* out;
    };
    const Case cases[] = {
        {0, ","},      {0.5, ",5"},  {12.345, "12,35"}, {12.3, "12,3"},  {12, "12,"},       {99.999, "100,"},
        {100, "100,"}, {0.004, ","}, {0.005, ",01"},    {2.675, "2,68"}, {57.125, "57,13"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatNumber(c.in, "##.##", ','), c.out) << c.in;
}

TEST(Numbers_SingleToText, ShortestFormUpToSevenDigits) {
    struct Case {
        float in;
        const char* out;
    };
    const Case cases[] = {
        {0.0f, "0"},
        {1.0f, "1"},
        {2048.0f, "2048"},
        {1023.5f, "1023,5"},
        {0.1f, "0,1"},
        {-3.25f, "-3,25"},
        {1.0f / 3.0f, "0,3333333"},
        {1234567.0f, "1234567"},
        {12345678.0f, "1,234568E+07"},
        {0.0001f, "0,0001"},
        {0.000001f, "1E-06"},
        {100.0f, "100"},
    };
    for (const Case& c : cases) EXPECT_EQ(SingleToText(c.in, ','), c.out) << c.in;
}

}  // namespace
}  // namespace brivex
