#pragma once

#include <string>

#include "common/message_icon.h"

namespace sarovin {

// The input panel's boxes, as far as a refusal names one to focus.
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
    UtcOffset,
};

// A choice a refusal makes on the panel for the next attempt.
enum class FormRepair { None, ChooseNorth, ChooseEast };

// Why something was not done: the message a person is shown, its icon, the
// box that takes the focus and the repair made on the panel.
struct Refusal {
    std::string message;
    MessageIcon icon = MessageIcon::Error;
    InputField focus = InputField::None;
    FormRepair repair = FormRepair::None;

    friend bool operator==(const Refusal&, const Refusal&) = default;
};

}  // namespace sarovin
