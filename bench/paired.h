// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures a subject against its yardstick in the same run: the two are timed in turn, the order
// swapped at every pair (ABBA...), so that a machine slowing down or speeding up meanwhile weighs
// on both alike. The report gives both medians and their ratio.
#pragma once

#include <algorithm>
#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace tanvera {

class Paired
{
public:
    // Runs `yardstick` and `subject` once each, in alternating order; each returns what it
    // measured (a time, a memory size).
    template <typename Yardstick, typename Subject>
    void pair(Yardstick&& yardstick, Subject&& subject)
    {
        if (m_yardstick.size() % 2 == 0) {
            m_yardstick.push_back(yardstick());
            m_subject.push_back(subject());
        } else {
            m_subject.push_back(subject());
            m_yardstick.push_back(yardstick());
        }
    }

    // Counters `<name>` and `<name>_yardstick` (medians, scaled) and `<name>_ratio`.
    void report(benchmark::State& state, const std::string& name, double scale) const
    {
        const double subject = median(m_subject), yardstick = median(m_yardstick);
        state.counters[name] = subject * scale;
        state.counters[name + "_yardstick"] = yardstick * scale;
        state.counters[name + "_ratio"] = subject / yardstick;
        state.counters[name + "_pairs"] = static_cast<double>(m_subject.size());
    }

private:
    static double median(std::vector<double> values)
    {
        if (values.empty())
            return 0;
        const auto middle = values.begin() + static_cast<long>(values.size() / 2);
        std::nth_element(values.begin(), middle, values.end());
        return *middle;
    }
    std::vector<double> m_subject, m_yardstick;
};

} // namespace tanvera
