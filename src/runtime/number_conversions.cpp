// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "number_conversions.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tanvera::conversions {

#if TANVERA_HAS_CHARCONV_FORM
namespace standard {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Where the leading digit of a decimal number stands, as a power of ten: about 309 and beyond
// means too large for a Double, about -324 and below too small. Only the sign matters here.
long long decimalMagnitude(std::string_view number)
{
    long long magnitude = 0; // counts down through leading zeros after the point, then up
    bool significant = false, afterPoint = false;
    std::size_t pos = 0;
    for (; pos < number.size() && (isDigit(number[pos]) || number[pos] == '.'); ++pos) {
        if (number[pos] == '.') {
            afterPoint = true;
        } else if (!significant) {
            significant = number[pos] != '0';
            if (afterPoint)
                --magnitude;
        } else if (!afterPoint) {
            ++magnitude;
        }
    }
    long long exponent = 0;
    if (pos < number.size()) { // the exponent, saturated far beyond any Double
        const bool negative = number[++pos] == '-';
        if (number[pos] == '-' || number[pos] == '+')
            ++pos;
        for (; pos < number.size(); ++pos)
            exponent = std::min(exponent * 10 + (number[pos] - '0'), 1000000000LL);
        if (negative)
            exponent = -exponent;
    }
    return magnitude + exponent;
}

} // namespace

double parse(std::string_view digits)
{
    double value = 0;
    // Out of range means the nearest Double is 0 or beyond the largest; the value is left alone.
    if (std::from_chars(digits.data(), digits.data() + digits.size(), value).ec
        == std::errc::result_out_of_range)
        value = decimalMagnitude(digits) > 0 ? HUGE_VAL : 0.0;
    return value;
}

template <typename T> std::string generalOf(T value, int significant)
{
    char buffer[64];
    const auto result = std::to_chars(
        buffer, buffer + sizeof buffer, value, std::chars_format::general, significant);
    return std::string(buffer, result.ptr);
}

std::string general(float value, int significant)
{
    return generalOf(value, significant);
}

std::string general(double value, int significant)
{
    return generalOf(value, significant);
}

std::string fixed(double value, int decimals)
{
    char buffer[400]; // the largest Double has 309 integer digits
    const auto result
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

} // namespace standard
#endif

namespace clib {

// strtod and snprintf follow LC_NUMERIC, which the program keeps at "C" (setUpApplication).
double parse(std::string_view digits)
{
    // strtod needs the text ended by a NUL. It gives the nearest Double in every case: a denormal
    // or 0 below the normal range (with ERANGE, which says nothing more here), HUGE_VAL above.
    const std::string text(digits);
    return std::strtod(text.c_str(), nullptr);
}

std::string general(float value, int significant)
{
    return general(double(value), significant); // every float is exactly a double
}

std::string general(double value, int significant)
{
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, "%.*g", significant, value);
    return std::string(buffer, std::size_t(std::clamp(length, 0, int(sizeof buffer) - 1)));
}

std::string fixed(double value, int decimals)
{
    char buffer[400];
    const int length = std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return std::string(buffer, std::size_t(std::clamp(length, 0, int(sizeof buffer) - 1)));
}

} // namespace clib

} // namespace tanvera::conversions
