#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include "reading/reading_write.h"
#include "report/run_report.h"
#include "tables/zone_table.h"

namespace {

constexpr int READING_COUNT = 10000;
constexpr int YEARS_LISTED = 150;

// A stream that drops what it is given, so only producing the text counts.
class DiscardingBuffer : public std::streambuf {
  protected:
    int_type overflow(int_type character) override { return character; }
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

sarovin::BirthRecord VariedRecord(int index) {
    sarovin::BirthRecord record;
    record.name = "Person " + std::to_string(index);
    record.day = static_cast<std::int16_t>(1 + index % 28);
    record.month = static_cast<std::int16_t>(1 + index % 12);
    record.year = static_cast<std::int16_t>(1901 + index % YEARS_LISTED);
    record.hour = static_cast<std::int16_t>(index % 24);
    record.minute = static_cast<std::int16_t>(index % 60);
    record.longitudeDegrees = static_cast<std::int16_t>(index % 180);
    record.longitudeMinutes = static_cast<std::int16_t>(index % 60);
    record.latitudeDegrees = static_cast<std::int16_t>(index % 90);
    record.latitudeMinutes = static_cast<std::int16_t>(index % 60);
    record.isEast = index % 2 == 0;
    record.isSouth = index % 3 == 0;
    record.daylightSaving = index % 5 == 0;
    record.city = "City";
    record.state = "State";
    record.country = "Country";
    return record;
}

// The reading files, written once into a folder of their own.
class ReadingFiles {
  public:
    ReadingFiles() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "sarovin_report_bench_XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::filesystem::filesystem_error(
                "cannot create a temporary folder",
                std::error_code(errno, std::generic_category()));
        }
        folder_ = pattern;
        for (int index = 0; index < READING_COUNT; ++index) {
            const std::filesystem::path path = folder_ / (std::to_string(index) + ".dri");
            std::ofstream(path, std::ios::binary)
                << sarovin::WriteReading(VariedRecord(index), index % sarovin::ZONE_COUNT);
            paths_.push_back(path.string());
        }
    }
    ~ReadingFiles() { std::filesystem::remove_all(folder_); }

    const std::vector<std::string>& Paths() const { return paths_; }

  private:
    std::filesystem::path folder_;
    std::vector<std::string> paths_;
};

// One call of the tool over all the files, as text.
void TenThousandReadings(benchmark::State& state) {
    static const ReadingFiles files;
    DiscardingBuffer buffer;
    std::ostream discarded(&buffer);
    for (auto _ : state) {
        if (sarovin::RunReport(files.Paths(), discarded, discarded) != 0) {
            state.SkipWithError("a reading was refused");
        }
    }
    state.SetItemsProcessed(state.iterations() * READING_COUNT);
}
BENCHMARK(TenThousandReadings)->Unit(benchmark::kMillisecond);

}  // namespace
