#include <benchmark/benchmark.h>

#include "body_table.h"
#include "drishti_report.h"

namespace {

sarovin::BirthRecord DelhiBirth() {
    sarovin::BirthRecord record;
    record.day = 15;
    record.month = 6;
    record.year = 1980;
    record.hour = 8;
    record.minute = 30;
    record.zoneHoursAbs = 5;
    record.zoneMinutesAbs = 30;
    record.zoneHoursToUt = -5;
    record.zoneMinutesToUt = -30;
    record.longitudeDegrees = 77;
    record.longitudeMinutes = 12;
    record.isEast = true;
    return record;
}

// One run of the engine's three steps for a fixed birth.
void EngineRun(benchmark::State& state) {
    const sarovin::BirthRecord record = DelhiBirth();
    for (auto _ : state) {
        const double ayanamsa = sarovin::ComputeBirthAyanamsa(record);
        const std::string moon = sarovin::ComputeMoonPosition(record);
        benchmark::DoNotOptimize(sarovin::ComputeBodyTable(record, ayanamsa, moon));
    }
}
BENCHMARK(EngineRun);

// One complete reading: the engine and the three Drishti computations.
void CompleteReading(benchmark::State& state) {
    const sarovin::BirthRecord record = DelhiBirth();
    for (auto _ : state) {
        benchmark::DoNotOptimize(sarovin::ComputeDrishtiReport(record));
    }
}
BENCHMARK(CompleteReading);

}  // namespace
