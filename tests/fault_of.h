// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The run-time fault an action raises; a test failure when it raises none.
#pragma once

#include "runtime/fault.h"

#include <gtest/gtest.h>

template <typename Action> tanvera::RuntimeFault faultRaisedBy(Action&& action)
{
    try {
        action();
    } catch (const tanvera::RuntimeFault& fault) {
        return fault;
    }
    ADD_FAILURE() << "no fault raised";
    return tanvera::RuntimeFault(tanvera::FaultKind::IndexOutOfRange, "none raised");
}

template <typename Action> tanvera::FaultKind faultOf(Action&& action)
{
    return faultRaisedBy(action).kind();
}
