#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "form/input_form.h"
#include "report/reported_reading.h"

namespace sarovin {

// The window says nothing here (it goes on with an empty form); the tool
// names the problem instead.
inline constexpr std::string_view UNREADABLE_MESSAGE = "Cannot read the file.";

// A reading to print, or the reason it is refused.
struct ReadingOutcome {
    std::optional<ReportedReading> reading;
    std::string error;
};

// What the window does once its panel holds a reading: refuse with the
// message of the first check `checkedForm` fails, or fill a fresh birth
// record from `form`.
ReadingOutcome CalculateForm(const InputForm& checkedForm, const InputForm& form,
                             std::string source);

// Opens a saved reading as the window does: the name check, the file, the
// restore onto the start-up panel and then CalculateForm.
ReadingOutcome ReadingFromFile(const std::string& path);

}  // namespace sarovin
