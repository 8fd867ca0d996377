#include "cli/positions_option.h"

namespace sarovin {

Result<GivenPositions> ReadGivenPositions(std::string_view text) {
    return ReadGivenPositions(text, "--positions");
}

}  // namespace sarovin
