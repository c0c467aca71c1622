#include "model/integrator.h"

#include <benchmark/benchmark.h>
#include <memory>

using namespace tanvera;

// One curve run for the start values: 5000 steps, 20,000 evaluations of the model.
static void BM_RunIntegration(benchmark::State& bench)
{
    auto s = std::make_unique<ChartState>();
    s->InflowRate(0) = static_cast<float>(10.0 / 1000 / 60 / 60);
    s->OutflowRate(0) = s->InflowRate(0);
    s->TankVolume(0) = static_cast<float>(5.4 / 1000);
    s->StartVolume(0) = s->TankVolume(0);
    s->InitialConc(0) = 250;
    s->MaxTime = 20000;
    for (auto _ : bench) {
        RunIntegration(*s);
        benchmark::DoNotOptimize(s->ConcPoints(5000));
    }
}
BENCHMARK(BM_RunIntegration)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
