// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The run-time fault: the one exception every checked operation raises, caught at the boundary
// of each event procedure and reported to the user in Spanish.
#pragma once

#include <stdexcept>
#include <string>

namespace tanvera {

enum class FaultKind {
    DivisionByZero,
    InvalidOperation,
    Overflow,
    IndexOutOfRange,
};

// The Spanish name of a fault, as the user reads it.
const char* faultName(FaultKind kind);

class RuntimeFault : public std::runtime_error
{
public:
    explicit RuntimeFault(FaultKind kind, std::string hint = {});

    FaultKind kind() const { return m_kind; }
    // A short Spanish sentence on the likely cause; empty when nothing useful is known.
    const std::string& hint() const { return m_hint; }

private:
    FaultKind m_kind;
    std::string m_hint;
};

// The text of the message box that reports a fault.
std::string faultMessage(const RuntimeFault& fault);

} // namespace tanvera
