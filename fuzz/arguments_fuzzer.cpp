// Any command line of the report tool, as NUL-separated arguments: every
// call ends with a status of 0, 1 or 2 and nothing escapes main. Arguments
// naming a path outside the working folder are dropped, so a run never
// reads or writes beyond the folder it is started in.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli/run_report.h"

namespace {

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
