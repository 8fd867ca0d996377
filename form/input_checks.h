#pragma once

#include <string_view>

#include "form/input_form.h"
#include "common/message_icon.h"

namespace sarovin {

// The input panel's controls, as far as a check or a filter names them.
enum class InputField {
    None,
    Name,
    LatitudeDegrees,
    LatitudeMinutes,
    LongitudeDegrees,
    LongitudeMinutes,
    City,
    State,
    Country,
};

// What a refused check tells the user and where the focus goes. Steps 9 and
// 10 also choose North or East for the next attempt.
struct CheckFailure {
    int step;
    std::string_view message;
    MessageIcon icon;
    InputField focus;
};

// Runs the twelve checks in order and returns the first that fails, or
// nothing when the form may be calculated.
const CheckFailure* FirstFailingCheck(const InputForm& form);

// The choice a refused hemisphere check makes for the next attempt.
void ApplyCheckRepair(const CheckFailure& failure, InputForm& form);

}  // namespace sarovin
