#pragma once

#include <QString>

#include "drishti/drishti_report.h"

namespace sarovin {

// The tooltip of a classical Sputa cell: the two points, the angle from the
// aspecting planet to the aspected point, and the virupas.
QString ClassicalCellTip(const DrishtiReport& report, int planet, int body);
QString ClassicalLagnaTip(const DrishtiReport& report, int planet);

// The working of one planet's Drik Bala: every contributor with its
// nature and virupas, the net and its quarter.
QString DrikBalaTip(const DrishtiReport& report, int planet);

}  // namespace sarovin
