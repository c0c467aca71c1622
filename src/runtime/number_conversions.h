// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The three conversions the number text rules stand on, always in the "C" form: reading an
// unsigned decimal number, and writing a value with a number of significant digits ("%g") or of
// decimals ("%f"), each rounded to nearest, ties to even. Two forms agree to the last bit: the
// standard library's <charconv>, where it has the floating-point conversions (libstdc++ on Linux
// and MinGW), and the C library's strtod and snprintf, for emscripten's libc++ (its C library,
// musl, converts exactly). The rules use the first where it is there; the tests compare the two.
#pragma once

#include <charconv>
#include <string>
#include <string_view>

#if defined(__cpp_lib_to_chars)
#define TANVERA_HAS_CHARCONV_FORM 1
#endif

namespace tanvera::conversions {

// `digits`: digits with at most one ".", then optionally "e" or "E", an optional sign and
// digits; no sign in front. Beyond the Double range it reads as an infinity, below it as 0.
// Texts below the smallest denormal round to it or to 0, as the nearest is.
#if TANVERA_HAS_CHARCONV_FORM
namespace standard {
double parse(std::string_view digits);
std::string general(float value, int significant);
std::string general(double value, int significant);
std::string fixed(double value, int decimals);
} // namespace standard
#endif

namespace clib {
double parse(std::string_view digits);
std::string general(float value, int significant);
std::string general(double value, int significant);
std::string fixed(double value, int decimals);
} // namespace clib

#if TANVERA_HAS_CHARCONV_FORM
namespace chosen = standard;
#else
namespace chosen = clib;
#endif

} // namespace tanvera::conversions
