// write_readings FOLDER COUNT: fills an existing folder with COUNT varied
// reading files for timing sarovin-report from the shell.
#include <charconv>
#include <cstdio>
#include <exception>
#include <string_view>

#include "bench/report/varied_readings.h"

int main(int argc, char* argv[]) {
    int count = 0;
    const std::string_view countText = argc == 3 ? argv[2] : "";
    const auto [end, error] =
        std::from_chars(countText.data(), countText.data() + countText.size(), count);
    if (argc != 3 || error != std::errc{} || end != countText.data() + countText.size() ||
        count < 0) {
        std::fputs("usage: write_readings FOLDER COUNT\n", stderr);
        return 2;
    }
    try {
        sarovin::bench::WriteVariedReadings(argv[1], count);
    } catch (const std::exception& exception) {
        std::fprintf(stderr, "write_readings: %s\n", exception.what());
        return 1;
    }
    return 0;
}
