#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "atlas/place_search.h"

namespace {

using namespace sarovin;

// As many places as the City box offers.
constexpr std::size_t OFFERED = 15;

// Names typed in the City box, common and rare beginnings, Indian and not.
constexpr std::array<std::string_view, 20> TYPED = {
    "Ujjain",  "Bangalore", "Bombay",   "Kathmandu", "Chennai",   "Hyderabad", "London",
    "Paris",   "Siddapur",  "Varanasi", "Delhi",     "Ahmedabad", "Surat",     "Jaipur",
    "Lucknow", "Patna",     "Indore",   "Bhopal",    "Nagpur",    "Calcutta",
};

std::vector<std::string> PrefixesOf(std::size_t letters) {
    std::vector<std::string> prefixes;
    for (std::string_view name : TYPED) {
        prefixes.emplace_back(name.substr(0, letters));
    }
    return prefixes;
}

// One City-box key press: the places offered for the first range(0)
// letters of a typed name, over the whole atlas, each name in turn.
void BM_CityBoxCompletion(benchmark::State& state) {
    const std::vector<std::string> prefixes = PrefixesOf(static_cast<std::size_t>(state.range(0)));
    benchmark::DoNotOptimize(KnownPlaces().size());
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindPlaces(prefixes[next], OFFERED));
        next = (next + 1) % prefixes.size();
    }
    state.counters["places"] = static_cast<double>(KnownPlaces().size());
}
BENCHMARK(BM_CityBoxCompletion)->DenseRange(2, 6)->Unit(benchmark::kMillisecond);

// --place: one written query resolved over the whole atlas.
void BM_ResolvePlace(benchmark::State& state) {
    benchmark::DoNotOptimize(KnownPlaces().size());
    for (auto _ : state) {
        benchmark::DoNotOptimize(ResolvePlace("Bombay"));
    }
}
BENCHMARK(BM_ResolvePlace)->Unit(benchmark::kMillisecond);

}  // namespace
