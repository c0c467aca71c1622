// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "checked.h"

#include "fixed_array.h"

namespace tanvera {

void raiseFault(FaultKind kind)
{
    throw RuntimeFault(kind);
}

void raiseIndexFault()
{
    throw RuntimeFault(FaultKind::IndexOutOfRange);
}

} // namespace tanvera
