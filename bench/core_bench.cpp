// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/integrator.h"
#include "paired.h"
#include "plain_loop.h"
#include "start_values.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstring>
#include <vector>

using namespace tanvera;

namespace {

double secondsOf(auto&& action)
{
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// One curve run for the start values (5000 steps, 20,000 evaluations of the model) against the
// plain loop of the same arithmetic, which must give the very same numbers.
void BM_RunIntegration(benchmark::State& bench)
{
    const auto s = startValues();
    std::vector<double> times(CurveSteps + 1), concs(CurveSteps + 1);
    auto plain = [&] {
        PlainRungeKutta(s->InflowRate(0), s->OutflowRate(0), s->StartVolume(0), 0, 0, s->MaxTime,
            CurveSteps, s->InitialConc(0), times.data(), concs.data());
        benchmark::DoNotOptimize(concs[CurveSteps]);
    };
    auto program = [&] {
        RunIntegration(*s);
        benchmark::DoNotOptimize(s->ConcPoints(CurveSteps));
    };
    plain();
    program();
    if (std::memcmp(concs.data(), &s->ConcPoints(0), concs.size() * sizeof(double)) != 0) {
        bench.SkipWithError("the plain loop does not compute what RunIntegration computes");
        return;
    }

    Paired paired;
    for (auto _ : bench) {
        double seconds = 0;
        paired.pair([&] { return secondsOf(plain); }, [&] { return seconds = secondsOf(program); });
        bench.SetIterationTime(seconds);
    }
    paired.report(bench, "us", 1e6);
}
BENCHMARK(BM_RunIntegration)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(3000);

} // namespace

BENCHMARK_MAIN();
