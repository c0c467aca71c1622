// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The run-time fault: the one exception every checked operation raises, caught at the boundary
// of each event procedure and reported to the user in Spanish.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

namespace tanvera {

enum class FaultKind {
    DivisionByZero,
    InvalidOperation,
    Overflow,
    IndexOutOfRange,
};

class RuntimeFault : public std::runtime_error
{
public:
    // A hint that speaks of a time holds "{t}" where that time stands: the number is written
    // when the message is, in the user's notation.
    explicit RuntimeFault(
        FaultKind kind, std::string hint = {}, std::optional<double> time = std::nullopt);

    FaultKind kind() const { return m_kind; }
    // A short Spanish sentence on the likely cause; empty when nothing useful is known.
    const std::string& hint() const { return m_hint; }
    const std::optional<double>& time() const { return m_time; }

private:
    FaultKind m_kind;
    std::string m_hint;
    std::optional<double> m_time;
};

// Raises the fault; kept out of line so that the checks that call it stay small.
[[noreturn]] void raiseFault(FaultKind kind);

// The text of the message box that reports a fault, numbers with the regional separator.
std::string faultMessage(const RuntimeFault& fault, char separator);

} // namespace tanvera
