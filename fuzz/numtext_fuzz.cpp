// libFuzzer target for the number text rules: reading whatever the user types, the decimal-comma
// rule and the number-to-text conversions. A broken property prints its name and the input as a
// C string literal, then aborts so that libFuzzer keeps the input as a crash file.
#include "runtime/fault.h"
#include "runtime/numtext.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

using namespace tanvera;

namespace {

std::string_view currentInput;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isHexDigit(unsigned char c)
{
    return isDigit(static_cast<char>(c)) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The bytes as a C string literal, ready to paste into a test row. "\x" escapes are greedy, so a
// hex digit right after one starts a new literal.
std::string cLiteral(std::string_view bytes)
{
    std::string text = "\"";
    bool afterHexEscape = false;
    for (const unsigned char c : bytes) {
        if (afterHexEscape && isHexDigit(c))
            text += "\" \"";
        afterHexEscape = false;
        if (c == '"' || c == '\\') {
            text += '\\';
            text += static_cast<char>(c);
        } else if (c == '\n') {
            text += "\\n";
        } else if (c == '\t') {
            text += "\\t";
        } else if (c >= 0x20 && c < 0x7F) {
            text += static_cast<char>(c);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", c);
            text += escape;
            afterHexEscape = true;
        }
    }
    return text + '"';
}

std::string number(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

[[noreturn]] void fail(const char* property, const std::string& detail)
{
    std::fprintf(stderr, "\n==== numtext_fuzz: %s\n     input:  %s\n     detail: %s\n\n", property,
        cLiteral(currentInput).c_str(), detail.c_str());
    std::abort();
}

// Val under its one allowed exception: an overflow reads as no value, anything else stops the run.
std::optional<double> read(std::string_view text)
{
    try {
        const double value = Val(text);
        if (!std::isfinite(value))
            fail(
                "Val returned a value that is not finite", cLiteral(text) + " -> " + number(value));
        return value;
    } catch (const RuntimeFault& fault) {
        if (fault.kind() != FaultKind::Overflow)
            fail("Val raised a fault other than overflow", cLiteral(text) + ": " + fault.what());
        return std::nullopt;
    } catch (const std::exception& error) {
        fail("Val threw something other than a RuntimeFault", cLiteral(text) + ": " + error.what());
    } catch (...) {
        fail("Val threw something other than a RuntimeFault", cLiteral(text));
    }
}

std::string shown(const std::optional<double>& value)
{
    return value ? number(*value) : "overflow";
}

bool sameReading(const std::optional<double>& a, const std::optional<double>& b)
{
    return a.has_value() == b.has_value() && (!a || *a == *b);
}

std::string withComma(std::string text)
{
    for (char& c : text) {
        if (c == '.')
            c = ',';
    }
    return text;
}

// The largest 15-digit value that does not exceed the Double range: above it Str rounds up to
// 1.79769313486232E+308, which is itself beyond the range and so reads as an overflow.
constexpr double largestFifteenDigits = 1.79769313486231e308;

// What the general conversion promises for any finite value: digits, an optional separator and an
// "E" exponent; at most `maxDigits` significant digits; no trailing zeros; no separator for a
// whole value; a minus sign only on a negative value, so never "-0".
void checkGeneralShape(const std::string& text, int maxDigits, double value, const char* what)
{
    const std::string detail = std::string(what) + " of " + number(value) + " = " + cLiteral(text);
    if (text.empty())
        fail("Str gave an empty text", detail);
    if (text == "-0")
        fail("Str gave \"-0\"", detail);
    if (text.find_first_not_of("-+0123456789.E") != std::string::npos)
        fail("Str used a character outside digits, sign, point and E", detail);
    if ((text[0] == '-') != (value < 0))
        fail("Str sign does not match the value", detail);
    const std::string mantissa = text.substr(0, text.find('E'));
    int digits = 0;
    bool significant = false;
    for (char c : mantissa) {
        significant = significant || (c >= '1' && c <= '9');
        digits += significant && isDigit(c);
    }
    if (digits > maxDigits)
        fail("Str gave too many significant digits", detail);
    if (mantissa.find('.') != std::string::npos
        && (mantissa.back() == '0' || mantissa.back() == '.'))
        fail("Str left trailing zeros or a bare separator", detail);
    if (value == std::trunc(value) && std::fabs(value) < std::pow(10.0, maxDigits)
        && text.find_first_of(".E") != std::string::npos)
        fail("Str wrote a whole value with a separator or an exponent", detail);
}

void checkSingleText(float value)
{
    const std::string text = Str(value, '.');
    checkGeneralShape(text, 7, value, "Str(float)");
    if (Str(value, ',') != withComma(text))
        fail("Str(float) with ',' differs from '.' beyond the separator",
            cLiteral(text) + " vs " + cLiteral(Str(value, ',')));
    // Seven digits do not bring every Single back exactly, only to within half a unit of the
    // seventh digit.
    const auto back = read(text);
    if (!back || !(std::fabs(*back - value) <= 1e-6 * std::fabs(value)))
        fail("Str(float) does not read back close to the value",
            number(value) + " -> " + cLiteral(text) + " -> " + shown(back));
}

void checkFixedText(double value, Pattern pattern, std::size_t decimals, double halfStep)
{
    const std::string text = Format(value, pattern, '.');
    const std::string detail = "Format(" + number(value) + ", " + std::to_string(decimals)
        + " decimals) = " + cLiteral(text);
    if (Format(value, pattern, ',') != withComma(text))
        fail("Format with ',' differs from '.' beyond the separator",
            detail + " vs " + cLiteral(Format(value, pattern, ',')));
    const std::size_t sign = !text.empty() && text[0] == '-' ? 1 : 0;
    const std::size_t point = text.find('.');
    if (point == std::string::npos || point < sign || text.size() - point - 1 != decimals)
        fail("Format gave the wrong number of decimals", detail);
    const std::string integer = text.substr(sign, point - sign);
    const std::string digits = integer + text.substr(point + 1);
    for (char c : digits) {
        if (!isDigit(c))
            fail("Format gave something other than digits around the separator", detail);
    }
    if (pattern == Pattern::OneDecimalNoLeadingZero) {
        if (!integer.empty() && integer[0] == '0')
            fail("Format \".0\" wrote a leading zero", detail);
    } else if (integer.empty() || (integer.size() > 1 && integer[0] == '0')) {
        fail("Format wrote no integer digit or a leading zero", detail);
    }
    const bool shownNonZero = digits.find_first_not_of('0') != std::string::npos;
    if (sign && !shownNonZero)
        fail("Format kept the sign of a value that rounds to zero", detail);
    if (shownNonZero && (value < 0) != (sign == 1))
        fail("Format sign does not match the value", detail);
    // The text is the value rounded to the pattern's step; reading it back adds at most half a
    // unit in the last place of the result.
    const auto back = read(text);
    if (!back || !(std::fabs(*back - value) <= halfStep + 1e-15 * std::fabs(value)))
        fail("Format does not read back within half a step", detail + " -> " + shown(back));
}

void checkDoubleText(double value)
{
    const std::string text = Str(value, '.');
    checkGeneralShape(text, 15, value, "Str(double)");
    if (Str(value, ',') != withComma(text))
        fail("Str(double) with ',' differs from '.' beyond the separator",
            cLiteral(text) + " vs " + cLiteral(Str(value, ',')));
    // Fifteen digits do not bring every Double back exactly: allow the rounding of the fifteenth
    // digit, and one step for the subnormals.
    const auto back = read(text);
    const std::string detail = number(value) + " -> " + cLiteral(text) + " -> " + shown(back);
    if (!back) {
        if (std::fabs(value) <= largestFifteenDigits)
            fail("Str(double) text overflows when read back", detail);
    } else {
        const double tolerance
            = 1e-14 * std::fabs(value) + std::numeric_limits<double>::denorm_min();
        if (!(std::fabs(*back - value) <= tolerance))
            fail("Str(double) does not read back close to the value", detail);
        if (value == std::trunc(value) && std::fabs(value) < 1e15 && *back != value)
            fail("Str(double) of a whole number below 1E+15 does not read back exactly", detail);
    }
    checkFixedText(value, Pattern::TwoDecimals, 2, 0.005);
    checkFixedText(value, Pattern::FourDecimals, 4, 0.00005);
    checkFixedText(value, Pattern::OneDecimalNoLeadingZero, 1, 0.05);
}

void checkReading(std::string_view input)
{
    const auto value = read(input);
    std::string kept;
    for (char c : input) {
        if (c != ' ' && c != '\t' && c != '\n')
            kept += c;
    }
    const auto withoutBlanks = read(kept);
    if (!sameReading(value, withoutBlanks))
        fail("blanks, tabs or line feeds changed the value",
            shown(value) + " vs " + shown(withoutBlanks) + " for " + cLiteral(kept));

    // A comma never continues a number, so whatever follows one is ignored.
    const std::string owned(input);
    const auto extended = read(owned + "," + owned);
    if (!sameReading(value, extended))
        fail("text after a comma changed the value", shown(value) + " vs " + shown(extended));

    const bool hex = kept.size() >= 2 && kept[0] == '&' && (kept[1] == 'H' || kept[1] == 'h');
    const char* digits = hex ? "0123456789ABCDEFabcdef" : "0123456789";
    if (kept.find_first_of(digits) == std::string::npos && !(value && *value == 0))
        fail("a text without digits did not read as 0", shown(value));

    if (kept.size() >= 2 && kept[0] == '&') {
        // &H and &O read whole numbers of at most 32 bits.
        if (value
            && (*value != std::trunc(*value) || *value < std::numeric_limits<std::int32_t>::min()
                || *value > std::numeric_limits<std::int32_t>::max()))
            fail("&H or &O gave something other than a 32-bit whole number", shown(value));
        const bool octal = kept[1] == 'O' || kept[1] == 'o';
        if (hex || octal) {
            const std::size_t end
                = std::min(kept.find_first_not_of(hex ? digits : "01234567", 2), kept.size());
            const std::size_t first = std::min(kept.find_first_not_of('0', 2), end);
            // Eight hex digits fill 32 bits: one more significant digit cannot fit.
            if (hex && value.has_value() != (end - first <= 8))
                fail("&H overflow does not follow the count of hex digits", shown(value));
            // Within 32 bits no non-zero pattern reads as 0, signed or not.
            if (value && (*value == 0) != (first == end))
                fail("&H or &O read 0 for non-zero digits, or the reverse", shown(value));
        }
    } else if (!kept.empty() && (isDigit(kept[0]) || kept[0] == '.')) {
        const auto negated = read("-" + kept);
        if (!sameReading(value ? std::optional(-*value) : std::nullopt, negated))
            fail(
                "a leading minus did not negate the value", shown(value) + " vs " + shown(negated));
        const auto plus = read("+" + kept);
        if (!sameReading(value, plus))
            fail("a leading plus changed the value", shown(value) + " vs " + shown(plus));
    }

    if (value)
        checkDoubleText(*value);
}

void checkDecimalComma(std::string_view input)
{
    const std::string once = Replace(input, ",", ".");
    const std::string detail = cLiteral(input) + " -> " + cLiteral(once);
    if (once.find(',') != std::string::npos)
        fail("the decimal-comma rule left a comma", detail);
    if (once.size() != input.size())
        fail("the decimal-comma rule changed the length", detail);
    for (std::size_t i = 0; i < input.size(); ++i) {
        if (input[i] != ',' && once[i] != input[i])
            fail("the decimal-comma rule changed a character other than a comma", detail);
    }
    if (Replace(once, ",", ".") != once)
        fail("the decimal-comma rule applied twice differs from once", detail);
    if (const auto value = read(once))
        checkDoubleText(*value);
}

// Replacing with a character the text does not hold can be undone exactly, whatever `from` is.
void checkReplaceUndone(std::string_view input)
{
    if (input.size() < 2)
        return;
    const std::size_t fromSize
        = std::min<std::size_t>(static_cast<unsigned char>(input[0]) % 4 + 1, input.size() - 1);
    const std::string_view from = input.substr(1, fromSize);
    const std::string_view text = input.substr(1 + fromSize);
    bool present[256] = {};
    for (const unsigned char c : text)
        present[c] = true;
    int marker = 0;
    while (marker < 256 && present[marker])
        ++marker;
    if (marker == 256)
        return;
    const std::string to(1, static_cast<char>(marker));
    const std::string replaced = Replace(text, from, to);
    if (Replace(replaced, to, from) != text)
        fail("Replace could not be undone with a character absent from the text",
            "from " + cLiteral(from) + " to " + cLiteral(to) + " in " + cLiteral(text) + " -> "
                + cLiteral(replaced));
    if (Replace(text, from, from) != text)
        fail("Replace of a text by itself changed it",
            "from " + cLiteral(from) + " in " + cLiteral(text));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    currentInput = input;
    try {
        checkReading(input);
        checkDecimalComma(input);
        checkReplaceUndone(input);
        // The raw bytes as numbers reach values that no short text does: subnormals, the extremes.
        if (size >= sizeof(float)) {
            float single;
            std::memcpy(&single, data, sizeof single);
            if (std::isfinite(single))
                checkSingleText(single);
        }
        if (size >= sizeof(double)) {
            double value;
            std::memcpy(&value, data, sizeof value);
            if (std::isfinite(value))
                checkDoubleText(value);
        }
    } catch (const std::exception& error) {
        fail("an exception escaped the number text functions", error.what());
    }
    return 0;
}
