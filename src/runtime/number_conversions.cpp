// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "number_conversions.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace tanvera::conversions {

#if TANVERA_HAS_CHARCONV_FORM
namespace standard {

double parse(std::string_view digits)
{
    double value = 0;
    // Out of range means the nearest Double is 0 or beyond the largest, and from_chars leaves the
    // value alone: strtod, which reads the same text exactly, tells which.
    if (std::from_chars(digits.data(), digits.data() + digits.size(), value).ec
        == std::errc::result_out_of_range)
        value = clib::parse(digits);
    return value;
}

template <typename T> std::string written(T value, std::chars_format format, int precision)
{
    char buffer[400]; // the largest Double has 309 integer digits
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    return std::string(buffer, result.ptr);
}

std::string general(float value, int significant)
{
    return written(value, std::chars_format::general, significant);
}

std::string general(double value, int significant)
{
    return written(value, std::chars_format::general, significant);
}

std::string fixed(double value, int decimals)
{
    return written(value, std::chars_format::fixed, decimals);
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
