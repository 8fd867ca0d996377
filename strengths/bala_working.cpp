#include "strengths/bala_working.h"

#include <utility>

namespace sarovin {

BalaWorking SumWorking(std::vector<WorkingFigure> inputs, std::string rule, std::string source,
                       std::vector<WorkingFigure> terms) {
    double sum = 0;
    for (const WorkingFigure& term : terms) {
        sum += term.value;
    }
    return {std::move(inputs), std::move(rule), std::move(source), std::move(terms), sum};
}

}  // namespace sarovin
