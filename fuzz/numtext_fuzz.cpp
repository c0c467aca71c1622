// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for the number text rules: reading whatever a student types, the
// decimal-comma rule and the number-to-text conversions. A broken property names itself on
// stderr and aborts, so that libFuzzer keeps the input as a crash file.
#include "runtime/fault.h"
#include "runtime/number_conversions.h"
#include "runtime/numtext.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

using namespace tanvera;

namespace {

void require(bool holds, const char* property)
{
    if (!holds) {
        std::fprintf(stderr, "broken property: %s\n", property);
        std::abort();
    }
}

// Val may only fail with an overflow, for a number beyond the Double range.
std::optional<double> read(const std::string& text)
{
    try {
        const double value = Val(text);
        require(std::isfinite(value), "Val gives a finite number");
        return value;
    } catch (const RuntimeFault& fault) {
        require(fault.kind() == FaultKind::Overflow, "Val fails only with an overflow");
        return std::nullopt;
    }
}

std::string withoutBlanks(const std::string& text)
{
    std::string kept;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            kept += c;
    }
    return kept;
}

// The browser's build converts with the C library's form; where <charconv> is there too, both
// must give the same bits.
void checkForms(const std::string& text, double value)
{
#if TANVERA_HAS_CHARCONV_FORM
    namespace forms = conversions;
    // The input's digits and its first point: a number of any length and magnitude.
    std::string digits;
    for (char c : text) {
        if ((c >= '0' && c <= '9') || (c == '.' && digits.find('.') == std::string::npos))
            digits += c;
    }
    if (digits.find_first_of("0123456789") != std::string::npos)
        require(std::bit_cast<std::uint64_t>(forms::clib::parse(digits))
                == std::bit_cast<std::uint64_t>(forms::standard::parse(digits)),
            "the C library reads as <charconv>");
    require(forms::clib::general(value, 15) == forms::standard::general(value, 15)
            && forms::clib::general(float(value), 7) == forms::standard::general(float(value), 7)
            && forms::clib::fixed(value, 2) == forms::standard::fixed(value, 2),
        "the C library writes as <charconv>");
#else
    (void)text;
    (void)value;
#endif
}

void checkWritten(double value)
{
    const std::string point = Str(value, '.');
    require(point != "-0", "a zero is written without a sign");
    require(
        Str(value, ',') == Replace(point, ".", ","), "only the separator depends on the setting");
    // Fifteen digits do not give every double back, but they come within a relative 1e-14; at the
    // very top of the range the rounded text lies beyond the largest double.
    if (const auto back = read(point))
        require(std::fabs(*back - value) <= 1e-14 * std::fabs(value) + 1e-300, "Str reads back");
    else
        require(std::fabs(value) > 1.797693134862315e308, "only the largest values overflow");

    if (std::fabs(value) < 1e15) {
        const std::string fixed = Format(value, Pattern::FourDecimals, '.');
        const auto point = fixed.find('.');
        require(point != std::string::npos && fixed.size() - point == 5, "four decimals");
        require(
            std::fabs(*read(fixed) - value) <= 0.00005 + 1e-15 * std::fabs(value), "Format rounds");
    }
}

void checkSingle(const std::uint8_t* data, std::size_t size)
{
    if (size < sizeof(float))
        return;
    float value;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value))
        return;
    const std::string text = Str(value, '.');
    int digits = 0; // significant: from the first digit that is not 0
    for (std::size_t i = 0; i < text.size() && text[i] != 'E'; ++i)
        digits += (digits > 0 || (text[i] >= '1' && text[i] <= '9')) && text[i] != '.';
    require(digits <= 7, "a Single shows at most 7 significant digits");
    const auto back = read(text);
    require(back && std::fabs(*back - value) <= 1e-6 * std::fabs(value) + 1e-45,
        "Str(float) reads back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto value = read(text);
    require(read(withoutBlanks(text)) == value, "blanks, tabs and line feeds are skipped anywhere");
    if (value)
        require(read(text + "," + text) == value, "a comma ends the number");

    const std::string normalised = Replace(text, ",", ".");
    require(normalised.find(',') == std::string::npos, "the comma rule leaves no comma");
    require(normalised.size() == text.size(), "the comma rule keeps the length");
    require(Replace(normalised, ",", ".") == normalised, "the comma rule is done once for all");
    if (const auto normalisedValue = read(normalised)) {
        checkWritten(*normalisedValue);
        checkForms(text, *normalisedValue);
    }

    checkSingle(data, size);
    return 0;
}
