#include <csignal>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/problem_line.h"
#include "cli/run_report.h"

namespace {

constexpr int EXIT_FAILED = 1;

}  // namespace

int main(int argc, char* argv[]) {
    // A reader that goes away makes the next write fail, which stops the
    // work, instead of killing the program unannounced.
    std::signal(SIGPIPE, SIG_IGN);
    try {
        const std::vector<std::string> arguments(argv + 1, argv + argc);
        return sarovin::RunReport(arguments, std::cout, std::cerr);
    } catch (const std::exception& exception) {
        std::cerr << sarovin::ProblemLine({}, exception.what());
    } catch (...) {
        std::cerr << sarovin::ProblemLine({}, "stopped by an unknown error");
    }
    return EXIT_FAILED;
}
