#pragma once

namespace sarovin {

// Gives the drop-down lists of the input panel their accessible name when a
// screen reader asks for their name, and their chosen item as their value.
// Qt's own interface on Linux names a list by its chosen item, so the day,
// year, hour and minute lists would all be read only as numbers. Called
// before the lists are made; later calls do nothing.
void NameListsByTheirAccessibleName();

}  // namespace sarovin
