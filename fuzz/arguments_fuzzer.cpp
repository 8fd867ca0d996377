// Any command line of the report tool, as NUL-separated arguments: every
// call ends with a status of 0, 1 or 2 and nothing escapes main. Arguments
// naming a path outside the working folder are dropped, so a run never
// reads or writes beyond the folder it is started in. A transit search
// is kept within one month (FROM and TO of the same year and month), so
// that no input runs a search over centuries.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli/run_report.h"

namespace {

constexpr std::size_t YEAR_AND_MONTH = 7;  // "2026-12"

void KeepTransitsWithinAMonth(std::vector<std::string>& arguments) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] != "--transits") {
            continue;
        }
        const bool shortSpan =
            i + 2 < arguments.size() && arguments[i + 1].substr(0, YEAR_AND_MONTH) ==
                                            arguments[i + 2].substr(0, YEAR_AND_MONTH);
        if (!shortSpan) {
            arguments[i] = "--version";
        }
    }
}

std::vector<std::string> ArgumentsOf(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\0') {
            arguments.emplace_back();
        } else {
            arguments.back() += static_cast<char>(data[i]);
        }
    }
    std::erase_if(arguments, [](const std::string& argument) {
        return argument.find('/') != std::string::npos;
    });
    KeepTransitsWithinAMonth(arguments);
    return arguments;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = sarovin::RunReport(ArgumentsOf(data, size), out, err);
    if (status < 0 || status > 2) {
        std::fprintf(stderr, "arguments_fuzzer: exit status %d\n", status);
        std::abort();
    }
    return 0;
}
