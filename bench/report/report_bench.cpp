#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include "bench/report/varied_readings.h"
#include "cli/report_options.h"
#include "cli/run_report.h"

namespace {

constexpr int READING_COUNT = 10000;

// A stream that drops what it is given, so only producing the output counts.
class DiscardingBuffer : public std::streambuf {
  protected:
    int_type overflow(int_type character) override { return character; }
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

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
        for (const std::string& name :
             sarovin::bench::WriteVariedReadings(folder_, READING_COUNT)) {
            paths_.push_back((folder_ / name).string());
        }
    }
    ~ReadingFiles() { std::filesystem::remove_all(folder_); }

    const std::vector<std::string>& Paths() const { return paths_; }

  private:
    std::filesystem::path folder_;
    std::vector<std::string> paths_;
};

// One call of the tool over all the files with the options given.
void RunOverTheFiles(benchmark::State& state, const std::vector<std::string>& options) {
    static const ReadingFiles files;
    std::vector<std::string> arguments = options;
    arguments.insert(arguments.end(), files.Paths().begin(), files.Paths().end());
    DiscardingBuffer buffer;
    std::ostream discarded(&buffer);
    for (auto _ : state) {
        if (sarovin::RunReport(arguments, discarded, discarded) != 0) {
            state.SkipWithError("a reading was refused");
        }
    }
    state.SetItemsProcessed(state.iterations() * READING_COUNT);
}

const std::string ALL_CORES = std::to_string(sarovin::DefaultJobs());

void TextOneThread(benchmark::State& state) {
    RunOverTheFiles(state, {"--jobs", "1"});
}
void TextAllCores(benchmark::State& state) {
    RunOverTheFiles(state, {"--jobs", ALL_CORES});
}
void JsonOneThread(benchmark::State& state) {
    RunOverTheFiles(state, {"--format", "json", "--jobs", "1"});
}
void JsonAllCores(benchmark::State& state) {
    RunOverTheFiles(state, {"--format", "json", "--jobs", ALL_CORES});
}
void JsonLinesOneThread(benchmark::State& state) {
    RunOverTheFiles(state, {"--format", "jsonl", "--jobs", "1"});
}
void JsonLinesAllCores(benchmark::State& state) {
    RunOverTheFiles(state, {"--format", "jsonl", "--jobs", ALL_CORES});
}
void SwissJsonLinesAllCores(benchmark::State& state) {
    RunOverTheFiles(state, {"--ephemeris", "swiss", "--format", "jsonl", "--jobs", ALL_CORES});
}

// Each runs the tool once over 10,000 reading files.
BENCHMARK(TextOneThread)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(TextAllCores)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(JsonOneThread)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(JsonAllCores)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(JsonLinesOneThread)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(JsonLinesAllCores)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SwissJsonLinesAllCores)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
