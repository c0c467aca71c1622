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

// Beyond the Double range only through many digits: where the leading digit stands decides.
const std::string TinyByZeros = "0." + std::string(400, '0') + "1";
const std::string HugeByDigits = "1" + std::string(400, '0');

TEST(Val, ReadsTheNumberTheTextStartsWith)
{
    const std::pair<std::string, double> rows[] = {{"", 0}, {"-", 0}, {"+", 0}, {"abc", 0},
        {",5", 0}, {"12,5", 12}, {"1.234.5", 1.234}, {"2e3", 2000}, {"2.5E-2", 0.025}, {"7e", 7},
        {"7e+", 7}, {"1 0", 10}, {" 2 45 7", 2457}, {"\t-\n3.5", -3.5}, {"24 and 57", 24},
        {"3,5", 3}, {".5", 0.5}, {"-.25", -0.25}, {".", 0}, {"--5", 0}, {"+2.5", 2.5},
        {"5·3", 5}, // any character beyond ASCII ends the number
        // Hexadecimal and octal.
        {"&H1F", 31}, {"&HFFFF", 65535}, {"&hff", 255}, {"&H100000000", 4294967296}, {"&O17", 15},
        {"&", 0},
        // Below the smallest denormal, to zero; the denormals themselves, to the nearest.
        {"1e-400", 0}, {"-1e-400", 0}, {"1000e-327", 0}, {TinyByZeros, 0},
        {"1e-99999999999999999999", 0}, {"5e-324", 4.9406564584124654e-324},
        {"3e-324", 4.9406564584124654e-324}, {"1e-310", 1e-310},
        {"-4e-324", -4.9406564584124654e-324}, {"0.1000000000000000055511151231257827", 0.1},
        {"1.7976931348623157e308", 1.7976931348623157e308}};
    for (const auto& [text, value] : rows)
        EXPECT_EQ(Val(text), value) << text;
}

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

TEST(NumberText, GeneralAndFixedFormsWithTheSeparatorGiven)
{
    const std::pair<std::string, const char*> rows[] = {{Str(5.4f, '.'), "5.4"},
        {Str(double(5.4f), '.'), "5.40000009536743"}, {Str(double(5.4f), ','), "5,40000009536743"},
        {Str(199.9999999999972, '.'), "199.999999999997"},
        {Str(199.9999999999972, ','), "199,999999999997"}, {Str(4.050000000000001, '.'), "4.05"},
        {Str(20000.0, ','), "20000"}, {Str(-1007.6, ','), "-1007,6"}, {Str(0.375, ','), "0,375"},
        {Str(-0.0, '.'), "0"}, {Str(-0.0f, '.'), "0"}, {Str(10.0000001f, '.'), "10"},
        {Str(1234.567f, ','), "1234,567"}, {Str(1.5e20, ','), "1,5E+20"}, {Str(1e-5, '.'), "1E-05"},
        {Format(5.555555, Pattern::TwoDecimals, ','), "5,56"},
        {Format(10.0, Pattern::TwoDecimals, '.'), "10.00"},
        {Format(0.5, Pattern::FourDecimals, '.'), "0.5000"},
        {Format(149.4643097118221, Pattern::FourDecimals, ','), "149,4643"},
        {Format(20000.0 / 60 / 60, Pattern::TwoDecimals, ','), "5,56"},
        {Format(-0.001, Pattern::TwoDecimals, '.'), "0.00"},
        {Format(-2.5, Pattern::TwoDecimals, '.'), "-2.50"},
        {Format(250.0, Pattern::OneDecimalNoLeadingZero, '.'), "250.0"},
        {Format(0.5, Pattern::OneDecimalNoLeadingZero, ','), ",5"},
        {Format(0.0, Pattern::OneDecimalNoLeadingZero, '.'), ".0"},
        {Format(12.34f, Pattern::OneDecimalNoLeadingZero, '.'), "12.3"},
        {Format(-0.5, Pattern::OneDecimalNoLeadingZero, '.'), "-.5"}};
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(text, expected);
}

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
