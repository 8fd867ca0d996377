#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <cstdlib>

#include "calculation/birth_houses.h"
#include "calculation/birth_strengths.h"
#include "calculation/sky.h"
#include "drishti/drishti_report.h"
#include "engine/body_table.h"
#include "tables/zone_table.h"

namespace {

constexpr int BIRTH_COUNT = 64;
constexpr int FIRST_YEAR = 1901;
constexpr int YEARS_SPANNED = 150;

// Birth `index` of a fixed spread: years 1901 to 2050, every month, hours
// of the whole day and the zones of the list. The steps are prime to the
// ranges so that neighbouring births share little.
sarovin::BirthRecord VariedBirth(int index) {
    const sarovin::ZoneRow& zone =
        sarovin::BuildZoneTable().rows[static_cast<std::size_t>(index * 19 % sarovin::ZONE_COUNT)];
    sarovin::BirthRecord record;
    record.year =
        static_cast<std::int16_t>(FIRST_YEAR + index * (YEARS_SPANNED - 1) / (BIRTH_COUNT - 1));
    record.month = static_cast<std::int16_t>(1 + index * 5 % 12);
    record.day = static_cast<std::int16_t>(1 + index * 11 % 28);
    record.hour = static_cast<std::int16_t>(index * 7 % 24);
    record.minute = static_cast<std::int16_t>(index * 13 % 60);
    record.zoneHoursAbs = static_cast<std::int16_t>(std::abs(zone.hoursToUt));
    record.zoneMinutesAbs = static_cast<std::int16_t>(std::abs(zone.minutesToUt));
    record.zoneHoursToUt = static_cast<std::int16_t>(zone.hoursToUt);
    record.zoneMinutesToUt = static_cast<std::int16_t>(zone.minutesToUt);
    record.longitudeDegrees = static_cast<std::int16_t>(index * 37 % 180);
    record.longitudeMinutes = static_cast<std::int16_t>(index * 17 % 60);
    record.latitudeDegrees = static_cast<std::int16_t>(index * 23 % 67);
    record.latitudeMinutes = static_cast<std::int16_t>(index * 29 % 60);
    record.isEast = zone.hoursToUt <= 0;
    record.isSouth = index % 3 == 0;
    record.daylightSaving = index % 4 == 0;
    return record;
}

const std::array<sarovin::BirthRecord, BIRTH_COUNT>& VariedBirths() {
    static const std::array<sarovin::BirthRecord, BIRTH_COUNT> births = [] {
        std::array<sarovin::BirthRecord, BIRTH_COUNT> table;
        for (int index = 0; index < BIRTH_COUNT; ++index) {
            table[static_cast<std::size_t>(index)] = VariedBirth(index);
        }
        return table;
    }();
    return births;
}

// One run of the engine's three steps, the births taken in turn.
void EngineRun(benchmark::State& state) {
    const auto& births = VariedBirths();
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sarovin::ComputeBodyTable(births[next]));
        next = (next + 1) % births.size();
    }
}
BENCHMARK(EngineRun);

// One complete reading: the engine and the three Drishti computations.
void CompleteReading(benchmark::State& state) {
    const auto& births = VariedBirths();
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sarovin::ComputeDrishtiReport(births[next]));
        next = (next + 1) % births.size();
    }
}
BENCHMARK(CompleteReading);

// One complete reading with the Swiss Ephemeris: the nine bodies, the
// ayanamsa and the Lagna from the data files, opened once for the thread,
// and the three Drishti computations.
void CompleteSwissReading(benchmark::State& state) {
    const auto& births = VariedBirths();
    const sarovin::EphemerisChoice swiss{sarovin::Ephemeris::Swiss, sarovin::LunarNode::Mean};
    std::size_t next = 0;
    for (auto _ : state) {
        const sarovin::Result<sarovin::Sky> sky = sarovin::ComputeSky(births[next], swiss);
        if (!sky) {
            state.SkipWithError(sky.refusal().message.c_str());
            break;
        }
        benchmark::DoNotOptimize(sarovin::ComputeDrishtiReport(sky->bodies));
        next = (next + 1) % births.size();
    }
}
BENCHMARK(CompleteSwissReading);

// One reading with the Swiss Ephemeris under the classical rules, with its
// houses, and with or without the Shadbala and Bhava Bala (the sunrise and
// sunset found for it included); the argument is 1 with the strengths.
void ClassicalSwissReading(benchmark::State& state) {
    const auto& births = VariedBirths();
    const sarovin::EphemerisChoice classical{sarovin::Ephemeris::Swiss, sarovin::LunarNode::Mean,
                                             sarovin::AyanamsaSystem::Lahiri,
                                             sarovin::Rules::Classical};
    const bool withStrengths = state.range(0) == 1;
    std::size_t next = 0;
    for (auto _ : state) {
        const sarovin::Result<sarovin::Sky> sky = sarovin::ComputeSky(births[next], classical);
        if (!sky) {
            state.SkipWithError(sky.refusal().message.c_str());
            break;
        }
        const sarovin::DrishtiReport report =
            sarovin::ComputeDrishtiReport(sky->bodies, sky->used.rules, sky->lagna);
        const sarovin::Result<std::optional<sarovin::Houses>> houses =
            sarovin::ComputeBirthHouses(*sky);
        benchmark::DoNotOptimize(report);
        if (withStrengths && houses) {
            benchmark::DoNotOptimize(sarovin::ComputeBirthStrengths(*sky, report, *houses));
        }
        next = (next + 1) % births.size();
    }
}
BENCHMARK(ClassicalSwissReading)->Arg(0)->Arg(1);

}  // namespace
