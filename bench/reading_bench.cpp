#include <benchmark/benchmark.h>

#include "drishti/drishti_report.h"
#include "engine/body_table.h"
#include "tests/support/sample_births.h"

namespace {

// One run of the engine's three steps for a fixed birth.
void EngineRun(benchmark::State& state) {
    const sarovin::BirthRecord record = sarovin::testing::AshaRaoBirth();
    for (auto _ : state) {
        benchmark::DoNotOptimize(sarovin::ComputeBodyTable(record));
    }
}
BENCHMARK(EngineRun);

// One complete reading: the engine and the three Drishti computations.
void CompleteReading(benchmark::State& state) {
    const sarovin::BirthRecord record = sarovin::testing::AshaRaoBirth();
    for (auto _ : state) {
        benchmark::DoNotOptimize(sarovin::ComputeDrishtiReport(record));
    }
}
BENCHMARK(CompleteReading);

}  // namespace
