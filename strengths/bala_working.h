#pragma once

#include <string>
#include <vector>

namespace sarovin {

// One figure of a strength's working: what it is and its value
// ("longitude", 180.90; "arc / 3", 3.03).
struct WorkingFigure {
    std::string name;
    double value = 0;

    friend bool operator==(const WorkingFigure&, const WorkingFigure&) = default;
};

// A strength with its working, made where the strength is computed so a
// tooltip, the JSON or the text can show it without computing it again:
// the figures the rule reads, the rule and where it is taught, the terms
// it adds up, and their sum in virupas.
struct BalaWorking {
    std::vector<WorkingFigure> inputs;
    std::string rule;
    std::string source;
    std::vector<WorkingFigure> terms;
    double virupas = 0;

    friend bool operator==(const BalaWorking&, const BalaWorking&) = default;
};

// A working whose value is the sum of `terms`.
BalaWorking SumWorking(std::vector<WorkingFigure> inputs, std::string rule, std::string source,
                       std::vector<WorkingFigure> terms);

}  // namespace sarovin
