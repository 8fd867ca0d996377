#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace sarovin {

// The whole tool for the arguments after the program name: readings and
// listings to `out`, one line per refused reading and usage errors to
// `err`. Returns the exit status: 0 when everything asked for was
// printed, 1 when a reading was refused or unreadable (the others are
// still printed) or `out` could not be written, 2 for a usage error.
int RunReport(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace sarovin
