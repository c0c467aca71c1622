// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fixed-size arrays with a checked index, zero-based as every array of the program. An index
// outside the declared range is the run-time bounds fault, never a stray memory access.
#pragma once

#include "fault.h"

#include <array>
#include <cstddef>
#include <cstdlib>
#include <memory>
#include <new>

namespace tanvera {

inline void checkIndex(std::ptrdiff_t index, std::ptrdiff_t size)
{
    if (index < 0 || index >= size)
        raiseFault(FaultKind::IndexOutOfRange);
}

// Indices 0..Size-1.
template <typename T, std::ptrdiff_t Size> class FixedArray
{
public:
    T& operator()(std::ptrdiff_t index)
    {
        checkIndex(index, Size);
        return m_items[static_cast<std::size_t>(index)];
    }
    const T& operator()(std::ptrdiff_t index) const
    {
        checkIndex(index, Size);
        return m_items[static_cast<std::size_t>(index)];
    }

private:
    std::array<T, Size> m_items {};
};

// Rows × Cols numbers, zero at start. The storage comes from calloc so that pages never written
// are never touched: a large table costs memory only where it holds data.
template <typename T, std::ptrdiff_t Rows, std::ptrdiff_t Cols> class FixedTable
{
public:
    FixedTable()
        : m_items(static_cast<T*>(std::calloc(static_cast<std::size_t>(Rows * Cols), sizeof(T))))
    {
        if (!m_items)
            throw std::bad_alloc();
    }

    T& operator()(std::ptrdiff_t row, std::ptrdiff_t col)
    {
        checkIndex(row, Rows);
        checkIndex(col, Cols);
        return m_items.get()[row * Cols + col];
    }
    const T& operator()(std::ptrdiff_t row, std::ptrdiff_t col) const
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
