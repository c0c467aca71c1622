// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fixed-size arrays with a checked index, zero-based as every array of the program. An index
// outside the declared range is the run-time bounds fault, never a stray memory access.
#pragma once

#include "fault.h"

#include <array>
#include <cstdlib>
#include <memory>
#include <new>

namespace tanvera {

[[noreturn]] void raiseIndexFault();

inline void checkIndex(long index, long size)
{
    if (index < 0 || index >= size)
        raiseIndexFault();
}

// Indices 0..Size-1.
template <typename T, long Size> class FixedArray
{
public:
    T& operator()(long index)
    {
        checkIndex(index, Size);
        return m_items[static_cast<std::size_t>(index)];
    }
    const T& operator()(long index) const
    {
        checkIndex(index, Size);
        return m_items[static_cast<std::size_t>(index)];
    }

private:
    std::array<T, Size> m_items {};
};

// Rows × Cols numbers, zero at start. The storage comes from calloc so that pages never written
// are never touched: a large table costs memory only where it holds data.
template <typename T, long Rows, long Cols> class FixedTable
{
public:
    FixedTable()
        : m_items(static_cast<T*>(std::calloc(static_cast<std::size_t>(Rows * Cols), sizeof(T))))
    {
        if (!m_items)
            throw std::bad_alloc();
    }

    T& operator()(long row, long col)
    {
        checkIndex(row, Rows);
        checkIndex(col, Cols);
        return m_items.get()[row * Cols + col];
    }
    const T& operator()(long row, long col) const
    {
        checkIndex(row, Rows);
        checkIndex(col, Cols);
        return m_items.get()[row * Cols + col];
    }

private:
    struct Free
    {
        void operator()(T* items) const { std::free(items); }
    };
    std::unique_ptr<T[], Free> m_items;
};

} // namespace tanvera
