// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fault.h"

#include "numtext.h"

namespace tanvera {

namespace {

// The Spanish name of a fault, as the user reads it.
const char* faultName(FaultKind kind)
{
    switch (kind) {
    case FaultKind::DivisionByZero:
        return "División por cero";
    case FaultKind::InvalidOperation:
        return "Operación no válida";
    case FaultKind::Overflow:
        return "Desbordamiento";
    case FaultKind::IndexOutOfRange:
        return "Subíndice fuera del intervalo";
    }
    return "Error desconocido";
}

} // namespace

void raiseFault(FaultKind kind)
{
    throw RuntimeFault(kind);
}

RuntimeFault::RuntimeFault(FaultKind kind, std::string hint, std::optional<double> time)
    : std::runtime_error(faultName(kind))
    , m_kind(kind)
    , m_hint(std::move(hint))
    , m_time(time)
{ }

std::string faultMessage(const RuntimeFault& fault, char separator)
{
    const std::string text
        = std::string("Error en tiempo de ejecución: ") + faultName(fault.kind()) + '.';
    if (fault.hint().empty())
        return text;
    const std::string time = fault.time() ? Str(*fault.time(), separator) : std::string();
    return text + "\n\n" + Replace(fault.hint(), "{t}", time);
}

} // namespace tanvera
