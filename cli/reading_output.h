#pragma once

#include <optional>
#include <string>

#include "calculation/calculation.h"

namespace sarovin {

// What one reading puts on the two outputs.
struct ReadingOutput {
    // The reading in the chosen format; empty when it was refused.
    std::string printed;
    // Its lines for standard error: warnings, or why it was refused.
    std::string problems;
    bool refused = false;
    // The computed reading, kept only when its page goes to a PDF file.
    std::optional<Calculation> calculation{};
};

}  // namespace sarovin
