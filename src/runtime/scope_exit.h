// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs an action on every way out of a scope, a run-time fault included.
#pragma once

#include <utility>

namespace tanvera {

template <typename Action> class ScopeExit
{
public:
    explicit ScopeExit(Action action)
        : m_action(std::move(action))
    { }
    ~ScopeExit() { m_action(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    Action m_action;
};

} // namespace tanvera
