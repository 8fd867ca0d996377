#pragma once

#include <optional>

#include "common/refusal.h"
#include "form/input_form.h"

namespace sarovin {

// Runs the twelve checks in order, then refuses a malformed exact offset
// and a zone left unsettled; returns the refusal of the first that fails,
// or nothing when the form may be calculated.
std::optional<Refusal> FirstFailingCheck(const InputForm& form);

// The two date checks on values the lists hold: false for a day its month
// lacks (30 February, 31 April); the refusal the panel gives for it. A
// birth typed as numbers is checked by these same rules.
bool DateIsOnCalendar(int day, int month, int year);
std::optional<Refusal> CalendarRefusal(int day, int month, int year);

// Makes the choice a refusal asks for on the panel, for the next attempt.
void ApplyRepair(FormRepair repair, InputForm& form);

}  // namespace sarovin
