// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Gives a variable back the value it had when the scope began, on every way out of the scope,
// a run-time fault included.
#pragma once

namespace tanvera {

template <typename T> class ScopedRestore
{
public:
    explicit ScopedRestore(T& variable)
        : m_variable(variable)
        , m_saved(variable)
    { }
    ~ScopedRestore() { m_variable = m_saved; }
    ScopedRestore(const ScopedRestore&) = delete;
    ScopedRestore& operator=(const ScopedRestore&) = delete;

private:
    T& m_variable;
    T m_saved;
};

} // namespace tanvera
