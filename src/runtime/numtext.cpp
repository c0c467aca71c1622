// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numtext.h"

#include "checked.h"
#include "number_conversions.h"

#include <charconv>
#include <cmath>

namespace tanvera {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// "&H…" and "&O…": a whole number in base 16 or 8, read into a Double like any other number.
double readRadix(std::string_view digits, int base)
{
    double value = 0;
    for (const char& c : digits) {
        int digit = 0;
        if (std::from_chars(&c, &c + 1, digit, base).ec != std::errc())
            break;
        value = value * base + digit;
    }
    return value;
}

std::size_t skipDigits(const std::string& s, std::size_t pos)
{
    while (pos < s.size() && isDigit(s[pos]))
        ++pos;
    return pos;
}

// Length of the longest prefix that forms a decimal number: sign, digits with at most one
// point, and an exponent only when digits follow it. Zero when no digit is there.
std::size_t decimalPrefix(const std::string& s)
{
    auto isAt = [&](std::size_t pos, std::string_view chars) {
        return pos < s.size() && chars.find(s[pos]) != std::string_view::npos;
    };
    const std::size_t intStart = isAt(0, "+-") ? 1 : 0;
    const std::size_t intEnd = skipDigits(s, intStart);
    const bool point = isAt(intEnd, ".");
    std::size_t pos = point ? skipDigits(s, intEnd + 1) : intEnd;
    const std::size_t digits = pos - intStart - (point ? 1 : 0);
    if (digits == 0)
        return 0;
    if (isAt(pos, "eE")) {
        const std::size_t exp = isAt(pos + 1, "+-") ? pos + 2 : pos + 1;
        if (const std::size_t expEnd = skipDigits(s, exp); expEnd > exp)
            pos = expEnd;
    }
    return pos;
}

// The number read with a point before its decimals, rounded to the nearest Double. Beyond the
// Double range it is an infinity (the caller's overflow) or, when too small, a zero.
double parseDecimal(std::string_view number)
{
    const bool negative = number[0] == '-';
    if (number[0] == '-' || number[0] == '+')
        number.remove_prefix(1);
    const double value = conversions::chosen::parse(number);
    return negative ? -value : value;
}

std::string withSeparator(std::string text, char separator)
{
    for (char& c : text) {
        if (c == '.')
            c = separator;
        else if (c == 'e')
            c = 'E';
    }
    return text;
}

template <typename T> std::string general(T value, int digits, char separator)
{
    if (value == 0)
        return "0"; // also for a negative zero
    return withSeparator(conversions::chosen::general(value, digits), separator);
}

} // namespace

double Val(std::string_view text)
{
    std::string s(text);
    std::erase_if(s, isBlank); // skipped anywhere
    double value = 0.0;
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h')
            value = readRadix(std::string_view(s).substr(2), 16);
        else if (s[1] == 'O' || s[1] == 'o')
            value = readRadix(std::string_view(s).substr(2), 8);
    } else if (const std::size_t length = decimalPrefix(s); length > 0) {
        value = parseDecimal(std::string_view(s).substr(0, length));
    }
    if (!std::isfinite(value))
        throw RuntimeFault(FaultKind::Overflow, "El número escrito es demasiado grande.");
    return value;
}

std::string Replace(std::string_view text, std::string_view from, std::string_view to)
{
    if (from.empty())
        return std::string(text);
    std::string result;
    std::size_t start = 0;
    for (std::size_t hit; (hit = text.find(from, start)) != std::string_view::npos;
         start = hit + from.size()) {
        result.append(text.substr(start, hit - start));
        result.append(to);
    }
    result.append(text.substr(start));
    return result;
}

std::string Str(float value, char separator)
{
    return general(value, 7, separator);
}

std::string Str(double value, char separator, int digits)
{
    return general(value, digits, separator);
}

std::string Format(double value, Pattern pattern, char separator)
{
    std::string text = conversions::chosen::fixed(value, static_cast<int>(pattern));
    // A value that rounds to zero shows no sign.
    if (text[0] == '-' && text.find_first_of("123456789") == std::string::npos)
        text.erase(0, 1);
    if (pattern == Pattern::OneDecimalNoLeadingZero) {
        const std::size_t zero = text[0] == '-' ? 1 : 0;
        if (text.compare(zero, 2, "0.") == 0)
            text.erase(zero, 1);
    }
    return withSeparator(text, separator);
}

// The value is scaled by 10 and the product rounded, half to even: 1.05 gives 10.5 and so 1.0.
double roundOneDecimal(double value)
{
    return std::nearbyint(double(Dbl(value) * 10.0)) / 10.0;
}

// Beyond one decimal the value is written with them, rounded to the nearest, and read back: a
// power of ten as large as a tiny axis needs would not be a Double.
double roundDecimals(double value, int decimals)
{
    if (decimals <= 1)
        return roundOneDecimal(value);
    const std::string digits = conversions::chosen::fixed(std::abs(value), decimals);
    const double rounded = conversions::chosen::parse(digits);
    return value < 0 ? -rounded : rounded;
}

} // namespace tanvera
