#include <iostream>
#include <string>
#include <vector>

#include "report/run_report.h"

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return sarovin::RunReport(arguments, std::cout, std::cerr);
}
