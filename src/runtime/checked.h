// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Checked arithmetic: every operation that could leave the finite numbers raises a RuntimeFault
// instead, the way the original platform stopped on a floating-point error. The compiler's
// floating-point environment is not reliable for this, so each result is tested explicitly.
#pragma once

#include "fault.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace tanvera {

// Operands are always finite (every stored number went through these checks), so a non-finite
// result can only come from an overflow, or from 0/0 in a division.
inline double checkFinite(double result)
{
    if (!std::isfinite(result))
        raiseFault(std::isnan(result) ? FaultKind::InvalidOperation : FaultKind::Overflow);
    return result;
}

// A Double whose every operation is checked. Expressions written with it keep their order of
// evaluation and round each operation on its own, exactly as plain double arithmetic would.
class Dbl
{
public:
    constexpr Dbl(double value = 0.0)
        : m_value(value)
    { }
    constexpr explicit operator double() const { return m_value; }

    friend Dbl operator+(Dbl a, Dbl b) { return checkFinite(a.m_value + b.m_value); }
    friend Dbl operator-(Dbl a, Dbl b) { return checkFinite(a.m_value - b.m_value); }
    friend Dbl operator*(Dbl a, Dbl b) { return checkFinite(a.m_value * b.m_value); }
    friend Dbl operator/(Dbl a, Dbl b)
    {
        if (b.m_value == 0.0)
            raiseFault(a.m_value == 0.0 ? FaultKind::InvalidOperation : FaultKind::DivisionByZero);
        return checkFinite(a.m_value / b.m_value);
    }
    friend Dbl operator-(Dbl a) { return -a.m_value; }

private:
    double m_value;
};

// Stores a double into a Single: a value that rounds beyond the float range is an overflow.
inline float toSingle(double value)
{
    // Half a unit above the largest float, where rounding to nearest reaches infinity; values
    // just below it still round down to the largest float.
    constexpr double limit = 0x1.ffffffp127;
    if (!(std::fabs(value) < limit))
        raiseFault(std::isnan(value) ? FaultKind::InvalidOperation : FaultKind::Overflow);
    return static_cast<float>(value);
}

// Converts to a whole number the way the platform did: half to even, and an overflow when the
// rounded value does not fit the target type.
template <typename Int> Int toWhole(double value)
{
    const double rounded = std::nearbyint(value);
    if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min())
            && rounded <= static_cast<double>(std::numeric_limits<Int>::max())))
        raiseFault(FaultKind::Overflow);
    return static_cast<Int>(rounded);
}

// 16-bit Integer addition with the platform's overflow check.
inline std::int16_t addInt16(std::int16_t a, std::int16_t b)
{
    const int sum = a + b;
    if (sum < std::numeric_limits<std::int16_t>::min()
        || sum > std::numeric_limits<std::int16_t>::max())
        raiseFault(FaultKind::Overflow);
    return static_cast<std::int16_t>(sum);
}

} // namespace tanvera
