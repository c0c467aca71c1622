// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fault_of.h"
#include "runtime/number_conversions.h"
#include "runtime/numtext.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>

using namespace tanvera;

struct ValRow
{
    const char* name;
    const char* text;
    double value;
};

class ValReads : public testing::TestWithParam<ValRow>
{ };

TEST_P(ValReads, Row)
{
    EXPECT_EQ(Val(GetParam().text), GetParam().value) << GetParam().text;
}

// Beyond the Double range only through many digits: where the leading digit stands decides.
const std::string TinyByZeros = "0." + std::string(400, '0') + "1";
const std::string HugeByDigits = "1" + std::string(400, '0');

INSTANTIATE_TEST_SUITE_P(Texts, ValReads,
    testing::Values(ValRow {"empty", "", 0}, ValRow {"loneMinus", "-", 0},
        ValRow {"lonePlus", "+", 0}, ValRow {"letters", "abc", 0}, ValRow {"leadingComma", ",5", 0},
        ValRow {"decimalCommaEnds", "12,5", 12}, ValRow {"thousandsAndComma", "1.234.5", 1.234},
        ValRow {"exponent", "2e3", 2000}, ValRow {"exponentUpperSigned", "2.5E-2", 0.025},
        ValRow {"exponentWithoutDigits", "7e", 7}, ValRow {"exponentSignOnly", "7e+", 7},
        ValRow {"blanksInside", "1 0", 10}, ValRow {"blanksEverywhere", " 2 45 7", 2457},
        ValRow {"tabsAndLineFeeds", "\t-\n3.5", -3.5}, ValRow {"wordsAfter", "24 and 57", 24},
        ValRow {"commaAfterDigit", "3,5", 3}, ValRow {"pointFirst", ".5", 0.5},
        ValRow {"signedPoint", "-.25", -0.25}, ValRow {"lonePoint", ".", 0},
        ValRow {"doubleSign", "--5", 0}, ValRow {"hex", "&H1F", 31},
        ValRow {"hexLarge", "&HFFFF", 65535}, ValRow {"hexLower", "&hff", 255},
        ValRow {"hexBeyond32Bits", "&H100000000", 4294967296}, ValRow {"octal", "&O17", 15},
        ValRow {"ampersandAlone", "&", 0}, ValRow {"tinyUnderflows", "1e-400", 0},
        ValRow {"negativeTinyUnderflows", "-1e-400", 0}, ValRow {"plusSign", "+2.5", 2.5},
        ValRow {"tinyWithLargeMantissa", "1000e-327", 0},
        ValRow {"tinyByZeros", TinyByZeros.c_str(), 0},
        ValRow {"tinyHugeExponent", "1e-99999999999999999999", 0},
        ValRow {"smallestDenormal", "5e-324", 4.9406564584124654e-324},
        ValRow {"roundsUpToSmallestDenormal", "3e-324", 4.9406564584124654e-324},
        ValRow {"denormal", "1e-310", 1e-310},
        ValRow {"negativeDenormal", "-4e-324", -4.9406564584124654e-324},
        ValRow {"nearestDouble", "0.1000000000000000055511151231257827", 0.1},
        ValRow {"nonLatinEnds",
            "5\xC2\xB7"
            "3",
            5},
        ValRow {"largest", "1.7976931348623157e308", 1.7976931348623157e308}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Val, HugeValuesAreOverflowFaults)
{
    const std::string hugeHex = "&H" + std::string(260, 'F');
    for (const char* text : {"1e400", "-1e400", hugeHex.c_str(), "0.001e312",
             "+1e99999999999999999999", HugeByDigits.c_str()}) {
        const RuntimeFault fault = faultRaisedBy([&] { Val(text); });
        EXPECT_EQ(fault.kind(), FaultKind::Overflow) << text;
        EXPECT_FALSE(fault.hint().empty()) << text;
    }
}

TEST(Replace, EveryOccurrenceFromTheStart)
{
    EXPECT_EQ(Replace("1,234,5", ",", "."), "1.234.5");
    EXPECT_EQ(Replace(",,", ",", "."), "..");
    EXPECT_EQ(Replace("sin coma", ",", "."), "sin coma");
    EXPECT_EQ(Replace("", ",", "."), "");
    EXPECT_EQ(Replace("aaa", "aa", "b"), "ba");
}

struct TextRow
{
    const char* name;
    char separator;
    std::string (*convert)(char);
    const char* expected;
};

class NumberText : public testing::TestWithParam<TextRow>
{ };

TEST_P(NumberText, Row)
{
    EXPECT_EQ(GetParam().convert(GetParam().separator), GetParam().expected);
}

#define ROW(name, sep, expr, text)                                                                 \
    TextRow                                                                                        \
    {                                                                                              \
        name, sep, [](char s) { return expr; }, text                                               \
    }

INSTANTIATE_TEST_SUITE_P(Conversions, NumberText,
    testing::Values(ROW("singleFiveFour", '.', Str(5.4f, s), "5.4"),
        ROW("singleWidened", '.', Str(double(5.4f), s), "5.40000009536743"),
        ROW("singleWidenedComma", ',', Str(double(5.4f), s), "5,40000009536743"),
        ROW("accumulatedTime", '.', Str(199.9999999999972, s), "199.999999999997"),
        ROW("accumulatedTimeComma", ',', Str(199.9999999999972, s), "199,999999999997"),
        ROW("scaleValue", '.', Str(4.050000000000001, s), "4.05"),
        ROW("whole", ',', Str(20000.0, s), "20000"),
        ROW("negative", ',', Str(-1007.6, s), "-1007,6"),
        ROW("belowOne", ',', Str(0.375, s), "0,375"), ROW("negativeZero", '.', Str(-0.0, s), "0"),
        ROW("negativeZeroSingle", '.', Str(-0.0f, s), "0"),
        ROW("singleSevenDigits", '.', Str(10.0000001f, s), "10"),
        ROW("singleSevenSignificant", ',', Str(1234.567f, s), "1234,567"),
        ROW("large", ',', Str(1.5e20, s), "1,5E+20"), ROW("small", '.', Str(1e-5, s), "1E-05"),
        ROW("twoDecimals", ',', Format(5.555555, Pattern::TwoDecimals, s), "5,56"),
        ROW("twoDecimalsPoint", '.', Format(10.0, Pattern::TwoDecimals, s), "10.00"),
        ROW("fourDecimals", '.', Format(0.5, Pattern::FourDecimals, s), "0.5000"),
        ROW("fourDecimalsComma", ',', Format(149.4643097118221, Pattern::FourDecimals, s),
            "149,4643"),
        ROW("hours", ',', Format(20000.0 / 60 / 60, Pattern::TwoDecimals, s), "5,56"),
        ROW("tinyNegativeNoSign", '.', Format(-0.001, Pattern::TwoDecimals, s), "0.00"),
        ROW("negativeKept", '.', Format(-2.5, Pattern::TwoDecimals, s), "-2.50"),
        ROW("topValue", '.', Format(250.0, Pattern::OneDecimalNoLeadingZero, s), "250.0"),
        ROW("topValueBelowOne", ',', Format(0.5, Pattern::OneDecimalNoLeadingZero, s), ",5"),
        ROW("topValueZero", '.', Format(0.0, Pattern::OneDecimalNoLeadingZero, s), ".0"),
        ROW("topValueRounded", '.', Format(12.34f, Pattern::OneDecimalNoLeadingZero, s), "12.3"),
        ROW("topValueNegative", '.', Format(-0.5, Pattern::OneDecimalNoLeadingZero, s), "-.5")),
    [](const auto& info) { return std::string(info.param.name); });

#undef ROW

#if TANVERA_HAS_CHARCONV_FORM
// The browser's build converts with the C library's form: where <charconv> is there too, the two
// must agree to the last bit, on edge cases and on a random sample of every magnitude.
TEST(NumberConversions, CLibraryFormMatchesCharconv)
{
    using namespace conversions;
    std::vector<std::string> texts = {"1e-310", "4e-324", "2e-324", "2.4703282292062328e-324",
        "1.7976931348623158e308", "1.7976931348623159e308", "1e309", "0e99999", "1e-99999999999",
        "2.2250738585072011e-308", "0." + std::string(330, '0') + "1", "1" + std::string(308, '0'),
        "9007199254740993", "0.1000000000000000055511151231257827"};
    std::vector<double> values = {0.125, 0.375, 2.5, 1234567.5, 123456789012345.5, 5e-324,
        1.7976931348623157e308, 2.2250738585072014e-308, 1e-45, 0.05, 0.005, 0.00005};
    std::mt19937_64 random(21);
    for (int i = 0; i < 20000; ++i) {
        // Any finite bits; and binary fractions that end on a 5, ties of the fixed formats.
        const double any = std::bit_cast<double>(random() & 0x7FEFFFFFFFFFFFFFull);
        const double tie = std::ldexp(double(random() % 100000000), -int(i % 13));
        values.push_back(i % 2 ? any : i % 4 ? tie : -tie);
        char text[40];
        std::snprintf(text, sizeof text, "%.*e", int(random() % 20), any);
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(clib::parse(text)),
            std::bit_cast<std::uint64_t>(standard::parse(text)))
            << text;
    }
    for (const double value : values) {
        const float single = float(value);
        if (std::isfinite(single)) {
            EXPECT_EQ(clib::general(single, 7), standard::general(single, 7)) << value;
        }
        EXPECT_EQ(clib::general(value, 15), standard::general(value, 15)) << value;
        for (int decimals : {1, 2, 4})
            EXPECT_EQ(clib::fixed(value, decimals), standard::fixed(value, decimals)) << value;
    }
}
#endif

TEST(roundOneDecimal, HalvesGoToEven)
{
    EXPECT_EQ(roundOneDecimal(-1007.5575), -1007.6);
    EXPECT_EQ(roundOneDecimal(0.25), 0.2);
    EXPECT_EQ(roundOneDecimal(0.75), 0.8);
    EXPECT_EQ(roundOneDecimal(20000.0000001), 20000.0);
    EXPECT_THROW(roundOneDecimal(1e308), RuntimeFault);
}

TEST(Colour, ComponentsWeighted)
{
    EXPECT_EQ(RGB(200, 200, 200), 200u + 256u * 200u + 65536u * 200u);
}
