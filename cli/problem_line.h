#pragma once

#include <string>
#include <string_view>

namespace sarovin {

// A line for standard error: "sarovin-report: SOURCE: REASON" and a line
// end, or without "SOURCE: " for an empty source. Control characters of
// the source are shown as '?', and those of the reason too but for its own
// line ends (a refusal may list candidates a line each).
std::string ProblemLine(std::string_view source, std::string_view reason);

}  // namespace sarovin
