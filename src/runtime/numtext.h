// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The number text rules: reading a number from text accepts "." only, while writing uses the
// user's regional decimal separator, which callers pass in as a plain character.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tanvera {

// Reads the number at the start of a text, skipping blanks, tabs and line feeds anywhere; a text
// that does not start with a number reads as 0. "&H" and "&O" read hexadecimal and octal whole
// numbers. A value beyond the Double range is an overflow fault.
double Val(std::string_view text);

// Every occurrence of `from` replaced by `to`, scanning from the first character.
std::string Replace(std::string_view text, std::string_view from, std::string_view to);

// The general number-to-text conversion: at most 7 significant digits for a Single and 15 for a
// Double, no trailing zeros, no separator for a whole value, and a negative zero printed as 0.
// Fewer digits give a shorter form of the same number where the full one has no room.
std::string Str(float value, char separator);
std::string Str(double value, char separator, int digits = 15);

// Fixed patterns, each valued at its number of decimals: "0.00", "0.0000" (at least one integer
// digit) and ".0" (no integer digit when the integer part is 0). Halves round to even.
enum class Pattern { OneDecimalNoLeadingZero = 1, TwoDecimals = 2, FourDecimals = 4 };
std::string Format(double value, Pattern pattern, char separator);

// Round to one decimal place, an exact half to the even digit.
double roundOneDecimal(double value);
// Round to that many decimal places, one as roundOneDecimal does.
double roundDecimals(double value, int decimals);

// A colour value r + 256·g + 65536·b.
constexpr std::uint32_t RGB(int r, int g, int b)
{
    return static_cast<std::uint32_t>(r) + 256u * static_cast<std::uint32_t>(g)
        + 65536u * static_cast<std::uint32_t>(b);
}

} // namespace tanvera
